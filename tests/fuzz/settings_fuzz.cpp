// Fuzz harness: the settings files aobj_se1.cfg and aobj_se2.cfg, whatever a
// carer's editor or a damaged disk left in them. Whatever is read must save
// and read back to the same file image, with nothing wrong in it.

#include "fuzz_support.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace settings;
  fuzz::writeInput(SettingsFileName, data, size);
  fuzz::writeInput(FolderFileName, data, size);
  const QString folder = fuzz::folder().path();
  SettingsData record;
  QStringList problems;
  ReadSettingsFiles(folder, folder, record, problems);
  SettingsProblemMessage(problems);

  const QByteArray image = SettingsFileImage(record);
  fuzz::writeInput(SettingsFileName, reinterpret_cast<const uint8_t*>(image.constData()),
                   static_cast<size_t>(image.size()));
  SettingsData again;
  QStringList later;
  ReadSettingsFiles(folder, folder, again, later);
  FUZZ_CHECK(SettingsFileImage(again) == image);
  for (const QString& problem : later) FUZZ_CHECK(!problem.contains(SettingsFileName));
  return 0;
}
