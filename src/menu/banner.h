#pragma once
// The main window: the logo, the main menu and the settings screens, each a
// frame of this window of which one is shown at a time.

#include <QGroupBox>
#include <QLabel>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "menu/auditory_screen.h"
#include "menu/coloring_options_screen.h"
#include "menu/device_screen.h"
#include "menu/file_viewer.h"
#include "menu/gallery_screen.h"
#include "menu/picture_lists_screen.h"
#include "menu/progress_screen.h"
#include "menu/scan_screen.h"
#include "menu/statistics_screen.h"
#include "platform/companion_program.h"
#include "platform/keyboard_focus.h"
#include "menu/switch_timing_screen.h"
#include "menu/camera_screen.h"
#include "menu/test_switches_screen.h"
#include "menu/users_screen.h"

namespace menu {

class Banner : public QWidget {
  Q_OBJECT
public:
  explicit Banner(QWidget* parent = nullptr);

  // The load step: program folder, settings, layout, switch
  // power-up, controls from the record. Runs before the window is first shown.
  void Load(const QString& programFolder);
  // Reads brushwell.ini and puts its switch options to use; tells the carer
  // once about anything wrong in it.
  void LoadOptions();
  // Shows the window over the whole screen and runs its activation logic
  // (there may be no window manager to send activation events).
  void ShowAndActivate();
  // What happens each time the window becomes the active window.
  void Activate();

  void ShowMainMenu();
  void HideMainMenu();
  // "Exit" and Escape: save the settings, hide, show the credits window.
  void LeaveProgram();

  // "Start": counters and start time, then the colouring window.
  void StartSession();
  // "Animation Speed Settings": the colouring window shows the calibration.
  void StartCalibration();
  // "User Guide": the guide in the text editor.
  void OpenUserGuide();
  // "Edit Picture List #n": list n in the text editor.
  void EditPictureList(int n);
  // "Picture Workshop": the carers' workshop program, beside this one.
  void StartWorkshop();
  // The workshop may have changed list descriptions in the settings file:
  // they are taken into the record and onto the Picture List screen.
  void TakeWorkshopDescriptions();

  // The statistics of the session just ended (after every activation but
  // the first); nothing is shown after the speed calibration.
  void ShowSessionStatistics();

  // Opening a settings screen from the menu, and leaving it by "Main Menu".
  void OpenScreen(QGroupBox* frame);
  void LeaveScanScreen();
  void LeaveColoringOptionsScreen();
  void LeaveAuditoryScreen();
  void LeaveDeviceScreen();
  void LeavePictureListsScreen();
  void LeaveStatisticsScreen();
  // "Gallery": the pictures coloured, of the user chosen (of everyone
  // without one), over most of the screen.
  void OpenGalleryScreen();
  void LeaveGalleryScreen();
  // The two switch screens, opened from "Keyboard / Switch Information"
  // and left back to it.
  void OpenSwitchScreen(QGroupBox* frame);
  void LeaveSwitchTimingScreen();
  void LeaveTestSwitchesScreen();
  // "Progress": the records of the user chosen now, or of the working folder.
  void OpenProgressScreen();
  void LeaveProgressScreen();
  // "Camera Switch", opened from "Test Switches" and left back to it.
  void OpenCameraScreen();
  void LeaveCameraScreen();

  // "User": the Users screen, and back. Choosing a user there saves the
  // settings in use as "Exit" does and loads the chosen user's settings and
  // options at once (no user when `name` is empty).
  void OpenUsersScreen();
  void LeaveUsersScreen();
  void SwitchUser(const QString& name, const QString& folder);
  // Who is colouring, on the main menu.
  void ShowChosenUser();

  // The colouring window, set by whoever provides it: show it (its own
  // activation starts the session or the calibration), and discard it.
  std::function<void()> ShowColoringWindow;
  std::function<void()> UnloadColoringWindow;
  // The way out after "Exit", set by the program's entry.
  std::function<void()> ShowCredits;

  int16_t FirstActivation = 0;

  QLabel* banimage = nullptr;
  QGroupBox* settings_frame = nullptr;
  QPushButton* but2_auditory = nullptr;
  QPushButton* but2_input_device = nullptr;
  QPushButton* but_MySongs = nullptr;
  QPushButton* but2_duration = nullptr;
  QPushButton* but_direc = nullptr;
  QPushButton* but2_speed = nullptr;
  QPushButton* but2_start = nullptr;
  QPushButton* but2_users_guide = nullptr;
  QPushButton* but2_quit = nullptr;
  // The classroom's controls, added in one row below the described ones.
  QHBoxLayout* classroom_row = nullptr;
  QPushButton* but_progress = nullptr;
  QPushButton* but_gallery = nullptr;
  QPushButton* but_users = nullptr;  // "User", in classroom_row
  QLabel* user_label = nullptr;      // who is colouring, beside it

  DeviceScreen* device_frame = nullptr;
  AuditoryScreen* auditory_frame = nullptr;
  PictureListsScreen* frame_MySongs = nullptr;
  ColoringOptionsScreen* frame_coloring_option = nullptr;
  ScanScreen* frame_scan = nullptr;
  StatisticsScreen* stats_frame = nullptr;
  GalleryScreen* gallery_frame = nullptr;
  SwitchTimingScreen* switch_timing_frame = nullptr;
  TestSwitchesScreen* test_switches_frame = nullptr;
  ProgressScreen* progress_frame = nullptr;
  CameraScreen* camera_frame = nullptr;
  UsersScreen* users_frame = nullptr;
  platform::FocusRing* focus_ring = nullptr;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Closing the main menu (title bar, Alt+F4) is "Exit": the settings are saved.
  void closeEvent(QCloseEvent* event) override;

private:
  void buildMenu();
  void buildScreens();
  void buildUsers();
  // Tells the carer, once, that the settings file was left as it was
  // (unreadable at start, or read-only).
  void tellSettingsKept();
  void placeFrames();
  // Switch device, controls and colour list from the record.
  void applySettingsToControls();
  // Shows a frame again (centred, its first control focused).
  void showFrame(QGroupBox* frame);
  // Tells the carer that an editor could not be started on `file`.
  // When nothing on the computer can open the file: the program's own window.
  void openOwnViewer(const QString& file, FileViewer::Mode mode);
  // The colouring window is shown through ShowColoringWindow; without one
  // the carer is told and the main window stays.
  bool handOverToColoringWindow(const QString& what);

  QSizeF screen_;
  platform::CompanionProgram* workshop_ = nullptr;
  QPushButton* openedBy_ = nullptr;  // the menu button that opened the screen shown
};

}  // namespace menu
