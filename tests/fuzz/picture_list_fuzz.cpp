// Fuzz harness: a picture list pictures_N.pcf as a carer may write it.

#include <QDir>

#include "fuzz_support.h"
#include "pictures/picture_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool inFolder = QDir::setCurrent(fuzz::folder().path());
  FUZZ_CHECK(inFolder);
  constexpr int limit = 500;
  fuzz::writeInput(pictures::PictureListFileName(7), data, size);
  const pictures::PictureList list = pictures::ReadPictureList(7, limit);
  FUZZ_CHECK(list.names.size() <= limit && list.namesFound >= list.names.size());
  for (const QString& name : list.names) FUZZ_CHECK(!name.isEmpty() && !name.startsWith(QLatin1Char('-')));
  return 0;
}
