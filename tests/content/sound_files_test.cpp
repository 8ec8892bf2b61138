// The sound files shipped in content/: every name the program can play is
// there, in English and in every other narration language, decodes, shares
// one format and loudness, speech starts and ends in silence, the looping
// ones join without a click, and together they stay small. Every picture in
// a shipped list has its spoken name in every language.

#include <SDL.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "media/sound.h"
#include "pictures/picture_list.h"
#include "pictures/session_tables.h"

namespace {

QString SoundPath(const QString& name) {
  return QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/") + name + QStringLiteral(".wav");
}

enum class Kind { Silent, Effect, Loop, Speech, Song };

struct Expected { QString name; double minSeconds, maxSeconds; Kind kind; };

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
  // The same spoken sounds in voices/<code>/ for each other language.
  const size_t english = all.size();
  for (const media::VoiceLanguageName& l : media::VoiceLanguages()) {
    if (l.code == QStringLiteral("en")) continue;
    for (size_t i = 0; i < english; ++i)
      if (all[i].kind == Kind::Speech) all.push_back({QStringLiteral("voices/%1/%2").arg(l.code, all[i].name), 0.3, 3.0, Kind::Speech});
  }
  return all;
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

int Peak(std::vector<int16_t>::const_iterator from, std::vector<int16_t>::const_iterator to) {
  int peak = 0;
  for (; from != to; ++from) peak = std::max(peak, std::abs(static_cast<int>(*from)));
  return peak;
}

// Decodes a WAV file as SDL reads it; its samples as 16-bit little-endian.
bool LoadWav(const QString& path, SDL_AudioSpec* wav, std::vector<int16_t>* samples) {
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.toLocal8Bit().constData(), wav, &data, &length)) return false;
  samples->clear();
  for (Uint32 i = 0; i + 1 < length; i += 2) samples->push_back(static_cast<int16_t>(data[i] | (data[i + 1] << 8)));
  SDL_FreeWAV(data);
  return true;
}

// Each reachable sound decodes in the common format and its expected length,
// never clips, is about as loud as the rest, starts and ends at silence, and
// a looping one joins without a click.
TEST(SoundFiles, EveryReachableSoundDecodesEvenlyLoudAndWithoutClicks) {
  SDL_Init(0);
  constexpr int NearZero = 330;  // 1 % of full scale
  double quietest = 0, loudest = -200;
  qint64 bytes = 0;
  for (const Expected& e : ReachableSounds()) {
    SCOPED_TRACE(e.name.toStdString());
    bytes += QFileInfo(SoundPath(e.name)).size();
    SDL_AudioSpec wav{};
    std::vector<int16_t> samples;
    ASSERT_TRUE(LoadWav(SoundPath(e.name), &wav, &samples)) << SDL_GetError();
    EXPECT_EQ(wav.format, AUDIO_S16LSB);
    EXPECT_EQ(wav.channels, 1);
    EXPECT_EQ(wav.freq, 22050);
    const double seconds = static_cast<double>(samples.size()) / 22050.0;
    EXPECT_GE(seconds, e.minSeconds);
    EXPECT_LE(seconds, e.maxSeconds);
    ASSERT_GE(samples.size(), 2u);

    const int peak = Peak(samples.begin(), samples.end());
    if (e.kind == Kind::Silent) {
      EXPECT_EQ(peak, 0);
      continue;
    }
    EXPECT_LT(Db(peak), -0.5) << "peak too close to full scale";
    const double level = AudibleRmsDb(samples);
    EXPECT_GT(level, -30.0) << "too quiet";
    EXPECT_LT(level, -12.0) << "too loud";
    quietest = std::min(quietest, level);
    loudest = std::max(loudest, level);

    const int first = samples.front(), last = samples.back();
    EXPECT_LE(std::abs(first), NearZero);
    EXPECT_LE(std::abs(last), NearZero);
    if (e.kind == Kind::Loop || e.kind == Kind::Song) {
      EXPECT_LE(std::abs(first - last), NearZero) << "the join clicks";
    }
    if (e.kind == Kind::Speech) {  // a little silence before and after the words
      EXPECT_LE(Peak(samples.begin(), samples.begin() + 441), NearZero) << "no silence at the start";
      EXPECT_LE(Peak(samples.end() - 1100, samples.end()), NearZero) << "no silence at the end";
    }
    if (e.kind == Kind::Song) {  // the last 5 ms fade into the join rather than stopping hard
      EXPECT_LE(Peak(samples.end() - 110, samples.end()), NearZero);
    }
  }
  // Nothing stands out from the rest by more than a few decibels.
  EXPECT_LT(loudest - quietest, 6.0);
  EXPECT_LT(bytes, 20 * 1024 * 1024);
}

// When a picture is offered, its name is spoken: "aobj_name_" + the picture's
// file name without its extension, in English and in voices/<code>/. Each
// recording of every picture of the shipped lists is there, in the common
// format, a word's length, levelled like the colour names, unclipped, and
// framed by silence.
TEST(SoundFiles, EveryListedPictureHasItsNameSpokenInEveryLanguage) {
  SDL_Init(0);
  constexpr int NearZero = 330;
  QSet<QString> pictures;
  for (int n = 1; n <= 15; ++n) {
    QFile list(QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/") + pictures::PictureListFileName(n));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << list.fileName().toStdString();
    for (const QString& name : pictures::ParsePictureList(list.readAll(), 10000).names)
      pictures.insert(QFileInfo(name).completeBaseName());
  }
  ASSERT_GE(pictures.size(), 40);
  qint64 bytes = 0;
  for (const media::VoiceLanguageName& l : media::VoiceLanguages()) {
    const QString folder = l.code == QStringLiteral("en") ? QString() : QStringLiteral("voices/%1/").arg(l.code);
    for (const QString& picture : pictures) {
      const QString name = folder + QStringLiteral("aobj_name_") + picture;
      SCOPED_TRACE(name.toStdString());
      bytes += QFileInfo(SoundPath(name)).size();
      SDL_AudioSpec wav{};
      std::vector<int16_t> samples;
      if (!LoadWav(SoundPath(name), &wav, &samples)) {
        ADD_FAILURE() << "missing or unreadable: " << SDL_GetError();
        continue;
      }
      EXPECT_TRUE(wav.format == AUDIO_S16LSB && wav.channels == 1 && wav.freq == 22050);
      const double seconds = static_cast<double>(samples.size()) / 22050.0;
      EXPECT_GE(seconds, 0.25);
      EXPECT_LE(seconds, 2.0);
      if (samples.size() < 1100) continue;
      EXPECT_LT(Db(Peak(samples.begin(), samples.end())), -0.5) << "peak too close to full scale";
      const double level = AudibleRmsDb(samples);
      EXPECT_TRUE(level > -21.0 && level < -15.0) << "level " << level << " dB, not that of the other voices";
      EXPECT_LE(Peak(samples.begin(), samples.begin() + 441), NearZero) << "no silence at the start";
      EXPECT_LE(Peak(samples.end() - 1100, samples.end()), NearZero) << "no silence at the end";
    }
  }
  EXPECT_LT(bytes, 16 * 1024 * 1024);
}

}  // namespace
