// The speed calibration and the window's activation around it: what the
// slider starts at, what "Main Menu" stores and saves, what Escape leaves
// alone, and the window being discarded while its activation runs.

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <vector>

#include "platform/keyboard_focus.h"
#include "settings/settings_file.h"
#include "support/screen_texts.h"
#include "window_fixture.h"

using namespace window_tests;

namespace {

class CalibrationTest : public WindowTest {
protected:
  // Runs the calibration from `delay`; `whileWaiting` runs once the screen waits.
  void Calibrate(double delay, std::function<void()> whileWaiting) {
    settings::SettingsRecord.AnimationDelay = delay;
    host.when([this] { return window->CalibrationWaiting(); }, [this, whileWaiting] {
      startValue = window->Slider1->value();
      whileWaiting();
    });
    window->show();
    window->calibrate_time();
  }
  double SavedDelay() const {
    settings::SettingsData record = settings::DefaultSettings();
    QStringList problems;
    settings::ReadSettingsFiles(folder.path(), folder.path() + u'/', record, problems);
    return record.AnimationDelay;
  }
  int startValue = -1;
};

TEST_F(CalibrationTest, TheSliderStartsAtTheRoundedDelayOrOneAndMainMenuStoresAndSavesIt) {
  struct Case {
    double delay;
    int start, chosen;  // chosen 0: left where it started
    double stored;
  };
  for (const Case& c : {Case{2500.4, 2500, 0, 2500}, Case{0, 1, 0, 1}, Case{-3, 1, 0, 1}, Case{0, 1, 42000, 42000}}) {
    Calibrate(c.delay, [&] {
      if (c.chosen != 0) {
        window->Slider1->setValue(0);  // the slider cannot give 0
        EXPECT_EQ(window->Slider1->value(), 1);
        window->Slider1->setValue(c.chosen);
      }
      window->done_calib->click();
    });
    EXPECT_EQ(startValue, c.start) << c.delay;
    EXPECT_EQ(settings::SettingsRecord.AnimationDelay, c.stored) << c.delay;
    EXPECT_EQ(SavedDelay(), c.stored) << c.delay;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{window->Slider1, window->done_calib, window->Slider_label_1,
                                                    window->calib_reason})
    EXPECT_FALSE(w->isVisible());
  // Why the screen came: said only when the carer did not ask for it.
  for (const int16_t requested : {0, 1}) {
    pictures::CalibrationRequested = requested;
    bool said = false;
    Calibrate(1, [&] {
      said = window->calib_reason->isVisible();
      window->done_calib->click();
    });
    EXPECT_EQ(said, requested == 0);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CalibrationTest, TheKeyboardMovesTheSliderByOneOrFive) {
  Calibrate(2500, [&] {
    for (int key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Left}) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QCoreApplication::sendEvent(window.get(), &press);
    }
    window->done_calib->click();
  });
  EXPECT_EQ(settings::SettingsRecord.AnimationDelay, 2500 + 1 + 5 + 5 - 1);
}

// Worked from the keyboard as it opens: the focus and its ring on the slider,
// arrows by 1, Page Up/Down by 5, Tab round the slider and the two buttons,
// Return presses; a click on the groove moves by 5. Once left, no control
// keeps the keys (the space bar is the switch again).
TEST_F(CalibrationTest, TheScreenIsWorkedFromTheKeyboardAndAGrooveClickMovesByFive) {
  QWidget* focused = nullptr;
  const platform::FocusRing* ring = window->findChild<platform::FocusRing*>();
  ASSERT_NE(ring, nullptr);
  // A key pressed and let go on a control, as the keyboard gives it.
  auto key = [](QWidget* to, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, code, modifiers);
      QCoreApplication::sendEvent(to, &event);
    }
  };
  Calibrate(2500, [&] {
    QApplication::setActiveWindow(window.get());
    QSlider* slider = window->Slider1;
    focused = QApplication::focusWidget();
    EXPECT_EQ(ring->target(), slider);
    EXPECT_TRUE(ring->isVisible());
    for (int code : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Left}) key(slider, code);
    EXPECT_EQ(slider->value(), 2510);
    EXPECT_EQ(window->slider1_value->text(), u"Setting: 2510"_s);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 4, slider->height() / 2));
    EXPECT_EQ(slider->value(), 2515);
    std::vector<QWidget*> order;
    for (int i = 0; i < 3; ++i) {
      key(QApplication::focusWidget(), Qt::Key_Tab);
      order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{window->Test, window->done_calib, slider}));
    key(slider, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(ring->target(), window->done_calib);
    key(window->done_calib, Qt::Key_Return);
    QTest::qWait(200);  // the click is animated
    EXPECT_EQ(pictures::CalibrationFinished, 1) << "Return pressed \"Main Menu\"";
    if (pictures::CalibrationFinished == 0) window->done_calib->click();
  });
  EXPECT_EQ(focused, window->Slider1);
  EXPECT_EQ(settings::SettingsRecord.AnimationDelay, 2515);
  EXPECT_FALSE(ring->isVisible());
  for (QWidget* w : std::initializer_list<QWidget*>{window->Test, window->done_calib, window->Slider1})
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
}

