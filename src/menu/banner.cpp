#include "menu/banner.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/credits_window.h"
#include "app/startup.h"
#include "media/sound.h"
#include "menu/statistics.h"
#include "platform/host.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace menu {
namespace {
Banner* theBanner = nullptr;

QPushButton* menuButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAccessibleName(caption);
  button->setMinimumHeight(34);
  return button;
}
}  // namespace

Banner* MainWindow() { return theBanner; }

Banner::Banner(QWidget* parent) : QWidget(parent) {
  theBanner = this;
  setWindowTitle(QStringLiteral("Options"));
  setWindowFlag(Qt::FramelessWindowHint);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(255, 248, 231));
  setPalette(pal);

  banimage = new QLabel(this);
  banimage->setAccessibleName(QStringLiteral("Brushwell"));
  buildMenu();

  auto frame = [this](const QString& caption) {
    auto* box = new QGroupBox(caption, this);
    box->setAccessibleName(caption);
    box->hide();
    return box;
  };
  device_frame = frame(QStringLiteral("Keyboard / Switch Information"));
  auditory_frame = frame(QStringLiteral("Auditory / Print Settings"));
  frame_MySongs = frame(QStringLiteral("Picture List"));
  frame_coloring_option = frame(QStringLiteral("Coloring Options"));
  frame_scan = frame(QStringLiteral("Scanning Options"));
  stats_frame = frame(QStringLiteral("Session Statistics"));
}

Banner::~Banner() {
  if (theBanner == this) theBanner = nullptr;
}

void Banner::buildMenu() {
  settings_frame = new QGroupBox(QStringLiteral("Settings"), this);
  settings_frame->setAccessibleName(QStringLiteral("Settings"));
  auto* outer = new QVBoxLayout(settings_frame);
  outer->setSpacing(12);
  outer->setContentsMargins(16, 16, 16, 16);

  auto* programBox = new QGroupBox(QStringLiteral("Program Settings and Information"), settings_frame);
  programBox->setAccessibleName(programBox->title());
  auto* grid = new QGridLayout(programBox);
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(10);
  but2_auditory = menuButton(QStringLiteral("Auditory Settings"), programBox);
  but2_input_device = menuButton(QStringLiteral("Keyboard / Switch Information"), programBox);
  but_MySongs = menuButton(QStringLiteral("Picture List"), programBox);
  but2_duration = menuButton(QStringLiteral("Scan Settings"), programBox);
  but_direc = menuButton(QStringLiteral("Coloring Options"), programBox);
  but2_speed = menuButton(QStringLiteral("Animation Speed Settings"), programBox);
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
  but2_start = menuButton(QStringLiteral("Start"), startBox);
  but2_users_guide = menuButton(QStringLiteral("User Guide"), startBox);
  but2_quit = menuButton(QStringLiteral("Exit"), startBox);
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
      QStringLiteral("Note:  In order to return back to this screen after you click Start,  press the <Esc> key."),
      settings_frame);
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setAccessibleName(note->text());
  outer->addWidget(note);

  connect(but2_quit, &QPushButton::clicked, this, [this] { LeaveProgram(); });
  settings_frame->setMinimumWidth(560);
}

void Banner::Load(const QString& programFolder) {
  // 1. The program folder is the current folder from here on.
  QDir::setCurrent(programFolder);

  // 2. Display check.
  QScreen* screen = QGuiApplication::primaryScreen();
  const double colors = app::ColorDepthCount(1, screen->depth());
  const app::DisplayVerdict verdict = app::CheckDisplay(colors);
  if (verdict.stop) {
    platform::message(verdict.message, platform::MessageIcon::Stop);
    platform::host().endProgram(1);
  }
  SessionStartTime = 0;
  if (!verdict.message.isEmpty()) platform::message(verdict.message, platform::MessageIcon::None);

  // 3. Settings.
  settings::LoadSettings();

  // 4. Screen size in pixels (the whole screen, not the work area).
  screen_ = screen->geometry().size();
  setGeometry(screen->geometry());

  // 5. Logo.
  const QString logoFile = settings::SettingsRecord.MediaFolder + QStringLiteral("aobj_logo.jpg");
  QPixmap logo;
  if (!logo.load(logoFile)) {
    platform::message(QStringLiteral("The picture %1 is missing or damaged.\nBrushwell cannot start without it; "
                                     "please install the program folder again.")
                          .arg(logoFile),
                      platform::MessageIcon::Stop);
    platform::host().endProgram(1);
  }
  banimage->setPixmap(logo);
  banimage->resize(logo.size());
  const QPointF logoPos = app::LogoPosition(screen_, logo.size());
  banimage->move(logoPos.toPoint());

  // 6. and 7. Frames.
  placeFrames();

  // 8.
  FirstActivation = 1;
}

void Banner::placeFrames() {
  for (QGroupBox* frame : {device_frame, auditory_frame, frame_MySongs, frame_coloring_option, frame_scan, stats_frame}) {
    frame->adjustSize();
    frame->move(app::CenteredFramePosition(screen_, frame->size()).toPoint());
  }
  settings_frame->adjustSize();
  settings_frame->move(
      app::MenuFramePosition(screen_, settings_frame->size(), banimage->pos(), banimage->size()).toPoint());
}

void Banner::ShowAndActivate() {
  show();
  raise();
  activateWindow();
  Activate();
}

void Banner::Activate() {
  media::play_wave(settings::SettingsRecord.MediaFolder + QStringLiteral("stop"), QStringLiteral("DONT_LOOP"));
  if (FirstActivation == 1) {
    platform::DoEvents();
    media::play_wave(settings::SettingsRecord.MediaFolder + QStringLiteral("aobj_opn"), QStringLiteral("DONT_LOOP"));
    FirstActivation = 0;
    return;
  }
}

void Banner::ShowMainMenu() {
  banimage->setVisible(true);
  settings_frame->setVisible(true);
}

void Banner::HideMainMenu() {
  banimage->setVisible(false);
  settings_frame->setVisible(false);
}

void Banner::LeaveProgram() {
  settings::SaveSettings();
  hide();
  if (!credits_) credits_ = new app::CreditsWindow();
  credits_->ShowAndActivate();
}

void Banner::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    LeaveProgram();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace menu
