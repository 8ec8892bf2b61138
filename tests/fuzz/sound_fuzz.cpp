// Fuzz harness: a sound file name.wav, decoded as the players decode it
// before a sound is first heard. A file may be refused, with a reason for
// the carer; it may not crash, hang or take the machine's memory.

#include "fuzz_support.h"
#include "media/sound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz::writeInput(QStringLiteral("sound.wav"), data, size);
  const QString problem = media::CheckWaveFile(path);
  // No file too short for "WAVE", a format chunk and a data chunk header plays.
  FUZZ_CHECK(size >= 36 || !problem.isEmpty());
  return 0;
}
