// Picture validation on the colouring window and the section look-up: the
// section file is trusted while the picture is not newer than it; otherwise
// the picture is scanned and the file written anew.

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <algorithm>

#include "pictures/mainform.h"
#include "pictures/section_scan.h"
#include "pictures/session_tables.h"
#include "platform/host.h"

namespace pictures {

namespace {

// Pictures whose section file could not be written, told to the carer once.
QSet<QString>& unsavedSectionFiles() {
  static QSet<QString> names;
  return names;
}

void storeSeeds(const std::vector<Seed>& seeds, int found) {
  SectionCount = static_cast<int16_t>(std::clamp(found, 0, 32767));
  const int stored = std::min<int>(static_cast<int>(seeds.size()), MaxSections);
  for (int k = 1; k <= stored; ++k) {
    SectionSeedX[k] = static_cast<int16_t>(seeds[k - 1].x);
    SectionSeedY[k] = static_cast<int16_t>(seeds[k - 1].y);
  }
}

}  // namespace

bool Mainform::LoadSessionPicture() {
  pointerOn_ = false;  // a new picture has no pointer on it
  QString problem;
  if (PB1->LoadPicture(PictureName, &problem)) return true;
  platform::message(QCoreApplication::translate("Validation", "The picture file %1 cannot be shown:\n%2.\n"
                                   "Please check %1, or take it out of the picture list.")
                        .arg(platform::NameForMessage(PictureName), problem));
  ExitRequested = 1;
  HideExitLink();
  return false;
}

void Mainform::ValidatePicture() {
  // The label is on screen before the scan starts: the scan does not let
  // window events run.
  lab_pic_name->hide();
  lab_processing->move(PB1->x(), PB1->y() - lab_processing->height() - 10);
  lab_processing->show();
  lab_processing->repaint();
  Refresh();

  ValidationMessage.clear();
  const ScanResult result = ScanPicture(PB1->image(), PictureName);
  storeSeeds(result.seeds, result.sectionCount);
  if (!result.message.isEmpty()) {
    // Refused: the label stays until the window is hidden.
    ValidationMessage = result.message;
    return;
  }

  QString problem;
  if (!WriteSectionFile(SectionFileName(PictureName), result.seeds, &problem)) {
    // The picture is coloured all the same; it will be scanned again next time.
    if (!unsavedSectionFiles().contains(PictureName)) {
      unsavedSectionFiles().insert(PictureName);
      platform::message(QCoreApplication::translate("Validation", "The sections of %1 could not be saved in %2 (%3).\n"
                                       "The picture can be coloured, but it will be checked again "
                                       "each time it is shown.")
                            .arg(platform::NameForMessage(PictureName),
                                 platform::NameForMessage(SectionFileName(PictureName)), problem),
                        platform::MessageIcon::Exclamation);
    }
  }

  CurrentSection = 1;
  lab_processing->hide();
  PB1->Refresh();
  Refresh();
}

SectionLookUp Mainform::LookUpSections() {
  const QString sectionFile = SectionFileName(PictureName);
  // A picture of the wrong size is refused by the scan, whatever its
  // section file says.
  const bool rightSize = PB1->image().size() == QSize(400, 400);
  bool scan = !rightSize || !QFile::exists(sectionFile);
  if (!scan) {
    switch (CompareFileTimes(PictureName, sectionFile)) {
      case FileTimeOrder::Unreadable:
        platform::message(QCoreApplication::translate("Validation", "Can't open the file"), platform::MessageIcon::Exclamation);
        HideExitLink();
        return SectionLookUp::Skipped;
      case FileTimeOrder::Later:
        scan = true;
        break;
      case FileTimeOrder::Earlier:
      case FileTimeOrder::Equal: {
        const auto seeds = ReadSectionFile(sectionFile, PB1->image().width(), PB1->image().height());
        if (!seeds) {
          // A damaged section file is as good as none: scan and write it anew.
          scan = true;
          break;
        }
        storeSeeds(*seeds, static_cast<int>(seeds->size()));
        EraseMarkers(PB1->image(), *seeds);
        CurrentSection = 1;
        ValidationMessage.clear();
        break;
      }
    }
  }
  if (scan) {
    ValidatePicture();
    if (!ValidationMessage.isEmpty()) {
      platform::message(ValidationMessage);
      ExitRequested = 1;
      HideExitLink();
      return SectionLookUp::Refused;
    }
  }
  PB1->Refresh();
  return SectionLookUp::Known;
}

}  // namespace pictures
