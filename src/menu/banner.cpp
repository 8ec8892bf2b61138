#include "menu/banner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

#include "camera/camera_switch.h"
#include "input/switch_adapter.h"
#include "input/switch_inputs.h"
#include "media/sound.h"
#include "menu/placement.h"
#include "menu/screen_widgets.h"
#include "session/statistics.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "settings/options_file.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "users/active_user.h"

namespace menu {

Banner::Banner(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QCoreApplication::translate("Banner", "Options"));
  setWindowFlag(Qt::FramelessWindowHint);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(255, 248, 231));
  setPalette(pal);

  banimage = new QLabel(this);
  banimage->setAccessibleName(QCoreApplication::translate("Banner", "Brushwell"));
  buildMenu();
  buildScreens();
  buildUsers();
  // The switch test screen takes Return as the second switch.
  focus_ring = new platform::FocusRing(this, [this](QWidget* w) { return test_switches_frame->isAncestorOf(w); });
}

void Banner::buildScreens() {
  device_frame = new DeviceScreen(this);
  auditory_frame = new AuditoryScreen(this);
  frame_MySongs = new PictureListsScreen(this);
  frame_coloring_option = new ColoringOptionsScreen(this);
  frame_scan = new ScanScreen(this);
  stats_frame = new StatisticsScreen(this);
  switch_timing_frame = new SwitchTimingScreen(this);
  test_switches_frame = new TestSwitchesScreen(this);
  progress_frame = new ProgressScreen(this);
  camera_frame = new CameraScreen(this);
  gallery_frame = new GalleryScreen(this);
  gallery_frame->setAutoFillBackground(true);
  gallery_frame->hide();
  for (QGroupBox* frame :
       std::initializer_list<QGroupBox*>{device_frame, auditory_frame, frame_MySongs, frame_coloring_option,
                                         frame_scan, stats_frame, switch_timing_frame, test_switches_frame,
                                         progress_frame, camera_frame}) {
    frame->setAutoFillBackground(true);
    frame->hide();
  }

  connect(but2_auditory, &QPushButton::clicked, this, [this] { OpenScreen(auditory_frame); });
  connect(but2_input_device, &QPushButton::clicked, this, [this] { OpenScreen(device_frame); });
  connect(but_MySongs, &QPushButton::clicked, this, [this] { OpenScreen(frame_MySongs); });
  connect(but2_duration, &QPushButton::clicked, this, [this] { OpenScreen(frame_scan); });
  connect(but_direc, &QPushButton::clicked, this, [this] { OpenScreen(frame_coloring_option); });
  connect(but2_speed, &QPushButton::clicked, this, [this] { StartCalibration(); });
  connect(but2_start, &QPushButton::clicked, this, [this] { StartSession(); });
  connect(but2_users_guide, &QPushButton::clicked, this, [this] { OpenUserGuide(); });
  connect(but_gallery, &QPushButton::clicked, this, [this] { OpenGalleryScreen(); });
  connect(gallery_frame, &GalleryScreen::leaveRequested, this, [this] { LeaveGalleryScreen(); });

  connect(frame_scan->but_scan_frame_done, &QPushButton::clicked, this, [this] { LeaveScanScreen(); });
  connect(frame_coloring_option->anim_direc_done, &QPushButton::clicked, this,
          [this] { LeaveColoringOptionsScreen(); });
  connect(auditory_frame->auditory_button, &QPushButton::clicked, this, [this] { LeaveAuditoryScreen(); });
  connect(device_frame->device_button_done, &QPushButton::clicked, this, [this] { LeaveDeviceScreen(); });
  connect(frame_MySongs->but_mysong_done, &QPushButton::clicked, this, [this] { LeavePictureListsScreen(); });
  connect(stats_frame->stat_frame_quit, &QPushButton::clicked, this, [this] { LeaveStatisticsScreen(); });
  connect(device_frame->but_switch_timing, &QPushButton::clicked, this,
          [this] { OpenSwitchScreen(switch_timing_frame); });
  connect(device_frame->but_test_switches, &QPushButton::clicked, this,
          [this] { OpenSwitchScreen(test_switches_frame); });
  connect(switch_timing_frame->timing_back, &QPushButton::clicked, this, [this] { LeaveSwitchTimingScreen(); });
  connect(test_switches_frame->test_back, &QPushButton::clicked, this, [this] { LeaveTestSwitchesScreen(); });
  connect(test_switches_frame, &TestSwitchesScreen::leaveRequested, this, [this] { LeaveTestSwitchesScreen(); });
  connect(test_switches_frame->camera_button, &QPushButton::clicked, this, [this] { OpenCameraScreen(); });
  connect(camera_frame->camera_back, &QPushButton::clicked, this, [this] { LeaveCameraScreen(); });
  connect(camera_frame, &CameraScreen::leaveRequested, this, [this] { LeaveCameraScreen(); });
  for (int n = 1; n <= 15; ++n)
    connect(frame_MySongs->but_pic_list[n], &QPushButton::clicked, this, [this, n] { EditPictureList(n); });
  workshop_ = new platform::CompanionProgram(QStringLiteral("brushwell-workshop"), this);
  connect(but_progress, &QPushButton::clicked, this, [this] { OpenProgressScreen(); });
  connect(progress_frame->progress_back, &QPushButton::clicked, this, [this] { LeaveProgressScreen(); });
  connect(frame_MySongs->but_workshop, &QPushButton::clicked, this, [this] { StartWorkshop(); });
  connect(workshop_, &platform::CompanionProgram::finished, this, [this] { TakeWorkshopDescriptions(); });
}

