#pragma once
// Shared by the fuzz harnesses: the readers take a file path, so each input
// is written to a file in a private temporary folder first; and a check that
// aborts, which libFuzzer and the replay test both see as a failure.

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                          \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)

namespace fuzz {

inline const QTemporaryDir& folder() {
  static const QTemporaryDir dir;
  return dir;
}

// Writes the input to `name` in the temporary folder; returns its path.
inline QString writeInput(const QString& name, const uint8_t* data, size_t size) {
  const QString path = folder().filePath(name);
  QFile file(path);
  FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
             static_cast<qint64>(size));
  return path;
}

}  // namespace fuzz
