// The sound players over SDL's disk driver, which writes every sample the
// device plays to a file, in real time: what reaches the output can be read back.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <utility>
#include <gtest/gtest.h>
#include <vector>

#include "media/sound.h"
#include "support/files.h"
#include "support/scripted_host.h"

namespace {

// A 16-bit mono 22050 Hz WAV whose samples are `value` throughout.
void writeWav(const QString& path, double seconds, int16_t value) {
  const int frames = static_cast<int>(seconds * 22050);
  QByteArray data;
  auto u32 = [&data](uint32_t v) { data.append(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&data](uint16_t v) { data.append(reinterpret_cast<const char*>(&v), 2); };
  data.append("RIFF");
  u32(36 + frames * 2);
  data.append("WAVEfmt ");
  u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
  data.append("data");
  u32(frames * 2);
  for (int i = 0; i < frames; ++i) u16(static_cast<uint16_t>(value));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

std::vector<int16_t> readOutput(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray raw = f.readAll();
  std::vector<int16_t> out(static_cast<size_t>(raw.size() / 2));
  memcpy(out.data(), raw.constData(), out.size() * 2);
  return out;
}

size_t countValue(const std::vector<int16_t>& samples, int16_t value) {
  return static_cast<size_t>(std::count(samples.begin(), samples.end(), value));
}

class SoundTest : public ::testing::Test {
protected:
  void SetUp() override {
    media::ShutdownSound();
    old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    output = dir.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
    media::InitSound();
    ASSERT_EQ(media::SoundDriverName(), QStringLiteral("disk"));
    writeWav(QStringLiteral("a.wav"), 0.2, 1000);
    writeWav(QStringLiteral("b.wav"), 0.3, -2000);
    writeWav(QStringLiteral("long.wav"), 3.0, 3000);
  }
  void TearDown() override {
    media::SetVoiceLanguage(QStringLiteral("en"));
    media::ShutdownSound();
    qputenv("SDL_AUDIODRIVER", "dummy");
    QDir::setCurrent(old);
  }
  static void waitSeconds(double s) { SDL_Delay(static_cast<Uint32>(s * 1000)); }

  testing_support::ScriptedHost host;
  QTemporaryDir dir;
  QString old, output;
};

}  // namespace

TEST_F(SoundTest, LoopRepeatsAndAnythingElsePlaysOnce) {
  media::play_wave(QStringLiteral("a"), QStringLiteral("LOOP"));
  waitSeconds(0.9);
  EXPECT_TRUE(media::SoundPlaying());
  const size_t looped = countValue(readOutput(output), 1000);
  EXPECT_GE(looped, static_cast<size_t>(3 * 0.2 * 22050));

  media::play_wave(QStringLiteral("b"), QStringLiteral("loop"));  // lower case plays once
  waitSeconds(0.8);
  EXPECT_EQ(countValue(readOutput(output), -2000), static_cast<size_t>(0.3 * 22050));
  EXPECT_FALSE(media::SoundPlaying());
}

TEST_F(SoundTest, ANewSoundCutsTheOldOneAndStopSilences) {
  media::play_wave(QStringLiteral("long"), QStringLiteral("DONT_LOOP"));
  waitSeconds(0.3);
  media::play_wave(QStringLiteral("a"), QStringLiteral("DONT_LOOP"));
  waitSeconds(0.5);
  const auto out = readOutput(output);
  EXPECT_LT(countValue(out, 3000), static_cast<size_t>(1.0 * 22050));
  EXPECT_EQ(countValue(out, 1000), static_cast<size_t>(0.2 * 22050));
  // Nothing of the long sound after the short one started.
  size_t firstShort = 0;
  while (firstShort < out.size() && out[firstShort] != 1000) ++firstShort;
  for (size_t i = firstShort; i < out.size(); ++i) ASSERT_NE(out[i], 3000) << "at sample " << i;
}

TEST_F(SoundTest, WaitBlocksForTheSoundsLengthAndMissingFilesAreQuiet) {
  QElapsedTimer timer;
  timer.start();
  media::play_wave_wait(QStringLiteral("b"));
  EXPECT_GE(timer.elapsed(), 250);
  EXPECT_LT(timer.elapsed(), 900);
  EXPECT_EQ(media::CurrentSoundFile(), QStringLiteral("b.wav"));

  timer.restart();
  media::play_wave_wait(QStringLiteral("nowhere"));
  EXPECT_LT(timer.elapsed(), 50);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundTest, AMissingFileEndsTheProgramWithItsMessage) {
  try {
    media::play_wave(QStringLiteral("sub/aobj_voice_tan"), QStringLiteral("DONT_LOOP"));
    FAIL() << "the program should have ended";
  } catch (const testing_support::ProgramEnded&) {
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            QStringLiteral("Could't find song sub/aobj_voice_tan.wav\nThe program is going to terminate"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::None);
}

// A file that is no WAV, or a damaged one, is reported once, passed over,
// and still silences the sound that was playing.
TEST_F(SoundTest, AFileThatCannotBePlayedIsReportedOnceAndSilencesTheOneBefore) {
  testing_support::WriteFile(QStringLiteral("bad.wav"), "this is not a wave file");
  media::play_wave(QStringLiteral("bad"), QStringLiteral("DONT_LOOP"));
  media::play_wave(QStringLiteral("bad"), QStringLiteral("DONT_LOOP"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("bad.wav")));
  media::play_wave(QStringLiteral("a"), QStringLiteral("DONT_LOOP"));  // still works afterwards
  waitSeconds(0.5);
  EXPECT_EQ(countValue(readOutput(output), 1000), static_cast<size_t>(0.2 * 22050));

  host.messages.clear();
  testing_support::WriteFile(QStringLiteral("stop.wav"), "RIFF damaged");
  media::play_wave(QStringLiteral("a"), QStringLiteral("LOOP"));
  media::play_wave(QStringLiteral("stop"), QStringLiteral("DONT_LOOP"));
  EXPECT_FALSE(media::SoundPlaying());
  EXPECT_EQ(host.messages.size(), 1u);
  media::play_wave(QStringLiteral("a"), QStringLiteral("LOOP"));
  media::play_wave_wait(QStringLiteral("stop"));
  EXPECT_FALSE(media::SoundPlaying());
  EXPECT_EQ(host.messages.size(), 1u);
}

// In another language a sound comes from voices/<code>/; a missing one is
// spoken in English, a damaged one is reported once and spoken in English.
TEST_F(SoundTest, AnotherLanguageFallsBackToEnglishFileByFile) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("voices/fr")));
  writeWav(QStringLiteral("voices/fr/a.wav"), 0.2, 1500);
  testing_support::WriteFile(QStringLiteral("voices/fr/long.wav"), "RIFF damaged");
  media::SetVoiceLanguage(QStringLiteral("fr"));
  EXPECT_EQ(media::VoiceFile(QStringLiteral("a")), QStringLiteral("voices/fr/a.wav"));
  EXPECT_EQ(media::VoiceFile(QStringLiteral("b")), QStringLiteral("b.wav"));
  EXPECT_EQ(media::VoiceFile(QStringLiteral("sub/a")), QStringLiteral("sub/a.wav")) << "no sub/voices/fr/a.wav";

