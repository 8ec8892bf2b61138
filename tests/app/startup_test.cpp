// Start-up: the display check, the placement arithmetic, the first
// activation of the main window, and the way out through the credits.

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "app/credits_window.h"
#include "app/startup.h"
#include "menu/banner.h"
#include "menu/placement.h"
#include "settings/settings_file.h"
#include "support/files.h"
#include "support/scripted_host.h"

using testing_support::ScriptedHost;

TEST(DisplayCheck, MessagesAndVerdictByDepth) {
  const auto eight = app::CheckDisplay(app::ColorDepthCount(1, 8));
  EXPECT_TRUE(eight.stop);
  EXPECT_EQ(eight.message,
            QStringLiteral("Your screen settings are set to 256 colors.\r"
                           "Brushwell requires that your screen setting colors are set to at least 65,536 colors.\r"
                           "See the Brushwell User's Guide on how to change your screen color settings"));
  const auto sixteen = app::CheckDisplay(app::ColorDepthCount(1, 16));
  EXPECT_FALSE(sixteen.stop);
  EXPECT_EQ(sixteen.message,
            QStringLiteral("Your screen settings are set to 65536 colors.\r"
                           "Though Brushwell will run with these settings,\r"
                           "it is recommended that you set your colors to True Color (32 Bit)\r"
                           "See the Brushwell User's Guide on how to change your screen color settings"));
  for (int bits : {24, 32}) {
    const auto verdict = app::CheckDisplay(app::ColorDepthCount(1, bits));
    EXPECT_FALSE(verdict.stop);
    EXPECT_TRUE(verdict.message.isEmpty()) << bits;
  }
  EXPECT_DOUBLE_EQ(app::ColorDepthCount(1, 32), 4294967296.0);
  EXPECT_TRUE(app::CheckDisplay(65535).stop);
  EXPECT_FALSE(app::CheckDisplay(99999).message.isEmpty());
  EXPECT_TRUE(app::CheckDisplay(100000).message.isEmpty());
}

TEST(Placement, OnA1024By768Screen) {
  const QSizeF screen(1024, 768);
  const QPointF logo = menu::LogoPosition(screen, QSizeF(400, 150));
  EXPECT_DOUBLE_EQ(logo.x(), 312);
  EXPECT_DOUBLE_EQ(logo.y(), 103);
  const QPointF menu = menu::MenuFramePosition(screen, QSizeF(500, 300), logo, QSizeF(400, 150));
  EXPECT_DOUBLE_EQ(menu.x(), 247);
  EXPECT_DOUBLE_EQ(menu.y(), 103 + 150 + 5);
  const QPointF frame = menu::CenteredFramePosition(screen, QSizeF(601, 401));
  EXPECT_DOUBLE_EQ(frame.x(), 211.5);  // exact; the window system rounds
  EXPECT_DOUBLE_EQ(frame.y(), 183.5);
}

using Folder = testing_support::TempProgramFolder;

TEST(MainWindowStart, FirstActivationPlaysStopThenTheOpeningSoundOnlyOnce) {
  ScriptedHost host;
  Folder folder(testing_support::StartupFiles());
  QDir::setCurrent(QDir::tempPath());  // loading makes the program folder current
  menu::Banner banner;
  banner.Load(folder.path());
  EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), folder.path());
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text.toStdString();
  EXPECT_EQ(banner.FirstActivation, 1);
  banner.ShowAndActivate();
  EXPECT_EQ(host.soundFiles(), QStringList({folder.path() + QStringLiteral("stop.wav"),
                                            folder.path() + QStringLiteral("aobj_opn.wav")}));
  EXPECT_EQ(banner.FirstActivation, 0);
  host.sounds.clear();
  banner.Activate();
  EXPECT_EQ(host.soundFiles(), QStringList({folder.path() + QStringLiteral("stop.wav")}));
  // Every later activation shows the statistics of the session just ended.
  EXPECT_TRUE(banner.stats_frame->isVisible());
  EXPECT_FALSE(banner.settings_frame->isVisible());
}

TEST(MainWindowStart, AMissingLogoIsReportedAndEndsTheProgram) {
  ScriptedHost host;
  Folder folder(testing_support::StartupFiles());
  QFile::remove(folder.file(QStringLiteral("aobj_logo.jpg")));
  menu::Banner banner;
  EXPECT_THROW(banner.Load(folder.path()), testing_support::ProgramEnded);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("aobj_logo.jpg")));
}

TEST(MainWindowStart, EscapeSavesThenShowsTheCreditsWhichEndTheProgram) {
  ScriptedHost host;
  Folder folder(testing_support::StartupFiles());
  menu::Banner banner;
  app::ConnectWindows(banner);
  banner.Load(folder.path());
  banner.ShowAndActivate();
  settings::SettingsRecord.ScanSeconds = 17;  // changed on a screen

  QTest::keyClick(&banner, Qt::Key_Escape);
  EXPECT_EQ(testing_support::ReadFile(folder.file(QStringLiteral("aobj_se1.cfg"))),
            settings::SettingsFileImage(settings::SettingsRecord));
  EXPECT_FALSE(banner.isVisible());
  app::CreditsWindow* credits = app::Credits();
  ASSERT_NE(credits, nullptr);
  EXPECT_TRUE(credits->isVisible());
  EXPECT_EQ(credits->windowTitle(), QStringLiteral("Credits"));
  // Frame1 stands in the middle of the screen.
  const QRect screen = credits->geometry();
  const QRect frame = credits->Frame1->geometry();
  EXPECT_LE(std::abs(frame.center().x() - screen.width() / 2), 1);
  EXPECT_LE(std::abs(frame.center().y() - screen.height() / 2), 1);

  // Other keys leave it open; Escape and "Quit" end the program.
  QTest::keyClick(credits, Qt::Key_A);
  QTest::keyClick(credits, Qt::Key_Return);
  EXPECT_TRUE(credits->isVisible());
  EXPECT_THROW(QTest::keyClick(credits, Qt::Key_Escape), testing_support::ProgramEnded);
  EXPECT_EQ(credits->Command1->text(), QStringLiteral("Quit"));
  EXPECT_THROW(credits->Command1->click(), testing_support::ProgramEnded);
}