void Banner::buildMenu() {
  settings_frame = new QGroupBox(QCoreApplication::translate("Banner", "Settings"), this);
  settings_frame->setAccessibleName(QCoreApplication::translate("Banner", "Settings"));
  auto* outer = new QVBoxLayout(settings_frame);
  outer->setSpacing(12);
  outer->setContentsMargins(16, 16, 16, 16);

  auto* programBox = new QGroupBox(QCoreApplication::translate("Banner", "Program Settings and Information"), settings_frame);
  programBox->setAccessibleName(programBox->title());
  auto* grid = new QGridLayout(programBox);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(10);
  but2_auditory = captionedButton(QCoreApplication::translate("Banner", "Auditory Settings"), programBox);
  but2_input_device = captionedButton(QCoreApplication::translate("Banner", "Keyboard / Switch Information"), programBox);
  but_MySongs = captionedButton(QCoreApplication::translate("Banner", "Picture List"), programBox);
  but2_duration = captionedButton(QCoreApplication::translate("Banner", "Scan Settings"), programBox);
  but_direc = captionedButton(QCoreApplication::translate("Banner", "Coloring Options"), programBox);
  but2_speed = captionedButton(QCoreApplication::translate("Banner", "Animation Speed Settings"), programBox);
  grid->addWidget(but2_auditory, 0, 0);
  grid->addWidget(but2_input_device, 0, 1);
  grid->addWidget(but_MySongs, 0, 2);
  grid->addWidget(but2_duration, 1, 0);
  grid->addWidget(but_direc, 1, 1);
  grid->addWidget(but2_speed, 1, 2);
  outer->addWidget(programBox);

  auto* startBox = new QGroupBox(settings_frame);
  auto* row = new QHBoxLayout(startBox);
  row->setSpacing(12);
  but2_start = captionedButton(QCoreApplication::translate("Banner", "Start"), startBox);
  but2_users_guide = captionedButton(QCoreApplication::translate("Banner", "User Guide"), startBox);
  but2_quit = captionedButton(QCoreApplication::translate("Banner", "Exit"), startBox);
  QFont big = but2_start->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  but2_start->setFont(big);
  but2_start->setMinimumHeight(44);
  row->addWidget(but2_start, 2);
  row->addWidget(but2_users_guide, 1);
  row->addWidget(but2_quit, 1);
  outer->addWidget(startBox);

  auto* note = new QLabel(
      QCoreApplication::translate("Banner", "Note:  In order to return back to this screen after you click Start,  press the <Esc> key."),
      settings_frame);
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setAccessibleName(note->text());
  outer->addWidget(note);

  // Controls beyond the described menu go in this row, below everything
  // described, so the described captions and their order stay as they are.
  classroom_row = new QHBoxLayout();
  classroom_row->setSpacing(12);
  outer->addLayout(classroom_row);
  but_gallery = captionedButton(tr("Gallery"), settings_frame);
  classroom_row->addWidget(but_gallery);
  but_progress = captionedButton(tr("Progress"), settings_frame);
  classroom_row->addWidget(but_progress);

  connect(but2_quit, &QPushButton::clicked, this, [this] { LeaveProgram(); });
  settings_frame->setMinimumWidth(560);
}

