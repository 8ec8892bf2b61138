// The set-up of a picture: the tube roster, names, images, the layout of
// picture, easel and tubes, the section seeds and the background song.

#include <QCoreApplication>
#include <QFileInfo>

#include "input/input_flags.h"
#include "media/sound.h"
#include "pictures/mainform.h"
#include "pictures/pointer_placement.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "session/picture_run.h"
#include "session/session_random.h"
#include "session/session_state.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace session {

namespace {

using pictures::ColorName;
using pictures::ColorPickList;
using pictures::ScreenHeightPx;
using pictures::ScreenWidthPx;

constexpr int TubeGap = 110;  // between the picture and the tube column

// A random order of all ten colours, each place drawn after seeding the
// generator from the clock again; a colour already placed is drawn again.
void ShuffleColours() {
  int filled = 0;
  while (filled < 10) {
    Randomize(platform::host().secondsOfDay());
    const auto r = static_cast<int16_t>(static_cast<int>(10 * Rnd()) + 1);
    bool placed = false;
    for (int k = 1; k <= filled; ++k) placed = placed || ColorPickList[k] == r;
    if (!placed) ColorPickList[++filled] = r;
  }
}

// Loads one of the program's own images. A missing or damaged image is
// named to the carer and ends the session.
bool LoadOwnImage(PictureRun& run, platform::PictureBox* box, const QString& file) {
  QString problem;
  if (box->LoadPicture(file, &problem)) return true;
  platform::message(QCoreApplication::translate("Setup", "The image file %1 of the program folder cannot be shown: %2.\n"
                                   "Colouring needs it, so the main menu is shown again.\n"
                                   "Putting the program folder's files back in place mends this.")
                        .arg(file, problem),
                    platform::MessageIcon::Exclamation);
  run.w.ExitRequested = 1;
  return false;
}

bool RefuseRoster(PictureRun& run) {
  platform::message(QCoreApplication::translate("Setup", "The settings offer %n paint colour(s), but colouring needs at least 2.\n"
                                   "Choose the colours on the Coloring Options screen and start again.",
                                                    nullptr, run.TubeCount),
                    platform::MessageIcon::Exclamation);
  run.w.ExitRequested = 1;
  return false;
}

void ShowPrintButton(pictures::Mainform& w) {
  QPushButton* b = w.but_print;
  b->move(RoundHalfEven((ScreenWidthPx - b->width()) / 2.0), ScreenHeightPx - b->height() - 10);
  b->show();
  b->setEnabled(true);
}

}  // namespace

