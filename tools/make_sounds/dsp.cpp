#include "dsp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace snd {

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

void MixInto(Buffer& dst, const Buffer& src, int offset, float gain, bool wrap) {
  const int n = static_cast<int>(dst.size());
  if (n == 0) return;
  for (size_t i = 0; i < src.size(); ++i) {
    long long j = offset + static_cast<long long>(i);
    if (wrap) {
      j %= n;
      if (j < 0) j += n;
    } else if (j < 0 || j >= n) {
      continue;
    }
    dst[static_cast<size_t>(j)] += gain * src[i];
  }
}

void FadeIn(Buffer& b, double seconds) {
  const int n = std::min<int>(Samples(seconds), static_cast<int>(b.size()));
  for (int i = 0; i < n; ++i) b[static_cast<size_t>(i)] *= static_cast<float>(i) / n;
}

void FadeOut(Buffer& b, double seconds) {
  const int size = static_cast<int>(b.size());
  const int n = std::min(Samples(seconds), size);
  for (int i = 0; i < n; ++i) b[static_cast<size_t>(size - 1 - i)] *= static_cast<float>(i) / n;
}

void TrimSilence(Buffer& b, double thresholdDb) {
  const float limit = static_cast<float>(std::pow(10.0, thresholdDb / 20.0));
  auto loud = [limit](float s) { return std::fabs(s) > limit; };
  auto first = std::find_if(b.begin(), b.end(), loud);
  if (first == b.end()) {
    b.clear();
    return;
  }
  auto last = std::find_if(b.rbegin(), b.rend(), loud).base();
  b = Buffer(first, last);
}

double PeakOf(const Buffer& b) {
  double p = 0;
  for (float s : b) p = std::max(p, static_cast<double>(std::fabs(s)));
  return p;
}

static double ToDb(double v) { return v > 0 ? 20.0 * std::log10(v) : -200.0; }

double RmsDb(const Buffer& b) {
  if (b.empty()) return -200.0;
  double sum = 0;
  for (float s : b) sum += static_cast<double>(s) * s;
  return ToDb(std::sqrt(sum / static_cast<double>(b.size())));
}

double ActiveRmsDb(const Buffer& b) {
  const size_t frame = static_cast<size_t>(Samples(0.02));
  const double gate = std::pow(10.0, -50.0 / 20.0);
  double sum = 0;
  size_t count = 0;
  for (size_t start = 0; start < b.size(); start += frame) {
    const size_t end = std::min(b.size(), start + frame);
    double fs = 0;
    for (size_t i = start; i < end; ++i) fs += static_cast<double>(b[i]) * b[i];
    if (std::sqrt(fs / static_cast<double>(end - start)) > gate) {
      sum += fs;
      count += end - start;
    }
  }
  return count ? ToDb(std::sqrt(sum / static_cast<double>(count))) : -200.0;
}

void Normalise(Buffer& b, double targetDb, double peakDb) {
  const double active = ActiveRmsDb(b);
  const double peak = PeakOf(b);
  if (active < -150.0 || peak <= 0) return;
  double gain = std::pow(10.0, (targetDb - active) / 20.0);
  gain = std::min(gain, std::pow(10.0, peakDb / 20.0) / peak);
  for (float& s : b) s = static_cast<float>(s * gain);
}

void RotateToZeroCrossing(Buffer& b) {
  const size_t n = b.size();
  if (n < 2) return;
  // The best upward crossing: the pair (previous, current) closest to zero.
  size_t best = 0;
  double bestScore = 1e9;
  for (size_t i = 0; i < n; ++i) {
    const float prev = b[(i + n - 1) % n];
    const float cur = b[i];
    if (prev <= 0 && cur >= 0) {
      const double score = std::fabs(prev) + std::fabs(cur);
      if (score < bestScore) {
        bestScore = score;
        best = i;
      }
    }
  }
  std::rotate(b.begin(), b.begin() + static_cast<long>(best), b.end());
}

OnePole::OnePole(double cutoffHz)
    : a(static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / SampleRate))) {}

Biquad Biquad::BandPass(double centreHz, double q) {
  Biquad f;
  const double w = 2.0 * std::numbers::pi * centreHz / SampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  f.b0 = alpha / a0;
  f.b1 = 0;
  f.b2 = -alpha / a0;
  f.a1 = -2.0 * std::cos(w) / a0;
  f.a2 = (1.0 - alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double cutoffHz, double q) {
  Biquad f;
  const double w = 2.0 * std::numbers::pi * cutoffHz / SampleRate;
  const double alpha = std::sin(w) / (2.0 * q);
  const double c = std::cos(w);
  const double a0 = 1.0 + alpha;
  f.b0 = (1.0 + c) / 2.0 / a0;
  f.b1 = -(1.0 + c) / a0;
  f.b2 = (1.0 + c) / 2.0 / a0;
  f.a1 = -2.0 * c / a0;
  f.a2 = (1.0 - alpha) / a0;
  return f;
}

float Biquad::Run(float x) {
  const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
  x2 = x1;
  x1 = x;
  y2 = y1;
  y1 = y;
  return static_cast<float>(y);
}

float Noise::White() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 4294967295.0 * 2.0 - 1.0);
}

double Noise::Uniform(double lo, double hi) { return lo + (hi - lo) * (White() * 0.5 + 0.5); }

}  // namespace snd
