// Users' names and folders: names of any script kept readable, names a
// folder cannot hold made safe, and the users' folders made, renamed and
// removed whole, never touching what is not a user's folder.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "support/files.h"
#include "support/scripted_host.h"
#include "users/active_user.h"
#include "users/user_names.h"
#include "users/user_store.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

TEST(UserNames, FolderNamesAreReadableSafeBoundedAndApart) {
  // Any script stays as typed; composed and decomposed accents are one name.
  EXPECT_EQ(users::SafeFolderName(QStringLiteral("דנה")), QStringLiteral("דנה"));
  EXPECT_EQ(users::SafeFolderName(QStringLiteral("Zoë")), QStringLiteral("Zoë"));
  EXPECT_EQ(users::SafeFolderName(QStringLiteral("Zoe\u0308")), QStringLiteral("Zoë"));
  EXPECT_EQ(users::SafeFolderName(QStringLiteral("  Anna \t Lee ")), QStringLiteral("Anna Lee"));

  const QStringList awkward = {QStringLiteral("a/b"), QStringLiteral("a_b"), QStringLiteral(".."), QStringLiteral("."),
                               QStringLiteral(".hidden"), QStringLiteral("tab\tand\x01""bell"),
                               QStringLiteral("..\\..//etc"), QString(200, QChar(0x05D0)),
                               QString(199, QChar(0x05D0)) + QLatin1Char('b'), QString(200, QLatin1Char('x'))};
  QStringList folders;
  for (const QString& name : awkward) {
    const QString folder = users::SafeFolderName(name);
    SCOPED_TRACE(name.toStdString() + " -> " + folder.toStdString());
    EXPECT_FALSE(folder.isEmpty());
    EXPECT_FALSE(folder.startsWith(QLatin1Char('.')));
    EXPECT_FALSE(folder.contains(QLatin1Char('/')) || folder.contains(QLatin1Char('\\')));
    for (QChar c : folder) EXPECT_GE(c.unicode(), 0x20);
    EXPECT_LE(folder.toUtf8().size(), users::MaxFolderNameBytes);
    EXPECT_EQ(QString::fromUtf8(folder.toUtf8()), folder);  // never cut inside a character
    EXPECT_EQ(users::SafeFolderName(name), folder);         // stable
    folders << folder;
  }
  // Names that differ keep apart, even when made safe alike or cut alike.
  folders.removeDuplicates();
  EXPECT_EQ(folders.size(), awkward.size());
}

class UserStore : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    WriteFile(work() + QStringLiteral("aobj_se1.cfg"), QByteArrayLiteral(" 1 \r\n 0 \r\nthe folder's settings\r\n"));
    WriteFile(work() + QStringLiteral("brushwell.ini"), QByteArrayLiteral("[switch]\nAcceptanceMs=300\n"));
  }
  void TearDown() override { users::SetActiveUser({}, {}); }
  QString work() const { return dir.path() + QLatin1Char('/'); }
  users::User make(const QString& name) {
    users::User made;
    EXPECT_EQ(users::MakeUser(work(), name, &made), QString());
    return made;
  }

  QTemporaryDir dir;
  testing_support::ScriptedHost host;
};

