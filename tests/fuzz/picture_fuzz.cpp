// Fuzz harness: a picture file named in a list, through the path a session
// takes: loading into a picture box, the size check and marker scan, and the
// section file written for an accepted picture, which must read back the same.

#include <QApplication>

#include "fuzz_support.h"
#include "pictures/section_scan.h"
#include "platform/picture_box.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static int argc = 1;
  static char name[] = "picture_fuzz";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz::writeInput(QStringLiteral("picture.bmp"), data, size);
  platform::PictureBox box;
  QString problem;
  if (!box.LoadPicture(path, &problem)) {
    FUZZ_CHECK(!problem.isEmpty());
    return 0;
  }
  const pictures::ScanResult scan = pictures::ScanPicture(box.image(), path);
  if (!scan.message.isEmpty()) {
    FUZZ_CHECK(scan.message.contains(path));
    return 0;
  }
  FUZZ_CHECK(scan.sectionCount >= 1 && scan.sectionCount <= 25);
  const QString sections = pictures::SectionFileName(path);
  FUZZ_CHECK(pictures::WriteSectionFile(sections, scan.seeds));
  FUZZ_CHECK(pictures::ReadSectionFile(sections, 400, 400) == scan.seeds);
  return 0;
}
