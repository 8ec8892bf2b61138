#include "media/sound.h"

#include <QCoreApplication>
#include <SDL.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "media/narration_languages.h"
#include "platform/host.h"
#include "platform/shutdown.h"

namespace media {
namespace {

// Limits that keep a damaged or absurd WAV from taking the memory of the
// machine: the file is read whole, and its sound is converted whole.
constexpr qint64 MaxWaveFileBytes = 256LL * 1024 * 1024;
constexpr double MaxSoundSeconds = 60 * 60;
constexpr int MinSampleRate = 1000;
constexpr int MaxSampleRate = 192000;
constexpr int MaxChannels = 8;

// Every sound is converted once, when first played, to the device's format.
struct Sample {
  std::vector<Uint8> bytes;
  double seconds = 0;
};

struct CacheEntry {
  std::shared_ptr<const Sample> sample;
  QDateTime modified;
  qint64 size = 0;
};

// The one voice. Written by the program's thread under the device lock and
// read by SDL's audio callback.
struct Voice {
  std::shared_ptr<const Sample> sample;
  size_t pos = 0;
  bool loop = false;
  bool active = false;
};

// Everything SDL's audio thread reads lives in this one object, and its
// destructor closes the device before any member is destroyed. Closing waits
// for the audio thread to end, so no way of ending the process (return from
// main, exit(), the order of static destruction) frees a sample while the
// callback still reads it.
struct SoundState {
  SDL_AudioDeviceID device = 0;
  SDL_AudioSpec deviceSpec{};
  bool initialised = false;
  QString driverName;
  Voice voice;
  QString currentFile;
  std::map<QString, CacheEntry> cache;

  SoundState() = default;
  SoundState(const SoundState&) = delete;
  SoundState& operator=(const SoundState&) = delete;
  ~SoundState() { closeDevice(); }