bool SetUpPicture(PictureRun& run) {
  pictures::Mainform& w = run.w;
  const settings::SettingsData& s = settings::SettingsRecord;

  run.StartedAt = platform::host().monotonicSeconds();
  w.ShowExitLink();

  // The roster.
  run.TubeCount = 0;
  for (int c = 1; c <= 10; ++c) {
    if (s.ColorEnabled[c] == 1) ++run.TubeCount;
  }
  if (s.RandomTubes == 1) {
    run.TubeCount = s.RandomTubeCount;
    ShuffleColours();
  }
  if (run.TubeCount < 2 || run.TubeCount > 10) return RefuseRoster(run);
  const bool smallTubes = run.TubeCount >= 8;
  run.StripeOffset.fill(smallTubes ? 11 : 17);
  for (int i = 1; i <= 10; ++i) {
    const int colour = ColorPickList[i];
    run.VoiceName[i] = QStringLiteral("aobj_voice_") + (colour >= 1 && colour <= 10 ? ColorName[colour] : QString());
  }
  for (int i = 1; i <= 9; ++i) run.ComplimentName[i] = QStringLiteral("goodjob%1").arg(i);
  run.ComplimentCount = 9;

  // No ring from the picture before (a hold's flash, a skip mid-hold).
  w.ShowDwellRing(0, 0);
  // The print button.
  PictureFinished = 0;
  w.but_print->hide();
  if (s.PrintOption == 1) ShowPrintButton(w);

  w.Refresh();
  w.init_pictureboxes();
  w.pb_target->hide();
  // A stripe left on the screen by a skipped picture goes now.
  w.pb3->hide();

  // Pointer and tube images.
  static const char* const pointerFiles[][2] = {
      {"aobj_pb.bmp", "aobj_pbm.bmp"}, {"aobj_pb2.bmp", "aobj_pbm2.bmp"}, {"aobj_pb3.bmp", "aobj_pbm3.bmp"}};
  const int pointer = s.PointerType >= 1 && s.PointerType <= 3 ? s.PointerType : 1;
  if (!LoadOwnImage(run, w.pbwork1, QString::fromLatin1(pointerFiles[pointer - 1][0])) ||
      !LoadOwnImage(run, w.pbwork2, QString::fromLatin1(pointerFiles[pointer - 1][1])))
    return false;
  // A larger pointer for users with low vision: every pixel of image and
  // mask becomes a square, so the mask stays black and white.
  const int scale = settings::SwitchOptionsRecord.PointerScale;
  run.PointerScale = scale > 1 && scale <= 3 ? scale : 1;
  if (run.PointerScale > 1) {
    for (platform::PictureBox* box : {w.pbwork1, w.pbwork2})
      box->SetPicture(pictures::ScalePointerImage(box->image(), run.PointerScale));
  }
  for (int i = 1; i <= 10; ++i) w.pb_tube[i]->hide();
  for (int i = 1; i <= run.TubeCount; ++i) {
    const int colour = ColorPickList[i];
    if (colour < 1 || colour > 10) return RefuseRoster(run);
    const QString file = (smallTubes ? QStringLiteral("aobj_small_tube_") : QStringLiteral("aobj_tube_")) +
                         ColorName[colour] + QStringLiteral(".jpg");
    if (!LoadOwnImage(run, w.pb_tube[i], file)) return false;
  }

  // The picture.
  if (!QFileInfo::exists(pictures::PictureName)) {
    platform::message(QCoreApplication::translate("Setup", "The picture file %1\nwas not found.Click on the Picture List Button\n"
                                                           "to make sure the name was spelled correctly")
                          .arg(platform::NameForMessage(pictures::PictureName)));
    w.ExitRequested = 1;
    return false;
  }
  if (!w.LoadSessionPicture()) return false;

  // Layout: the picture left of centre, the easel under it, the tube column
  // 110 pixels to its right.
  platform::PictureBox* pb1 = w.PB1;
  pb1->move(RoundHalfEven((ScreenWidthPx - pb1->width() - w.pb_tube[1]->width() - TubeGap) / 2.0),
            RoundHalfEven((ScreenHeightPx - pb1->height()) / 2.0));
  pb1->show();
  pb1->Refresh();
  if (!LoadOwnImage(run, w.pb_easel_bot, QStringLiteral("aobj_easel_bot.jpg"))) return false;
  w.pb_easel_bot->move(pb1->x() + RoundHalfEven((pb1->width() - w.pb_easel_bot->width()) / 2.0),
                       pb1->y() + pb1->height());
  w.pb_easel_bot->show();
  w.Refresh();
  platform::DoEvents();
  w.pb_tube[1]->move(pb1->x() + pb1->width() + TubeGap, pb1->y());
  w.pb_tube[1]->Refresh();
  run.TubeSpacing = static_cast<int16_t>(RoundHalfEven(400.0 / run.TubeCount));
  for (int i = 2; i <= run.TubeCount; ++i) {
    w.pb_tube[i]->move(w.pb_tube[1]->x(), w.pb_tube[i - 1]->y() + run.TubeSpacing);
    w.pb_tube[i]->Refresh();
  }

  // The sections: from the section file, or found anew.
  switch (w.LookUpSections()) {
    case pictures::SectionLookUp::Known: break;
    case pictures::SectionLookUp::Refused:
    case pictures::SectionLookUp::Skipped: return false;
  }
  run.Shown = true;
  run.ShownAt = QDateTime::currentDateTime();

  pb1->Refresh();
  for (int i = 1; i <= run.TubeCount; ++i) {
    w.pb_tube[i]->show();
    w.pb_tube[i]->Refresh();
  }
  w.Refresh();

  // The background song; the next picture starts the next one, unless this
  // one is skipped already.
  settings::SettingsData& rec = settings::SettingsRecord;
  if (rec.CurrentSongIndex < 1 || rec.CurrentSongIndex > 6) rec.CurrentSongIndex = 1;
  if (rec.SoundOption == 2) media::play_wave(pictures::SongName[rec.CurrentSongIndex], QStringLiteral("LOOP"));
  if (input::SkipPicturePressed == 1) return false;
  rec.CurrentSongIndex = static_cast<int16_t>(rec.CurrentSongIndex + 1 > 6 ? 1 : rec.CurrentSongIndex + 1);

  // The picture's name above it.
  w.lab_pic_name->hide();
  w.lab_pic_name->SetCaption(pictures::PictureName);
  w.lab_pic_name->move(pb1->x(), pb1->y() - w.lab_pic_name->height());
  w.lab_pic_name->show();
  return true;
}

}  // namespace session
