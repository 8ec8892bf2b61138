// Choosing the next picture: the chooser shows the next pictures of the
// list, and the session's scanning method offers them one at a time. In
// timed scanning a press while a picture is highlighted takes it (each
// waits ScanSeconds); in step scanning a press moves on, and with one
// switch a picture left highlighted for more than ScanSpeed seconds is
// taken, with two the second switch takes it. Without scanning a click on a
// picture takes it, or resting the mouse pointer on it for DwellMs. With
// narration on, each highlighted picture's name is spoken where the program
// folder has a recording of it. Escape leaves; the skip key takes the next
// picture in the list's order.

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "input/input_flags.h"
#include "input/poll.h"
#include "media/sound.h"
#include "pictures/mainform.h"
#include "pictures/picture_chooser.h"
#include "pictures/picture_list.h"
#include "platform/host.h"
#include "platform/input_wait.h"
#include "platform/picture_box.h"
#include "session/picture_choice.h"
#include "session/picture_run.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace session {

namespace {

using input::SkipPicturePressed;
using input::SwitchPressed;

constexpr double NoDeadline = platform::NoDeadline;
constexpr double RingFrameSeconds = 1.0 / 60;

double Clock() { return platform::host().monotonicSeconds(); }

// The next pictures from CurrentPictureIndex on: those not finished yet
// and that can be shown (a user who can only choose must not be able to
// choose a missing picture), else any that can, else the list's order.
std::vector<int> Candidates(const pictures::PictureList& list, const std::vector<bool>& finished) {
  const int n = static_cast<int>(list.names.size());
  const int from = settings::SettingsRecord.CurrentPictureIndex;
  std::vector<int> picked;
  for (const int pass : {0, 1, 2}) {
    for (int k = 0; k < n && static_cast<int>(picked.size()) < pictures::PictureChooser::MaxOffered; ++k) {
      const int i = (from - 1 + k) % n + 1;
      if (pass == 0 && i - 1 < static_cast<int>(finished.size()) && finished[i - 1]) continue;
      if (pass < 2 && !platform::CheckPictureFile(list.names[i - 1])) continue;
      picked.push_back(i);
    }
    if (!picked.empty()) break;
  }
  return picked;
}

// The name of a picture, spoken with the narration when there is a recording.
void SayName(const QString& file) {
  if (settings::SettingsRecord.SoundOption != 1) return;
  const QString sound = QStringLiteral("aobj_name_") + QFileInfo(file).completeBaseName();
  if (QFile::exists(media::VoiceFile(sound)) || QFile::exists(sound + QStringLiteral(".wav")))
    media::play_wave(sound, QStringLiteral("DONT_LOOP"));
}

// No scanning: a click on a card, or resting on it for DwellMs, takes it.
int PickWithTheMouse(pictures::Mainform& w, pictures::PictureChooser& chooser, const QStringList& files) {
  const int dwellMs = settings::SwitchOptionsRecord.DwellMs;
  w.ExitRequested = 0;
  SkipPicturePressed = 0;
  chooser.TakeClickedCard();
  // A card the pointer is already on must be left and entered again
  // before resting on it takes it.
  int hovered = chooser.HoveredCard();
  bool armed = false;
  double since = 0;
  input::PassWait wait;
  for (;;) {
    const double until = wait.Before(dwellMs > 0 && armed && hovered >= 0
                                         ? std::min(since + dwellMs / 1000.0, Clock() + RingFrameSeconds)
                                         : NoDeadline);
    if (until != input::NoWait) input::WaitForInput(until);
    platform::DoEvents();
    if (ExitWanted(w)) return -1;
    if (SkipPicturePressed == 1) return 0;
    const int clicked = chooser.TakeClickedCard();
    if (clicked >= 0) return clicked;
    const int under = chooser.HoveredCard();
    if (under != hovered) {
      hovered = under;
      armed = true;
      since = Clock();
      chooser.Highlight(under);
      if (under >= 0) SayName(files[under]);
    } else if (dwellMs > 0 && armed && hovered >= 0) {
      const double part = (Clock() - since) * 1000.0 / dwellMs;
      if (part >= 1.0) return hovered;
      chooser.Highlight(hovered, part);
    }
  }
}

}  // namespace

int ChooseNextPicture(pictures::Mainform& w, const pictures::PictureList& list, const std::vector<bool>& finished) {
  const std::vector<int> offered = Candidates(list, finished);
  if (offered.empty()) return 0;
  QStringList files;
  for (const int i : offered) files << list.names[i - 1];
  pictures::PictureChooser& chooser = *w.picture_chooser;
  chooser.setGeometry(w.rect());
  chooser.Offer(files);
  chooser.show();
  chooser.raise();
  // The exit link stays in reach above the chooser.
  if (w.LabelExitLink->isVisible()) w.LabelExitLink->raise();
  struct Hide {
    pictures::PictureChooser& c;
    ~Hide() { c.hide(); }
  } hide{chooser};

  int taken = -1;
  bool skipped = false;
  if (settings::SettingsRecord.ScanType == 4) {
    taken = PickWithTheMouse(w, chooser, files);
    skipped = taken == 0 && SkipPicturePressed == 1;
  } else {
    for (int k = 0;;) {
      chooser.Highlight(k);
      SayName(files[k]);
      const Offered offer = WaitOnOffer(w);
      if (offer == Offered::Left) break;
      if (offer == Offered::Taken || offer == Offered::Skip) {
        skipped = offer == Offered::Skip;
        taken = skipped ? 0 : k;
        break;
      }
      // The clear key means nothing here: the same picture waits again.
      if (offer == Offered::Next) k = (k + 1) % static_cast<int>(files.size());
    }
  }
  SkipPicturePressed = 0;
  SwitchPressed = 0;
  if (taken < 0) {
    w.ExitRequested = 1;
    return 0;
  }
  // The skip key takes the next picture in the list's order.
  return taken == 0 && skipped ? settings::SettingsRecord.CurrentPictureIndex : offered[taken];
}

}  // namespace session
