#pragma once
// "Scanning Options": how the paint tubes are offered (timed, step scanning
// with one or two switches, no scanning) and the two waiting times.

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>

namespace menu {

class ScanScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit ScanScreen(QWidget* parent);

  // Writes ScanType, ScanSpeed and ScanSeconds from the controls.
  void StoreSettings();

  std::array<QRadioButton*, 5> rad_scan_type{};  // [1..4]
  QButtonGroup* scan_type_group = nullptr;
  QSlider* Seconds_Slider = nullptr;
  QSlider* scan_slider = nullptr;
  QPushButton* but_scan_frame_done = nullptr;
};

// A horizontal slider of whole values with a tick at every value.
QSlider* wholeValueSlider(int minimum, int maximum, const QString& name, QWidget* parent);

}  // namespace menu
