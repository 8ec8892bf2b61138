// Real key events on the colouring window: every control passes them on, with
// auto-repeat held keys counting once; Escape or closing hands back. The key
// table itself is checked in tests/input/keys_test.cpp.

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
  // The window hands the key table its colouring phase and its exit request.
  input::SkipPicturePressed = 0;
  for (const int16_t phase : {0, 1}) {
    window->ColoringPhase = phase;
    Press(window.get(), Qt::Key_A);
    EXPECT_EQ(input::SkipPicturePressed, phase);
  }
  window->ExitLinkDoubleClicked();
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
