// The speed calibration: the carer picks the animation delay by eye with a
// slider and a test animation, and "Main Menu" stores and saves it.
//
// Escape while the calibration waits leaves it without storing anything:
// the delay stays as it was (an uncalibrated program therefore opens the
// calibration again at the next Start). Only "Main Menu" stores the slider.

#include <algorithm>
#include <cmath>

#include "input/poll.h"
#include "media/killtime.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace pictures {

namespace {
constexpr int TestDistance = 200;  // pixels right, then back
}  // namespace

void Mainform::calibrate_time() {
  init_pictureboxes();
  platform::DoEvents();

  const double delay = settings::SettingsRecord.AnimationDelay;
  int start = 1;
  if (delay > 0) start = static_cast<int>(std::clamp(std::nearbyint(delay), 1.0, 700000.0));
  Slider1->setValue(start);

  Slider_label_1->hide();
  slider1_label_fast->hide();
  slider1_label_slow->hide();
  PB1->SetBorder(platform::PictureBox::Border::None);
  PB1->hide();
  const QString object = settings::SettingsRecord.MediaFolder + QStringLiteral("aobj_tube_calibrate.jpg");
  QString problem;
  if (!PB1->LoadPicture(object, &problem)) {
    platform::message(QStringLiteral("The picture %1 cannot be shown (%2).\n"
                                     "The speed test moves a plain yellow bar instead.")
                          .arg(object, problem),
                      platform::MessageIcon::Exclamation);
    QImage bar(150, 44, QImage::Format_RGB32);
    bar.fill(QColor(255, 255, 0));
    PB1->SetPicture(bar);
  }

  const int W = ScreenWidthPx;
  const int H = ScreenHeightPx;
  const int sliderLeft = (W - Slider1->width()) / 2;
  const int sliderTop = (H - Slider1->height()) / 2;
  Slider1->move(sliderLeft, sliderTop);
  Test->move(sliderLeft + 100, sliderTop + 100);
  done_calib->move(sliderLeft + 300, Test->y());
  PB1->move(sliderLeft, sliderTop - 150);
  Slider_label_1->move((W - Slider_label_1->width()) / 2, sliderTop - Slider_label_1->height() - 10);
  slider1_label_fast->move(sliderLeft + 10, sliderTop + Slider1->height() + 10);
  slider1_label_slow->move(sliderLeft + Slider1->width() - slider1_label_slow->width() - 10,
                           sliderTop + Slider1->height() + 10);

  for (QWidget* control : std::initializer_list<QWidget*>{PB1, Slider1, Test, done_calib, Slider_label_1,
                                                          slider1_label_fast, slider1_label_slow}) {
    control->show();
  }
  // Not asked for by the carer: "Start" found the speed uncalibrated.
  calib_reason->move((W - calib_reason->width()) / 2, done_calib->y() + done_calib->height() + 40);
  calib_reason->setVisible(CalibrationRequested == 0);
  platform::DoEvents();
  Refresh();

  CalibrationFinished = 0;
  calibrating_ = true;
  while (CalibrationFinished == 0) {
    platform::DoEvents();
    // Escape (or the window being discarded) ends the wait without storing.
    if (CalibrationFinished == 0 && (ExitRequested == 1 || unloadRequested_)) CancelCalibration();
    // Waiting for a click: nothing changes until a window event comes.
    if (CalibrationFinished == 0) input::WaitForInput(platform::NoDeadline);
  }
  calibrating_ = false;
}

void Mainform::RunSpeedTest() {
  TestDelay = Slider1->value();
  // No window events run during the test; each step is painted at once.
  for (int i = 0; i < TestDistance; ++i) {
    MoveNow(PB1, PB1->x() + 1, PB1->y());
    media::killtime(TestDelay);
  }
  for (int i = 0; i < TestDistance; ++i) {
    MoveNow(PB1, PB1->x() - 1, PB1->y());
    media::killtime(TestDelay);
  }
}

void Mainform::hideCalibrationControls() {
  for (QWidget* control : std::initializer_list<QWidget*>{Slider1, Test, done_calib, Slider_label_1, calib_reason,
                                                          slider1_label_fast, slider1_label_slow}) {
    control->hide();
  }
}

void Mainform::FinishCalibration() {
  CalibrationFinished = 1;
  settings::SettingsRecord.AnimationDelay = Slider1->value();
  hideCalibrationControls();
  settings::SaveSettings();
  PB1->SetBorder(platform::PictureBox::Border::None);
}

void Mainform::CancelCalibration() {
  CalibrationFinished = 1;
  hideCalibrationControls();
  PB1->SetBorder(platform::PictureBox::Border::None);
}

}  // namespace pictures
