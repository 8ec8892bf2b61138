#pragma once
// The colouring window: the one full-screen window in which pictures are
// coloured, the animation speed is calibrated and pictures are printed.
//
// Everything runs on the user-interface thread. Mouse handlers only raise
// the input flags (input/input_flags.h); the session's loops test them. The
// window is created when it is first shown and discarded whenever the main
// menu becomes active again, so every session starts with fresh controls and
// fresh window-level flags.

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "pictures/pointer_placement.h"
#include "platform/picture_box.h"

class QKeyEvent;

namespace pictures {

// A label that reports presses, releases and double clicks and never passes
// a click on to the window beneath it.
class ClickLabel : public QLabel {
  Q_OBJECT
public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
  // Sets the caption and sizes the label to it.
  void SetCaption(const QString& caption);

Q_SIGNALS:
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);
  void doubleClicked();

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The ring that fills on a tube while the pointer rests on it (dwell
// selection) or while a switch is held (with an acceptance time); it
// flashes white when the press counts. It lets every mouse event through
// to the tube beneath.
class DwellRing : public QWidget {
  Q_OBJECT
public:
  explicit DwellRing(QWidget* parent = nullptr);
  // 0..1: how much of the dwell time has passed.
  void SetProgress(double part, bool flash = false);
  double progress() const { return part_; }
  bool flashing() const { return flash_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  double part_ = 0;
  bool flash_ = false;
};

// How the section look-up for the current picture came out.
enum class SectionLookUp {
  Known,    // seeds are set and the markers erased: colouring goes on
  Refused,  // the picture was refused; ExitRequested is 1, the session ends
  Skipped,  // a file time could not be read; this picture is given up
};

class PictureChooser;

class Mainform : public QWidget {
  Q_OBJECT
public:
  explicit Mainform(QWidget* parent = nullptr);
  ~Mainform() override;

  // ---------------------------------------------------------------- controls
  platform::PictureBox* PB1 = nullptr;            // the picture being coloured
  std::array<platform::PictureBox*, 11> pb_tube{};  // [1..10]; [0] unused
  platform::PictureBox* pbwork1 = nullptr;        // pointer image (never shown)
  platform::PictureBox* pbwork2 = nullptr;        // pointer mask (never shown)
  platform::PictureBox* pbwork3 = nullptr;        // picture under the pointer (never shown)
  platform::PictureBox* pb3 = nullptr;            // the paint stripe
  platform::PictureBox* pb_easel_bot = nullptr;   // the easel under the picture
  platform::PictureBox* pb_target = nullptr;      // marker box, kept hidden
  platform::PictureBox* Picture1 = nullptr;       // counts as the picture for the mouse
  ClickLabel* lab_pic_name = nullptr;             // the picture's file name
  ClickLabel* lab_processing = nullptr;           // shown during the section scan
  ClickLabel* LabelExitLink = nullptr;            // double click: back to the main menu
  QPushButton* but_print = nullptr;               // "Print"
  QSlider* Slider1 = nullptr;                     // calibration: the candidate delay
  QPushButton* Test = nullptr;                    // "Test Speed"
  QPushButton* done_calib = nullptr;              // "Main Menu"
  ClickLabel* Slider_label_1 = nullptr;
  // Shown when "Start" found the speed uncalibrated: why this screen came.
  ClickLabel* calib_reason = nullptr;
  ClickLabel* slider1_label_fast = nullptr;
  ClickLabel* slider1_label_slow = nullptr;
  ClickLabel* slider1_value = nullptr;            // the slider's number, under its middle
  DwellRing* dwell_ring = nullptr;                // fills while the pointer rests on a tube
  PictureChooser* picture_chooser = nullptr;      // the next pictures, when the user chooses

  // ---------------------------------------------------------------- window-level flags
  int16_t ExitRequested = 0;  // 1 = leave the session
  int16_t ColoringPhase = 0;  // 0 until the section loop has begun colouring

  // ---------------------------------------------------------------- layout and drawing
  // Screen size into ScreenWidthPx/ScreenHeightPx, the window over the whole
  // screen, PB1 and pb3 the size of the screen.
  void init_pictureboxes();
  // Paints the window now (its background surface and every shown control).
  void Refresh();
  // The window's own drawing surface, shown 1:1 beneath its controls.
  QImage& background() { return background_; }
  // Paints the whole window black (before each picture).
  void FillBlack();
  // A one-pixel rectangle outline on the window itself (the completion
  // frame), shown at the next Refresh.
  void DrawRectangleOutline(const QRect& rect, const QColor& colour);
  // One animation step for a control: moves it and paints the uncovered and
  // the covered area at once, without letting window events run.
  void MoveNow(QWidget* control, int left, int top);

  // ---------------------------------------------------------------- exit link and printing
  void ShowExitLink();
  void HideExitLink();
  // The Print button: prints PB1 as coloured so far, without the pointer.
  void PrintPicture();

  // ---------------------------------------------------------------- the pointer
  // Draws the pointer (pbwork1 through its mask pbwork2, turned to point
  // `turn`) on PB1 with its top-left corner at (left, top), keeping the part
  // of the picture under it in pbwork3.
  void PutPointer(int left, int top, PointerTurn turn = PointerTurn::Down);
  // Puts back the part of the picture under the pointer, if it is drawn.
  void TakePointerOff();
  // Whether the pointer is drawn on PB1 now: only then is there anything
  // under it to put back.
  bool PointerOnPicture() const { return pointerOn_; }

  // ---------------------------------------------------------------- pictures and sections
  // Loads the picture file PictureName into PB1. A picture that cannot be
  // shown (not an image, damaged, huge) gets a message naming the file; the
  // session then ends: ExitRequested = 1, the exit link hidden, false.
  bool LoadSessionPicture();
  // Checks the picture in PB1 and finds its sections (see validation.cpp).
  void ValidatePicture();
  // Section file or scan for the picture in PB1 (see validation.cpp).
  SectionLookUp LookUpSections();

  // ---------------------------------------------------------------- calibration
  // Shows the calibration screen and returns when it is left.
  void calibrate_time();
  // The "Test Speed" button: 200 pixels right and back at the slider's speed,
  // repeated until the test has lasted long enough to be seen. Returns the
  // number of trips.
  int RunSpeedTest();
  // The "Main Menu" button: stores the slider's value and saves the settings.
  void FinishCalibration();
  // Leaves the calibration screen without storing anything (the Escape key).
  void CancelCalibration();
  // True while calibrate_time waits for the carer.
  bool CalibrationWaiting() const { return calibrating_; }

  // ---------------------------------------------------------------- activation
  // The activation logic, run by ShowMainform after the window is shown.
  void Activate();
  // Hides the window and shows the main menu.
  void HandBack();
  // Escape: silence, ask the session to stop, hand back to the main menu.
  void LeaveSession();
  // True while Activate runs (the window must then not be deleted).
  bool Activating() const { return activationDepth_ > 0; }
  // Set by UnloadMainform while the activation runs; the waiting loops end.
  bool UnloadRequested() const { return unloadRequested_; }

  // ---------------------------------------------------------------- mouse areas
  // A press on one of the six mouse areas; `tube` is 1..10 for a paint tube,
  // 0 for the others.
  void AreaPressed(int tube, Qt::MouseButton button = Qt::LeftButton);
  // A release on one of the six areas.
  void AreaReleased(Qt::MouseButton button = Qt::LeftButton);
  // A double click on the exit link.
  void ExitLinkDoubleClicked();

  // ---------------------------------------------------------------- dwell selection
  // Where the mouse pointer was last seen on the window.
  QPoint MouseAt() const { return mouseAt_; }
  // The tube 1..tubeCount the mouse pointer was last seen on, 0 for none.
  int TubeUnderPointer(int tubeCount) const;
  // The ring on tube t filled to `part` (0..1), or flashing: the press
  // counted; t = 0 hides it.
  void ShowDwellRing(int t, double part, bool flash = false);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // Moves over the window and its controls (they pass them up): where the
  // pointer is, for dwell selection.
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // Closing the window (title bar, Alt+F4) leaves the session as Escape does.
  void closeEvent(QCloseEvent* event) override;
  // During the calibration Tab and Shift+Tab go round the slider and its two
  // buttons only.
  bool focusNextPrevChild(bool next) override;

private:
  friend Mainform* ShowMainform();
  friend void UnloadMainform();

  void buildControls();
  void syncBackground();
  void hideCalibrationControls();
  void showSliderValue();

  QImage background_;
  int activationDepth_ = 0;
  bool activationPending_ = false;
  bool unloadRequested_ = false;
  bool calibrating_ = false;
  bool pointerOn_ = false;
  QPoint pointerAt_;
  PointerTurn pointerTurn_ = PointerTurn::Down;
  QPoint mouseAt_{-1, -1};
};

// ---------------------------------------------------------------- module state
// The delay the speed test runs with (taken from the slider for each test).
extern double TestDelay;
// 0 while the calibration screen waits, 1 once it is left.
extern int16_t CalibrationFinished;

// ---------------------------------------------------------------- show and unload
// Creates the colouring window on first use, shows it over the whole screen
// and runs its activation from the event loop right after (the caller goes on
// at once, as when a window is shown without waiting for it).
Mainform* ShowMainform();
// Discards the colouring window. Safe while the window's own activation is
// running: the window is then hidden and deleted once the activation ends.
void UnloadMainform();
// The colouring window, or nullptr when it is not loaded.
Mainform* CurrentMainform();

// ---------------------------------------------------------------- hooks
// The windows above this one are wired in by the program's entry: this
// folder knows neither the main menu nor the session.
// Shows the main menu when the colouring window hands back.
extern std::function<void()> ShowMainMenuHook;
// Runs the colouring session at the end of the window's activation, once
// the speed is calibrated.
extern std::function<void(Mainform&)> RunSessionHook;

}  // namespace pictures
