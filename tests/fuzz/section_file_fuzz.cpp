// Fuzz harness: a picture's section file (name.bmp.dat). A file the reader
// refuses is named in the reason; one it accepts has seeds on the picture.

#include <QImage>

#include "fuzz_support.h"
#include "pictures/section_scan.h"
#include "pictures/session_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz::writeInput(QStringLiteral("picture.bmp.dat"), data, size);
  QString problem;
  const auto seeds = pictures::ReadSectionFile(path, 400, 400, &problem);
  if (!seeds) {
    FUZZ_CHECK(problem.contains(path));
    return 0;
  }
  FUZZ_CHECK(!seeds->empty() && seeds->size() <= static_cast<size_t>(pictures::MaxSections));
  static QImage picture(400, 400, QImage::Format_RGB32);
  pictures::EraseMarkers(picture, *seeds);
  return 0;
}