void Banner::Load(const QString& programFolder) {
  // 1. The program folder is the current folder from here on.
  QDir::setCurrent(programFolder);

  // 2. The display was checked before the window was made (see app).
  QScreen* screen = QGuiApplication::primaryScreen();
  session::SessionStartTime = 0;

  // 3. Settings, and the options beyond them (brushwell.ini).
  settings::LoadSettings();
  LoadOptions();

  // 4. Screen size in pixels (the whole screen, not the work area).
  screen_ = screen->geometry().size();
  setGeometry(screen->geometry());

  // 5. Logo.
  const QString logoFile = settings::SettingsRecord.MediaFolder + QStringLiteral("aobj_logo.jpg");
  QPixmap logo;
  if (!logo.load(logoFile)) {
    platform::message(QCoreApplication::translate("Banner", "The picture %1 is missing or damaged.\nBrushwell cannot start without it; "
                                     "please install the program folder again.")
                          .arg(logoFile),
                      platform::MessageIcon::Stop);
    platform::host().endProgram(1);
  }
  banimage->setPixmap(logo);
  banimage->resize(logo.size());
  const QPointF logoPos = LogoPosition(screen_, logo.size());
  banimage->move(logoPos.toPoint());

  // 6. and 7. Frames.
  device_frame->RefreshDeviceDescriptions();
  placeFrames();

  // 8.
  FirstActivation = 1;

  // 9. to 11.
  applySettingsToControls();
  ShowChosenUser();
}

void Banner::LoadOptions() {
  QStringList problems;
  settings::LoadSwitchOptions(problems);
  problems << input::ApplySwitchOptions();
  // Without the camera nothing of it is loaded; a camera another user
  // turned on is closed when this one's options turn it off.
  if (settings::CameraOptionsRecord.Enabled == 1 || camera::CameraSwitch::Made())
    camera::CameraSwitch::instance().Apply();
  const QString text = settings::OptionsProblemMessage(problems);
  if (!text.isEmpty()) platform::message(text, platform::MessageIcon::Exclamation);
}

void Banner::applySettingsToControls() {
  const auto& record = settings::SettingsRecord;

  // The stored switch device: power its adapter, say if it cannot be read.
  const int16_t device = record.InputDevice;
  if (device >= 1 && device <= 4) {
    input::PowerComAdapter(device);
  } else if (device == 5) {
    input::ResetGamePort();
  }
  input::ReportSwitchProblem(device);
  CheckOnly(device_frame->device_group, device);

  // Every control from the record; a value that names no option checks none.
  const int16_t sound = record.SoundOption;
  CheckOnly(auditory_frame->sound_option_group, sound == 1 || sound == 2 ? sound : 3);
  CheckOnly(frame_coloring_option->coloring_style_group, record.ColoringStyle);
  frame_scan->Seconds_Slider->setValue(record.ScanSeconds);
  CheckOnly(auditory_frame->feedback_group, record.FeedbackOption);
  CheckOnly(frame_scan->scan_type_group, record.ScanType);
  frame_scan->scan_slider->setValue(record.ScanSpeed);
  CheckOnly(auditory_frame->print_option_group, record.PrintOption);
  auditory_frame->ShowVoiceLanguage();
  auditory_frame->ShowScreenLanguage();
  CheckOnly(frame_coloring_option->pointer_type_group, record.PointerType);
  for (int c = 1; c <= 10; ++c)
    if (record.ColorEnabled[c] == 1) frame_coloring_option->check_color[c]->setChecked(true);
  BuildColorPickList();
  CheckOnly(frame_MySongs->active_list_group, record.ActivePictureList);
  if (record.RandomTubes == 1) frame_coloring_option->chk_random_tubes->setChecked(true);
  frame_coloring_option->slider_num_random_tubes->setValue(record.RandomTubeCount);
}

