// Where the program runs: a writable portable folder as it is, otherwise a
// per-user folder of own copies and links to the shipped data.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/program_folder.h"
#include "support/files.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

bool Always(const QString&) { return true; }
bool Never(const QString&) { return false; }

TEST(ProgramFolder, PortableWhileWritableOtherwiseTheUsersOwnFolder) {
  QTemporaryDir root;
  const QString portable = root.filePath(QStringLiteral("Brushwell")), bin = root.filePath(QStringLiteral("usr/bin"));
  const QString data = root.filePath(QStringLiteral("usr/share/brushwell"));
  for (const QString& f : {portable, bin, data}) ASSERT_TRUE(QDir().mkpath(f));
  WriteFile(portable + QStringLiteral("/aobj_se1.cfg"), "x");
  WriteFile(data + QStringLiteral("/aobj_se1.cfg"), "x");
  const QString home = root.filePath(QStringLiteral("home/.local/share"));

  const auto asIs = app::PlanProgramFolder(portable, bin + QStringLiteral("/../share/brushwell"), home, Always);
  EXPECT_EQ(asIs.workFolder, portable + QLatin1Char('/'));
  EXPECT_FALSE(asIs.perUser);
  const auto readOnly = app::PlanProgramFolder(portable, {}, home, Never);
  EXPECT_EQ(readOnly.dataFolder, portable + QLatin1Char('/'));
  EXPECT_EQ(readOnly.workFolder, home + QStringLiteral("/brushwell/"));
  // Installed: the data beside bin/, even where bin/ could be written.
  const auto installed = app::PlanProgramFolder(bin, bin + QStringLiteral("/../share/brushwell"), home, Always);
  EXPECT_EQ(installed.dataFolder, data + QLatin1Char('/'));
  EXPECT_TRUE(installed.perUser);
}

TEST(ProgramFolder, TheUsersFolderHoldsOwnCopiesAndLinksAndKeepsWhatTheUserPutThere) {
  QTemporaryDir data, home;
  const QString user = home.filePath(QStringLiteral("brushwell"));
  for (const char* name : {"aobj_se1.cfg", "aobj_se2.cfg", "pictures_12.pcf", "cat.bmp", "cat.bmp.dat", "gone.wav"})
    WriteFile(data.filePath(QLatin1String(name)), QByteArray("shipped ") + name);
  ASSERT_TRUE(QDir().mkpath(data.filePath(QStringLiteral("voices/fr"))));
  WriteFile(data.filePath(QStringLiteral("voices/fr/goodjob1.wav")), "bravo");
  QFile::setPermissions(data.filePath(QStringLiteral("aobj_se1.cfg")), QFileDevice::ReadOwner);  // installed read-only
  ASSERT_TRUE(QDir().mkpath(user));
  WriteFile(user + QStringLiteral("/cat.bmp"), "the user's own cat");

  EXPECT_EQ(app::PrepareUserFolder(user, data.path()), QStringList());
  const QFileInfo settings(user + QStringLiteral("/aobj_se1.cfg")), list(user + QStringLiteral("/pictures_12.pcf"));
  EXPECT_FALSE(settings.isSymLink());
  EXPECT_TRUE(settings.isWritable());
  EXPECT_FALSE(list.isSymLink());
  EXPECT_EQ(ReadFile(user + QStringLiteral("/cat.bmp")), "the user's own cat");
  EXPECT_TRUE(QFileInfo(user + QStringLiteral("/cat.bmp.dat")).isSymLink());
  EXPECT_EQ(ReadFile(user + QStringLiteral("/gone.wav")), "shipped gone.wav");
  EXPECT_EQ(ReadFile(user + QStringLiteral("/voices/fr/goodjob1.wav")), "bravo") << "the voices folder is linked";

  // A newer installation: one file dropped, one changed; the user's settings stay theirs.
  WriteFile(user + QStringLiteral("/aobj_se1.cfg"), "the user's settings");
  ASSERT_TRUE(QFile::remove(data.filePath(QStringLiteral("gone.wav"))));
  WriteFile(data.filePath(QStringLiteral("cat.bmp.dat")), "new sections");
  EXPECT_EQ(app::PrepareUserFolder(user, data.path()), QStringList());
  EXPECT_FALSE(QFileInfo(user + QStringLiteral("/gone.wav")).isSymLink());
  EXPECT_EQ(ReadFile(user + QStringLiteral("/cat.bmp.dat")), "new sections");
  EXPECT_EQ(ReadFile(user + QStringLiteral("/aobj_se1.cfg")), "the user's settings");

  // A folder that cannot be made is told.
  WriteFile(home.filePath(QStringLiteral("file")), "x");
  EXPECT_EQ(app::PrepareUserFolder(home.filePath(QStringLiteral("file/brushwell")), data.path()).size(), 1);
}