  void closeDevice() {
    if (device) SDL_CloseAudioDevice(device);
    device = 0;
  }
};

SoundState state;
std::function<void(const QString&, SoundMode)> soundObserver;
QString voiceLanguage = QStringLiteral("en");

// The English file of a sound and, in another language, its counterpart.
QString englishFile(const QString& name) { return name + QStringLiteral(".wav"); }
QString languageFile(const QString& name) {
  const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
  return name.left(slash + 1) + QStringLiteral("voices/") + voiceLanguage + QLatin1Char('/') + name.mid(slash + 1) +
         QStringLiteral(".wav");
}

void notify(const QString& file, SoundMode mode) {
  if (soundObserver) soundObserver(file, mode);
}

void fill(void*, Uint8* stream, int len) {
  Voice& voice = state.voice;
  size_t written = 0;
  const size_t want = static_cast<size_t>(len);
  while (written < want && voice.active && voice.sample) {
    const auto& bytes = voice.sample->bytes;
    if (voice.pos >= bytes.size()) {
      if (voice.loop && !bytes.empty()) {
        voice.pos = 0;
      } else {
        voice.active = false;
        break;
      }
    }
    const size_t n = std::min(want - written, bytes.size() - voice.pos);
    SDL_memcpy(stream + written, bytes.data() + voice.pos, n);
    voice.pos += n;
    written += n;
  }
  if (written < want) SDL_memset(stream + written, state.deviceSpec.silence, want - written);
}

// The format asked of the device. No changes are allowed: SDL converts to
// whatever the hardware needs, so an open device has exactly this format.
SDL_AudioSpec wantedSpec() {
  SDL_AudioSpec want{};
  want.freq = 22050;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = 512;
  want.callback = fill;
  return want;
}

bool openDevice() {
  const SDL_AudioSpec want = wantedSpec();
  state.device = SDL_OpenAudioDevice(nullptr, 0, &want, &state.deviceSpec, 0);
  return state.device != 0;
}

Uint16 le16(const QByteArray& b, qsizetype at) {
  return static_cast<Uint16>(static_cast<uchar>(b[at]) | static_cast<uchar>(b[at + 1]) << 8);
}
Uint32 le32(const QByteArray& b, qsizetype at) {
  return static_cast<Uint32>(le16(b, at)) | static_cast<Uint32>(le16(b, at + 2)) << 16;
}
void putLe32(QByteArray& b, qsizetype at, Uint32 v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Checks what a WAV header claims against the file before SDL believes it
// (SDL allocates whatever a chunk claims). A data chunk that claims more than
// the file holds is cut to what is there, as SDL does with a cut-off file:
// tools that write WAVs to a pipe leave a placeholder length of about 2 GB.
// Returns "" or why the file is not a usable WAV.
QString checkWaveHeader(QByteArray& bytes) {
  const qsizetype size = bytes.size();
  // SDL also reads a file that lacks the RIFF header and begins with "WAVE".
  qsizetype pos = 4;
  if (size >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE") {
    if (le32(bytes, 4) > static_cast<Uint32>(size - 8)) putLe32(bytes, 4, static_cast<Uint32>(size - 8));
    pos = 12;
  } else if (!bytes.startsWith("WAVE")) {
    return QCoreApplication::translate("Sound", "it is not a WAV file");
  }
  bool haveFormat = false;
  while (pos + 8 <= size) {
    const QByteArray id = bytes.mid(pos, 4);
    const Uint32 length = le32(bytes, pos + 4);
    const qsizetype room = size - pos - 8;
    if (id == "fmt " && !haveFormat) {
      if (length > static_cast<Uint32>(room))
        return QCoreApplication::translate("Sound", "it is damaged: its format chunk runs past the end of the file");
      if (length < 16) return QCoreApplication::translate("Sound", "it is damaged: its format chunk is too short");
      haveFormat = true;
      const Uint16 channels = le16(bytes, pos + 10);
      const Uint32 rate = le32(bytes, pos + 12);
      if (channels < 1 || channels > MaxChannels) {
        return QCoreApplication::translate("Sound", "it is damaged: it claims %1 channels, and 1 to %2 are usable")
            .arg(channels)
            .arg(MaxChannels);
      }
      if (rate < MinSampleRate || rate > MaxSampleRate) {
        return QCoreApplication::translate("Sound", "it is damaged: it claims a sample rate of %1 Hz, and %2 to %3 Hz are usable")
            .arg(rate)
            .arg(MinSampleRate)
            .arg(MaxSampleRate);
      }
    } else if (id == "data") {
      if (!haveFormat) return QCoreApplication::translate("Sound", "it is damaged: its sound data comes before its format");
      if (length > static_cast<Uint32>(room)) putLe32(bytes, pos + 4, static_cast<Uint32>(room));
      return {};
    }
    if (length > static_cast<Uint32>(room)) break;
    pos += 8 + static_cast<qsizetype>(length) + (length & 1);
  }
  return haveFormat ? QCoreApplication::translate("Sound", "it is damaged: it holds no sound data")
                    : QCoreApplication::translate("Sound", "it is damaged: it has no format chunk");
}

// Reads and converts a WAV file to the device's format (or the format asked
// of the device when none is open). Returns nothing, and why in `problem`,
// when the file cannot be played.
std::shared_ptr<Sample> decodeFile(const QString& path, QString& problem) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    problem = file.errorString();
    return nullptr;
  }
  if (file.size() > MaxWaveFileBytes) {
    problem = QCoreApplication::translate("Sound", "it is larger than %1 MB").arg(MaxWaveFileBytes / (1024 * 1024));
    return nullptr;
  }
  // (Not read(MaxWaveFileBytes + 1): that allocates the whole limit first.)
  QByteArray bytes = file.readAll();
  if (bytes.size() > MaxWaveFileBytes) {
    problem = QCoreApplication::translate("Sound", "it is larger than %1 MB").arg(MaxWaveFileBytes / (1024 * 1024));
    return nullptr;
  }
  problem = checkWaveHeader(bytes);
  if (!problem.isEmpty()) return nullptr;

