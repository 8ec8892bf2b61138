#include "input/switch_inputs.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <algorithm>

#include "input/input_flags.h"
#include "input/switch_adapter.h"
#include "platform/game_port.h"
#include "platform/host.h"
#include "settings/options_file.h"

namespace input {

namespace {

// Source numbers: the kind in the high bits, the key, button or joystick
// button in the low ones.
constexpr int KeyKind = 1 << 30;
constexpr int MouseKind = 2 << 28;
constexpr int JoystickKind = 1 << 28;
constexpr int AdapterKind = 3 << 28;
constexpr int CameraKind = 5 << 28;

struct Polled {
  SwitchInput input;
  int sw;
  bool closed = false;
};

struct State {
  PressFilter filter;
  std::vector<SwitchInput> extra[2];
  std::vector<Polled> joysticks;
  bool adapterClosed = false;
};

State& state() {
  static State s;
  return s;
}

double Now() { return platform::host().monotonicSeconds(); }

void RaiseCounted() {
  PressFilter& f = state().filter;
  if (f.TakeCounted(0) > 0) SwitchPressed = 1;
  if (f.TakeCounted(1) > 0) EnterPressed = 1;
}

// A polled contact: reports a change of its level.
void Level(int sw, int source, bool closed, bool& was, double now) {
  if (closed == was) return;
  was = closed;
  if (closed)
    state().filter.Down(sw - 1, source, now);
  else
    state().filter.Up(sw - 1, source, now);
}

// The keys of the key table (and Escape) keep their meaning.
bool TableKey(int key) {
  switch (key) {
    case Qt::Key_0: case Qt::Key_1: case Qt::Key_2: case Qt::Key_3: case Qt::Key_Space: case Qt::Key_A:
    case Qt::Key_C: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Escape:
      return true;
    default:
      return false;
  }
}

bool ModifierKey(int key) {
  switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_CapsLock:
      return true;
    default:
      return false;
  }
}

const struct {
  const char* name;
  Qt::MouseButton button;
} MouseNames[] = {{"Left", Qt::LeftButton},
                  {"Right", Qt::RightButton},
                  {"Middle", Qt::MiddleButton},
                  {"Back", Qt::BackButton},
                  {"Forward", Qt::ForwardButton}};

}  // namespace

std::vector<SwitchInput> ParseSwitchInputs(const QString& text, const QString& option, QStringList& problems) {
  std::vector<SwitchInput> out;
  for (const QString& raw : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QString entry = raw.trimmed();
    if (entry.isEmpty()) continue;
    const QStringList part = entry.split(QLatin1Char(':'));
    const QString kind = part[0].trimmed().toLower();
    SwitchInput in;
    QString why;  // the whole sentence naming the entry, when it is not used
    if (kind == QLatin1String("key") && part.size() == 2) {
      in.kind = SwitchInput::Kind::Key;
      const QKeySequence seq = QKeySequence::fromString(part[1].trimmed(), QKeySequence::PortableText);
      in.key = seq.count() == 1 && seq[0].keyboardModifiers() == Qt::NoModifier ? seq[0].key() : 0;
      if (in.key == 0 || in.key == Qt::Key_unknown)
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" names no key Brushwell knows; it is not used.");
      else if (ModifierKey(in.key))
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" is a modifier key, which cannot be a switch; it is not used.");
      else if (TableKey(in.key))
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" is a key that already has its own meaning; it is not used.");
    } else if (kind == QLatin1String("mouse") && part.size() == 2) {
      in.kind = SwitchInput::Kind::Mouse;
      for (const auto& m : MouseNames)
        if (part[1].trimmed().compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0) in.button = m.button;
      if (in.button == Qt::NoButton)
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" names no mouse button (Left, Right, Middle, Back or Forward); it is not used.");
      else if (in.button == Qt::LeftButton && option == QLatin1String("Switch2"))
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" is the left mouse button, which is already switch 1; it is not used.");
    } else if (kind == QLatin1String("joystick") && part.size() == 3) {
      in.kind = SwitchInput::Kind::Joystick;
      bool okJ = false, okB = false;
      in.joystick = part[1].trimmed().toInt(&okJ);
      in.joystickButton = part[2].trimmed().toInt(&okB);
      if (!okJ || !okB || in.joystick < 1 || in.joystick > 16 || in.joystickButton < 1 || in.joystickButton > 32)
        why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" needs a joystick 1 to 16 and a button 1 to 32; it is not used.");
    } else {
      why = QCoreApplication::translate("SwitchInputs", "%1: \"%2\" is not of the form Key:<name>, Mouse:<button> or Joystick:<joystick>:<button>; it is not used.");
    }
    if (why.isEmpty() && std::find(out.begin(), out.end(), in) != out.end()) continue;  // said twice
    if (!why.isEmpty())
      problems << why.arg(option, entry.left(30));
    else
      out.push_back(in);
  }
  return out;
}

QString FormatSwitchInput(const SwitchInput& in) {
  switch (in.kind) {
    case SwitchInput::Kind::Key:
      return QStringLiteral("Key:") + QKeySequence(in.key).toString(QKeySequence::PortableText);
    case SwitchInput::Kind::Mouse:
      for (const auto& m : MouseNames)
        if (m.button == in.button) return QStringLiteral("Mouse:") + QLatin1String(m.name);
      return {};
    case SwitchInput::Kind::Joystick:
      return QStringLiteral("Joystick:%1:%2").arg(in.joystick).arg(in.joystickButton);
  }
  return {};
}

