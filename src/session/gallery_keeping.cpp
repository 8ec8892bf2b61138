// Keeping each picture in the user's gallery, and taking up a picture that
// was left unfinished with the colours it had.

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <optional>

#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/raster.h"
#include "records/gallery_index.h"
#include "records/gallery_picture.h"
#include "session/picture_run.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"
#include "users/active_user.h"

namespace session {

namespace {

struct TakeUp {
  QString path;
  records::GalleryFields fields;
};
// The unfinished picture the session was started with, until its set-up.
std::optional<TakeUp> pending;

QString GalleryFolder() { return users::ActiveFolder() + records::GalleryFolderName + QLatin1Char('/'); }

}  // namespace

void ChooseUnfinishedToTakeUp(int listNumber, const QStringList& names, int16_t& pictureIndex) {
  pending.reset();
  if (settings::SessionOptionsRecord.Resume != 1) return;
  const QString newest = records::NewestGalleryFile(GalleryFolder());
  if (newest.isEmpty()) return;
  const auto fields = records::ReadGalleryFields(newest);
  if (!fields || fields->finished || fields->list != listNumber) return;
  const qsizetype at = names.indexOf(fields->picture);
  if (at < 0) return;
  pictureIndex = static_cast<int16_t>(at + 1);
  pending = TakeUp{newest, *fields};
}

void TakeUpUnfinished(PictureRun& run) {
  if (!pending) return;
  const TakeUp taken = *pending;
  pending.reset();
  const int last = static_cast<int>(run.SectionColour.size()) - 1;
  // Only the very picture, with the same sections, gets its colours back.
  if (taken.fields.picture != pictures::PictureName || taken.fields.sections != pictures::SectionCount ||
      static_cast<int>(taken.fields.colours.size()) != last)
    return;
  pictures::Mainform& w = run.w;
  const platform::BrushStyle style = platform::BrushStyleForColoringStyle(taken.fields.fillStyle);
  for (int sec = 1; sec <= last; ++sec) {
    const int colour = taken.fields.colours[sec - 1];
    if (colour < 1 || colour > 10) continue;
    const auto& rgb = pictures::ColorRGB[colour];
    const QRgb painted = platform::FadeColours(qRgb(rgb[1], rgb[2], rgb[3])).back();
    platform::FloodFill(w.PB1->image(), pictures::SectionSeedX[sec], pictures::SectionSeedY[sec], qRgb(0, 0, 0),
                        platform::Brush{painted, style});
    run.SectionColour[sec] = static_cast<int16_t>(colour);
    if (run.ChoosingSections) run.Coloured.push_back(static_cast<int16_t>(sec));
  }
  SetPictureFillStyle(w, style);
  w.PB1->Refresh();
  run.EarlierMinutes = taken.fields.minutes;
  run.ResumedFrom = taken.path;
}

void KeepInGallery(PictureRun& run) {
  records::GalleryFields fields;
  fields.colours.assign(run.SectionColour.size() > 1 ? run.SectionColour.begin() + 1 : run.SectionColour.end(),
                        run.SectionColour.end());
  const int coloured = fields.Coloured();
  if (coloured == 0) return;  // nothing of it was coloured: nothing to keep
  pictures::Mainform& w = run.w;
  fields.user = users::ActiveUserName();
  fields.picture = pictures::PictureName;
  fields.list = settings::SettingsRecord.ActivePictureList;
  fields.date = QDateTime::currentDateTime();
  fields.minutes = run.EarlierMinutes + (platform::host().monotonicSeconds() - run.StartedAt) / 60.0;
  fields.sections = pictures::SectionCount;
  fields.finished = coloured == static_cast<int>(fields.colours.size());
  fields.fillStyle = settings::SettingsRecord.ColoringStyle;
  // The picture as coloured, without the pointer.
  w.TakePointerOff();
  const QString why = records::SaveGalleryPicture(GalleryFolder(), w.PB1->image(), fields);
  if (why.isEmpty()) {
    // The new picture holds everything the one it was taken up from had.
    if (!run.ResumedFrom.isEmpty()) QFile::remove(run.ResumedFrom);
    return;
  }
  static bool told = false;  // once a run: the next pictures would only repeat it
  if (told) return;
  told = true;
  platform::message(QCoreApplication::translate("GalleryKeeping",
                                                "The picture %1 could not be kept in the gallery folder %2: %3.\n"
                                                "Colouring goes on; pictures are not kept until this is mended "
                                                "(room on the disk, a folder that can be written).")
                        .arg(pictures::PictureName, GalleryFolder(), why),
                    platform::MessageIcon::Exclamation);
}

}  // namespace session