  SDL_AudioSpec wav{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
  if (!source || !SDL_LoadWAV_RW(source, 1, &wav, &buffer, &length)) {
    problem = QString::fromUtf8(SDL_GetError());
    return nullptr;
  }
  const SDL_AudioSpec out = state.device ? state.deviceSpec : wantedSpec();
  const size_t inFrame = static_cast<size_t>(SDL_AUDIO_BITSIZE(wav.format) / 8) * wav.channels;
  const size_t outFrame = static_cast<size_t>(SDL_AUDIO_BITSIZE(out.format) / 8) * out.channels;
  if (inFrame == 0 || wav.freq <= 0 || static_cast<double>(length / inFrame) / wav.freq > MaxSoundSeconds) {
    SDL_FreeWAV(buffer);
    problem = QCoreApplication::translate("Sound", "it is not a usable WAV file: it lasts more than %1 minutes").arg(MaxSoundSeconds / 60);
    return nullptr;
  }

  auto sample = std::make_shared<Sample>();
  SDL_AudioStream* stream =
      SDL_NewAudioStream(wav.format, wav.channels, wav.freq, out.format, out.channels, out.freq);
  bool ok = stream && SDL_AudioStreamPut(stream, buffer, static_cast<int>(length)) == 0 &&
            SDL_AudioStreamFlush(stream) == 0;
  if (ok) {
    sample->bytes.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, sample->bytes.data(), static_cast<int>(sample->bytes.size()));
    ok = got >= 0;
    if (ok) sample->bytes.resize(static_cast<size_t>(got));
  }
  if (!ok) problem = QString::fromUtf8(SDL_GetError());
  if (stream) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(buffer);
  if (!ok) return nullptr;
  sample->seconds = static_cast<double>(sample->bytes.size() / outFrame) / out.freq;
  return sample;
}

std::shared_ptr<const Sample> decode(const QString& file, QString& problem) {
  const QFileInfo info(file);
  auto it = state.cache.find(info.absoluteFilePath());
  if (it != state.cache.end() && it->second.modified == info.lastModified() && it->second.size == info.size())
    return it->second.sample;
  auto sample = decodeFile(info.absoluteFilePath(), problem);
  if (sample) state.cache[info.absoluteFilePath()] = {sample, info.lastModified(), info.size()};
  return sample;
}

void start(const std::shared_ptr<const Sample>& sample, bool loop, const QString& file) {
  SDL_LockAudioDevice(state.device);
  state.voice.sample = sample;
  state.voice.pos = 0;
  state.voice.loop = loop;
  state.voice.active = true;
  SDL_UnlockAudioDevice(state.device);
  state.currentFile = file;
}

// Ends the sound playing: a sound that cannot be played replaces the old
// one all the same, so a damaged "stop" still stops a looping song.
void silence() {
  if (!state.device) return;
  SDL_LockAudioDevice(state.device);
  state.voice = Voice{};
  SDL_UnlockAudioDevice(state.device);
  state.currentFile.clear();
}

// A WAV that will not decode is reported once per run, then passed over.
void reportUnplayable(const QString& file, const QString& why) {
  static QSet<QString> reported;
  if (reported.contains(file)) return;
  reported.insert(file);
  platform::message(QCoreApplication::translate("Sound", "The sound file %1 could not be played (%2).\nBrushwell goes on without it.")
                        .arg(file, why),
                    platform::MessageIcon::Exclamation);
}

}  // namespace

void SetVoiceLanguage(const QString& code) {
  voiceLanguage = code.isEmpty() ? QStringLiteral("en") : code;
}

QString VoiceLanguage() { return voiceLanguage; }

QString VoiceFile(const QString& name) {
  if (voiceLanguage != QStringLiteral("en")) {
    const QString translated = languageFile(name);
    if (QFileInfo::exists(translated)) return translated;
  }
  return englishFile(name);
}

