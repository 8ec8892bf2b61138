// make_sounds: writes every sound file of the program folder.
//
//   make_sounds OUTPUT_FOLDER [--espeak PATH_TO_ESPEAK_NG]
//
// Music and effects are synthesised here; the spoken words are produced by
// espeak-ng, then trimmed, resampled and levelled like everything else. All
// files are 16-bit PCM mono at 22050 Hz and share one loudness.

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <SDL.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dsp.h"
#include "effects.h"
#include "songs.h"
#include "wav_io.h"

namespace {

// Every sound is levelled to this loudness (RMS of its audible part), its
// peaks kept under PeakDb. The songs play under the voices, a little softer.
constexpr double LevelDb = -18.0;
constexpr double SongLevelDb = -21.0;
constexpr double PeakDb = -1.0;

struct Speech {
  const char* file;
  const char* text;
};

const Speech kSpeech[] = {
    {"aobj_voice_red", "Red"},       {"aobj_voice_yellow", "Yellow"},
    {"aobj_voice_green", "Green"},   {"aobj_voice_blue", "Blue"},
    {"aobj_voice_purple", "Purple"}, {"aobj_voice_brown", "Brown"},
    {"aobj_voice_gray", "Gray"},     {"aobj_voice_orange", "Orange"},
    {"aobj_voice_pink", "Pink"},     {"aobj_voice_tan", "Tan"},
    {"goodjob1", "Good job!"},
    {"goodjob2", "Beautiful coloring!"},
    {"goodjob3", "Well done!"},
    {"goodjob4", "What a lovely picture!"},
    {"goodjob5", "Great work!"},
    {"goodjob6", "That looks wonderful!"},
    {"goodjob7", "You did it!"},
    {"goodjob8", "Fantastic colors!"},
    {"goodjob9", "Super coloring!"},
    {"aobj_prs", "Press your switch."},
};

// A friendly female voice, a little slower and higher than the default.
const QStringList kVoiceArgs = {QStringLiteral("-v"), QStringLiteral("en-us+f3"),
                                QStringLiteral("-s"), QStringLiteral("125"),
                                QStringLiteral("-p"), QStringLiteral("58"),
                                QStringLiteral("-g"), QStringLiteral("4")};

bool Save(const QDir& out, const std::string& name, snd::Buffer b, double levelDb) {
  if (levelDb > -100) snd::Normalise(b, levelDb, PeakDb);
  std::string error;
  const std::string path = out.filePath(QString::fromStdString(name + ".wav")).toStdString();
  if (!snd::WriteWav(path, b, &error)) {
    std::fprintf(stderr, "make_sounds: %s\n", error.c_str());
    return false;
  }
  std::printf("  %-22s %6.2f s  level %6.1f dB\n", (name + ".wav").c_str(),
              static_cast<double>(b.size()) / snd::SampleRate, snd::ActiveRmsDb(b));
  return true;
}

bool MakeSpeech(const QDir& out, const QString& espeak, const Speech& s, const QDir& scratch) {
  const QString raw = scratch.filePath(QString::fromLatin1(s.file) + QStringLiteral(".wav"));
  QProcess p;
  p.start(espeak, kVoiceArgs + QStringList{QStringLiteral("-w"), raw, QString::fromUtf8(s.text)});
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    std::fprintf(stderr, "make_sounds: %s failed for \"%s\": %s\n", espeak.toLocal8Bit().constData(),
                 s.text, p.errorString().toLocal8Bit().constData());
    return false;
  }
  snd::Buffer b;
  std::string error;
  if (!snd::ReadWav(raw.toStdString(), &b, &error)) {
    std::fprintf(stderr, "make_sounds: %s\n", error.c_str());
    return false;
  }
  snd::Biquad rumble = snd::Biquad::HighPass(70.0, 0.707);
  for (float& x : b) x = rumble.Run(x);
  snd::TrimSilence(b, -42.0);
  if (b.empty()) {
    std::fprintf(stderr, "make_sounds: espeak-ng produced silence for \"%s\"\n", s.text);
    return false;
  }
  snd::FadeIn(b, 0.008);
  snd::FadeOut(b, 0.04);
  snd::Buffer padded(static_cast<size_t>(snd::Samples(0.04)), 0.0f);
  padded.insert(padded.end(), b.begin(), b.end());
  padded.resize(padded.size() + static_cast<size_t>(snd::Samples(0.12)), 0.0f);
  return Save(out, s.file, padded, LevelDb);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  QString espeak = QStringLiteral("espeak-ng");
  QString outPath;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--espeak") && i + 1 < args.size()) espeak = args[++i];
    else if (outPath.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) outPath = args[i];
    else {
      std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER [--espeak PATH]\n");
      return 2;
    }
  }
  if (outPath.isEmpty()) {
    std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER [--espeak PATH]\n");
    return 2;
  }
  QDir out(outPath);
  if (!out.exists() && !QDir().mkpath(outPath)) {
    std::fprintf(stderr, "make_sounds: cannot create %s\n", outPath.toLocal8Bit().constData());
    return 1;
  }
  SDL_SetMainReady();
  if (SDL_Init(0) != 0) {
    std::fprintf(stderr, "make_sounds: SDL: %s\n", SDL_GetError());
    return 1;
  }

  bool ok = true;
  std::printf("Effects:\n");
  ok &= Save(out, "aobj_opn", snd::MakeOpeningJingle(), LevelDb);
  ok &= Save(out, "stop", snd::MakeStop(), -200);
  ok &= Save(out, "aobjsqrt", snd::MakeSquirt(), LevelDb);
  ok &= Save(out, "aobjflow", snd::MakeFlow(), LevelDb);
  ok &= Save(out, "aobj_pnt", snd::MakePaintSparkle(), LevelDb);

  std::printf("Songs:\n");
  for (const snd::Song& song : snd::Songs()) {
    std::string error;
    auto b = snd::RenderSong(song, &error);
    if (!b) {
      std::fprintf(stderr, "make_sounds: %s\n", error.c_str());
      ok = false;
      continue;
    }
    ok &= Save(out, song.file, *b, SongLevelDb);
  }

  std::printf("Speech (%s):\n", espeak.toLocal8Bit().constData());
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    std::fprintf(stderr, "make_sounds: no temporary folder\n");
    return 1;
  }
  for (const Speech& s : kSpeech) ok &= MakeSpeech(out, espeak, s, QDir(scratch.path()));

  SDL_Quit();
  return ok ? 0 : 1;
}