void Banner::placeFrames() {
  for (QGroupBox* frame :
       std::initializer_list<QGroupBox*>{device_frame, auditory_frame, frame_MySongs, frame_coloring_option,
                                         frame_scan, stats_frame, switch_timing_frame, test_switches_frame,
                                         camera_frame}) {
    frame->adjustSize();
    frame->move(CenteredFramePosition(screen_, frame->size()).toPoint());
  }
  settings_frame->adjustSize();
  settings_frame->move(
      MenuFramePosition(screen_, settings_frame->size(), banimage->pos(), banimage->size()).toPoint());
}

void Banner::ShowAndActivate() {
  show();
  raise();
  activateWindow();
  Activate();
}

void Banner::Activate() {
  if (UnloadColoringWindow) UnloadColoringWindow();
  media::play_wave(settings::SettingsRecord.MediaFolder + QStringLiteral("stop"), QStringLiteral("DONT_LOOP"));
  if (FirstActivation == 1) {
    platform::DoEvents();
    media::play_wave(settings::SettingsRecord.MediaFolder + QStringLiteral("aobj_opn"), QStringLiteral("DONT_LOOP"));
    FirstActivation = 0;
    // The keyboard starts on "Start".
    if (settings_frame->isVisible()) but2_start->setFocus(Qt::OtherFocusReason);
    return;
  }
  ShowSessionStatistics();
}

void Banner::ShowSessionStatistics() {
  // Halves go to the even neighbour (the default rounding mode).
  session::SessionElapsedSeconds =
      session::SessionStartTime == 0 ? 0 : static_cast<int32_t>(std::nearbyint(platform::host().secondsOfDay() - session::SessionStartTime));
  if (pictures::ReturnFromCalibration == 1) {
    pictures::ReturnFromCalibration = 0;
    return;
  }
  HideMainMenu();
  stats_frame->Fill();
  openedBy_ = nullptr;
  showFrame(stats_frame);
  pictures::ReturnFromCalibration = 0;
}

void Banner::showFrame(QGroupBox* frame) {
  frame->adjustSize();
  frame->move(CenteredFramePosition(screen_, frame->size()).toPoint());
  frame->setVisible(true);
  frame->raise();
  // The keyboard starts on the screen's first choice.
  QWidget* first = nullptr;
  if (frame == frame_scan) {
    first = frame_scan->scan_type_group->checkedButton();
  } else if (frame == auditory_frame) {
    first = auditory_frame->sound_option_group->checkedButton();
  } else if (frame == frame_coloring_option) {
    first = frame_coloring_option->check_color[1];
  } else if (frame == device_frame) {
    first = device_frame->device_group->checkedButton();
  } else if (frame == frame_MySongs) {
    QAbstractButton* active = frame_MySongs->active_list_group->checkedButton();
    first = active ? static_cast<QWidget*>(frame_MySongs->inpbox_list_desc[frame_MySongs->active_list_group->id(active)])
                   : frame_MySongs->inpbox_list_desc[1];
  } else if (frame == stats_frame) {
    first = stats_frame->stat_frame_quit;
  } else if (frame == switch_timing_frame) {
    first = switch_timing_frame->acceptance_slider;
  } else if (frame == test_switches_frame) {
    first = test_switches_frame->test_back;
  } else if (frame == progress_frame) {
    first = progress_frame->user_choice;
  } else if (frame == camera_frame) {
    first = camera_frame->camera_back;
  }
  if (!first) first = frame->findChild<QPushButton*>();
  if (first) first->setFocus(Qt::OtherFocusReason);
}

void Banner::OpenScreen(QGroupBox* frame) {
  openedBy_ = qobject_cast<QPushButton*>(sender());
  HideMainMenu();
  if (frame == frame_MySongs) {
    settings::TakeOutsideDescriptionChanges();  // the workshop may have run meanwhile
    frame_MySongs->FillDescriptions();
  }
  if (frame == device_frame) device_frame->RefreshDeviceDescriptions();
  showFrame(frame);
}

void Banner::LeaveScanScreen() {
  frame_scan->hide();
  frame_scan->StoreSettings();
  ShowMainMenu();
}

void Banner::LeaveColoringOptionsScreen() {
  frame_coloring_option->hide();
  if (!frame_coloring_option->StoreSettings()) {
    showFrame(frame_coloring_option);
    return;
  }
  ShowMainMenu();
}

