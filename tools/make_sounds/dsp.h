#pragma once
// Small signal helpers for making the program's sounds: a mono float buffer
// at the one sample rate every sound file uses, envelopes, filters, level
// measurement and the fixes that keep sounds from clicking or startling.

#include <cstdint>
#include <string>
#include <vector>

namespace snd {

inline constexpr int SampleRate = 22050;
using Buffer = std::vector<float>;

inline int Samples(double seconds) { return static_cast<int>(seconds * SampleRate + 0.5); }
double MidiToHz(double note);

// Adds src into dst from sample offset on; with wrap the part past the end
// continues at the start (for sounds that loop).
void MixInto(Buffer& dst, const Buffer& src, int offset, float gain = 1.0f, bool wrap = false);

// Linear ramps from and to silence over the first / last seconds.
void FadeIn(Buffer& b, double seconds);
void FadeOut(Buffer& b, double seconds);

// Removes leading and trailing stretches quieter than thresholdDb.
void TrimSilence(Buffer& b, double thresholdDb);

double PeakOf(const Buffer& b);
double RmsDb(const Buffer& b);
// RMS of the 20 ms frames louder than -50 dBFS: the level one hears, so a
// word with pauses and a sparse effect compare fairly with steady music.
double ActiveRmsDb(const Buffer& b);

// Scales so that the active RMS reaches targetDb, but never lets the peak
// pass peakDb.
void Normalise(Buffer& b, double targetDb, double peakDb);

// Rotates a looping buffer so that it starts on a quiet upward zero
// crossing; the join then lies between two samples close to zero.
void RotateToZeroCrossing(Buffer& b);

// Simple filters.
struct OnePole {
  float a = 0, z = 0;
  explicit OnePole(double cutoffHz);
  float Low(float x) { z += a * (x - z); return z; }
};
struct Biquad {
  double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  static Biquad BandPass(double centreHz, double q);
  static Biquad HighPass(double cutoffHz, double q);
  float Run(float x);
};

// Deterministic noise, so the tool makes the same files every time.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
  float White();                 // -1..1
  double Uniform(double lo, double hi);
 private:
  uint32_t state_;
};

}  // namespace snd
