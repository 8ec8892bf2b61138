// Choosing the part to colour ([session] ChooseSection). The parts not
// coloured yet are offered one after another with the pointer, in the
// session's own scanning method and timing: in timed scanning a press while
// the pointer waits on a part picks it; in step scanning a press moves the
// pointer on, and with one switch a part left alone for more than ScanSpeed
// seconds is picked, with two the second switch picks. Without scanning the
// pointer follows the mouse over the parts, and a click on a part (or
// resting on it for DwellMs) picks it. With one part left it is picked at
// once. The clear key, the skip key and Escape work as in every wait.

#include <algorithm>
#include <vector>

#include "input/input_flags.h"
#include "input/poll.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "session/picture_run.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace session {

namespace {

using input::ClearLastPressed;
using input::EnterPressed;
using input::SkipPicturePressed;
using input::SwitchPressed;
using pictures::CurrentSection;

constexpr double NoDeadline = platform::NoDeadline;

double Clock() { return platform::host().monotonicSeconds(); }

std::vector<int16_t> PartsLeft(const PictureRun& run, int last) {
  std::vector<int16_t> parts;
  for (int s = 1; s <= last; ++s)
    if (std::find(run.Coloured.begin(), run.Coloured.end(), s) == run.Coloured.end())
      parts.push_back(static_cast<int16_t>(s));
  return parts;
}

// The pointer moves to part s.
void PointAt(PictureRun& run, int s) {
  run.w.TakePointerOff();
  CurrentSection = static_cast<int16_t>(s);
  DrawSectionPointer(run);
}

// Which part a pixel of the picture lies in: each part is flooded from its
// seed over everything but the black outline, as its painting will be.
class PartMap {
public:
  PartMap(const QImage& picture, const std::vector<int16_t>& parts)
      : width_(picture.width()), height_(picture.height()),
        labels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {
    const QRgb black = qRgb(0, 0, 0);
    std::vector<QPoint> todo;
    for (const int16_t s : parts) {
      todo.assign(1, QPoint(pictures::SectionSeedX[s], pictures::SectionSeedY[s]));
      while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (p.x() < 0 || p.y() < 0 || p.x() >= width_ || p.y() >= height_) continue;
        int16_t& label = labels_[index(p)];
        if (label != 0 || (picture.pixel(p) & 0xFFFFFF) == (black & 0xFFFFFF)) continue;
        label = s;
        todo.insert(todo.end(), {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)});
      }
    }
  }
  int At(const QPoint& p) const {
    if (p.x() < 0 || p.y() < 0 || p.x() >= width_ || p.y() >= height_) return 0;
    return labels_[index(p)];
  }

private:
  size_t index(const QPoint& p) const { return static_cast<size_t>(p.y()) * width_ + static_cast<size_t>(p.x()); }
  int width_, height_;
  std::vector<int16_t> labels_;
};

// No scanning: the pointer shows the part under the mouse; a click on a
// part, or resting on it for DwellMs, picks it. As in the wait for a tube
// click, a clear key pressed while the last part was painted acts now.
Choice PickWithTheMouse(PictureRun& run, const std::vector<int16_t>& parts) {
  pictures::Mainform& w = run.w;
  w.TakePointerOff();
  const PartMap map(w.PB1->image(), parts);
  w.ExitRequested = 0;
  SwitchPressed = 0;
  SkipPicturePressed = 0;
  EnterPressed = 0;
  bool clicked = false;
  const QMetaObject::Connection click =
      QObject::connect(w.PB1, &platform::PictureBox::pressed, [&clicked](Qt::MouseButton) { clicked = true; });
  struct Disconnect {
    QMetaObject::Connection c;
    ~Disconnect() { QObject::disconnect(c); }
  } disconnect{click};
  const int dwellMs = settings::SwitchOptionsRecord.DwellMs;
  int hovered = 0;
  double since = 0;
  input::PassWait wait;
  for (;;) {
    const double until = wait.Before(dwellMs > 0 && hovered != 0 ? since + dwellMs / 1000.0 : NoDeadline);
    if (until != input::NoWait) input::WaitForInput(until);
    platform::DoEvents();
    if (ExitWanted(w) || SkipPicturePressed == 1) return Choice::Left;
    if (ClearLastPressed == 1) return ClearLastSection(run, false);
    int picked = 0;
    if (clicked) {
      clicked = false;
      picked = map.At(w.PB1->lastPressAt());
    }
    const int under = map.At(w.MouseAt() - w.PB1->pos());
    if (picked == 0 && under != hovered) {
      hovered = under;
      since = Clock();
      if (under != 0)
        PointAt(run, under);
      else
        w.TakePointerOff();
    } else if (picked == 0 && dwellMs > 0 && hovered != 0 && Clock() - since >= dwellMs / 1000.0) {
      picked = hovered;
    }
    if (picked != 0) {
      w.TakePointerOff();
      CurrentSection = static_cast<int16_t>(picked);
      return Choice::Chosen;
    }
  }
}

}  // namespace

Offered WaitOnOffer(pictures::Mainform& w) {
  const int scanType = settings::SettingsRecord.ScanType;
  const bool step = scanType == 2 || scanType == 3;
  const bool twoSwitches = scanType == 3;
  const double limit = twoSwitches ? NoDeadline
                       : step      ? settings::SettingsRecord.ScanSpeed
                                   : settings::SettingsRecord.ScanSeconds;
  SwitchPressed = 0;
  const double start = Clock();
  input::PassWait wait;
  for (;;) {
    input::ClearAndPollInputs(w.ExitRequested, wait.Before(twoSwitches ? NoDeadline : start + limit));
    platform::DoEvents();
    if (ExitWanted(w)) return Offered::Left;
    if (SkipPicturePressed == 1) return Offered::Skip;
    if (ClearLastPressed == 1) return Offered::Clear;
    if (SwitchPressed == 1) {
      SwitchPressed = 0;
      return step ? Offered::Next : Offered::Taken;
    }
    if (twoSwitches && EnterPressed == 1) return Offered::Taken;
    const double elapsed = Clock() - start;
    if (!step && elapsed >= limit) return Offered::Next;
    if (scanType == 2 && elapsed > limit) return Offered::Taken;
  }
}

Choice ChooseSectionToColour(PictureRun& run, int last) {
  run.w.ColoringPhase = 1;
  const std::vector<int16_t> parts = PartsLeft(run, last);
  if (parts.size() == 1) {
    CurrentSection = parts.front();
    return Choice::Chosen;
  }
  if (settings::SettingsRecord.ScanType == 4) return PickWithTheMouse(run, parts);
  for (size_t i = 0;; i = (i + 1) % parts.size()) {
    PointAt(run, parts[i]);
    switch (WaitOnOffer(run.w)) {
      case Offered::Taken: run.w.TakePointerOff(); return Choice::Chosen;
      case Offered::Next: break;
      case Offered::Clear: return ClearLastSection(run, false);
      case Offered::Skip:
      case Offered::Left: return Choice::Left;
    }
  }
}

}  // namespace session