void Banner::LeaveAuditoryScreen() {
  auditory_frame->hide();
  auditory_frame->StoreSettings();
  ShowMainMenu();
}

void Banner::LeaveDeviceScreen() {
  for (int16_t n = 1; n <= 6; ++n) {
    if (device_frame->device_option[n]->isChecked()) {
      input::PowerComAdapter(n);
      device_frame->SelectInputDevice(n);
    }
  }
  input::ReportSwitchProblem(settings::SettingsRecord.InputDevice);
  device_frame->hide();
  ShowMainMenu();
}

void Banner::OpenSwitchScreen(QGroupBox* frame) {
  device_frame->hide();
  if (frame == switch_timing_frame) switch_timing_frame->LoadFromOptions();
  showFrame(frame);
  if (frame == test_switches_frame) test_switches_frame->Start();
}

void Banner::LeaveSwitchTimingScreen() {
  switch_timing_frame->hide();
  switch_timing_frame->StoreOptions();
  showFrame(device_frame);
  device_frame->but_switch_timing->setFocus(Qt::OtherFocusReason);
}

void Banner::LeaveTestSwitchesScreen() {
  test_switches_frame->hide();
  test_switches_frame->Stop();
  showFrame(device_frame);
  device_frame->but_test_switches->setFocus(Qt::OtherFocusReason);
}

void Banner::OpenCameraScreen() {
  test_switches_frame->hide();
  test_switches_frame->Stop();
  showFrame(camera_frame);
  camera_frame->Start();
}

void Banner::LeaveCameraScreen() {
  camera_frame->hide();
  camera_frame->Stop();
  showFrame(test_switches_frame);
  test_switches_frame->Start();
  test_switches_frame->camera_button->setFocus(Qt::OtherFocusReason);
}

void Banner::LeavePictureListsScreen() {
  frame_MySongs->hide();
  if (!frame_MySongs->StoreSettings()) {
    showFrame(frame_MySongs);
    return;
  }
  ShowMainMenu();
}

void Banner::LeaveStatisticsScreen() {
  stats_frame->hide();
  ShowMainMenu();
}

void Banner::OpenGalleryScreen() {
  openedBy_ = but_gallery;
  HideMainMenu();
  const QSize room = (screen_.isEmpty() ? size() : screen_.toSize()) - QSize(60, 60);
  gallery_frame->setFixedSize(room.expandedTo(QSize(600, 400)));
  gallery_frame->move(CenteredFramePosition(screen_, gallery_frame->size()).toPoint());
  const QString active = users::ActiveUserName().isEmpty() ? QString() : QDir(users::ActiveFolder()).dirName();
  gallery_frame->Fill(QDir::currentPath(), active);
  gallery_frame->show();
  gallery_frame->raise();
}

void Banner::LeaveGalleryScreen() {
  gallery_frame->hide();
  ShowMainMenu();
}

bool Banner::handOverToColoringWindow(const QString& what) {
  if (!ShowColoringWindow) {
    platform::message(QCoreApplication::translate("Banner", "\"%1\" cannot open the colouring screen: it is missing from this copy of "
                                     "Brushwell.\nPlease install the complete program.")
                          .arg(what));
    return false;
  }
  // The colouring window may run its whole session before it returns, and
  // shows this window again at its end; so this window is hidden first.
  hide();
  ShowColoringWindow();
  return true;
}

void Banner::StartSession() {
  banimage->setVisible(true);
  session::SessionStartTime = static_cast<int32_t>(std::nearbyint(platform::host().secondsOfDay()));
  session::PicturesCompleted = 0;
  session::SegmentsColored = 0;
  handOverToColoringWindow(but2_start->text());
}

void Banner::StartCalibration() {
  banimage->setVisible(true);
  pictures::CalibrationRequested = 1;
  pictures::ReturnFromCalibration = 1;
  if (!handOverToColoringWindow(but2_speed->text())) {
    pictures::CalibrationRequested = 0;
    pictures::ReturnFromCalibration = 0;
  }
}

