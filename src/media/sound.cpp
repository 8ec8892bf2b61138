#include "media/sound.h"

#include <SDL.h>

#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "platform/host.h"
#include "platform/shutdown.h"

namespace media {
namespace {

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

void notify(const QString& file, SoundMode mode) {
  if (soundObserver) soundObserver(file, mode);
}

void fill(void*, Uint8* stream, int len) {
  size_t written = 0;
  const size_t want = static_cast<size_t>(len);
  while (written < want && state.voice.active && state.voice.sample) {
    const auto& bytes = state.voice.sample->bytes;
    if (state.voice.pos >= bytes.size()) {
      if (state.voice.loop && !bytes.empty()) {
        state.voice.pos = 0;
      } else {
        state.voice.active = false;
        break;
      }
    }
    const size_t n = std::min(want - written, bytes.size() - state.voice.pos);
    SDL_memcpy(stream + written, bytes.data() + state.voice.pos, n);
    state.voice.pos += n;
    written += n;
  }
  if (written < want) SDL_memset(stream + written, state.deviceSpec.silence, want - written);
}

bool openDevice() {
  SDL_AudioSpec want{};
  want.freq = 22050;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = 512;
  want.callback = fill;
  // No changes allowed: SDL converts to whatever the hardware needs.
  state.device = SDL_OpenAudioDevice(nullptr, 0, &want, &state.deviceSpec, 0);
  return state.device != 0;
}

std::shared_ptr<const Sample> decode(const QString& file) {
  const QFileInfo info(file);
  auto it = state.cache.find(info.absoluteFilePath());
  if (it != state.cache.end() && it->second.modified == info.lastModified() && it->second.size == info.size())
    return it->second.sample;

  SDL_AudioSpec wav{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  const QByteArray path = QFile::encodeName(info.absoluteFilePath());
  if (!SDL_LoadWAV(path.constData(), &wav, &buffer, &length)) return nullptr;

  auto sample = std::make_shared<Sample>();
  SDL_AudioStream* stream = SDL_NewAudioStream(wav.format, wav.channels, wav.freq, state.deviceSpec.format,
                                               state.deviceSpec.channels, state.deviceSpec.freq);
  bool ok = stream && SDL_AudioStreamPut(stream, buffer, static_cast<int>(length)) == 0 &&
            SDL_AudioStreamFlush(stream) == 0;
  if (ok) {
    sample->bytes.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
    const int got = SDL_AudioStreamGet(stream, sample->bytes.data(), static_cast<int>(sample->bytes.size()));
    ok = got >= 0;
    if (ok) sample->bytes.resize(static_cast<size_t>(got));
  }
  if (stream) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(buffer);
  if (!ok) return nullptr;

  const size_t frameBytes = static_cast<size_t>(SDL_AUDIO_BITSIZE(state.deviceSpec.format) / 8) * state.deviceSpec.channels;
  sample->seconds = static_cast<double>(sample->bytes.size() / frameBytes) / state.deviceSpec.freq;
  state.cache[info.absoluteFilePath()] = {sample, info.lastModified(), info.size()};
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

// A WAV that will not decode is reported once per run, then passed over.
void reportUnplayable(const QString& file) {
  static QSet<QString> reported;
  if (reported.contains(file)) return;
  reported.insert(file);
  platform::message(QStringLiteral("The sound file %1 could not be played (%2).\nBrushwell goes on without it.")
                        .arg(file, QString::fromUtf8(SDL_GetError())),
                    platform::MessageIcon::Exclamation);
}

}  // namespace

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
  if (state.device) {
    SDL_CloseAudioDevice(state.device);
    state.device = 0;
  }
  if (state.initialised) SDL_AudioQuit();
  state.initialised = false;
  state.voice = Voice{};
  state.currentFile.clear();
  state.cache.clear();
  state.driverName.clear();
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
  const QString file = name + QStringLiteral(".wav");
  const bool loop = mode == QStringLiteral("LOOP");
  notify(file, loop ? SoundMode::Loop : SoundMode::Once);
  if (!QFileInfo::exists(file)) {
    platform::message(QStringLiteral("Could't find song ") + file + QLatin1Char('\n') +
                      QStringLiteral("The program is going to terminate"));
    platform::host().endProgram(1);
  }
  InitSound();
  if (!state.device) return;
  const auto sample = decode(file);
  if (!sample) {
    reportUnplayable(file);
    return;
  }
  start(sample, loop, file);
}

void play_wave_wait(const QString& name) {
  const QString file = name + QStringLiteral(".wav");
  notify(file, SoundMode::Wait);
  if (!QFileInfo::exists(file)) return;
  InitSound();
  if (!state.device) return;
  const auto sample = decode(file);
  if (!sample) return;
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
