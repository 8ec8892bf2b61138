#pragma once
// Between a switch's raw contacts (keys, mouse buttons, adapters, joystick
// buttons) and the presses the session counts. Pure logic on a clock that
// the caller passes in (seconds), so it runs the same on the real clock and
// on a test's virtual one.
//
// Two timings, both 0 by default:
// - acceptance: a press counts only once the switch has been held this long;
//   a shorter touch counts for nothing;
// - release: after a counted press, a press that begins within this time of
//   its release counts for nothing (bounces, double hits).
// At 0 and 0 every closing of a contact counts at the instant it happens.

#include <array>
#include <limits>
#include <vector>

namespace input {

class PressFilter {
public:
  static constexpr int Switches = 2;  // index 0: switch 1, index 1: switch 2
  static constexpr double Never = std::numeric_limits<double>::infinity();

  struct Timing {
    int acceptanceMs = 0;
    int releaseMs = 0;
  };
  // What the carer's test screen shows.
  struct Counts {
    int counted = 0;
    int ignored = 0;
    int lastHoldMs = -1;  // -1: no press has ended yet
  };

  void SetTiming(Timing timing) { timing_ = timing; }
  Timing timing() const { return timing_; }
  // True at 0 and 0: every closing counts at once.
  bool Immediate() const { return timing_.acceptanceMs == 0 && timing_.releaseMs == 0; }

  // A contact `source` of switch `sw` (0 or 1) closed / opened at `t`.
  // A closing while the switch is already held (a second key, or a key
  // acted on again) begins a new press; the one it takes over from was no
  // release, so no release time follows it.
  void Down(int sw, int source, double t);
  void Up(int sw, int source, double t);
  // Brings the filter to `t`: a press held for the acceptance time counts.
  void Advance(double t);
  // How many presses of `sw` have counted since the last call.
  int TakeCounted(int sw);

  // Whether a contact of `sw` is closed now.
  bool Held(int sw) const { return !state_[sw].held.empty(); }
  // How far a press of `sw` now held is on its way to counting, as a part
  // (0..1) of the acceptance time; -1 when no press that can still count
  // is under way (or every press counts at once).
  double HoldPart(int sw, double t) const;
  // The instant at which a press now held will count if it is still held
  // then; Never when there is none. A waiting loop need not look sooner.
  double NextDeadline() const;

  const Counts& counts(int sw) const { return state_[sw].counts; }
  void ResetCounts();
  // Forgets every closed contact and every press not yet taken.
  void Reset();

private:
  struct SwitchState {
    std::vector<int> held;  // the contacts closed now
    bool pressing = false;  // a press is under way
    bool counted = false;   // ... and has counted
    bool ignoring = false;  // ... and began within the release time
    double pressStart = 0;
    double lockedUntil = -Never;
    int pending = 0;
    Counts counts;
  };
  void beginPress(SwitchState& s, double t);
  // `released`: every contact opened (not a new closing that takes over).
  void endPress(SwitchState& s, double t, bool released);
  void count(SwitchState& s, double t);

  Timing timing_;
  std::array<SwitchState, Switches> state_;
};

}  // namespace input
