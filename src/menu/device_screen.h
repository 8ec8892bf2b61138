#pragma once
// "Keyboard / Switch Information": what each key and switch does in each
// scanning method, and where the user's switch is connected.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

namespace menu {

class DeviceScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit DeviceScreen(QWidget* parent);

  // Stores `device` as InputDevice and checks its option alone (a number
  // outside 1..6 is stored and checks none).
  void SelectInputDevice(int16_t device);
  // Writes beside each port option what is connected to it now.
  void RefreshDeviceDescriptions();

  QPushButton* device_button_done = nullptr;
  QRadioButton* Option1 = nullptr;
  QRadioButton* Option2 = nullptr;
  QRadioButton* Option3 = nullptr;
  QRadioButton* Option4 = nullptr;
  QRadioButton* Option5 = nullptr;
  QRadioButton* Option6 = nullptr;
  std::array<QRadioButton*, 7> device_option{};        // [1..6], the same buttons
  std::array<QLabel*, 6> device_description{};         // [1..5]
  QButtonGroup* device_group = nullptr;
  QWidget* key_table = nullptr;
  // The screens for the switch options of brushwell.ini.
  QPushButton* but_switch_timing = nullptr;   // "Switch Timing"
  QPushButton* but_test_switches = nullptr;   // "Test Switches"
};

}  // namespace menu
