// Real key events on the real colouring window.

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include "window_fixture.h"

using namespace window_tests;

namespace {
void send(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
          bool autoRepeat = false) {
  QKeyEvent event(type, key, mods, QString(), autoRepeat);
  QApplication::sendEvent(target, &event);
}
void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  send(target, QEvent::KeyPress, key, mods);
  send(target, QEvent::KeyRelease, key, mods);
}
}  // namespace

TEST_F(WindowTest, KeysReachTheWindowWhicheverControlTheyAreSentTo) {
  window->show();
  input::EnterPressed = input::ClearLastPressed = 0;
  press(window->PB1, Qt::Key_Return);
  EXPECT_EQ(input::EnterPressed, 1);
  press(window->but_print, Qt::Key_C);
  EXPECT_EQ(input::ClearLastPressed, 1);
  press(window->Slider1, Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1);
}

TEST_F(WindowTest, HoldingTheSpaceBarThroughAutoRepeatIsOnePress) {
  window->show();
  send(window.get(), QEvent::KeyPress, Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1);
  input::SwitchPressed = 0;  // taken by the session
  for (int i = 0; i < 10; ++i) {
    send(window.get(), QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, true);
    send(window.get(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, true);
  }
  EXPECT_EQ(input::SwitchPressed, 0);
  send(window.get(), QEvent::KeyRelease, Qt::Key_Space);
  press(window.get(), Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1);
}

TEST_F(WindowTest, SkipKeysKeypadDigitsAndAPendingExit) {
  window->show();
  input::SkipPicturePressed = 0;
  window->ColoringPhase = 0;
  press(window.get(), Qt::Key_A);
  EXPECT_EQ(input::SkipPicturePressed, 0);  // "a" waits until colouring has begun
  window->ColoringPhase = 1;
  press(window.get(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(input::SkipPicturePressed, 1);

  input::SkipPicturePressed = input::SwitchPressed = input::EnterPressed = input::ClearLastPressed = 0;
  for (int key : {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3}) press(window.get(), key, Qt::KeypadModifier);
  EXPECT_EQ(input::SkipPicturePressed + input::SwitchPressed + input::EnterPressed + input::ClearLastPressed, 0);

  window->ExitLinkDoubleClicked();
  EXPECT_EQ(window->ExitRequested, 1);
  press(window.get(), Qt::Key_B);  // any key acted on cancels the request
  EXPECT_EQ(window->ExitRequested, 0);
}

TEST_F(WindowTest, EscapeOrClosingTheWindowSilencesHidesAndHandsBackToTheMenu) {
  ASSERT_TRUE(QFile::copy(ContentFolder() + QStringLiteral("stop.wav"), path(QStringLiteral("stop.wav"))));
  for (const bool byKey : {true, false}) {
    window->ExitRequested = 0;
    host.sounds.clear();
    window->show();
    if (byKey) send(window.get(), QEvent::KeyPress, Qt::Key_Escape);
    else window->close();  // the title bar's close button, Alt+F4
    EXPECT_EQ(window->ExitRequested, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(mainMenuShown, byKey ? 1 : 2);
    ASSERT_FALSE(host.sounds.empty());
    EXPECT_EQ(host.sounds.back().file, QStringLiteral("stop.wav"));
  }
}
