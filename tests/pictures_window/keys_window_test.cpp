// Real key events on the colouring window: every control passes them on, with
// auto-repeat, modifiers, phase and a pending exit; Escape or closing hands back.

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include "window_fixture.h"

using namespace window_tests;

namespace {

void Send(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers mods = {}, bool autoRepeat = false) {
  QKeyEvent event(type, key, mods, QString(), autoRepeat);
  QApplication::sendEvent(target, &event);
}
void Press(QWidget* target, int key, Qt::KeyboardModifiers mods = {}) {
  Send(target, QEvent::KeyPress, key, mods);
  Send(target, QEvent::KeyRelease, key, mods);
}
int Raised() { return input::SwitchPressed + input::EnterPressed + input::ClearLastPressed + input::SkipPicturePressed; }

TEST_F(WindowTest, KeysReachTheWindowWhicheverControlTheyAreSentToWithTheLatchsState) {
  window->show();
  input::EnterPressed = input::ClearLastPressed = input::SkipPicturePressed = 0;
  Press(window->PB1, Qt::Key_Return);
  EXPECT_EQ(input::EnterPressed, 1);
  Press(window->but_print, Qt::Key_C);
  EXPECT_EQ(input::ClearLastPressed, 1);
  Press(window->Slider1, Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1);

  // Holding the space bar through auto-repeat is one press.
  input::SwitchPressed = 0;
  Send(window.get(), QEvent::KeyPress, Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1);
  input::SwitchPressed = 0;  // taken by the session
  for (int i = 0; i < 10; ++i) {
    Send(window.get(), QEvent::KeyRelease, Qt::Key_Space, {}, true);
    Send(window.get(), QEvent::KeyPress, Qt::Key_Space, {}, true);
  }
  EXPECT_EQ(input::SwitchPressed, 0);
  Send(window.get(), QEvent::KeyRelease, Qt::Key_Space);
  Press(window.get(), Qt::Key_Space);
  EXPECT_EQ(input::SwitchPressed, 1) << "released for real, the space bar counts again";

  // Keypad digits raise nothing; "a" waits until colouring has begun.
  input::SwitchPressed = input::EnterPressed = input::ClearLastPressed = 0;
  for (int key : {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3}) Press(window.get(), key, Qt::KeypadModifier);
  window->ColoringPhase = 0;
  Press(window.get(), Qt::Key_A);
  EXPECT_EQ(Raised(), 0);
  window->ColoringPhase = 1;
  Press(window.get(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(input::SkipPicturePressed, 1);

  window->ExitLinkDoubleClicked();
  EXPECT_EQ(window->ExitRequested, 1);
  Press(window.get(), Qt::Key_B);  // any key acted on cancels the request
  EXPECT_EQ(window->ExitRequested, 0);
}

TEST_F(WindowTest, EscapeOrClosingTheWindowSilencesHidesAndHandsBackToTheMenu) {
  ASSERT_TRUE(QFile::copy(ContentFolder + u"stop.wav"_s, path(u"stop.wav"_s)));
  for (const bool byKey : {true, false}) {
    window->ExitRequested = 0;
    host.sounds.clear();
    window->show();
    if (byKey) Send(window.get(), QEvent::KeyPress, Qt::Key_Escape);
    else window->close();  // the title bar's close button, Alt+F4
    EXPECT_EQ(window->ExitRequested, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(mainMenuShown, byKey ? 1 : 2);
    ASSERT_FALSE(host.sounds.empty());
    EXPECT_EQ(host.sounds.back().file, "stop.wav");
  }
}

}  // namespace
