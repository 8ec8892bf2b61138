// make_sounds: writes every sound file of the program folder.
//
//   make_sounds OUTPUT_FOLDER [--espeak PATH_TO_ESPEAK_NG] [--text2wave PATH_TO_TEXT2WAVE]
//
// Music and effects are synthesised here; the spoken words are produced by
// Festival (English, into OUTPUT_FOLDER) and espeak-ng (Dutch, French,
// Spanish, German and Hebrew, into OUTPUT_FOLDER/voices/<code>/), then
// trimmed, resampled and levelled like everything else. All
// files are 16-bit PCM mono at 22050 Hz and share one loudness.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "dsp.h"
#include "media/narration_languages.h"
#include "effects.h"
#include "picture_names.h"
#include "songs.h"
#include "wav_io.h"

namespace {

// Every sound is levelled to this loudness (RMS of its audible part), its
// peaks kept under PeakDb. The songs play under the voices, a little softer.
constexpr double LevelDb = -18.0;
constexpr double SongLevelDb = -21.0;
constexpr double PeakDb = -1.0;

// The spoken sounds, in this order in every language: the ten colour names,
// the nine compliments, the reminder to press the switch.
const char* const kSpeechFiles[] = {
    "aobj_voice_red", "aobj_voice_yellow", "aobj_voice_green", "aobj_voice_blue", "aobj_voice_purple",
    "aobj_voice_brown", "aobj_voice_gray", "aobj_voice_orange", "aobj_voice_pink", "aobj_voice_tan",
    "goodjob1", "goodjob2", "goodjob3", "goodjob4", "goodjob5", "goodjob6", "goodjob7", "goodjob8", "goodjob9",
    "aobj_prs",
};
constexpr int kSpeechCount = static_cast<int>(std::size(kSpeechFiles));

// The words of each language. Which languages are made, and by which engine
// and voice, is the program's own table (media/narration_languages.h), which
// the credits read too: English by Festival's HTS voice (a natural female
// American voice), the others by espeak-ng, the best voice Debian has for each.
struct Words {
  const char* code;
  int espeakSpeed;  // words a minute with espeak-ng; unused with Festival
  const char* words[kSpeechCount];
};

const Words kWords[] = {
    {"en", 0,
     {"Red.", "Yellow.", "Green.", "Blue.", "Purple.", "Brown.", "Gray.", "Orange.", "Pink.", "Tan.",
      "Good job!", "Beautiful coloring!", "Well done!", "What a lovely picture!", "Great work!",
      "That looks wonderful!", "You did it!", "Fantastic colors!", "Super coloring!", "Press your switch."}},
    {"nl", 130,
     {"Rood", "Geel", "Groen", "Blauw", "Paars", "Bruin", "Grijs", "Oranje", "Roze", "Beige",
      "Goed gedaan!", "Prachtig gekleurd!", "Heel goed!", "Wat een mooie tekening!", "Geweldig werk!",
      "Dat ziet er schitterend uit!", "Het is je gelukt!", "Fantastische kleuren!", "Super gekleurd!",
      "Druk op je schakelaar."}},
    {"fr", 130,
     {"Rouge", "Jaune", "Vert", "Bleu", "Violet", "Marron", "Gris", "Orange", "Rose", "Beige",
      "Bon travail !", "Très beau coloriage !", "Bravo !", "Quel joli dessin !", "Excellent travail !",
      "C'est magnifique !", "Tu as réussi !", "Des couleurs fantastiques !", "Super coloriage !",
      "Appuie sur ton contacteur."}},
    {"es", 130,
     {"Rojo", "Amarillo", "Verde", "Azul", "Morado", "Marrón", "Gris", "Naranja", "Rosa", "Beige",
      "¡Buen trabajo!", "¡Qué bonito coloreado!", "¡Muy bien!", "¡Qué dibujo tan bonito!", "¡Gran trabajo!",
      "¡Se ve maravilloso!", "¡Lo lograste!", "¡Colores fantásticos!", "¡Súper coloreado!",
      "Pulsa tu conmutador."}},
    {"de", 130,
     {"Rot", "Gelb", "Grün", "Blau", "Lila", "Braun", "Grau", "Orange", "Rosa", "Beige",
      "Gut gemacht!", "Wunderschön ausgemalt!", "Sehr gut!", "Was für ein schönes Bild!", "Tolle Arbeit!",
      "Das sieht wunderbar aus!", "Du hast es geschafft!", "Fantastische Farben!", "Super ausgemalt!",
      "Drück deinen Taster."}},
    {"he", 125,
     {"אדום", "צהוב", "ירוק", "כחול", "סגול", "חום", "אפור", "כתום", "ורוד", "בז'",
      "כל הכבוד!", "צביעה יפה מאוד!", "עבודה טובה!", "איזה ציור יפה!", "עבודה נהדרת!",
      "זה נראה נפלא!", "הצלחת!", "צבעים נפלאים!", "צביעה מעולה!", "לחץ על המתג."}},
};

// A language to speak: the table's entry and its words.
struct Language {
  const media::NarrationLanguage& table;
  const Words& words;
};

const Words* WordsOf(const char* code) {
  for (const Words& w : kWords)
    if (std::strcmp(w.code, code) == 0) return &w;
  return nullptr;
}

QStringList EspeakArgs(const Language& language) {
  return {QStringLiteral("-v"), QString::fromLatin1(language.table.voice), QStringLiteral("-s"),
          QString::number(language.words.espeakSpeed), QStringLiteral("-p"), QStringLiteral("55")};
}

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

// The engines, found by the command line.
struct Engines {
  QString espeak = QStringLiteral("espeak-ng");
  QString text2wave = QStringLiteral("text2wave");  // Festival
};

bool Run(const QString& program, const QStringList& args, const char* text) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    std::fprintf(stderr, "make_sounds: %s failed for \"%s\": %s %s\n", program.toLocal8Bit().constData(), text,
                 p.errorString().toLocal8Bit().constData(), p.readAllStandardError().constData());
    return false;
  }
  return true;
}

