#include "settings/settings_record.h"

namespace settings {

SettingsData SettingsRecord = DefaultSettings();

SettingsData DefaultSettings() {
  SettingsData d;
  // Every colour on offer, so a damaged file still gives a full set of tubes.
  for (int c = 1; c <= 10; ++c) d.ColorEnabled[c] = 1;
  return d;
}

}  // namespace settings
