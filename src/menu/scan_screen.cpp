#include "menu/scan_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "menu/screen_widgets.h"
#include "settings/settings_record.h"

namespace menu {

QSlider* wholeValueSlider(int minimum, int maximum, const QString& name, QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(minimum, maximum);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(1);
  slider->setAccessibleName(name);
  slider->setMinimumWidth(260);
  QObject::connect(slider, &QSlider::valueChanged, slider,
                   [slider](int value) { slider->setToolTip(QString::number(value)); });
  slider->setToolTip(QString::number(slider->value()));
  return slider;
}

namespace {

// The slider with its current value in seconds written beside it.
QWidget* sliderWithReadout(QSlider* slider, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(10);
  auto* readout = new QLabel(box);
  readout->setMinimumWidth(readout->fontMetrics().horizontalAdvance(QCoreApplication::translate("ScanScreen", "20 seconds")) + 8);
  auto show = [readout](int value) {
    readout->setText(value == 1 ? QCoreApplication::translate("ScanScreen", "1 second")
                                : QCoreApplication::translate("ScanScreen", "%n seconds", nullptr, value));
  };
  show(slider->value());
  QObject::connect(slider, &QSlider::valueChanged, readout, show);
  row->addWidget(slider, 1);
  row->addWidget(readout);
  return box;
}

}  // namespace

ScanScreen::ScanScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("ScanScreen", "Scanning Options"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(10);

  outer->addWidget(wrappedLabel(
      QCoreApplication::translate("ScanScreen", "The term \"Scan Position\"  is the position at which the paint tube has moved towards the picture "
                     "and waits.  This is the color that will be used to paint the part of the picture if chosen. The "
                     "\"Input Device\" option from the main menu will determine how the Swicth is configured."),
      this));

  scan_type_group = new QButtonGroup(this);
  rad_scan_type[1] = optionButton(QCoreApplication::translate("ScanScreen", "Timed Scanning"), this);
  rad_scan_type[2] = optionButton(QCoreApplication::translate("ScanScreen", "Step Scanning - 1 Switch"), this);
  rad_scan_type[3] = optionButton(QCoreApplication::translate("ScanScreen", "Step Scanning - 2 Switches"), this);
  rad_scan_type[4] =
      optionButton(QCoreApplication::translate("ScanScreen", "No Scanning - Left mouse click on the desired paint tube to select that color."), this);
  for (int i = 1; i <= 4; ++i) scan_type_group->addButton(rad_scan_type[i], i);

  // Before the record is applied the sliders stand at 10 and 1.
  Seconds_Slider = wholeValueSlider(1, 20, QCoreApplication::translate("ScanScreen", "Timed Scanning seconds"), this);
  Seconds_Slider->setValue(10);
  scan_slider = wholeValueSlider(1, 20, QCoreApplication::translate("ScanScreen", "Step Scanning - 1 Switch seconds"), this);
  scan_slider->setValue(1);

  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(24);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  auto indented = [this](const QString& text) {
    QLabel* label = wrappedLabel(text, this);
    label->setContentsMargins(28, 0, 0, 8);
    return label;
  };
  grid->addWidget(rad_scan_type[1], 0, 0);
  grid->addWidget(sliderWithReadout(Seconds_Slider, this), 0, 1);
  grid->addWidget(
      indented(QCoreApplication::translate("ScanScreen", "Set the slider bar to the number of seconds that the paint tube will wait in the \"Scan Position\" before the "
          "paint tube will move back in line and another paint tube will move to the \"Scan Position\".  If the switch "
          "is pressed while the paint tube is in the \"Scan Position\", the portion of the picture will be colored with "
          "the color of that paint tube.")),
      1, 0, 1, 2);
  grid->addWidget(rad_scan_type[2], 2, 0);
  grid->addWidget(sliderWithReadout(scan_slider, this), 2, 1);
  grid->addWidget(
      indented(QCoreApplication::translate("ScanScreen", "Pressing the switch will cause the next paint tube in line to move into the \"Scan Position\".  The number of "
          "seconds set in this option will determine the maximum seconds that the program will wait for a switch press "
          "in order to select another paint tube to go in the \"Scan Position\".  If the switch was not pressed during "
          "this time, the program will assume that the paint tube in the \"Scan Position\" is the color that the user "
          "wants to paint that portion of the picture.")),
      3, 0, 1, 2);
  grid->addWidget(rad_scan_type[3], 4, 0, 1, 2);
  grid->addWidget(
      indented(QCoreApplication::translate("ScanScreen", "The <space> key of left mouse click is used  to move a paint tube into the \"Scan Position\" and the <Enter> "
          "key (or any switch used to emulate the <Enter> key) is used to select that color for painting the portion of "
          "the picture.")),
      5, 0, 1, 2);
  grid->addWidget(rad_scan_type[4], 6, 0, 1, 2);
  outer->addLayout(grid);

  outer->addSpacing(8);
  but_scan_frame_done = mainMenuButton(this);
  outer->addWidget(but_scan_frame_done, 0, Qt::AlignHCenter);
  setFixedWidth(900);
}

void ScanScreen::StoreSettings() {
  auto& record = settings::SettingsRecord;
  for (int16_t i = 1; i <= 4; ++i)
    if (rad_scan_type[i]->isChecked()) record.ScanType = i;
  record.ScanSpeed = static_cast<int16_t>(scan_slider->value());
  record.ScanSeconds = static_cast<int16_t>(Seconds_Slider->value());
}

}  // namespace menu
