#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace snd {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;

struct Shape {
  double attack;    // seconds to full level
  double decayTau;  // exponential decay while held (0: none)
  double sustain;   // floor the decay settles on, relative
  double release;   // seconds to silence after the gate
};

Shape ShapeOf(Instrument inst) {
  switch (inst) {
    case Instrument::MusicBox: return {0.004, 0.55, 0.0, 0.25};
    case Instrument::Marimba:  return {0.003, 0.32, 0.0, 0.12};
    case Instrument::Flute:    return {0.060, 0.0, 1.0, 0.10};
    case Instrument::EPiano:   return {0.005, 0.80, 0.15, 0.18};
    case Instrument::Bass:     return {0.012, 0.90, 0.35, 0.10};
    case Instrument::Pad:      return {0.250, 0.0, 1.0, 0.35};
    case Instrument::Sparkle:  return {0.002, 0.12, 0.0, 0.08};
  }
  return {0.01, 0.0, 1.0, 0.1};
}

double Envelope(const Shape& s, double t, double gate) {
  auto held = [&s](double u) {
    double level = u < s.attack ? u / s.attack : 1.0;
    if (s.decayTau > 0 && u >= s.attack)
      level = s.sustain + (1.0 - s.sustain) * std::exp(-(u - s.attack) / s.decayTau);
    return level;
  };
  if (t < gate) return held(t);
  const double r = (t - gate) / s.release;
  if (r >= 1.0) return 0.0;
  // Raised-cosine release: no corner at either end.
  return held(gate) * 0.5 * (1.0 + std::cos(std::numbers::pi * r));
}

double Voice(Instrument inst, double f, double t) {
  switch (inst) {
    case Instrument::MusicBox: {
      // Inharmonic FM ratio gives the bell; the index fades so the tone mellows.
      const double index = 1.0 * std::exp(-t / 0.25);
      return std::sin(TwoPi * f * t + index * std::sin(TwoPi * f * 3.5 * t)) * 0.8 +
             0.2 * std::sin(TwoPi * f * 2.0 * t);
    }
    case Instrument::Marimba:
      return std::sin(TwoPi * f * t) + 0.35 * std::exp(-t / 0.04) * std::sin(TwoPi * f * 3.93 * t) +
             0.10 * std::exp(-t / 0.02) * std::sin(TwoPi * f * 9.2 * t);
    case Instrument::Flute: {
      const double vib = t > 0.2 ? 0.004 * std::min(1.0, (t - 0.2) / 0.3) : 0.0;
      const double phase = TwoPi * f * t + vib * f / 5.0 * std::sin(TwoPi * 5.0 * t);
      return std::sin(phase) + 0.18 * std::sin(2.0 * phase) + 0.06 * std::sin(3.0 * phase);
    }
    case Instrument::EPiano: {
      const double index = 1.6 * std::exp(-t / 0.35) + 0.2;
      return std::sin(TwoPi * f * t + index * std::sin(TwoPi * f * t));
    }
    case Instrument::Bass:
      return std::sin(TwoPi * f * t) + 0.25 * std::sin(TwoPi * 2.0 * f * t);
    case Instrument::Pad:
      return std::sin(TwoPi * f * t) + 0.3 * std::sin(TwoPi * 2.002 * f * t) +
             0.15 * std::sin(TwoPi * 2.998 * f * t);
    case Instrument::Sparkle:
      return std::sin(TwoPi * f * t + 0.8 * std::sin(TwoPi * f * 2.41 * t));
  }
  return 0.0;
}

}  // namespace

Buffer RenderNote(Instrument inst, double freqHz, double gateSeconds, double amplitude) {
  const Shape shape = ShapeOf(inst);
  const int n = Samples(gateSeconds + shape.release);
  Buffer out(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    out[static_cast<size_t>(i)] =
        static_cast<float>(amplitude * Envelope(shape, t, gateSeconds) * Voice(inst, freqHz, t));
  }
  return out;
}

}  // namespace snd
