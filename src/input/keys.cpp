#include "input/keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "input/input_flags.h"
#include "input/switch_inputs.h"

namespace input {

int UsKeyForScanCode(quint32 scanCode) {
  // X11 key codes are the Linux input codes plus 8, the same on every layout.
  switch (scanCode) {
    case 9: return Qt::Key_Escape;
    case 10: return Qt::Key_1;
    case 11: return Qt::Key_2;
    case 12: return Qt::Key_3;
    case 19: return Qt::Key_0;
    case 36: return Qt::Key_Return;
    case 38: return Qt::Key_A;
    case 54: return Qt::Key_C;
    case 65: return Qt::Key_Space;
    case 104: return Qt::Key_Enter;  // the keypad's Enter
    default: return Qt::Key_unknown;
  }
}

namespace {
bool IsModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
      return true;
    default:
      return false;
  }
}
}  // namespace

int TableKey(const QKeyEvent& event) {
  // Modifier keys are told by what they are on every layout.
  if (IsModifierKey(event.key())) return event.key();
  const QString platform = QGuiApplication::platformName();
  const bool x11Codes = platform == QLatin1String("xcb") || platform == QLatin1String("wayland");
  if (x11Codes && event.nativeScanCode() != 0) return UsKeyForScanCode(event.nativeScanCode());
  return event.key();
}

namespace {
// The key a press and its release are known by in the press filter: the
// table's key where it is one (Shift may change the typed key between
// press and release), else the typed key.
int SourceKey(int key, int qtKey) { return key != Qt::Key_unknown || qtKey == Qt::Key_unknown ? key : qtKey; }
}  // namespace

int SwitchOfKey(int key, Qt::KeyboardModifiers modifiers, int qtKey) {
  // Both Enter keys count; the keypad's digits have codes of their own on
  // the original keyboard and are no switch.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return 2;
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (!keypad && (key == Qt::Key_0 || key == Qt::Key_Space)) return 1;
  if (!keypad && key == Qt::Key_1) return 2;
  // Keys the carer added: by the key the layout types, since the table's
  // own mapping knows only the table's keys.
  return ExtraSwitchForKey(qtKey == Qt::Key_unknown ? key : qtKey);
}

KeyOutcome KeyDown(int key, Qt::KeyboardModifiers modifiers, int16_t coloringPhase, int16_t& exitRequested,
                   int qtKey) {
  if (IsModifierKey(key) || KeyReleased == False) return KeyOutcome::Ignored;
  KeyReleased = False;
  exitRequested = 0;
  if (key == Qt::Key_Escape) return KeyOutcome::Escape;

  // The two switches go through the press filter, which raises
  // SwitchPressed or EnterPressed when the press counts.
  if (const int sw = SwitchOfKey(key, modifiers, qtKey)) {
    SwitchDown(sw, KeySource(SourceKey(key, qtKey)));
    return KeyOutcome::Acted;
  }
  if (modifiers.testFlag(Qt::KeypadModifier)) return KeyOutcome::Acted;
  switch (key) {
    case Qt::Key_2: ClearLastPressed = 1; break;
    case Qt::Key_3: SkipPicturePressed = 1; break;
    case Qt::Key_A:
      if (coloringPhase == 1) SkipPicturePressed = 1;
      break;
    case Qt::Key_C: ClearLastPressed = 1; break;
    default: break;
  }
  return KeyOutcome::Acted;
}

void KeyUp(int key, bool autoRepeat, int qtKey) {
  if (autoRepeat || IsModifierKey(key)) return;
  KeyReleased = True;
  const int source = KeySource(SourceKey(key, qtKey));
  SwitchUp(1, source);
  SwitchUp(2, source);
}

}  // namespace input