// The shipped data moves (installed again into another prefix, a stick
// mounted under another name): the program's links follow it at the next
// start; what the user made there stays as it is.
TEST(ProgramFolder, LinksFollowTheDataFolderWhenItMovesAndTheUsersOwnLinksStay) {
  QTemporaryDir root;
  const QString first = root.filePath(QStringLiteral("stick/Brushwell")), user = root.filePath(QStringLiteral("mine"));
  const QString elsewhere = root.filePath(QStringLiteral("Pictures"));
  for (const QString& f : {first, user, elsewhere}) ASSERT_TRUE(QDir().mkpath(f));
  for (const char* name : {"aobj_se1.cfg", "aobj_logo.jpg", "cat.bmp", "sun.bmp"})
    WriteFile(first + QLatin1Char('/') + QLatin1String(name), QByteArray("shipped ") + name);
  WriteFile(elsewhere + QStringLiteral("/cat.bmp"), "the user's cat");
  ASSERT_EQ(app::PrepareUserFolder(user, first), QStringList());
  // The user's own links: one to a picture elsewhere, one whose picture has gone.
  ASSERT_TRUE(QFile::remove(user + QStringLiteral("/cat.bmp")));
  ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/cat.bmp"), user + QStringLiteral("/cat.bmp")));
  ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/gone.bmp"), user + QStringLiteral("/gone.bmp")));
  // A link made before the program kept a record of its data folders.
  ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("old/share/brushwell/ding.wav")), user + QStringLiteral("/ding.wav")));
  WriteFile(user + QStringLiteral("/aobj_se1.cfg"), "the user's settings");

  const QString moved = root.filePath(QStringLiteral("stick1/Brushwell"));
  ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("stick1"))));
  ASSERT_TRUE(QDir().rename(first, moved));
  EXPECT_EQ(app::PrepareUserFolder(user, moved), QStringList());
  EXPECT_EQ(ReadFile(user + QStringLiteral("/aobj_logo.jpg")), "shipped aobj_logo.jpg");
  EXPECT_FALSE(QFileInfo(user + QStringLiteral("/ding.wav")).isSymLink());

  // The old folder is still there, another one is used: the links go to the one in use.
  const QString other = root.filePath(QStringLiteral("usr/share/games/brushwell"));
  ASSERT_TRUE(QDir().mkpath(other));
  WriteFile(other + QStringLiteral("/aobj_logo.jpg"), "newer logo");
  WriteFile(other + QStringLiteral("/aobj_se1.cfg"), "x");
  EXPECT_EQ(app::PrepareUserFolder(user, other), QStringList());
  EXPECT_EQ(ReadFile(user + QStringLiteral("/aobj_logo.jpg")), "newer logo");
  EXPECT_FALSE(QFileInfo(user + QStringLiteral("/sun.bmp")).isSymLink()) << "not in the folder in use";

  EXPECT_EQ(ReadFile(user + QStringLiteral("/cat.bmp")), "the user's cat");
  EXPECT_EQ(QFileInfo(user + QStringLiteral("/gone.bmp")).symLinkTarget(), elsewhere + QStringLiteral("/gone.bmp"));
  EXPECT_EQ(ReadFile(user + QStringLiteral("/aobj_se1.cfg")), "the user's settings");
}

}  // namespace
