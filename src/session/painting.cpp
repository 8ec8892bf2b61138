// Painting one section with the chosen tube: the paint stripe runs from the
// tube's nozzle to the section's seed, shrinks into it, and the section
// fades from white to the colour; then the tube goes home.

#include <algorithm>

#include "input/input_flags.h"
#include "input/poll.h"
#include "media/killtime.h"
#include "media/sound.h"
#include "session/statistics.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "platform/raster.h"
#include "session/picture_run.h"
#include "session/session_state.h"
#include "settings/settings_record.h"

namespace session {

namespace {

using pictures::CurrentSection;
using pictures::SectionSeedX;
using pictures::SectionSeedY;

constexpr int StripeRows = 10;
constexpr int PauseSteps = 20;
// One display frame at 60 Hz: the shortest time one pass of the fade shows.
constexpr double FadePassSeconds = 0.016;

// The stripe: the paint colour at the top, darker by `shade` per row.
void BuildStripe(platform::PictureBox* stripe, QRgb colour, int width, int height, int shade) {
  stripe->SetSurfaceSize(width, height);
  QImage& surface = stripe->image();
  for (int y = 0; y < StripeRows; ++y) {
    const int d = shade * y;
    const QRgb row = qRgb(std::max(0, qRed(colour) - d), std::max(0, qGreen(colour) - d),
                          std::max(0, qBlue(colour) - d));
    platform::DrawLine(surface, 0, y, width, y, row);
  }
  stripe->Refresh();
}

// Moves the stripe one pixel up or down towards `targetTop`, if it is not there.
int StepTowards(int top, double targetTop) {
  if (targetTop > top) ++top;
  if (targetTop < top) --top;
  return top;
}

// The wait for a press before the paint goes in, with spoken reminders.
bool WaitForSwitch(pictures::Mainform& w) {
  const settings::SettingsData& s = settings::SettingsRecord;
  double start = platform::host().monotonicSeconds();
  input::SwitchPressed = 0;
  if (s.SwitchWaitMode != 2) return true;
  input::PassWait wait;
  while (input::SwitchPressed == 0) {
    // The next reminder is due just after PressReminderSeconds.
    const double reminder = s.SoundOption == 1 ? start + s.PressReminderSeconds : platform::NoDeadline;
    input::ClearAndPollInputs(w.ExitRequested, wait.Before(reminder));
    platform::DoEvents();
    if (LeaveWanted(w)) return false;
    const double now = platform::host().monotonicSeconds();
    if (s.SoundOption == 1 && now - start > s.PressReminderSeconds) {
      media::play_wave(QStringLiteral("aobj_prs"), QStringLiteral("DONT_LOOP"));
      start = now;
    }
  }
  return true;
}

}  // namespace

bool PaintSection(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const settings::SettingsData& s = settings::SettingsRecord;
  const double delay = s.AnimationDelay;
  const int sec = CurrentSection;
  const int t = run.ScanTube;
  platform::PictureBox* tube = w.pb_tube[t];
  platform::PictureBox* stripe = w.pb3;

  if (s.PrintOption == 1) w.but_print->setEnabled(false);
  SelectedTube = static_cast<int16_t>(t);
  const int colourNumber = pictures::ColorPickList[SelectedTube];
  const auto& rgb = pictures::ColorRGB[std::clamp(colourNumber, 0, 10)];
  const QRgb colour = qRgb(rgb[1], rgb[2], rgb[3]);

  // The stripe at the tube's nozzle.
  const bool small = run.TubeCount >= 8;
  BuildStripe(stripe, colour, small ? 45 : 50, small ? 7 : 10, small ? 20 : 15);
  stripe->move(tube->x(), tube->y() + run.StripeOffset[t]);
  stripe->show();
  w.Refresh();
  if (s.SoundOption == 1) {
    media::play_wave_wait(QStringLiteral("aobjsqrt"));
    media::play_wave(QStringLiteral("aobjflow"), QStringLiteral("LOOP"));
  }

  // The run to the seed: out of the tube horizontally, then one pixel left
  // and one up or down per step until the height is right.
  const double targetLeft = w.PB1->x() + SectionSeedX[sec] - stripe->width() / 2.0;
  const double targetTop = w.PB1->y() + SectionSeedY[sec] - stripe->height() / 2.0;
  while (targetLeft < stripe->x()) {
    const int left = stripe->x() - 1;
    int top = stripe->y();
    if (left + stripe->width() < tube->x()) top = StepTowards(top, targetTop);
    w.MoveNow(stripe, left, top);
    if (!FinishStep(w, 2 * delay)) return false;
  }
  tube->SetBorder(platform::PictureBox::Border::None);
  tube->Refresh();
  w.Refresh();
  w.pb_target->Refresh();

  // The rest of the height.
  while (targetTop > stripe->y()) {
    w.MoveNow(stripe, stripe->x(), stripe->y() + 1);
    if (!FinishStep(w, 2 * delay)) return false;
  }
  while (targetTop < stripe->y()) {
    w.MoveNow(stripe, stripe->x(), stripe->y() - 1);
    if (!FinishStep(w, 2 * delay)) return false;
  }

  w.pb_target->hide();
  for (int i = 0; i < PauseSteps; ++i) media::killtime(delay);
  if (!WaitForSwitch(w)) return false;

  // The stripe shrinks into the section. It always completes.
  while (stripe->width() > 1) {
    const QRect before = stripe->geometry();
    stripe->setGeometry(before.x() + 1, before.y(), before.width() - 2, before.height());
    w.repaint(before);
    platform::DoEvents();
    media::killtime(2 * delay);
  }
  stripe->hide();
  w.Refresh();

  // The fade, from white to the colour, solid or hatched.
  const platform::BrushStyle style = platform::BrushStyleForColoringStyle(s.ColoringStyle);
  SetPictureFillStyle(w, style);
  QImage& picture = w.PB1->image();
  w.TakePointerOff();
  // Each pass stays on the screen for at least one display frame, so the
  // 50 passes show as a fade of about 0.8 s on any machine rather than as
  // a snap; meanwhile events run, and the processor rests until an event
  // comes or the pass's time is up.
  for (const QRgb fade : platform::FadeColours(colour)) {
    const double passStart = platform::host().monotonicSeconds();
    platform::DoEvents();
    w.PB1->Refresh();
    platform::FloodFill(picture, SectionSeedX[sec], SectionSeedY[sec], qRgb(0, 0, 0), platform::Brush{fade, style});
    w.PB1->Refresh();
    while (platform::host().monotonicSeconds() - passStart < FadePassSeconds) {
      input::WaitForInput(passStart + FadePassSeconds);
      platform::DoEvents();
    }
  }
  if (sec >= 0 && sec < static_cast<int>(run.SectionColour.size()))
    run.SectionColour[sec] = static_cast<int16_t>(std::clamp(colourNumber, 0, 10));
  if (s.SoundOption == 1) media::play_wave(QStringLiteral("aobj_pnt"), QStringLiteral("DONT_LOOP"));

  if (!SlideTubeHome(run, t)) return false;
  SelectedTube = static_cast<int16_t>(SelectedTube - 1);
  CountUp(session::SegmentsColored);
  if (s.PrintOption == 1) {
    w.but_print->show();
    w.but_print->setEnabled(true);
  }
  return true;
}

}  // namespace session