bool MakeSpeech(const QDir& out, const Engines& engines, const Language& language, const char* text,
                const std::string& name, const QDir& scratch) {
  const QString raw = scratch.filePath(
      QStringLiteral("%1_%2.wav").arg(QString::fromLatin1(language.table.code), QString::fromStdString(name)));
  if (language.table.engine == media::SpeechEngine::Festival) {
    const QString input = scratch.filePath(QStringLiteral("words.txt"));
    QFile f(input);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text) < 0) return false;
    f.close();
    if (!Run(engines.text2wave,
             {QStringLiteral("-eval"), QStringLiteral("(voice_%1)").arg(QString::fromLatin1(language.table.voice)), QStringLiteral("-o"), raw, input}, text))
      return false;
  } else if (!Run(engines.espeak, EspeakArgs(language) + QStringList{QStringLiteral("-w"), raw, QString::fromUtf8(text)}, text)) {
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
    std::fprintf(stderr, "make_sounds: the voice produced silence for \"%s\"\n", text);
    return false;
  }
  snd::FadeIn(b, 0.008);
  snd::FadeOut(b, 0.04);
  snd::Buffer padded(static_cast<size_t>(snd::Samples(0.04)), 0.0f);
  padded.insert(padded.end(), b.begin(), b.end());
  padded.resize(padded.size() + static_cast<size_t>(snd::Samples(0.12)), 0.0f);
  return Save(out, name, padded, LevelDb);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments();
  args.removeFirst();
  Engines engines;
  QString outPath;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QStringLiteral("--espeak") && i + 1 < args.size()) engines.espeak = args[++i];
    else if (args[i] == QStringLiteral("--text2wave") && i + 1 < args.size()) engines.text2wave = args[++i];
    else if (outPath.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) outPath = args[i];
    else {
      std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER [--espeak PATH] [--text2wave PATH]\n");
      return 2;
    }
  }
  if (outPath.isEmpty()) {
    std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER [--espeak PATH] [--text2wave PATH]\n");
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

  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    std::fprintf(stderr, "make_sounds: no temporary folder\n");
    return 1;
  }
  for (const media::NarrationLanguage& table : media::NarrationLanguages) {
    const Words* words = WordsOf(table.code);
    if (!words) {
      std::fprintf(stderr, "make_sounds: no words for the language %s\n", table.code);
      return 1;
    }
    const Language language{table, *words};
    const bool english = QString::fromLatin1(table.code) == QStringLiteral("en");
    std::printf("Speech, %s (%s, %s):\n", table.code, media::SpeechEngineName(table.engine), table.voice);
    QDir folder = out;
    if (!english) {
      const QString sub = QStringLiteral("voices/") + QString::fromLatin1(table.code);
      if (!out.mkpath(sub)) {
        std::fprintf(stderr, "make_sounds: cannot create %s\n", out.filePath(sub).toLocal8Bit().constData());
        return 1;
      }
      folder = QDir(out.filePath(sub));
    }
    for (int k = 0; k < kSpeechCount; ++k)
      ok &= MakeSpeech(folder, engines, language, language.words.words[k], kSpeechFiles[k], QDir(scratch.path()));
    for (const snd::SpokenName& n : snd::PictureNames(table.code))
      ok &= MakeSpeech(folder, engines, language, n.text, n.file, QDir(scratch.path()));
  }

  SDL_Quit();
  return ok ? 0 : 1;
}
