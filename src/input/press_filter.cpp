#include "input/press_filter.h"

#include <algorithm>
#include <cmath>

namespace input {

namespace {
// Clock readings are sums of small steps; a hold of exactly the acceptance
// time must count even when the sum comes out a hair short.
constexpr double Slack = 1e-9;
}  // namespace

void PressFilter::Down(int sw, int source, double t) {
  SwitchState& s = state_[sw];
  if (s.pressing) endPress(s, t, false);
  if (std::find(s.held.begin(), s.held.end(), source) == s.held.end()) s.held.push_back(source);
  beginPress(s, t);
}

void PressFilter::Up(int sw, int source, double t) {
  SwitchState& s = state_[sw];
  const auto it = std::find(s.held.begin(), s.held.end(), source);
  if (it == s.held.end()) return;
  s.held.erase(it);
  if (s.held.empty() && s.pressing) endPress(s, t, true);
}

void PressFilter::Advance(double t) {
  for (SwitchState& s : state_) count(s, t);
}

int PressFilter::TakeCounted(int sw) {
  const int n = state_[sw].pending;
  state_[sw].pending = 0;
  return n;
}

double PressFilter::NextDeadline() const {
  double next = Never;
  for (const SwitchState& s : state_)
    if (s.pressing && !s.counted && !s.ignoring) next = std::min(next, s.pressStart + timing_.acceptanceMs / 1000.0);
  return next;
}

double PressFilter::HoldPart(int sw, double t) const {
  const SwitchState& s = state_[sw];
  if (!s.pressing || s.counted || s.ignoring || timing_.acceptanceMs <= 0) return -1;
  return std::clamp((t - s.pressStart) * 1000.0 / timing_.acceptanceMs, 0.0, 1.0);
}

void PressFilter::ResetCounts() {
  for (SwitchState& s : state_) s.counts = Counts{};
}

void PressFilter::Reset() {
  for (SwitchState& s : state_) {
    const Counts kept = s.counts;
    s = SwitchState{};
    s.counts = kept;
  }
}

void PressFilter::beginPress(SwitchState& s, double t) {
  s.pressing = true;
  s.counted = false;
  s.ignoring = t < s.lockedUntil;
  s.pressStart = t;
  count(s, t);
}

void PressFilter::endPress(SwitchState& s, double t, bool released) {
  count(s, t);  // held long enough, even if nobody looked meanwhile
  s.pressing = false;
  s.counts.lastHoldMs = static_cast<int>(std::lround((t - s.pressStart) * 1000.0));
  if (s.counted && released)
    s.lockedUntil = t + timing_.releaseMs / 1000.0;
  else if (!s.counted)
    ++s.counts.ignored;
}

void PressFilter::count(SwitchState& s, double t) {
  if (!s.pressing || s.counted || s.ignoring) return;
  if (t - s.pressStart + Slack < timing_.acceptanceMs / 1000.0) return;
  s.counted = true;
  ++s.pending;
  ++s.counts.counted;
}

}  // namespace input
