// A held key is one press until it is let go: the key repeat guard in front
// of every window, with the window system sending repeats as presses only
// (detectable auto-repeat) and as release/press pairs told apart by the
// server's key state.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "input/key_repeat_guard.h"

namespace {

constexpr quint32 SpaceCode = 65;  // the X key code of the space bar

// A window that keeps what reaches it: "P" a press, "R" a repeated press,
// "U" a release; a parent sees what its child leaves unaccepted.
class Recorder : public QWidget {
public:
  using QWidget::QWidget;
  QString seen;
  bool acceptKeys = true;

protected:
  void keyPressEvent(QKeyEvent* e) override { take(e, e->isAutoRepeat() ? 'R' : 'P'); }
  void keyReleaseEvent(QKeyEvent* e) override { take(e, 'U'); }

private:
  void take(QKeyEvent* e, char c) {
    seen += QLatin1Char(c);
    e->setAccepted(acceptKeys);
  }
};

class KeyRepeat : public ::testing::Test {
protected:
  void install() {
    KeyRepeatGuardPlatform p;
    p.keyDownNow = [this](quint32 code) { return code == SpaceCode && spaceDown; };
    p.newPressAfterMs = 2000;
    guard = new input::KeyRepeatGuard(p, &window);
    qApp->installEventFilter(guard);
  }
  void TearDown() override { qApp->removeEventFilter(guard); }
  // The window system's key event at `ms` (its own clock).
  void send(QEvent::Type type, ulong ms, QWidget* to = nullptr) {
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, SpaceCode, 0, 0, QStringLiteral(" "));
    e.setTimestamp(ms);
    if (to) to->setFocus();
    window.show();
    QApplication::sendEvent(window.windowHandle(), &e);
  }
  using KeyRepeatGuardPlatform = input::KeyRepeatGuard::Platform;
  Recorder window;
  input::KeyRepeatGuard* guard = nullptr;
  bool spaceDown = false;
};

// Detectable auto-repeat: presses keep coming while the key is held; every
// one after the first is a repeat, until the key is let go. A press long
// after the last (its release went to another program) is a new press.
TEST_F(KeyRepeat, PressesWhileHeldAreRepeatsUntilTheRelease) {
  install();
  for (ulong t : {1000, 1660, 1700, 1740}) send(QEvent::KeyPress, t);
  send(QEvent::KeyRelease, 1790);
  send(QEvent::KeyPress, 1800);
  send(QEvent::KeyPress, 9000);
  EXPECT_EQ(window.seen, QStringLiteral("PRRRUPP"));
}

// Repeats as release/press pairs (on a busy machine the toolkit cannot pair
// them): a release while the server still has the key down is swallowed,
// and the press after it is a repeat. Only the real release passes.
TEST_F(KeyRepeat, ReleasesOfARepeatWhileTheKeyIsDownAreSwallowed) {
  install();
  spaceDown = true;
  send(QEvent::KeyPress, 1000);
  for (ulong t : {1660, 1700, 1740}) {
    send(QEvent::KeyRelease, t);
    send(QEvent::KeyPress, t);
  }
  spaceDown = false;
  send(QEvent::KeyRelease, 1790);
  send(QEvent::KeyPress, 1900);
  EXPECT_EQ(window.seen, QStringLiteral("PRRRUP"));
  // Let go and pressed again before the release was looked at: the server
  // has the key down, but the new press has its own timestamp, so the
  // release held back is handed on first.
  spaceDown = true;
  send(QEvent::KeyRelease, 2000);
  send(QEvent::KeyPress, 2050);
  EXPECT_EQ(window.seen, QStringLiteral("PRRRUPUP"));
}

// A key let go while another program (or a message box) had the keyboard:
// once the program has it back, the key is no longer taken as held, and
// its next press, however soon, counts.
TEST_F(KeyRepeat, AKeyLetGoUnseenIsNoLongerHeld) {
  install();
  spaceDown = true;
  send(QEvent::KeyPress, 1000);
  spaceDown = false;  // its release went elsewhere
  QFocusEvent focus(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(window.windowHandle(), &focus);
  send(QEvent::KeyPress, 1400);
  EXPECT_EQ(window.seen, QStringLiteral("PP"));
}

// A repeat that its focus widget leaves unaccepted goes up to the window
// once, as a repeat.
TEST_F(KeyRepeat, ARepeatTravelsUpOnceAsARepeat) {
  install();
  auto* child = new Recorder(&window);
  child->acceptKeys = false;
  send(QEvent::KeyPress, 1000, child);
  send(QEvent::KeyPress, 1660, child);
  EXPECT_EQ(child->seen, QStringLiteral("PR"));
  EXPECT_EQ(window.seen, QStringLiteral("PR"));
}

}  // namespace
