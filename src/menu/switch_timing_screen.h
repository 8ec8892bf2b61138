#pragma once
// "Switch Timing": the switch options of brushwell.ini, one slider each,
// with its value in seconds (or times, cycles) and what it helps with; and
// the user's own choices (the next picture, the part to colour) and the
// hold ring, one check box each.
// Opened from "Keyboard / Switch Information"; "Back" stores the options,
// writes brushwell.ini and puts them to use.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace menu {

class SwitchTimingScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit SwitchTimingScreen(QWidget* parent);

  // The sliders from settings::SwitchOptionsRecord.
  void LoadFromOptions();
  // The sliders into settings::SwitchOptionsRecord, written to
  // brushwell.ini and put to use. Returns whether the file was written.
  bool StoreOptions();

  QPushButton* timing_back = nullptr;
  QSlider* acceptance_slider = nullptr;     // 0..3000 ms in steps of 50
  QSlider* release_slider = nullptr;        // 0..3000 ms in steps of 50
  QSlider* first_tube_slider = nullptr;     // tenths: 10..50
  QSlider* scan_cycles_slider = nullptr;    // 0..20
  QSlider* dwell_slider = nullptr;          // 0..5000 ms in steps of 100
  QSlider* pointer_scale_slider = nullptr;  // 1..3
  QCheckBox* choose_picture_check = nullptr;  // [session] ChoosePicture
  QCheckBox* choose_section_check = nullptr;  // [session] ChooseSection
  QCheckBox* hold_ring_check = nullptr;       // [switch] HoldRing
};

}  // namespace menu
