#include "wav_io.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace snd {

bool ReadWav(const std::string& path, Buffer* out, std::string* error) {
  SDL_AudioSpec wav;
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &wav, &data, &length)) {
    *error = path + ": " + SDL_GetError();
    return false;
  }
  SDL_AudioStream* stream =
      SDL_NewAudioStream(wav.format, wav.channels, wav.freq, AUDIO_F32SYS, 1, SampleRate);
  bool ok = stream && SDL_AudioStreamPut(stream, data, static_cast<int>(length)) == 0 &&
            SDL_AudioStreamFlush(stream) == 0;
  if (ok) {
    out->assign(static_cast<size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(float), 0.0f);
    const int got = SDL_AudioStreamGet(stream, out->data(), static_cast<int>(out->size() * sizeof(float)));
    ok = got >= 0;
    if (ok) out->resize(static_cast<size_t>(got) / sizeof(float));
  }
  if (!ok) *error = path + ": cannot convert: " + SDL_GetError();
  if (stream) SDL_FreeAudioStream(stream);
  SDL_FreeWAV(data);
  return ok;
}

namespace {
void Put16(std::ofstream& f, uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
  f.write(b, 2);
}
void Put32(std::ofstream& f, uint32_t v) {
  Put16(f, static_cast<uint16_t>(v & 0xffff));
  Put16(f, static_cast<uint16_t>(v >> 16));
}
}  // namespace

bool WriteWav(const std::string& path, const Buffer& samples, std::string* error) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) {
    *error = path + ": cannot write";
    return false;
  }
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  f.write("RIFF", 4);
  Put32(f, 36 + dataBytes);
  f.write("WAVEfmt ", 8);
  Put32(f, 16);
  Put16(f, 1);  // PCM
  Put16(f, 1);  // mono
  Put32(f, SampleRate);
  Put32(f, SampleRate * 2);
  Put16(f, 2);
  Put16(f, 16);
  f.write("data", 4);
  Put32(f, dataBytes);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    Put16(f, static_cast<uint16_t>(static_cast<int16_t>(v)));
  }
  if (!f) {
    *error = path + ": write failed";
    return false;
  }
  return true;
}

}  // namespace snd
