// The colouring session of one activation of the colouring window: the
// pictures of the active list, one after another from CurrentPictureIndex,
// with a switch press between them, until the user leaves.

#include <QCoreApplication>
#include <QSet>
#include <vector>

#include "input/input_flags.h"
#include "input/poll.h"
#include "platform/input_wait.h"
#include "media/sound.h"
#include "pictures/mainform.h"
#include "pictures/picture_list.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "session/color_picture.h"
#include "session/picture_run.h"
#include "session/picture_choice.h"
#include "session/picture_run.h"
#include "session/session_driver.h"
#include "session/session_state.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace session {

using pictures::MaxPictures;
using pictures::PictureList;

namespace {

// Lists longer than the program can hold, told to the carer once per run.
void TellListTooLong(int listNumber, const PictureList& list) {
  static QSet<int> told;
  if (told.contains(listNumber)) return;
  told.insert(listNumber);
  platform::message(QCoreApplication::translate("SessionDriver", "Picture List number %1 names %2 pictures; only the first %3 are used.")
                        .arg(listNumber)
                        .arg(list.namesFound)
                        .arg(MaxPictures),
                    platform::MessageIcon::Exclamation);
}

}  // namespace

void RunColoringSession(pictures::Mainform& w) {
  settings::SettingsData& s = settings::SettingsRecord;
  BeginProgressSession();
  const int listNumber = s.ActivePictureList;
  const PictureList list = pictures::ReadPictureList(listNumber, MaxPictures);
  if (!list.unreadable.isEmpty()) {
    platform::message(QCoreApplication::translate("SessionDriver", "Picture List number %1 cannot be read: %2.\n"
                                     "Please check the file, or choose another list on the Picture List screen.")
                          .arg(listNumber)
                          .arg(list.unreadable),
                      platform::MessageIcon::Exclamation);
    w.HandBack();
    return;
  }
  if (list.truncated()) TellListTooLong(listNumber, list);
  const auto pictureCount = static_cast<int16_t>(list.names.size());
  if (pictureCount == 0) {
    platform::message(QCoreApplication::translate("SessionDriver", "Picture List number %1 is empty").arg(listNumber));
    w.HandBack();
    return;
  }
  if (s.CurrentPictureIndex > pictureCount || s.CurrentPictureIndex < 1) s.CurrentPictureIndex = 1;
  ChooseUnfinishedToTakeUp(listNumber, list.names, s.CurrentPictureIndex);

  // The pictures finished in this session, for the user's own choice.
  std::vector<bool> finished(list.names.size(), false);
  for (;;) {
    w.FillBlack();
    pictures::PictureName = list.names[s.CurrentPictureIndex - 1];
    ColorPicture(w);
    if (PictureFinished == 1) finished[s.CurrentPictureIndex - 1] = true;
    // The position moves on even when the picture was left unfinished.
    s.CurrentPictureIndex = static_cast<int16_t>(s.CurrentPictureIndex + 1);
    if (s.CurrentPictureIndex > pictureCount) s.CurrentPictureIndex = 1;
    platform::DoEvents();
    if (w.UnloadRequested()) w.ExitRequested = 1;
    if (w.ExitRequested == 1) break;
    if (input::SkipPicturePressed == 1) {
      input::SkipPicturePressed = 0;
      continue;
    }
    if (settings::SessionOptionsRecord.ChoosePicture == 1) {
      // The user chooses the next picture instead of pressing for it.
      w.ExitRequested = 0;
      const int chosen = ChooseNextPicture(w, list, finished);
      if (chosen == 0 || w.ExitRequested == 1) break;
      s.CurrentPictureIndex = static_cast<int16_t>(chosen);
      continue;
    }
    // The finished picture stays until the switch is pressed.
    w.ExitRequested = 0;
    input::SwitchPressed = 0;
    input::PassWait wait;
    while (input::SwitchPressed == 0) {
      input::ClearAndPollInputs(w.ExitRequested, wait.Before(platform::NoDeadline));
      platform::DoEvents();
      if (w.UnloadRequested()) w.ExitRequested = 1;
      if (w.ExitRequested == 1) break;
    }
    if (w.ExitRequested == 1) break;
  }

  w.ExitRequested = 0;
  media::play_wave(QStringLiteral("stop"), QStringLiteral("DONT_LOOP"));
  // The Escape key hands back by itself; the main menu is shown only once.
  if (!w.UnloadRequested() && w.isVisible()) w.HandBack();
}

}  // namespace session