// Near the left end one trip of the test is over within a frame or two of
// the display: the test repeats it (up to its most trips here, where the
// clock stands still while the test runs) and leaves the object where it was.
TEST_F(CalibrationTest, AtTheFastestSettingTheTestRepeatsItsTripSoItCanBeSeen) {
  Calibrate(1, [this] {
    const QPoint at = window->PB1->pos();
    EXPECT_GT(window->RunSpeedTest(), 10);
    EXPECT_EQ(window->PB1->pos(), at);
    window->done_calib->click();
  });
}

TEST_F(CalibrationTest, EscapeLeavesWithoutStoringOrSaving) {
  Calibrate(0, [this] {
    window->Slider1->setValue(9000);
    window->ExitRequested = 1;  // what the Escape key does
  });
  EXPECT_EQ(settings::SettingsRecord.AnimationDelay, 0.0);
  EXPECT_FALSE(QFile::exists(path(settings::SettingsFileName))) << "nothing saved";
  EXPECT_FALSE(window->Slider1->isVisible());
}

TEST_F(CalibrationTest, AMissingTestObjectIsToldAndTheTestStillRuns) {
  settings::SettingsRecord.MediaFolder = folder.path() + u'/';
  Calibrate(5, [this] {
    window->Test->click();
    window->done_calib->click();
  });
  EXPECT_TRUE(OnlyMessage().text.contains(u"aobj_tube_calibrate.jpg"_s));
  EXPECT_EQ(settings::SettingsRecord.AnimationDelay, 5.0);
}

// ---------------------------------------------------------------- activation

TEST_F(WindowTest, StartingUncalibratedRunsTheCalibrationThenHandsBackToTheMainMenu) {
  window.reset();
  settings::SettingsRecord.AnimationDelay = 0;
  // The main menu's activation discards the colouring window, while the
  // window's own activation is still on the stack.
  int returnFromCalibration = -1;
  pictures::ShowMainMenuHook = [&] {
    ++mainMenuShown;
    returnFromCalibration = pictures::ReturnFromCalibration;  // 0: the menu shows the statistics
    pictures::UnloadMainform();
  };
  pictures::Mainform* shown = pictures::ShowMainform();
  QPointer<pictures::Mainform> alive(shown);
  host.when([&] { return shown->CalibrationWaiting(); }, [&] { shown->done_calib->click(); });
  EXPECT_TRUE(shown->isVisible());
  QCoreApplication::processEvents();  // runs the activation

  EXPECT_EQ(mainMenuShown, 1);
  EXPECT_EQ(returnFromCalibration, 0);
  EXPECT_EQ(settings::SettingsRecord.AnimationDelay, 1.0);
  EXPECT_EQ(pictures::CurrentMainform(), nullptr);
  ASSERT_FALSE(alive.isNull()) << "deleted while its activation ran";
  EXPECT_FALSE(alive->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

TEST_F(WindowTest, RequestedCalibrationIsClearedAndTheNextActivationRunsTheSession) {
  window.reset();
  int sessions = 0;
  pictures::RunSessionHook = [&](pictures::Mainform& w) {
    ++sessions;
    w.HandBack();
  };
  settings::SettingsRecord.AnimationDelay = 300;
  pictures::CalibrationRequested = 1;
  pictures::Mainform* shown = pictures::ShowMainform();
  host.when([&] { return shown->CalibrationWaiting(); }, [&] { shown->done_calib->click(); });
  QCoreApplication::processEvents();
  EXPECT_EQ(pictures::CalibrationRequested, 0);
  EXPECT_EQ(mainMenuShown, 1);
  EXPECT_EQ(sessions, 0);
  EXPECT_FALSE(shown->isVisible());

  // Shown again for a session: the same window, a new activation.
  EXPECT_EQ(pictures::ShowMainform(), shown);
  QCoreApplication::processEvents();
  EXPECT_EQ(sessions, 1);
  EXPECT_EQ(mainMenuShown, 2);
  pictures::RunSessionHook = nullptr;
  pictures::UnloadMainform();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(pictures::CurrentMainform(), nullptr);
}

// The speed calibration, the one carer's screen on the colouring window,
// holds its captions in every language (and keeps its one direction in Hebrew).
TEST_F(CalibrationTest, EveryLanguageFitsTheCalibrationScreen) {
  for (const platform::ScreenLanguageName& language : platform::ScreenLanguages()) {
    const QString code = QString::fromLatin1(language.code);
    ASSERT_TRUE(platform::UseScreenLanguage(code, {QStringLiteral(BRUSHWELL_DIR)}));
    window = std::make_unique<pictures::Mainform>();
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);
    QStringList problems;
    Calibrate(300, [&] {
      for (QWidget* w : testing_support::ShownWidgets(window.get())) {
        if (const QString cut = testing_support::CutText(w); !cut.isEmpty()) problems << code + QStringLiteral(": cut: ") + cut;
        if (w != window.get() && !window->rect().contains(w->geometry())) problems << code + QStringLiteral(": off the screen: ") + w->objectName();
      }
      window->done_calib->click();
    });
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("\n")).toStdString();
  }
  platform::UseScreenLanguage(QStringLiteral("en"), {});
}

}  // namespace
