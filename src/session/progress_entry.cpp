// The progress record of each picture: what was coloured, how the presses
// went, how long choosing took. One row per picture shown, written when the
// picture ends.

#include <QCoreApplication>
#include <algorithm>

#include "input/input_flags.h"
#include "input/switch_inputs.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "records/progress_log.h"
#include "session/picture_run.h"
#include "session/session_state.h"
#include "settings/settings_record.h"
#include "users/active_user.h"

namespace session {

namespace {
QDateTime sessionStart;
bool told = false;  // the carer knows the file cannot be written now
}  // namespace

void BeginProgressSession() {
  sessionStart = QDateTime::currentDateTime();
}

int PressesCounted() {
  const input::PressFilter& f = input::Presses();
  return f.counts(0).counted + f.counts(1).counted;
}

int PressesIgnored() {
  const input::PressFilter& f = input::Presses();
  return f.counts(0).ignored + f.counts(1).ignored;
}

void RecordPictureProgress(const PictureRun& run) {
  if (!run.Shown) return;  // refused or missing: no picture was started
  const int sections = std::clamp<int>(pictures::SectionCount, 0, pictures::MaxSections);
  records::ProgressRow row;
  row.started = run.ShownAt;
  row.session = sessionStart.isValid() ? sessionStart : run.ShownAt;
  row.user = users::ActiveUserName();
  row.list = QString::number(settings::SettingsRecord.ActivePictureList);
  row.picture = pictures::PictureName;
  row.scanType = settings::SettingsRecord.ScanType;
  row.sections = sections;
  row.finished = PictureFinished == 1;
  row.coloured = row.finished ? sections
                 : run.ChoosingSections ? static_cast<int>(run.Coloured.size())
                                        : std::clamp(pictures::CurrentSection - 1, 0, sections);
  // The test screen may have set the counts back meanwhile; never below 0.
  row.pressesCounted = std::max(0, PressesCounted() - run.CountedBefore);
  row.pressesIgnored = std::max(0, PressesIgnored() - run.IgnoredBefore);
  row.medianChoiceMs = records::MedianMs(run.ChoiceMs);
  row.skipped = !row.finished && input::SkipPicturePressed == 1;
  row.cleared = run.Clears;

  const QString path = users::ActiveFolder() + records::ProgressFileName;
  const QString problem = records::AppendProgressRow(path, row);
  if (problem.isEmpty()) {
    told = false;  // a later failure is news again
    return;
  }
  if (told) return;
  told = true;
  platform::message(QCoreApplication::translate("ProgressRecords",
                                                "The progress record %1 could not be saved: %2.\n"
                                                "Colouring goes on; the record of this picture is kept and "
                                                "saved with the next one.")
                        .arg(path, problem),
                    platform::MessageIcon::Exclamation);
}

}  // namespace session
