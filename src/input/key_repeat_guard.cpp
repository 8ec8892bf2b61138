#include "input/key_repeat_guard.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "platform/key_repeat.h"

namespace input {

namespace {
// A key is known by the window system's code of the physical key where
// there is one (the typed key may change with Shift between press and
// release), else by the toolkit's key code.
quint64 CodeOf(const QKeyEvent& key) {
  if (key.nativeScanCode() != 0) return key.nativeScanCode();
  return (quint64{1} << 32) | static_cast<quint32>(key.key());  // never a native code
}
}  // namespace

KeyRepeatGuard::KeyRepeatGuard(Platform platform, QObject* parent) : QObject(parent), platform_(std::move(platform)) {}

namespace {
constexpr quint64 NotNative = quint64{1} << 32;
}  // namespace

void KeyRepeatGuard::handOn(Down& down) {
  if (!down.heldBack) return;
  const std::unique_ptr<QKeyEvent> release = std::move(down.heldBack);
  if (down.heldBackFor) QCoreApplication::sendEvent(down.heldBackFor, release.get());
}

void KeyRepeatGuard::reconcile() {
  for (auto it = held_.begin(); it != held_.end();) {
    const bool known = it->first < NotNative && platform_.keyDownNow;
    if (known && platform_.keyDownNow(static_cast<quint32>(it->first))) {
      ++it;
      continue;
    }
    Down gone = std::move(it->second);
    it = held_.erase(it);
    handOn(gone);
  }
}

KeyRepeatGuard::Verdict KeyRepeatGuard::judge(QObject* window, const QKeyEvent& key) {
  const quint64 code = CodeOf(key);
  const quint64 now = key.timestamp();
  auto it = held_.find(code);
  if (key.type() == QEvent::KeyPress) {
    if (it != held_.end() && it->second.heldBack && it->second.heldBack->timestamp() != now) {
      // The release held back was real: the key was let go and pressed again.
      Down gone = std::move(it->second);
      held_.erase(it);
      handOn(gone);
      it = held_.end();
    }
    if (it == held_.end()) {
      held_[code].last = now;
      return Verdict::Pass;  // a repeat marked by the toolkit stays one
    }
    // X timestamps are 32-bit milliseconds that wrap.
    const quint32 since = static_cast<quint32>(now - it->second.last);
    it->second.last = now;
    it->second.heldBack.reset();
    if (key.isAutoRepeat()) return Verdict::Pass;
    if (platform_.newPressAfterMs > 0 && now != 0 && since > static_cast<quint32>(platform_.newPressAfterMs))
      return Verdict::Pass;
    return Verdict::AsRepeat;
  }
  // A release.
  if (key.isAutoRepeat() || it == held_.end()) return Verdict::Pass;
  if (code < NotNative && platform_.keyDownNow &&
      platform_.keyDownNow(static_cast<quint32>(code))) {
    it->second.last = now;
    it->second.heldBack.reset(key.clone());
    it->second.heldBackFor = window;
    return Verdict::Drop;
  }
  held_.erase(it);
  return Verdict::Pass;
}

bool KeyRepeatGuard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ApplicationStateChange || type == QEvent::WindowUnblocked ||
      (watched->isWindowType() && (type == QEvent::FocusIn || type == QEvent::WindowActivate))) {
    reconcile();
    return false;
  }
  // Judged where the window system hands a key to a window, before the
  // window passes it to a widget: every filter and handler of a widget,
  // whenever installed, sees the judged event.
  if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  switch (judge(watched, *key)) {
    case Verdict::Pass: return false;
    case Verdict::Drop: return true;
    case Verdict::AsRepeat: {
      // The same press, marked as the repeat it is (it passes here again
      // and goes through as a marked repeat).
      QKeyEvent repeat(type, key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                       key->nativeModifiers(), key->text(), true, key->count(), key->device());
      repeat.setTimestamp(key->timestamp());
      QCoreApplication::sendEvent(watched, &repeat);
      event->setAccepted(repeat.isAccepted());
      return true;
    }
  }
  return false;
}

void InstallKeyRepeatGuard() {
  static bool installed = false;
  if (installed || !QCoreApplication::instance()) return;
  installed = true;
  KeyRepeatGuard::Platform p;
  // The server's own key state tells a repeat's release from a real one.
  // (Asking the server for detectable auto-repeat goes through Xlib's XKB,
  // which left LeakSanitizer unable to check the program at its end.)
  p.keyDownNow = [](quint32 code) { return platform::KeyDownNow(code); };
  // X's standard repeat: after 660 ms, every 40 ms; a busy server may be
  // late, hence the second of slack.
  p.newPressAfterMs = 660 + 40 + 1000;
  QCoreApplication::instance()->installEventFilter(new KeyRepeatGuard(p, QCoreApplication::instance()));
}

}  // namespace input