void Banner::openOwnViewer(const QString& file, FileViewer::Mode mode) {
  auto* viewer = new FileViewer(file, mode, this);
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

void Banner::OpenUserGuide() {
  // The short guide in the screens' language when there is one, else the full English guide.
  QString file = settings::SettingsRecord.TextFolder + QStringLiteral("aobj_gid.txt");
  const QString language = settings::DisplayOptionsRecord.Language;
  const QString translated =
      settings::SettingsRecord.TextFolder + QStringLiteral("aobj_gid.%1.txt").arg(language);
  if (language != QLatin1String("en") && QFileInfo::exists(translated)) file = translated;
  if (platform::host().startEditor(file).isEmpty()) openOwnViewer(file, FileViewer::Mode::Guide);
}

void Banner::EditPictureList(int n) {
  // A user's own list, when they have one; else the list everyone shares.
  const QString file = QDir::current().absoluteFilePath(users::OwnOrShared(PictureListFileName(n)));
  if (platform::host().startEditor(file).isEmpty()) openOwnViewer(file, FileViewer::Mode::List);
}

void Banner::StartWorkshop() {
  if (workshop_->running()) {
    platform::message(QCoreApplication::translate("Banner", "The Picture Workshop is already open."), platform::MessageIcon::Information);
    return;
  }
  QStringList arguments{QStringLiteral("--folder"), QDir::currentPath()};
  // The chosen user's list descriptions (and own lists) are the ones edited.
  if (!users::ActiveUserName().isEmpty()) arguments << QStringLiteral("--settings") << users::ActiveFolder();
  const QString why = workshop_->Start(arguments);
  if (!why.isEmpty()) {
    platform::message(QCoreApplication::translate("Banner", "The Picture Workshop cannot be opened: %1.\nPlease install the complete program.").arg(why),
                      platform::MessageIcon::Exclamation);
  }
}

void Banner::TakeWorkshopDescriptions() {
  const bool shown = frame_MySongs->isVisible();
  auto& record = settings::SettingsRecord;
  // What the carer typed here stays: it counts as changed in the record.
  if (shown)
    for (int n = 1; n <= 15; ++n) record.PictureListDescription[n] = settings::SingleLine(frame_MySongs->inpbox_list_desc[n]->text());
  for (int n : settings::TakeOutsideDescriptionChanges())
    if (shown) frame_MySongs->inpbox_list_desc[n]->setText(record.PictureListDescription[n]);
}

void Banner::ShowMainMenu() {
  banimage->setVisible(true);
  settings_frame->setVisible(true);
  // Back on the button that opened the screen (after the statistics, on
  // "Start"), for the keyboard.
  (openedBy_ ? openedBy_ : but2_start)->setFocus(Qt::OtherFocusReason);
}

void Banner::HideMainMenu() {
  banimage->setVisible(false);
  settings_frame->setVisible(false);
}

void Banner::tellSettingsKept() {
  const QString kept = settings::SettingsKeptMessage();
  if (!kept.isEmpty())
    platform::message(kept, settings::SettingsKeptAsTheyAre() == settings::SettingsKept::Locked
                                ? platform::MessageIcon::Information
                                : platform::MessageIcon::Exclamation);
}

void Banner::LeaveProgram() {
  settings::SaveSettings();
  // A settings file that could not be read at start, or that is locked, is
  // left as it is: said here, once, not at every save.
  tellSettingsKept();
  hide();
  if (ShowCredits) ShowCredits();
}

void Banner::closeEvent(QCloseEvent* event) {
  if (!isVisible()) return;
  event->ignore();
  LeaveProgram();
}

void Banner::OpenProgressScreen() {
  openedBy_ = but_progress;
  HideMainMenu();
  progress_frame->Open(QDir::currentPath(), users::ActiveFolder());
  showFrame(progress_frame);
}

void Banner::LeaveProgressScreen() {
  progress_frame->hide();
  ShowMainMenu();
}

void Banner::keyPressEvent(QKeyEvent* event) {
  // Escape on "Switch Timing" goes back to the screen it came from.
  if (event->key() == Qt::Key_Escape && switch_timing_frame->isVisible()) {
    LeaveSwitchTimingScreen();
    return;
  }
  // Escape on "Progress" or "Users" goes back to the main menu.
  if (event->key() == Qt::Key_Escape && progress_frame->isVisible()) {
    LeaveProgressScreen();
    return;
  }
  if (event->key() == Qt::Key_Escape && users_frame->isVisible()) {
    LeaveUsersScreen();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    LeaveProgram();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace menu
