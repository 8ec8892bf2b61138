#pragma once
// The values of one ColorPicture call and the steps it is made of. Only the
// session's own files include this header.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/raster.h"

namespace pictures {
class Mainform;
}
namespace platform {
class PictureBox;
}

namespace session {

struct PictureRun {
  explicit PictureRun(pictures::Mainform& window) : w(window) {}
  pictures::Mainform& w;

  int16_t TubeCount = 0;                  // 2..10
  std::array<QString, 11> VoiceName;      // [1..10]
  std::array<QString, 10> ComplimentName;  // [1..9]
  int16_t ComplimentCount = 9;
  std::array<int16_t, 11> StripeOffset{};  // [1..10]
  int16_t TubeSpacing = 0;
  int PointerScale = 1;  // the pointer images are this many times their size (brushwell.ini)

  int16_t ScanTube = 0;    // the tube in play
  int16_t TubeHome = 0;    // its Left before it slid out
  int16_t FirstCycle = 0;
  int16_t TubeChosen = 0;
  int TubesOffered = 0;  // tubes brought to the Scan Position for this section's choice

  // [session] ChooseSection: the user picks the part to colour; the parts
  // coloured so far, in the order they were coloured (the clear key undoes
  // the last).
  bool ChoosingSections = false;
  std::vector<int16_t> Coloured;

  // What the progress record keeps of this picture.
  bool Shown = false;          // set up and on the screen: it gets a row
  QDateTime ShownAt;
  std::vector<int> ChoiceMs;   // each tube chosen by a press: from its arrival to the press
  int Clears = 0;              // sections undone by the clear key
  int CountedBefore = 0;       // the press filter's counts when the picture began
  int IgnoredBefore = 0;
  // The colour number each section is painted with, 0 while it is white
  // ([section]; kept for the gallery and for going on with it later).
  std::vector<int16_t> SectionColour;
  double StartedAt = 0;       // monotonic seconds when the picture was set up
  double EarlierMinutes = 0;  // spent on it before, when it was taken up again
  QString ResumedFrom;        // the unfinished gallery picture it was taken up from
};

// Whether a section was coloured before the one now being coloured (its
// tube scan then begins with the tube that painted the last one).
bool SectionColouredBefore(const PictureRun& run);

// How the choice of a tube ended.
enum class Choice {
  Chosen,   // ScanTube is in the Scan Position and paints the section
  Cleared,  // the last section was cleared: restart at CurrentSection
  Left,     // the user skipped the picture or asked to leave
};

// ---------------------------------------------------------------- stages
// Each returns false when the picture is left; ColorPicture then hides the
// exit link and returns.
bool SetUpPicture(PictureRun& run);
bool RunSectionLoop(PictureRun& run);
bool PaintSection(PictureRun& run);
bool FinishPicture(PictureRun& run);

// [session] ChooseSection: the user picks one of the parts not coloured
// yet (see section_choice.cpp); it becomes CurrentSection.
Choice ChooseSectionToColour(PictureRun& run, int last);
// How the wait on something offered by the scanning (a part, a picture)
// ended: the method took it or moved on, or the skip key, the clear key or
// the user's leaving ended it.
enum class Offered { Taken, Next, Skip, Clear, Left };
// Waits while the thing offered now is highlighted, by the session's own
// scanning method and times: timed, a press takes it and ScanSeconds
// moves on; step scanning, a press moves on, and with one switch more than
// ScanSpeed seconds alone takes it, with two the second switch takes it.
Offered WaitOnOffer(pictures::Mainform& w);
// Draws the pointer on CurrentSection.
void DrawSectionPointer(PictureRun& run);

// The scan of the tubes for the current section, by ScanType.
Choice ChooseTube(PictureRun& run);
// Clears the last coloured section (or section 1 itself) and slides a tube
// that is out back home. Returns Cleared, or Left when the user left while
// the tube went back.
Choice ClearLastSection(PictureRun& run, bool tubeOut);

// ---------------------------------------------------------------- records
// A session begins (Start): its rows name this moment.
void BeginProgressSession();
// The picture has ended (finished, skipped or left): its row goes to
// progress.csv in the user's folder. A file that cannot be written is told
// once, until a row is saved again; the rows are kept and written with the
// next picture.
void RecordPictureProgress(const PictureRun& run);
// The presses counted and ignored by the switch timing so far, both switches.
int PressesCounted();
int PressesIgnored();
// The gallery (gallery_keeping.cpp). At the start of a session with
// [session] Resume: when the user's newest gallery picture was left
// unfinished and is in this list, the session begins with it (its place in
// the list goes into `pictureIndex`) and TakeUpUnfinished gives it back its
// colours.
void ChooseUnfinishedToTakeUp(int listNumber, const QStringList& names, int16_t& pictureIndex);
// Before the first section: a picture
// left unfinished, when it is to be taken up again, gets its colours back.
void TakeUpUnfinished(PictureRun& run);
// After the picture: keeps it in the user's gallery, finished or left with
// at least one section coloured. A picture that cannot be saved is told
// once; colouring goes on.
void KeepInGallery(PictureRun& run);

// ---------------------------------------------------------------- helpers
// True when the user asked to leave the session. A window that is being
// discarded counts as such a request (ExitRequested is then set).
bool ExitWanted(pictures::Mainform& w);
// ExitWanted, or the skip key.
bool LeaveWanted(pictures::Mainform& w);
// The rest of one animation step: killtime(delay), let events run once, and
// true unless the user wants to leave (exit first, then skip).
bool FinishStep(pictures::Mainform& w, double delay);
// Slides tube t one pixel at a time to the Scan Position (left edge on the
// picture's right edge) or back to TubeHome. False when left.
bool SlideTubeOut(PictureRun& run, int t);
bool SlideTubeHome(PictureRun& run, int t);

// The fill style last set on the picture (clearing paints white with it).
platform::BrushStyle PictureFillStyle(pictures::Mainform& w);
void SetPictureFillStyle(pictures::Mainform& w, platform::BrushStyle style);

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value);
// Adds one to a statistics counter; it stops at the 16-bit maximum.
void CountUp(int16_t& counter);

}  // namespace session
