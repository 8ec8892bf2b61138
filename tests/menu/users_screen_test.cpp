// Users on the real main window: switching saves the settings of the user
// who was colouring and puts the next user's settings on every control at
// once; a working folder without users stays exactly as it was.

#include <QDirIterator>
#include <QTest>

#include "menu_fixture.h"
#include "settings/options_file.h"
#include "users/active_user.h"
#include "users/user_store.h"

using testing_support::ReadFile;

class UsersMenuTest : public MenuTest {
protected:
  void TearDown() override { users::SetActiveUser({}, {}); }
  users::User make(const QString& name) {
    users::User made;
    EXPECT_EQ(users::MakeUser(folder(), name, &made), QString());
    return made;
  }
  settings::SettingsData onDisk(const QString& where) {
    settings::SettingsData record;
    QStringList problems;
    settings::ReadSettingsFiles(where, folder(), record, problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char(' ')).toStdString();
    return record;
  }
  // Every file under the working folder, with its bytes.
  std::map<QString, QByteArray> snapshot() {
    std::map<QString, QByteArray> files;
    QDirIterator it(folder(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      files[path] = ReadFile(path);
    }
    return files;
  }
};

TEST_F(UsersMenuTest, SwitchingSavesTheOneWhoColouredAndLoadsTheNextAtOnce) {
  load();
  const users::User ada = make(QStringLiteral("Ada"));
  const users::User bo = make(QStringLiteral("Bo"));
  settings::SettingsData boRecord = describedRecord();
  boRecord.ScanType = 3;
  boRecord.CurrentPictureIndex = 4;
  boRecord.ColorEnabled.fill(0);
  boRecord.ColorEnabled[2] = boRecord.ColorEnabled[5] = 1;
  ASSERT_EQ(settings::WriteSettingsFile(bo.folder, boRecord), QString());
  testing_support::WriteFile(bo.folder + QStringLiteral("brushwell.ini"), QByteArrayLiteral("[switch]\nAcceptanceMs=400\n"));

  banner->SwitchUser(ada.name, ada.folder);  // the folder's own settings saved as by "Exit"
  const QByteArray folderSettings = ReadFile(folder() + QStringLiteral("aobj_se1.cfg"));
  EXPECT_EQ(banner->user_label->text(), QStringLiteral("Colouring now: Ada"));
  settings::SettingsRecord.CurrentPictureIndex = 7;  // Ada coloured on to picture 7
  banner->SwitchUser(bo.name, bo.folder);

  EXPECT_EQ(onDisk(ada.folder).CurrentPictureIndex, 7);
  EXPECT_EQ(settings::SettingsRecord.ScanType, 3);
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 4);
  EXPECT_EQ(settings::SwitchOptionsRecord.AcceptanceMs, 400);
  EXPECT_TRUE(banner->frame_scan->rad_scan_type[3]->isChecked());
  EXPECT_FALSE(banner->frame_coloring_option->check_color[1]->isChecked());
  EXPECT_TRUE(banner->frame_coloring_option->check_color[5]->isChecked());
  EXPECT_EQ(picks(2), (std::vector<int>{2, 5}));

  // Back to no user: the folder's own settings, which no user changed.
  settings::SettingsRecord.CurrentPictureIndex = 9;
  banner->SwitchUser({}, {});
  EXPECT_EQ(onDisk(bo.folder).CurrentPictureIndex, 9);
  EXPECT_EQ(settings::SwitchOptionsRecord.AcceptanceMs, 0);
  EXPECT_TRUE(banner->frame_coloring_option->check_color[1]->isChecked());
  EXPECT_EQ(ReadFile(folder() + QStringLiteral("aobj_se1.cfg")), folderSettings);
  EXPECT_EQ(banner->user_label->text(), QStringLiteral("No user chosen"));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(UsersMenuTest, LockedUserSettingsAreLeftAsTheyAreAndSaidSoOnSwitching) {
  load();
  const users::User ada = make(QStringLiteral("Ada"));
  const QString file = ada.folder + QStringLiteral("aobj_se1.cfg");
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  const QByteArray locked = ReadFile(file);
  banner->SwitchUser(ada.name, ada.folder);
  settings::SettingsRecord.ScanType = 4;
  banner->SwitchUser({}, {});
  EXPECT_EQ(ReadFile(file), locked);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("locked")));
}

TEST_F(UsersMenuTest, WithoutUsersTheFolderStaysAsItWasAndTheScreenMakesChoosesAndRemoves) {
  load();
  banner->LeaveProgram();
  const auto before = snapshot();
  // A new start that looks at the Users screen and leaves without a user.
  load();
  QTest::mouseClick(banner->but_users, Qt::LeftButton);
  ASSERT_TRUE(banner->users_frame->isVisible());
  EXPECT_EQ(banner->users_frame->user_list->count(), 1);  // "No user" only
  QTest::keyClick(banner.get(), Qt::Key_Escape);
  EXPECT_TRUE(menuShown());
  banner->LeaveProgram();
  EXPECT_EQ(snapshot(), before);

  // Made, chosen and removed (after the question) through the screen.
  load();
  menu::UsersScreen& screen = *banner->users_frame;
  QTest::mouseClick(banner->but_users, Qt::LeftButton);
  screen.name_edit->setText(QStringLiteral("Zoë"));
  QTest::mouseClick(screen.but_make, Qt::LeftButton);
  ASSERT_EQ(screen.user_list->count(), 2);
  QTest::keyClick(screen.user_list, Qt::Key_Return);  // the new user is the one selected
  EXPECT_EQ(users::ActiveUserName(), QStringLiteral("Zoë"));
  // Renaming the user who colours: the settings follow the folder.
  screen.name_edit->setText(QStringLiteral("Zoë B"));
  QTest::mouseClick(screen.but_rename, Qt::LeftButton);
  EXPECT_EQ(users::ActiveUserName(), QStringLiteral("Zoë B"));
  EXPECT_EQ(settings::ReadChosenUser(QDir::current().filePath(QStringLiteral("brushwell.ini"))), QStringLiteral("Zoë B"));
  EXPECT_EQ(settings::FilesFolder(), users::ActiveFolder());
  EXPECT_TRUE(QFileInfo::exists(settings::FilesFolder() + QStringLiteral("aobj_se1.cfg")));
  const QString zoe = users::ActiveFolder();
  QTest::mouseClick(screen.but_remove, Qt::LeftButton);
  ASSERT_TRUE(screen.confirm_box->isVisible());
  EXPECT_TRUE(screen.confirm_text->text().contains(zoe));
  EXPECT_TRUE(QFileInfo::exists(zoe));
  QTest::mouseClick(screen.but_remove_yes, Qt::LeftButton);
  EXPECT_FALSE(QFileInfo::exists(zoe));
  EXPECT_TRUE(users::ActiveUserName().isEmpty());
  EXPECT_EQ(banner->user_label->text(), QStringLiteral("No user chosen"));
  EXPECT_EQ(settings::ReadChosenUser(QDir::current().filePath(QStringLiteral("brushwell.ini"))), QString());
  EXPECT_TRUE(host.messages.empty());
}
