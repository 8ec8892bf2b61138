#pragma once
// brushwell.ini: the options Brushwell has beyond the settings files, in
// QSettings INI form, one group per concern. This file knows the [switch],
// [voice], [session] and [display] groups; every other group is kept as it is when the
// file is written.
// At its standard value each option leaves the program as it always was.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace settings {

inline const QString OptionsFileName = QStringLiteral("brushwell.ini");

struct SwitchOptions {
  int16_t AcceptanceMs = 0;      // 0..3000: hold this long before a press counts
  int16_t ReleaseMs = 0;         // 0..3000: ignore presses this soon after a counted one
  double FirstTubeFactor = 1.0;  // 1.0..5.0: the first tube of a section waits this many times longer
  int16_t ScanCycles = 0;        // 0..20: timed scanning pauses after this many cycles (0 endless)
  int16_t DwellMs = 0;           // 0..5000: no scanning, resting the pointer on a tube chooses it (0 off)
  QString Switch1{};             // extra inputs acting as switch 1 ("Key:F5,Mouse:Right,Joystick:1:2")
  QString Switch2{};             // ... as switch 2
  int16_t PointerScale = 1;      // 1..3: the section pointer this many times larger
  int16_t HoldRing = 1;          // 0/1: with AcceptanceMs, a ring fills on the tube while a press is held

  bool operator==(const SwitchOptions&) const = default;
};

// The options in use, read at start and changed by the carer's screens.
extern SwitchOptions SwitchOptionsRecord;

// Reads the [switch] group of the file at `path`. A missing file gives the
// standard options and no problem; a file that is not text (control bytes)
// gives one problem and what can be read of it; a value that is not a number
// or out of its range keeps its standard value, and each such problem is
// added to `problems` as one sentence naming the key.
SwitchOptions ReadSwitchOptions(const QString& path, QStringList& problems);
// Writes `options` as the [switch] group of `path`, keeping every other
// group, through the verified writer. Returns "" or why it failed (the old
// file is then as it was).
QString WriteSwitchOptions(const QString& path, const SwitchOptions& options);

struct VoiceOptions {
  QString Language = QStringLiteral("en");  // the narration's language: "en" plays the files at the
                                            // top of the program folder, another code those of voices/<code>/

  bool operator==(const VoiceOptions&) const = default;
};

extern VoiceOptions VoiceOptionsRecord;

// Reads the [voice] group; a missing file or key gives "en", a Language that
// is no language code (two or three small letters) gives "en" and a problem.
VoiceOptions ReadVoiceOptions(const QString& path, QStringList& problems);
// Writes the [voice] group of `path`, keeping every other group.
QString WriteVoiceOptions(const QString& path, const VoiceOptions& options);

// What the switch user chooses beyond the colours.
struct SessionOptions {
  int16_t ChoosePicture = 0;  // 0/1: between pictures, the user chooses the next one
  int16_t ChooseSection = 0;  // 0/1: before each tube choice, the user chooses the part to colour
  int16_t Resume = 0;         // 0/1: Start goes on with the picture last left unfinished, with its colours

  bool operator==(const SessionOptions&) const = default;
};

extern SessionOptions SessionOptionsRecord;

// Reads the [session] group; a missing file or key gives 0 (off).
SessionOptions ReadSessionOptions(const QString& path, QStringList& problems);
// Writes the [session] group of `path`, keeping every other group.
QString WriteSessionOptions(const QString& path, const SessionOptions& options);

// A webcam (or a video file standing in for one) as switch 1 and switch 2:
// movement inside a rectangle of the image presses that switch.
struct CameraOptions {
  int16_t Enabled = 0;      // 0/1: at 0 no camera is opened and nothing changes
  QString Device{};         // the camera's id; "" for the system's standard camera
  QString Region1{};        // switch 1's rectangle as fractions of the image "x,y,w,h"; "" for none
  QString Region2{};        // ... switch 2's
  int16_t Sensitivity1 = 50;  // 1..100: the higher, the smaller a movement that presses switch 1
  int16_t Sensitivity2 = 50;  // ... switch 2
  QString Source{};         // a video file read instead of a camera ("" for the camera)

  bool operator==(const CameraOptions&) const = default;
};

extern CameraOptions CameraOptionsRecord;

// A rectangle of the camera image in fractions of its width and height.
struct CameraRegion {
  double x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
  bool operator==(const CameraRegion&) const = default;
};
// "x,y,w,h" -> the rectangle; "" gives an empty one. False when the text is
// not four numbers or the rectangle does not lie inside the image (0..1).
bool ParseCameraRegion(const QString& text, CameraRegion& region);
QString FormatCameraRegion(const CameraRegion& region);

// Reads the [camera] group; a missing file or key gives the standard value,
// a bad value its standard value and one problem naming the key.
CameraOptions ReadCameraOptions(const QString& path, QStringList& problems);
// Writes the [camera] group of `path`, keeping every other group.
QString WriteCameraOptions(const QString& path, const CameraOptions& options);
// Writes CameraOptionsRecord to brushwell.ini of FilesFolder(); tells
// the carer when that fails. Returns whether it was saved.
bool SaveCameraOptions();

// How the carer's screens are shown.
struct DisplayOptions {
  QString Language = QStringLiteral("en");  // the screens' language: en (the program's own text), nl, fr, es, de, he

  bool operator==(const DisplayOptions&) const = default;
};

extern DisplayOptions DisplayOptionsRecord;

// Reads the [display] group; a missing file or key gives "en", a Language
// the screens cannot be shown in gives "en" and a problem. Other keys of the
// group are left to the options that own them.
DisplayOptions ReadDisplayOptions(const QString& path, QStringList& problems);
// Writes the [display] group's Language of `path`, keeping every other key.
QString WriteDisplayOptions(const QString& path, const DisplayOptions& options);

// The user chosen last ([users] Chosen of the working folder's
// brushwell.ini), with whom a start without --user goes on: "" when none.
QString ReadChosenUser(const QString& path);
// Writes [users] Chosen of `path` ("" for none), keeping every other group.
QString WriteChosenUser(const QString& path, const QString& name);

// The carer's message for problems in brushwell.ini ("" when none).
QString OptionsProblemMessage(const QStringList& problems);

// Reads brushwell.ini of FilesFolder() (the program folder, or the chosen
// user's folder) into SwitchOptionsRecord, VoiceOptionsRecord,
// SessionOptionsRecord and CameraOptionsRecord, and the working folder's
// into DisplayOptionsRecord (the carer's language, shared by every user);
// problems are added to `problems`.
void LoadSwitchOptions(QStringList& problems);
// Writes SwitchOptionsRecord and SessionOptionsRecord to brushwell.ini of
// FilesFolder(); tells the carer when that fails. Returns whether they
// were saved.
bool SaveSwitchOptions();
// Writes VoiceOptionsRecord likewise.
bool SaveVoiceOptions();
// Writes DisplayOptionsRecord likewise.
bool SaveDisplayOptions();

}  // namespace settings
