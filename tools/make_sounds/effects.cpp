#include "effects.h"

#include <cmath>
#include <numbers>

#include "instruments.h"

namespace snd {
namespace {
constexpr double TwoPi = 2.0 * std::numbers::pi;
}

Buffer MakeOpeningJingle() {
  Buffer out(static_cast<size_t>(Samples(2.4)));
  // C major arpeggio rising over two octaves, then the chord rings out.
  const double notes[] = {60, 64, 67, 72, 76, 79};
  for (int i = 0; i < 6; ++i)
    MixInto(out, RenderNote(Instrument::Marimba, MidiToHz(notes[i] + 12), 0.18, 0.35),
            Samples(0.12 * i));
  const double chord[] = {72, 76, 79, 84};
  for (double n : chord)
    MixInto(out, RenderNote(Instrument::MusicBox, MidiToHz(n), 1.0, 0.22), Samples(0.78));
  MixInto(out, RenderNote(Instrument::Bass, MidiToHz(48), 1.0, 0.25), Samples(0.78));
  FadeIn(out, 0.003);
  FadeOut(out, 0.35);
  return out;
}

Buffer MakeStop() { return Buffer(static_cast<size_t>(Samples(0.03)), 0.0f); }

Buffer MakeSquirt() {
  const double length = 0.42;
  Buffer out(static_cast<size_t>(Samples(length)));
  Noise noise(7);
  OnePole smooth(1500);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / SampleRate;
    const double u = t / length;
    // Noise for the hiss of paint pressed out (swept through a band below)...
    const double env = std::min(1.0, t / 0.012) * std::exp(-t / 0.13);
    // ...and a soft low "plop" whose pitch falls.
    const double plopF = 220.0 - 120.0 * u;
    const double plop = std::sin(TwoPi * plopF * t) * std::exp(-t / 0.09);
    out[i] = static_cast<float>(0.35 * env * smooth.Low(noise.White()) + 0.55 * plop *
                                                                             std::min(1.0, t / 0.004));
  }
  // Sweep the noise through a moving band in blocks (coefficients change per block).
  Buffer swept(out.size());
  const size_t block = 64;
  Biquad band = Biquad::BandPass(2200.0, 2.5);
  for (size_t start = 0; start < out.size(); start += block) {
    const double u = static_cast<double>(start) / static_cast<double>(out.size());
    Biquad next = Biquad::BandPass(2400.0 - 1700.0 * u, 2.0);
    next.x1 = band.x1; next.x2 = band.x2; next.y1 = band.y1; next.y2 = band.y2;
    band = next;
    for (size_t i = start; i < std::min(out.size(), start + block); ++i) swept[i] = band.Run(out[i]);
  }
  for (size_t i = 0; i < out.size(); ++i) out[i] = 0.5f * out[i] + 1.2f * swept[i];
  FadeIn(out, 0.004);
  FadeOut(out, 0.12);
  return out;
}

Buffer MakeFlow() {
  // Bubbles scattered over a loop 1.6 s long; every bubble that runs past
  // the end continues at the start, and the bed of low rushing noise is
  // filtered round the loop twice so its state carries over the join.
  const int n = Samples(1.6);
  Buffer out(static_cast<size_t>(n), 0.0f);
  Noise noise(11);
  const int bubbles = 30;
  for (int b = 0; b < bubbles; ++b) {
    const double start = noise.Uniform(0.0, 1.6);
    const double f0 = noise.Uniform(280.0, 850.0);
    const double tau = noise.Uniform(0.018, 0.04);
    const double amp = noise.Uniform(0.25, 0.55);
    Buffer bubble(static_cast<size_t>(Samples(tau * 6)));
    double phase = 0;
    for (size_t i = 0; i < bubble.size(); ++i) {
      const double t = static_cast<double>(i) / SampleRate;
      const double f = f0 * (1.0 + 0.9 * t / (tau * 6));  // bubbles rise in pitch
      phase += TwoPi * f / SampleRate;
      const double env = std::min(1.0, t / 0.003) * std::exp(-t / tau);
      bubble[i] = static_cast<float>(amp * env * std::sin(phase));
    }
    FadeOut(bubble, 0.01);
    MixInto(out, bubble, Samples(start), 1.0f, true);
  }
  Buffer white(static_cast<size_t>(n));
  for (float& s : white) s = noise.White();
  OnePole low1(350), low2(350);
  Buffer bed(static_cast<size_t>(n));
  for (int pass = 0; pass < 3; ++pass)
    for (int i = 0; i < n; ++i) bed[static_cast<size_t>(i)] = low2.Low(low1.Low(white[static_cast<size_t>(i)]));
  for (int i = 0; i < n; ++i) out[static_cast<size_t>(i)] += 0.9f * bed[static_cast<size_t>(i)];
  // Remove any DC so the loop centres on zero, then start on a zero crossing.
  double mean = 0;
  for (float s : out) mean += s;
  mean /= n;
  for (float& s : out) s = static_cast<float>(s - mean);
  RotateToZeroCrossing(out);
  return out;
}

Buffer MakePaintSparkle() {
  Buffer out(static_cast<size_t>(Samples(0.85)));
  // Pentatonic run upwards: C6 D6 E6 G6 A6 C7.
  const double notes[] = {84, 86, 88, 91, 93, 96};
  for (int i = 0; i < 6; ++i)
    MixInto(out, RenderNote(Instrument::Sparkle, MidiToHz(notes[i]), 0.06, 0.35 - 0.03 * i),
            Samples(0.055 * i));
  MixInto(out, RenderNote(Instrument::MusicBox, MidiToHz(84), 0.25, 0.18), Samples(0.33));
  MixInto(out, RenderNote(Instrument::MusicBox, MidiToHz(91), 0.25, 0.12), Samples(0.33));
  FadeIn(out, 0.002);
  FadeOut(out, 0.2);
  return out;
}

}  // namespace snd