const std::vector<VoiceLanguageName>& VoiceLanguages() {
  static const std::vector<VoiceLanguageName> languages = [] {
    std::vector<VoiceLanguageName> all;
    for (const NarrationLanguage& l : NarrationLanguages)
      all.push_back({QString::fromLatin1(l.code), QString::fromUtf8(l.ownName)});
    return all;
  }();
  return languages;
}

void InitSound() {
  if (state.initialised) return;
  state.initialised = true;
  bool ok = SDL_AudioInit(nullptr) == 0 && openDevice();
  if (!ok) {
    // No sound card (or no sound server): the dummy driver keeps each
    // sound's timing, so waits and loops behave as usual, in silence.
    SDL_AudioQuit();
    ok = SDL_AudioInit("dummy") == 0 && openDevice();
  }
  if (!ok) {
    SDL_AudioQuit();
    state.driverName.clear();
    return;
  }
  state.driverName = QString::fromUtf8(SDL_GetCurrentAudioDriver());
  SDL_PauseAudioDevice(state.device, 0);
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    platform::addShutdownHook([] { ShutdownSound(); });
  }
}

void ShutdownSound() {
  state.closeDevice();
  if (state.initialised) SDL_AudioQuit();
  state.initialised = false;
  state.voice = Voice{};
  state.currentFile.clear();
  state.cache.clear();
  state.driverName.clear();
}

QString CheckWaveFile(const QString& file) {
  QString problem;
  return decodeFile(file, problem) ? QString() : problem;
}

void SetSoundObserver(std::function<void(const QString&, SoundMode)> observer) {
  soundObserver = std::move(observer);
}

QString SoundDriverName() { return state.driverName; }

bool SoundPlaying() {
  if (!state.device) return false;
  SDL_LockAudioDevice(state.device);
  const bool playing = state.voice.active;
  SDL_UnlockAudioDevice(state.device);
  return playing;
}

QString CurrentSoundFile() { return state.currentFile; }

void play_wave(const QString& name, const QString& mode) {
  QString file = VoiceFile(name);
  const bool loop = mode == QStringLiteral("LOOP");
  notify(file, loop ? SoundMode::Loop : SoundMode::Once);
  if (!QFileInfo::exists(file)) {
    platform::message(QCoreApplication::translate("Sound", "Could't find song %1\nThe program is going to terminate").arg(file));
    platform::host().endProgram(1);
  }
  InitSound();
  if (!state.device) return;
  QString problem;
  auto sample = decode(file, problem);
  if (!sample && file != englishFile(name) && QFileInfo::exists(englishFile(name))) {
    // A damaged recording of the language: say so once, and speak English.
    reportUnplayable(file, problem);
    file = englishFile(name);
    sample = decode(file, problem);
  }
  if (!sample) {
    silence();
    reportUnplayable(file, problem);
    return;
  }
  start(sample, loop, file);
}

void play_wave_wait(const QString& name) {
  QString file = VoiceFile(name);
  notify(file, SoundMode::Wait);
  InitSound();
  if (!state.device) return;
  QString problem;
  auto sample = QFileInfo::exists(file) ? decode(file, problem) : nullptr;
  if (!sample && file != englishFile(name) && QFileInfo::exists(englishFile(name))) {
    reportUnplayable(file, problem);
    file = englishFile(name);
    sample = decode(file, problem);
  }
  if (!sample) {
    silence();
    return;
  }
  start(sample, false, file);
  // Wait for the callback to play it out. The deadline (its length plus a
  // little) keeps the wait finite even if the audio thread stalls.
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(static_cast<long>(sample->seconds * 1000) + 500);
  for (;;) {
    SDL_LockAudioDevice(state.device);
    const bool done = !state.voice.active || state.voice.sample != sample;
    SDL_UnlockAudioDevice(state.device);
    if (done || std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace media
