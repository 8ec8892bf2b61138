#pragma once
// Reading any WAV that SDL understands into the common format, and writing
// 16-bit PCM mono files.

#include <string>

#include "dsp.h"

namespace snd {

// Decodes path and converts it to mono float at SampleRate. Returns false
// and sets error when the file cannot be read.
bool ReadWav(const std::string& path, Buffer* out, std::string* error);

// Writes 16-bit PCM mono at SampleRate, rounding and clamping each sample.
bool WriteWav(const std::string& path, const Buffer& samples, std::string* error);

}  // namespace snd
