// The sound files shipped in content/: every name the program can play is
// there, decodes, shares one format and loudness, and the looping ones join
// without a click.

#include <SDL.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pictures/session_tables.h"

namespace {

QString ContentPath(const QString& name) {
  return QDir(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content")).filePath(name);
}

enum class Kind { Silent, Effect, Loop, Speech, Song };

struct Expected {
  QString name;
  double minSeconds;
  double maxSeconds;
  Kind kind;
};

// Every sound that some configuration reaches: the main window's two, the
// songs, the voices of all ten colours, the compliments and the painting
// sounds.
std::vector<Expected> ReachableSounds() {
  pictures::FillSessionTables();
  std::vector<Expected> all = {
      {QStringLiteral("stop"), 0.01, 0.06, Kind::Silent},
      {QStringLiteral("aobj_opn"), 1.5, 3.0, Kind::Effect},
      {QStringLiteral("aobjsqrt"), 0.25, 0.6, Kind::Effect},
      {QStringLiteral("aobjflow"), 1.0, 2.0, Kind::Loop},
      {QStringLiteral("aobj_pnt"), 0.2, 1.0, Kind::Effect},
      {QStringLiteral("aobj_prs"), 0.5, 3.0, Kind::Speech},
  };
  for (int s = 1; s <= 6; ++s) all.push_back({pictures::SongName[s], 20.0, 60.0, Kind::Song});
  for (int c = 1; c <= 10; ++c)
    all.push_back({QStringLiteral("aobj_voice_") + pictures::ColorName[c], 0.3, 1.5, Kind::Speech});
  for (int g = 1; g <= 9; ++g) all.push_back({QStringLiteral("goodjob%1").arg(g), 0.5, 3.0, Kind::Speech});
  return all;
}

struct Decoded {
  SDL_AudioSpec wav{};
  std::vector<int16_t> samples;
  QString error;
};

Decoded Load(const QString& name) {
  Decoded d;
  Uint8* data = nullptr;
  Uint32 length = 0;
  const QByteArray path = ContentPath(name + QStringLiteral(".wav")).toLocal8Bit();
  if (!SDL_LoadWAV(path.constData(), &d.wav, &data, &length)) {
    d.error = QString::fromUtf8(SDL_GetError());
    return d;
  }
  if (d.wav.format == AUDIO_S16LSB) {
    d.samples.resize(length / 2);
    for (size_t i = 0; i < d.samples.size(); ++i)
      d.samples[i] = static_cast<int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  SDL_FreeWAV(data);
  return d;
}

double Db(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9) / 32768.0); }

// Loudness of the audible part: RMS over the 20 ms frames above -50 dBFS.
double AudibleRmsDb(const std::vector<int16_t>& s) {
  const size_t frame = 441;
  double sum = 0;
  size_t count = 0;
  for (size_t start = 0; start < s.size(); start += frame) {
    const size_t end = std::min(s.size(), start + frame);
    double fs = 0;
    for (size_t i = start; i < end; ++i) fs += static_cast<double>(s[i]) * s[i];
    if (Db(std::sqrt(fs / static_cast<double>(end - start))) > -50.0) {
      sum += fs;
      count += end - start;
    }
  }
  return count ? Db(std::sqrt(sum / static_cast<double>(count))) : -200.0;
}

class SoundFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { SDL_Init(0); }
};

// Each reachable sound decodes in the common format and its expected length,
// never clips, is about as loud as the rest, starts and ends at silence, and
// a looping one joins without a click.
TEST_F(SoundFiles, EveryReachableSoundDecodesEvenlyLoudAndWithoutClicks) {
  constexpr int NearZero = 330;  // 1 % of full scale
  double quietest = 0, loudest = -200;
  for (const Expected& e : ReachableSounds()) {
    SCOPED_TRACE(e.name.toStdString());
    ASSERT_TRUE(QFileInfo::exists(ContentPath(e.name + QStringLiteral(".wav"))));
    const Decoded d = Load(e.name);
    ASSERT_TRUE(d.error.isEmpty()) << d.error.toStdString();
    EXPECT_EQ(d.wav.format, AUDIO_S16LSB);
    EXPECT_EQ(d.wav.channels, 1);
    EXPECT_EQ(d.wav.freq, 22050);
    const double seconds = static_cast<double>(d.samples.size()) / 22050.0;
    EXPECT_GE(seconds, e.minSeconds);
    EXPECT_LE(seconds, e.maxSeconds);
    ASSERT_GE(d.samples.size(), 2u);

    int peak = 0;
    for (int16_t s : d.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    if (e.kind == Kind::Silent) {
      EXPECT_EQ(peak, 0);
      continue;
    }
    EXPECT_LT(Db(peak), -0.5) << "peak too close to full scale";
    const double level = AudibleRmsDb(d.samples);
    EXPECT_GT(level, -30.0) << "too quiet";
    EXPECT_LT(level, -12.0) << "too loud";
    quietest = std::min(quietest, level);
    loudest = std::max(loudest, level);

    const int first = d.samples.front();
    const int last = d.samples.back();
    EXPECT_LE(std::abs(first), NearZero);
    EXPECT_LE(std::abs(last), NearZero);
    if (e.kind == Kind::Loop || e.kind == Kind::Song) {
      EXPECT_LE(std::abs(first - last), NearZero) << "the join clicks";
    }
    if (e.kind == Kind::Song) {
      // The last 5 ms fade into the join rather than stopping hard.
      int tailPeak = 0;
      for (size_t i = d.samples.size() - 110; i < d.samples.size(); ++i)
        tailPeak = std::max(tailPeak, std::abs(static_cast<int>(d.samples[i])));
      EXPECT_LE(tailPeak, NearZero);
    }
  }
  // Nothing stands out from the rest by more than a few decibels.
  EXPECT_LT(loudest - quietest, 6.0);
}

TEST_F(SoundFiles, TheSoundsStaySmall) {
  qint64 bytes = 0;
  for (const Expected& e : ReachableSounds()) bytes += QFileInfo(ContentPath(e.name + QStringLiteral(".wav"))).size();
  EXPECT_LT(bytes, 15 * 1024 * 1024);
}

}  // namespace
