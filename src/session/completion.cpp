// The end of a picture: the picture glides to the centre, is framed, the
// music stops and a compliment may be spoken.

#include <cmath>

#include "media/sound.h"
#include "session/statistics.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "session/picture_run.h"
#include "session/session_random.h"
#include "session/session_state.h"
#include "settings/settings_record.h"

namespace session {

namespace {
constexpr int FrameWidth = 70;
constexpr double FrameBaseRange = 3 * 60;  // base colours 0..180
}  // namespace

bool FinishPicture(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const settings::SettingsData& s = settings::SettingsRecord;

  w.lab_pic_name->hide();
  w.pb_target->hide();
  w.pb_easel_bot->hide();
  for (int i = 1; i <= 10; ++i) w.pb_tube[i]->hide();
  w.pb3->hide();
  w.Refresh();

  // To the centre, one pixel per step.
  platform::PictureBox* pb1 = w.PB1;
  const float target = static_cast<float>(pictures::ScreenWidthPx - pb1->width()) / 2.0f;
  while (target > static_cast<float>(pb1->x())) {
    w.MoveNow(pb1, pb1->x() + 1, pb1->y());
    if (!FinishStep(w, s.AnimationDelay)) return false;
  }
  CountUp(session::PicturesCompleted);

  // A frame 70 pixels wide that lightens outwards from random base colours.
  Randomize(std::floor(platform::host().secondsOfDay()));
  const int r0 = RoundHalfEven(Rnd() * FrameBaseRange);
  const int g0 = RoundHalfEven(Rnd() * FrameBaseRange);
  const int b0 = RoundHalfEven(Rnd() * FrameBaseRange);
  const QRect picture = pb1->geometry();
  for (int i = 1; i <= FrameWidth; ++i) {
    const QRect ring(QPoint(picture.x() - i, picture.y() - i),
                     QPoint(picture.x() + picture.width() + i, picture.y() + picture.height() + i));
    w.DrawRectangleOutline(ring, QColor(r0 + i, g0 + i, b0 + i));
    w.Refresh();
  }

  media::play_wave_wait(QStringLiteral("stop"));
  if (s.FeedbackOption == 1) {
    GoodJobIndex = static_cast<int16_t>(GoodJobIndex + 1);
    if (GoodJobIndex > run.ComplimentCount || GoodJobIndex < 1) GoodJobIndex = 1;
    media::play_wave_wait(run.ComplimentName[GoodJobIndex]);
  }
  PictureFinished = 1;
  if (s.PrintOption == 1) {
    QPushButton* b = w.but_print;
    b->move(RoundHalfEven((pictures::ScreenWidthPx - b->width()) / 2.0), pictures::ScreenHeightPx - b->height() - 10);
    b->show();
    b->setEnabled(true);
  }
  return true;
}

}  // namespace session