QString FormatSwitchInputs(const std::vector<SwitchInput>& inputs) {
  QStringList parts;
  for (const SwitchInput& in : inputs) parts << FormatSwitchInput(in);
  return parts.join(QLatin1Char(','));
}

QString DescribeSwitchInput(const SwitchInput& in) {
  switch (in.kind) {
    case SwitchInput::Kind::Key:
      return QCoreApplication::translate("SwitchInputs", "the %1 key").arg(QKeySequence(in.key).toString(QKeySequence::NativeText));
    case SwitchInput::Kind::Mouse:
      return QCoreApplication::translate("SwitchInputs", "the %1 mouse button").arg(FormatSwitchInput(in).mid(6).toLower());
    case SwitchInput::Kind::Joystick:
      return QCoreApplication::translate("SwitchInputs", "button %1 of joystick %2").arg(in.joystickButton).arg(in.joystick);
  }
  return {};
}

QStringList ApplySwitchOptions() {
  State& s = state();
  const settings::SwitchOptions& o = settings::SwitchOptionsRecord;
  s.filter.SetTiming({o.AcceptanceMs, o.ReleaseMs});
  QStringList problems;
  s.extra[0] = ParseSwitchInputs(o.Switch1, QStringLiteral("Switch1"), problems);
  s.extra[1] = ParseSwitchInputs(o.Switch2, QStringLiteral("Switch2"), problems);
  // An input given to both switches belongs to switch 1.
  std::erase_if(s.extra[1], [&](const SwitchInput& in) {
    const bool both = std::find(s.extra[0].begin(), s.extra[0].end(), in) != s.extra[0].end();
    if (both) problems << QCoreApplication::translate("SwitchInputs", "Switch2: \"%1\" is switch 1 already; it is not used.").arg(FormatSwitchInput(in));
    return both;
  });
  s.joysticks.clear();
  for (int sw = 1; sw <= 2; ++sw) {
    for (const SwitchInput& in : s.extra[sw - 1]) {
      if (in.kind != SwitchInput::Kind::Joystick) continue;
      s.joysticks.push_back({in, sw});
      if (platform::gameport::ReadJoystickButton(in.joystick, in.joystickButton) < 0)
        problems << QCoreApplication::translate("SwitchInputs", "Switch%1: %2 is not connected; it is read once it is plugged in.")
                        .arg(sw)
                        .arg(DescribeSwitchInput(in));
    }
  }
  ResetPresses();
  return problems;
}

const std::vector<SwitchInput>& ExtraInputs(int sw) { return state().extra[sw - 1]; }

PressFilter& Presses() { return state().filter; }

void ResetPresses() {
  State& s = state();
  s.filter.Reset();
  s.adapterClosed = false;
  for (Polled& p : s.joysticks) p.closed = false;
}

void SwitchDown(int sw, int source) {
  state().filter.Down(sw - 1, source, Now());
  RaiseCounted();
}

void SwitchUp(int sw, int source) {
  state().filter.Up(sw - 1, source, Now());
  RaiseCounted();
}

int KeySource(int key) { return KeyKind | (key & 0x0FFFFFFF); }
int MouseSource(Qt::MouseButton button) { return MouseKind | static_cast<int>(button); }
int AdapterSource() { return AdapterKind; }
int CameraSource() { return CameraKind; }
int JoystickSource(int joystick, int button) { return JoystickKind | (joystick << 8) | button; }

int ExtraSwitchForKey(int key) {
  for (int sw = 1; sw <= 2; ++sw)
    for (const SwitchInput& in : state().extra[sw - 1])
      if (in.kind == SwitchInput::Kind::Key && in.key == key) return sw;
  return 0;
}

int ExtraSwitchForButton(Qt::MouseButton button) {
  for (int sw = 1; sw <= 2; ++sw)
    for (const SwitchInput& in : state().extra[sw - 1])
      if (in.kind == SwitchInput::Kind::Mouse && in.button == button) return sw;
  return 0;
}

int ReadPolledSwitches(int device) {
  State& s = state();
  const double now = Now();
  int level = 0;
  if (device >= 1 && device <= 5) {
    // The adapter's reading goes to the filter, not straight to the flag.
    const int16_t flag = SwitchPressed;
    level = ReadSwitch();
    SwitchPressed = flag;
    Level(1, AdapterSource(), level == 1, s.adapterClosed, now);
  }
  for (Polled& p : s.joysticks) {
    const bool closed = platform::gameport::ReadJoystickButton(p.input.joystick, p.input.joystickButton) == 1;
    Level(p.sw, JoystickSource(p.input.joystick, p.input.joystickButton), closed, p.closed, now);
  }
  s.filter.Advance(now);
  RaiseCounted();
  return level;
}

double NextInputDeadline() { return state().filter.NextDeadline(); }

double HoldProgress() {
  const double now = Now();
  return std::max(state().filter.HoldPart(0, now), state().filter.HoldPart(1, now));
}

}  // namespace input
