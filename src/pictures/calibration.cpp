// The speed calibration: the carer picks the animation delay by eye with a
// slider and a test animation, and "Main Menu" stores and saves it.
//
// Escape while the calibration waits leaves it without storing anything:
// the delay stays as it was (an uncalibrated program therefore opens the
// calibration again at the next Start). Only "Main Menu" stores the slider.

#include <QCoreApplication>
#include <algorithm>
#include <array>
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

// One trip, 400 one-pixel steps at the slider's delay, is how every animation
// of a session moves. Near the left end of the slider the delay costs next to
// nothing and a trip is over in a few hundredths of a second, one or two
// frames of the display: the object seems not to move at all. So the trip is
// repeated until the test has lasted MinimumTestSeconds; each trip keeps the
// session's pace, only the showing is longer. A trip that takes that long by
// itself runs once, as before.
constexpr double MinimumTestSeconds = 1.5;
constexpr int MaximumTrips = 50;

// The calibration's controls that take the keyboard, in Tab order.
std::array<QWidget*, 3> keyboardControls(Mainform& w) { return {w.Slider1, w.Test, w.done_calib}; }
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
    platform::message(QCoreApplication::translate("Calibration", "The picture %1 cannot be shown (%2).\n"
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
  // Each button centred where its 100 pixels stand (wider in some languages).
  Test->move(sliderLeft + 150 - Test->width() / 2, sliderTop + 100);
  done_calib->move(sliderLeft + 350 - done_calib->width() / 2, Test->y());
  PB1->move(sliderLeft, sliderTop - 150);
  if (Slider_label_1->width() > W - 40) {  // a longer translation: lines as wide as the reason below
    const int width = qMin(calib_reason->width(), W - 40);
    Slider_label_1->setWordWrap(true);
    Slider_label_1->setAlignment(Qt::AlignCenter);
    Slider_label_1->setFixedSize(width, Slider_label_1->heightForWidth(width));
  }
  Slider_label_1->move((W - Slider_label_1->width()) / 2, sliderTop - Slider_label_1->height() - 10);
  slider1_label_fast->move(sliderLeft + 10, sliderTop + Slider1->height() + 10);
  slider1_label_slow->move(sliderLeft + Slider1->width() - slider1_label_slow->width() - 10,
                           sliderTop + Slider1->height() + 10);
  showSliderValue();

  for (QWidget* control : std::initializer_list<QWidget*>{PB1, Slider1, Test, done_calib, Slider_label_1,
                                                          slider1_label_fast, slider1_label_slow, slider1_value}) {
    control->show();
  }
  for (QWidget* control : keyboardControls(*this)) control->setFocusPolicy(Qt::StrongFocus);
  Slider1->setFocus(Qt::OtherFocusReason);
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

int Mainform::RunSpeedTest() {
  TestDelay = Slider1->value();
  const double start = platform::host().monotonicSeconds();
  int trips = 0;
  // No window events run during the test; each step is painted at once.
  do {
    for (int i = 0; i < TestDistance; ++i) {
      MoveNow(PB1, PB1->x() + 1, PB1->y());
      media::killtime(TestDelay);
    }
    for (int i = 0; i < TestDistance; ++i) {
      MoveNow(PB1, PB1->x() - 1, PB1->y());
      media::killtime(TestDelay);
    }
    ++trips;
  } while (trips < MaximumTrips && platform::host().monotonicSeconds() - start < MinimumTestSeconds);
  return trips;
}

void Mainform::showSliderValue() {
  slider1_value->SetCaption(QCoreApplication::translate("Calibration", "Setting: %1").arg(Slider1->value()));
  slider1_value->move(Slider1->x() + (Slider1->width() - slider1_value->width()) / 2,
                      Slider1->y() + Slider1->height() + 10);
}

bool Mainform::focusNextPrevChild(bool next) {
  if (!calibrating_) return QWidget::focusNextPrevChild(next);
  const std::array<QWidget*, 3> order = keyboardControls(*this);
  const auto at = std::find(order.begin(), order.end(), focusWidget());
  const int count = static_cast<int>(order.size());
  int to = next ? 0 : count - 1;
  if (at != order.end()) to = (static_cast<int>(at - order.begin()) + (next ? 1 : count - 1)) % count;
  order[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void Mainform::hideCalibrationControls() {
  // Outside the calibration no control takes the keys: the space bar is the switch.
  const bool hadFocus = isAncestorOf(focusWidget());
  for (QWidget* control : keyboardControls(*this)) control->setFocusPolicy(Qt::NoFocus);
  for (QWidget* control : std::initializer_list<QWidget*>{Slider1, Test, done_calib, Slider_label_1, calib_reason,
                                                          slider1_label_fast, slider1_label_slow, slider1_value}) {
    control->hide();
  }
  if (hadFocus) setFocus(Qt::OtherFocusReason);
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
