// Start-up: the display check, the placement arithmetic, the first
// activation of the main window, and the way out through the credits.

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "app/credits_window.h"
#include "app/startup.h"
#include "media/narration_languages.h"
#include "menu/banner.h"
#include "menu/placement.h"
#include "settings/settings_file.h"
#include "support/files.h"
#include "support/scripted_host.h"

using testing_support::ProgramEnded;

TEST(DisplayCheck, MessagesAndVerdictByDepth) {
  const QString guide = QStringLiteral("See the Brushwell User's Guide on how to change your screen color settings");
  const auto eight = app::CheckDisplay(app::ColorDepthCount(1, 8));
  EXPECT_TRUE(eight.stop);
  EXPECT_EQ(eight.message, QStringLiteral("Your screen settings are set to 256 colors.\r"
                                          "Brushwell requires that your screen setting colors are set to at least "
                                          "65,536 colors.\r") + guide);
  const auto sixteen = app::CheckDisplay(app::ColorDepthCount(1, 16));
  EXPECT_FALSE(sixteen.stop);
  EXPECT_EQ(sixteen.message, QStringLiteral("Your screen settings are set to 65536 colors.\r"
                                            "Though Brushwell will run with these settings,\r"
                                            "it is recommended that you set your colors to True Color (32 Bit)\r") +
                                 guide);
  // The limits: below 65536 stops, below 100000 warns, from there on is silent.
  for (const auto& [count, stop, warns] : {std::tuple{65535.0, true, true}, {65536.0, false, true},
                                           {99999.0, false, true}, {100000.0, false, false},
                                           {app::ColorDepthCount(1, 24), false, false},
                                           {app::ColorDepthCount(1, 32), false, false}}) {
    const auto verdict = app::CheckDisplay(count);
    EXPECT_EQ(verdict.stop, stop) << count;
    EXPECT_EQ(!verdict.message.isEmpty(), warns) << count;
  }
}

TEST(Placement, OnA1024By768Screen) {
  const QSizeF screen(1024, 768), logoSize(400, 150);
  const QPointF logo = menu::LogoPosition(screen, logoSize);
  EXPECT_EQ(logo, QPointF(312, 103));
  EXPECT_EQ(menu::MenuFramePosition(screen, QSizeF(500, 300), logo, logoSize), QPointF(247, 103 + 150 + 5));
  // Exact; the window system rounds.
  EXPECT_EQ(menu::CenteredFramePosition(screen, QSizeF(601, 401)), QPointF(211.5, 183.5));
}

class MainWindowStart : public ::testing::Test {
protected:
  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder folder{testing_support::StartupFiles()};
  menu::Banner banner;
  QString file(const char* name) const { return folder.path() + QLatin1String(name); }
};

TEST_F(MainWindowStart, FirstActivationPlaysStopThenTheOpeningSoundOnlyOnce) {
  QDir::setCurrent(QDir::tempPath());  // loading makes the program folder current
  banner.Load(folder.path());
  EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), folder.path());
  EXPECT_TRUE(host.messages.empty()) << host.messages[0].text.toStdString();
  EXPECT_EQ(banner.FirstActivation, 1);
  banner.ShowAndActivate();
  EXPECT_EQ(host.soundFiles(), QStringList({file("stop.wav"), file("aobj_opn.wav")}));
  EXPECT_EQ(banner.FirstActivation, 0);
  host.sounds.clear();
  banner.Activate();
  EXPECT_EQ(host.soundFiles(), QStringList({file("stop.wav")}));
  // Every later activation shows the statistics of the session just ended.
  EXPECT_TRUE(banner.stats_frame->isVisible());
  EXPECT_FALSE(banner.settings_frame->isVisible());
}

TEST_F(MainWindowStart, AMissingLogoIsReportedAndEndsTheProgram) {
  QFile::remove(file("aobj_logo.jpg"));
  EXPECT_THROW(banner.Load(folder.path()), ProgramEnded);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("aobj_logo.jpg")));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Stop);
}

// The saved file, the credits window's title and Escape ending the program are
// also checked on the real program by tests/e2e/test_startup.sh.
TEST_F(MainWindowStart, EscapeSavesThenShowsTheCreditsWhichEndTheProgram) {
  app::ConnectWindows(banner);
  banner.Load(folder.path());
  banner.ShowAndActivate();
  settings::SettingsRecord.ScanSeconds = 17;  // changed on a screen

  QTest::keyClick(&banner, Qt::Key_Escape);
  EXPECT_EQ(testing_support::ReadFile(file("aobj_se1.cfg")), settings::SettingsFileImage(settings::SettingsRecord));
  EXPECT_FALSE(banner.isVisible());
  app::CreditsWindow* credits = app::Credits();
  ASSERT_NE(credits, nullptr);
  EXPECT_TRUE(credits->isVisible());
  // Frame1 stands in the middle of the screen.
  const QPoint offCentre = credits->Frame1->geometry().center() - QPoint(credits->width() / 2, credits->height() / 2);
  EXPECT_LE(std::abs(offCentre.x()), 1);
  EXPECT_LE(std::abs(offCentre.y()), 1);

  // Other keys leave it open; Escape and "Quit" end the program.
  QTest::keyClick(credits, Qt::Key_A);
  QTest::keyClick(credits, Qt::Key_Return);
  EXPECT_TRUE(credits->isVisible());
  EXPECT_THROW(QTest::keyClick(credits, Qt::Key_Escape), ProgramEnded);
  EXPECT_EQ(credits->Command1->text(), QStringLiteral("Quit"));
  EXPECT_THROW(credits->Command1->click(), ProgramEnded);
}

// A narration line for English and for every language the program folder
// brings words for, naming the engine that spoke them; none "not recorded".
TEST(Credits, VoiceLinesFollowTheShippedVoices) {
  app::CreditsWindow credits;
  QStringList lines;  // "Dutch: espeak-ng speech synthesizer, voice nl+f3"
  for (const QWidget* w : credits.Frame1->findChildren<QWidget*>())
    if (w->accessibleName().startsWith(QStringLiteral("    "))) lines << w->accessibleName().trimmed();
  QStringList codes = QDir(QStringLiteral(BRUSHWELL_DIR "/voices")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  codes.prepend(QStringLiteral("en"));
  EXPECT_EQ(lines.size(), codes.size()) << lines.join(u'\n').toStdString();
  for (const QString& code : codes) {
    const auto* language = std::find_if(std::begin(media::NarrationLanguages), std::end(media::NarrationLanguages),
                                        [&](const media::NarrationLanguage& l) { return code == QLatin1String(l.code); });
    ASSERT_NE(language, std::end(media::NarrationLanguages)) << code.toStdString();
    const QString credit = QString::fromLatin1(language->englishName) + QStringLiteral(": ") +
                           QString::fromLatin1(media::SpeechEngineName(language->engine));
    EXPECT_EQ(lines.filter(credit).size(), 1) << credit.toStdString();
  }
  EXPECT_EQ(lines.filter(QStringLiteral("English: Festival")).size(), 1);
  EXPECT_TRUE(lines.filter(QStringLiteral("not recorded")).isEmpty());
}
