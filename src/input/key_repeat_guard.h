#pragma once
// A held key is one press until it is let go, for every window of the
// program. Installed on the application, this filter sees each key event
// where the window system hands it to a window, before any widget, and
// makes sure that
// - a press of a key that is already down reaches the windows marked as a
//   repeat (QKeyEvent::isAutoRepeat), however the window system sent it;
// - a release that the window system sends while the key is still down
//   (the first half of an X11 repeat pair) never reaches them; should the
//   next press prove it real (a repeat's press carries its release's
//   timestamp), it is handed on before that press;
// - a key let go while no window of the program could see it (another
//   program had the keyboard, a message box was up) is not taken as held:
//   each time the program or one of its windows gets the keyboard back,
//   the keys are checked against the window system's own state.
// Switch keys then count once per hold wherever they are read (colouring,
// calibration, Test Switches, learnt keys), and a carer's held arrow key or
// Backspace still repeats as usual.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class QKeyEvent;

namespace input {

class KeyRepeatGuard : public QObject {
public:
  struct Platform {
    // Whether a key (by its native code) is down now; used to tell a
    // repeat's release from a real one where the releases do come.
    std::function<bool(quint32)> keyDownNow;
    // Beyond this time between two presses of a key (by the events'
    // own timestamps) the second is a new press: the release was lost,
    // say to another program.
    int newPressAfterMs = 0;
  };
  explicit KeyRepeatGuard(Platform platform, QObject* parent = nullptr);

  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  enum class Verdict { Pass, Drop, AsRepeat };
  Verdict judge(QObject* window, const QKeyEvent& key);
  // Forgets the keys the window system has up now (all of them where it
  // cannot tell), handing on their held-back releases.
  void reconcile();

  struct Down {
    quint64 last = 0;  // the timestamp of the key's last event
    // A release dropped as a repeat's, and the window it was for.
    std::unique_ptr<QKeyEvent> heldBack;
    QPointer<QObject> heldBackFor;
  };
  void handOn(Down& down);

  Platform platform_;
  std::map<quint64, Down> held_;
};

// Installs the guard on the application with the window system's own
// answers (X11: the server's key state). Once per process.
void InstallKeyRepeatGuard();

}  // namespace input
