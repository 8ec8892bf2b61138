// The carer's screens in every language: each text on them comes through the
// translation system, and each translation fits its control at 1024 x 768
// with no control over another.

#include <QDir>
#include <QLocale>
#include <functional>

#include "app/credits_window.h"
#include "menu/file_viewer.h"
#include "settings/options_file.h"
#include "support/screen_texts.h"

#include "menu_fixture.h"

namespace {

using namespace testing_support;

class TranslatedScreensTest : public MenuTest {
protected:
  void TearDown() override { platform::UseScreenLanguage(QStringLiteral("en"), {}); }

  // Every carer's screen in turn, shown as the carer opens it.
  void visitScreens(const std::function<void(QWidget*)>& visit) {
    visit(banner.get());
    for (QGroupBox* frame : {static_cast<QGroupBox*>(banner->frame_scan), static_cast<QGroupBox*>(banner->frame_coloring_option),
                             static_cast<QGroupBox*>(banner->auditory_frame), static_cast<QGroupBox*>(banner->device_frame),
                             static_cast<QGroupBox*>(banner->frame_MySongs), static_cast<QGroupBox*>(banner->stats_frame)}) {
      banner->OpenScreen(frame);
      visit(frame);
      frame->hide();
      banner->ShowMainMenu();
    }
    banner->OpenScreen(banner->device_frame);
    for (QGroupBox* frame : {static_cast<QGroupBox*>(banner->switch_timing_frame),
                             static_cast<QGroupBox*>(banner->test_switches_frame)}) {
      banner->OpenSwitchScreen(frame);
      visit(frame);
      frame->hide();
    }
    banner->OpenSwitchScreen(banner->test_switches_frame);
    banner->OpenCameraScreen();
    visit(banner->camera_frame);
    banner->LeaveCameraScreen();
    banner->LeaveTestSwitchesScreen();
    banner->LeaveDeviceScreen();
    // The classroom's screens, from the row below the main menu.
    banner->OpenUsersScreen();
    visit(banner->users_frame);
    banner->LeaveUsersScreen();
    banner->OpenGalleryScreen();
    visit(banner->gallery_frame);
    banner->LeaveGalleryScreen();
    banner->OpenProgressScreen();
    visit(banner->progress_frame);
    banner->LeaveProgressScreen();
    for (auto mode : {menu::FileViewer::Mode::Guide, menu::FileViewer::Mode::List}) {
      menu::FileViewer viewer(QDir(folder()).filePath(mode == menu::FileViewer::Mode::Guide ? QStringLiteral("aobj_gid.txt")
                                                                                             : QStringLiteral("pictures_1.pcf")),
                              mode, banner.get());
      viewer.show();
      visit(&viewer);
    }
    app::CreditsWindow credits;
    credits.show();
    visit(&credits);
  }
};

}  // namespace

TEST_F(TranslatedScreensTest, EveryTextOnEveryScreenAndInEveryMessageIsTranslated) {
  MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  QStringList unmarked;
  host.onMessage = [&](const testing_support::RecordedMessage& m) {
    if (!Unmarked(m.text).isEmpty()) unmarked << m.text;
  };
  // A damaged option file and settings file bring their messages too.
  testing_support::WriteFile(folder() + settings::OptionsFileName,
                             "[switch]\nAcceptanceMs=soon\nReleaseMs=9000\n[display]\nLanguage=xx\n");
  settings::SettingsData record = describedRecord();
  record.ScanSeconds = 99;
  load(record);
  visitScreens([&](QWidget* top) {
    for (QWidget* w : ShownWidgets(top))
      for (const QString& text : TextsOf(w))
        if (!Unmarked(text).isEmpty()) unmarked << text;
  });
  QCoreApplication::removeTranslator(&marking);
  unmarked.removeDuplicates();
  EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QStringLiteral("\n")).toStdString();
}

class EveryLanguage : public TranslatedScreensTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EveryLanguage, EveryScreenHoldsItsTextsWithNothingCutOrOverlapping) {
  const QString code = QString::fromLatin1(GetParam());
  ASSERT_TRUE(platform::UseScreenLanguage(code, {QStringLiteral(BRUSHWELL_DIR)}));
  EXPECT_EQ(QGuiApplication::layoutDirection(), code == QLatin1String("he") ? Qt::RightToLeft : Qt::LeftToRight);
  // Dates and numbers on the screens are written the language's way.
  EXPECT_EQ(QLocale().language(), code == QLatin1String("en") ? QLocale::system().language() : QLocale(code).language());
  load();
  QStringList problems;
  visitScreens([&](QWidget* top) {
    const QString screen = top->isWindow() ? top->windowTitle() : qobject_cast<QGroupBox*>(top)->title();
    if (top != banner.get() && (top->width() > 1024 || top->height() > 768)) problems << screen + QStringLiteral(": larger than 1024 x 768");
    for (QWidget* w : ShownWidgets(top))
      if (const QString cut = CutText(w); !cut.isEmpty()) problems << screen + QStringLiteral(": cut: ") + cut;
    if (const QString both = Overlap(top); !both.isEmpty()) problems << screen + QStringLiteral(": overlapping: ") + both;
  });
  problems.removeDuplicates();
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::Values("en", "nl", "fr", "es", "de", "he"));

// Choosing the screens' language on the Auditory screen, apart from the
// narration's: saved in brushwell.ini, messages in it at once (Hebrew right
// to left), and "User Guide" opens the guide of that language when there is one.
TEST_F(TranslatedScreensTest, TheChosenLanguageIsSavedUsedForMessagesAndOpensItsGuide) {
  testing_support::WriteFile(folder() + QStringLiteral("aobj_gid.nl.txt"), "Korte handleiding\n");
  load();
  platform::UseScreenLanguage(QStringLiteral("en"), {QStringLiteral(BRUSHWELL_DIR)});
  auto* auditory = banner->auditory_frame;
  EXPECT_EQ(auditory->screen_language->currentData().toString(), QStringLiteral("en"));
  banner->but2_users_guide->click();
  EXPECT_EQ(host.editorStarts.value(0), folder() + QStringLiteral("aobj_gid.txt"));

  for (const char* code : {"nl", "he"}) {
    banner->OpenScreen(auditory);
    auditory->screen_language->setCurrentIndex(auditory->screen_language->findData(QString::fromLatin1(code)));
    host.messages.clear();
    auditory->auditory_button->click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.contains(auditory->screen_language->currentText()));
    EXPECT_FALSE(host.messages[0].text.startsWith(QStringLiteral("The screens are shown"))) << code;
    EXPECT_EQ(platform::ScreenLanguage(), QString::fromLatin1(code));
    QStringList problems;
    EXPECT_EQ(settings::ReadDisplayOptions(folder() + settings::OptionsFileName, problems).Language, QString::fromLatin1(code));
    EXPECT_EQ(settings::VoiceOptionsRecord.Language, QStringLiteral("en"));  // the narration stays as it was
  }
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
  // Hebrew has no short guide here: the English one opens.
  host.editorStarts.clear();
  banner->but2_users_guide->click();
  EXPECT_EQ(host.editorStarts.value(0), folder() + QStringLiteral("aobj_gid.txt"));
  settings::DisplayOptionsRecord.Language = QStringLiteral("nl");
  host.editorStarts.clear();
  banner->but2_users_guide->click();
  EXPECT_EQ(host.editorStarts.value(0), folder() + QStringLiteral("aobj_gid.nl.txt"));
}