  media::play_wave_wait(QStringLiteral("a"));
  media::play_wave_wait(QStringLiteral("b"));
  media::play_wave(QStringLiteral("long"), QStringLiteral("DONT_LOOP"));
  EXPECT_EQ(media::CurrentSoundFile(), QStringLiteral("long.wav"));
  waitSeconds(0.3);
  const auto out = readOutput(output);
  EXPECT_EQ(countValue(out, 1500), static_cast<size_t>(0.2 * 22050));
  EXPECT_EQ(countValue(out, 1000), 0u) << "the English a.wav was not played";
  EXPECT_EQ(countValue(out, -2000), static_cast<size_t>(0.3 * 22050));
  EXPECT_GT(countValue(out, 3000), 0u) << "the English long.wav stood in for the damaged one";
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("voices/fr/long.wav")));
}

// Headers whose claims would have SDL allocate gigabytes, or fail with "Out
// of memory", are refused as damaged; a data length beyond the end of the
// file (as tools writing to a pipe leave it) plays what the file holds.
TEST_F(SoundTest, AbsurdHeadersAreDamagedFiles) {
  auto patched = [](const char* name, int offset, uint32_t value) {
    QFile f(QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(offset);
    f.write(reinterpret_cast<const char*>(&value), 4);
    return QString::fromLatin1(name);
  };
  // Rate 0, rate 2^31, no channels, a format chunk of 4 GB.
  const std::pair<int, uint32_t> claims[] = {{24, 0}, {24, 1u << 31}, {22, 0}, {16, 0xFFFFFFF0u}};
  for (const auto& [offset, value] : claims) {
    writeWav(QStringLiteral("odd.wav"), 0.1, 7);
    const QString problem = media::CheckWaveFile(patched("odd.wav", offset, value));
    EXPECT_TRUE(problem.startsWith(QStringLiteral("it is damaged: "))) << offset << " " << value << ": " << qPrintable(problem);
  }
  writeWav(QStringLiteral("piped.wav"), 0.2, 1000);
  patched("piped.wav", 40, 0xFFFFFFFFu);
  media::play_wave(QStringLiteral("piped"), QStringLiteral("DONT_LOOP"));
  waitSeconds(0.5);
  EXPECT_EQ(countValue(readOutput(output), 1000), static_cast<size_t>(0.2 * 22050));
  EXPECT_TRUE(host.messages.empty());
}

TEST(SoundWithoutCard, TheDummyDriverKeepsDurations) {
  media::ShutdownSound();
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  testing_support::ScriptedHost host;
  QTemporaryDir dir;
  writeWav(dir.filePath(QStringLiteral("c.wav")), 0.4, 500);
  QElapsedTimer timer;
  timer.start();
  media::play_wave_wait(dir.filePath(QStringLiteral("c")));
  EXPECT_EQ(media::SoundDriverName(), QStringLiteral("dummy"));
  EXPECT_GE(timer.elapsed(), 350);
  media::ShutdownSound();
  qputenv("SDL_AUDIODRIVER", "dummy");
}
