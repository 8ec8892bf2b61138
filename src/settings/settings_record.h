#pragma once
// The persisted settings: one process-wide record that every part of the
// program reads and writes directly. Field order is the file order.

#include <QString>
#include <array>
#include <cstdint>

namespace settings {

struct SettingsData {
  int16_t InputDevice = 6;           // 1..4 COM adapter, 5 game port, 6 mouse/keys
  int16_t ReservedLine2 = 0;
  int16_t SoundOption = 1;           // 1 narration, 2 music, other: no sound
  int16_t PressReminderSeconds = 0;
  double AnimationDelay = 0;         // 0 = never calibrated
  QString TextFolder;                // program folder + "/" after loading
  QString MediaFolder;               // program folder + "/" after loading
  int16_t ReservedLine8 = 0;
  int16_t ScanSeconds = 10;          // 1..20
  int16_t CurrentPictureIndex = 1;
  int16_t CurrentSongIndex = 1;      // 1..6
  int16_t ReservedLine12 = 0;
  int16_t ReservedLine13 = 0;
  int16_t ReservedLine14 = 0;
  int16_t FeedbackOption = 1;        // 1 voice, 3 nothing
  int16_t SwitchWaitMode = 0;        // 2 = wait for a press before filling
  int16_t ColoringStyle = 0;         // 0..6
  int16_t ScanType = 1;              // 1..4
  int16_t ScanSpeed = 1;             // 1..20
  int16_t RandomTubes = 0;           // 1 random, 0 own colours
  int16_t RandomTubeCount = 2;       // 2..10
  int16_t PrintOption = 1;           // 1 show, 2 hide
  int16_t PointerType = 1;           // 1..3
  std::array<int16_t, 11> ColorEnabled{};             // [1..10], element 0 unused
  int16_t ActivePictureList = 1;                      // 1..15
  std::array<QString, 16> PictureListDescription{};   // [1..15], element 0 unused

  bool operator==(const SettingsData&) const = default;
};

// The one record of the process.
extern SettingsData SettingsRecord;

// The record a damaged or missing file falls back to, field by field.
SettingsData DefaultSettings();

}  // namespace settings