TEST_F(UserStore, MakeCopiesTheFolderSettingsAndRefusesTheSameNameTwice) {
  // What a removal cut short by a kill left goes with the next change.
  ASSERT_TRUE(QDir().mkpath(work() + QStringLiteral("users/.removing-1/gallery")));
  const users::User anna = make(QStringLiteral("Anna"));
  EXPECT_EQ(anna.folder, work() + QStringLiteral("users/Anna/"));
  for (const QString& file : {QStringLiteral("aobj_se1.cfg"), QStringLiteral("brushwell.ini")})
    EXPECT_EQ(ReadFile(anna.folder + file), ReadFile(work() + file)) << file.toStdString();
  make(QStringLiteral("a/b"));
  make(QStringLiteral("a_b"));
  make(QString(200, QChar(0x05D3)));  // 200 Hebrew letters: a folder the file system takes

  // The same name after normalisation is refused, saying why; nothing is made.
  for (const QString& same : {QStringLiteral("anna"), QStringLiteral("  ANNA "), QStringLiteral("a/b")}) {
    const QString why = users::MakeUser(work(), same, nullptr);
    EXPECT_TRUE(why.contains(QStringLiteral("already a user"))) << why.toStdString();
  }
  EXPECT_FALSE(users::MakeUser(work(), QStringLiteral(" \t"), nullptr).isEmpty());
  EXPECT_FALSE(users::MakeUser(work(), QString(201, QLatin1Char('x')), nullptr).isEmpty());
  const std::vector<users::User> all = users::ListUsers(work());
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(QDir(users::UsersFolder(work())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 4);  // no drafts left
  EXPECT_EQ(users::FindUser(all, QStringLiteral("ANNA"))->folder, anna.folder);
}

TEST_F(UserStore, RenameMovesTheWholeFolderAndRemoveDeletesOnlyAUsersFolder) {
  const users::User anna = make(QStringLiteral("Anna"));
  make(QStringLiteral("Ben"));
  QDir().mkpath(anna.folder + QStringLiteral("gallery"));
  WriteFile(anna.folder + QStringLiteral("gallery/one.png"), QByteArrayLiteral("png"));

  EXPECT_FALSE(users::RenameUser(work(), anna, QStringLiteral("ben"), nullptr).isEmpty());
  users::User renamed;
  ASSERT_EQ(users::RenameUser(work(), anna, QStringLiteral("Anna-Lí"), &renamed), QString());
  EXPECT_FALSE(QFileInfo::exists(anna.folder));
  EXPECT_EQ(ReadFile(renamed.folder + QStringLiteral("gallery/one.png")), QByteArrayLiteral("png"));
  EXPECT_EQ(users::FindUser(users::ListUsers(work()), QStringLiteral("anna-lí"))->folder, renamed.folder);

  // A user's folder that was put back as a link to a folder elsewhere is
  // neither renamed nor emptied.
  QTemporaryDir elsewhere;
  WriteFile(elsewhere.filePath(QStringLiteral("precious")), QByteArrayLiteral("keep"));
  WriteFile(elsewhere.filePath(QStringLiteral("user.ini")), QByteArrayLiteral("[user]\nName=Cleo\n"));
  ASSERT_TRUE(QFile::link(elsewhere.path(), users::UsersFolder(work()) + QStringLiteral("Cleo")));
  const users::User cleo = *users::FindUser(users::ListUsers(work()), QStringLiteral("Cleo"));
  EXPECT_FALSE(users::RemoveUser(work(), cleo).isEmpty());
  EXPECT_FALSE(users::RenameUser(work(), cleo, QStringLiteral("Dora"), nullptr).isEmpty());
  EXPECT_EQ(ReadFile(elsewhere.filePath(QStringLiteral("precious"))), QByteArrayLiteral("keep"));

  EXPECT_EQ(users::RemoveUser(work(), renamed), QString());
  EXPECT_FALSE(QFileInfo::exists(renamed.folder));
  EXPECT_FALSE(users::FindUser(users::ListUsers(work()), QStringLiteral("Anna-Lí")));
  EXPECT_TRUE(users::FindUser(users::ListUsers(work()), QStringLiteral("Ben")));
}

TEST_F(UserStore, UserOnTheCommandLineIsChosenRememberedAndAnUnknownOneIsToldOnce) {
  const users::User ben = make(QStringLiteral("Ben"));
  EXPECT_TRUE(app::ChooseUserFromArguments(work(), {QStringLiteral("brushwell"), QStringLiteral("--user"), QStringLiteral("ben")}));
  EXPECT_EQ(users::ActiveUserName(), QStringLiteral("Ben"));
  EXPECT_EQ(users::ActiveFolder(), ben.folder);
  EXPECT_TRUE(host.messages.empty());

  users::SetActiveUser({}, {});
  EXPECT_FALSE(app::ChooseUserFromArguments(work(), {QStringLiteral("brushwell"), QStringLiteral("--user=Nobody")}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("\"Nobody\"")));
  EXPECT_TRUE(users::ActiveUserName().isEmpty());
  EXPECT_EQ(users::ListUsers(work()).size(), 1u);  // no user was made

  // A start without the option goes on with the user chosen last, and the
  // folder's other options stay as they were.
  const QStringList plain{QStringLiteral("brushwell")};
  host.messages.clear();
  EXPECT_TRUE(app::ChooseUserFromArguments(work(), plain));
  EXPECT_EQ(users::ActiveFolder(), ben.folder);
  EXPECT_TRUE(ReadFile(work() + QStringLiteral("brushwell.ini")).contains("AcceptanceMs=300"));
  // One who was removed by hand is told once and forgotten.
  users::SetActiveUser({}, {});
  ASSERT_TRUE(QDir(ben.folder).removeRecursively());
  EXPECT_FALSE(app::ChooseUserFromArguments(work(), plain));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("\"Ben\"")));
  EXPECT_FALSE(app::ChooseUserFromArguments(work(), plain));
  EXPECT_EQ(host.messages.size(), 1u);

  // A brushwell.ini made read-only is the carer's lock: left as it is.
  const QString ini = work() + QStringLiteral("brushwell.ini");
  const QByteArray locked = ReadFile(ini);
  ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner));
  users::SetActiveUser(QStringLiteral("Cleo"), work() + QStringLiteral("users/Cleo/"));
  EXPECT_EQ(users::RememberActiveUser(work()), QString());
  EXPECT_EQ(ReadFile(ini), locked);
  QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
}
