#include "pictures/mainform.h"
#include "pictures/picture_chooser.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "input/input_flags.h"
#include "input/keys.h"
#include "input/switch_inputs.h"
#include "media/sound.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "platform/keyboard_focus.h"
#include "settings/settings_record.h"

namespace pictures {

double TestDelay = 0;
int16_t CalibrationFinished = 0;
std::function<void()> ShowMainMenuHook;
std::function<void(Mainform&)> RunSessionHook;

namespace {

Mainform* theWindow = nullptr;

const QColor Black(0, 0, 0);
const QColor DarkRed(192, 0, 0);
const QColor LightYellow(255, 255, 128);
const QColor Yellow(255, 255, 0);
const QColor DarkBlue(0, 0, 192);
const QColor White(255, 255, 255);

void colourLabel(QLabel* label, const QColor& text, const QColor& back) {
  label->setAutoFillBackground(true);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, back);
  pal.setColor(QPalette::WindowText, text);
  label->setPalette(pal);
  label->setTextFormat(Qt::PlainText);
}

// A click on the speed slider's groove moves it by its large change towards
// the click, whatever the desktop's style would do (some jump to the place
// clicked, hundreds of thousands at once).
class PageClickStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_Slider_AbsoluteSetButtons) return Qt::NoButton;
    if (hint == SH_Slider_PageSetButtons) return Qt::LeftButton;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

// ---------------------------------------------------------------- ClickLabel

void ClickLabel::SetCaption(const QString& caption) {
  setText(caption);
  setAccessibleName(caption);
  adjustSize();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT pressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT released(event->button());
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT pressed(event->button());
  Q_EMIT doubleClicked();
}

// ---------------------------------------------------------------- the window

Mainform::Mainform(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("mainform"));
  // The colouring screen is placed by pixel (tubes, easel, section seeds):
  // it keeps its one direction whatever the language of the carer's screens.
  setLayoutDirection(Qt::LeftToRight);
  setWindowTitle(platform::AppTitle);
  setWindowFlag(Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  background_ = QImage(1, 1, QImage::Format_RGB32);
  background_.fill(Black);
  buildControls();
}

Mainform::~Mainform() {
  if (theWindow == this) theWindow = nullptr;
}

void Mainform::buildControls() {
  auto box = [this](const QString& name, const QColor& back) {
    auto* b = new platform::PictureBox(this);
    b->setObjectName(name);
    b->SetBackColor(back);
    b->Clear();
    b->hide();
    return b;
  };
  auto label = [this](const QString& name, const QColor& text, const QColor& back) {
    auto* l = new ClickLabel(this);
    l->setObjectName(name);
    colourLabel(l, text, back);
    l->hide();
    return l;
  };

  // Stacking follows creation: the stripe runs over the picture, the labels
  // and buttons lie above both, the exit link above everything.
  Picture1 = box(QStringLiteral("Picture1"), White);
  PB1 = box(QStringLiteral("PB1"), Black);
  pb_easel_bot = box(QStringLiteral("pb_easel_bot"), Black);
  for (int i = 1; i <= 10; ++i) pb_tube[i] = box(QStringLiteral("pb_tube%1").arg(i), Black);
  pbwork1 = box(QStringLiteral("pbwork1"), White);
  pbwork2 = box(QStringLiteral("pbwork2"), White);
  pbwork3 = box(QStringLiteral("pbwork3"), White);
  pb_target = box(QStringLiteral("pb_target"), White);
  pb3 = box(QStringLiteral("pb3"), White);

  QFont nameFont = font();
  nameFont.setPointSize(14);
  nameFont.setBold(true);
  lab_pic_name = label(QStringLiteral("lab_pic_name"), DarkRed, Black);
  lab_pic_name->setFont(nameFont);
  lab_processing = label(QStringLiteral("lab_processing"), LightYellow, Black);
  lab_processing->setFont(nameFont);
  lab_processing->SetCaption(QCoreApplication::translate("Mainform", "Processing New Picture, Please Wait ..."));

  but_print = new QPushButton(QCoreApplication::translate("Mainform", "Print"), this);
  but_print->setObjectName(QStringLiteral("but_print"));
  but_print->setAccessibleName(QCoreApplication::translate("Mainform", "Print"));
  but_print->setFocusPolicy(Qt::NoFocus);
  but_print->resize(100, 34);
  but_print->hide();

  // Calibration screen.
  QFont calibFont = font();
  calibFont.setPointSize(12);
  Slider1 = new QSlider(Qt::Horizontal, this);
  Slider1->setObjectName(QStringLiteral("Slider1"));
  Slider1->setRange(1, 700000);
  Slider1->setSingleStep(1);
  Slider1->setPageStep(5);
  Slider1->setToolTip(QCoreApplication::translate("Mainform", "Left is Faster - Right is Slower"));
  Slider1->setAccessibleName(QCoreApplication::translate("Mainform", "Animation speed"));
  Slider1->setAccessibleDescription(Slider1->toolTip());
  Slider1->setFocusPolicy(Qt::NoFocus);
  auto* sliderStyle = new PageClickStyle;
  sliderStyle->setParent(Slider1);
  Slider1->setStyle(sliderStyle);
  Slider1->resize(400, std::max(30, Slider1->sizeHint().height()));
  Slider1->hide();
  Test = new QPushButton(QCoreApplication::translate("Mainform", "Test Speed"), this);
  Test->setObjectName(QStringLiteral("Test"));
  Test->setAccessibleName(QCoreApplication::translate("Mainform", "Test Speed"));
  Test->setFocusPolicy(Qt::NoFocus);
  Test->resize(qMax(100, Test->sizeHint().width()), 34);  // wider only for a longer caption (another language)
  Test->hide();
  done_calib = new QPushButton(QCoreApplication::translate("Mainform", "Main Menu"), this);
  done_calib->setObjectName(QStringLiteral("done_calib"));
  done_calib->setAccessibleName(QCoreApplication::translate("Mainform", "Main Menu"));
  done_calib->setFocusPolicy(Qt::NoFocus);
  done_calib->resize(qMax(100, done_calib->sizeHint().width()), 34);
  done_calib->hide();
  Slider_label_1 = label(QStringLiteral("Slider_label_1"), White, Black);
  Slider_label_1->setFont(calibFont);
  Slider_label_1->SetCaption(QCoreApplication::translate("Mainform", "Move the slider bar in small adjustments to adjust the speed then press the \"Test Speed\" Button."));
  calib_reason = label(QStringLiteral("calib_reason"), Yellow, Black);
  calib_reason->setFont(calibFont);
  calib_reason->setWordWrap(true);
  calib_reason->setAlignment(Qt::AlignCenter);
  calib_reason->setFixedWidth(760);
  calib_reason->SetCaption(QCoreApplication::translate("Mainform", "Before the first picture Brushwell needs to know how fast to move on this computer, so set the speed "
      "here; \"Main Menu\" keeps it, and it is asked for only once."));
  calib_reason->hide();
  slider1_label_fast = label(QStringLiteral("slider1_label_fast"), Yellow, Black);
  slider1_label_fast->setFont(calibFont);
  slider1_label_fast->SetCaption(QCoreApplication::translate("Mainform", "Faster"));
  slider1_label_slow = label(QStringLiteral("slider1_label_slow"), Yellow, Black);
  slider1_label_slow->setFont(calibFont);
  slider1_label_slow->SetCaption(QCoreApplication::translate("Mainform", "Slower"));
  // The slider's number: a step of 1 or 5 in 700000 moves the handle by no
  // visible amount, so the carer sees the change here.
  slider1_value = label(QStringLiteral("slider1_value"), White, Black);
  slider1_value->setFont(calibFont);
  connect(Slider1, &QSlider::valueChanged, this, [this] { showSliderValue(); });
  // Worked from the keyboard while the calibration waits: the focus starts
  // on the slider, Tab goes on to the buttons, Return presses the focused
  // button, and a ring shows where the focus is.
  new platform::FocusRing(this);

  dwell_ring = new DwellRing(this);
  dwell_ring->setObjectName(QStringLiteral("dwell_ring"));
  dwell_ring->hide();
  picture_chooser = new PictureChooser(this);
  connect(picture_chooser, &PictureChooser::pressed, this, [this](Qt::MouseButton b) { AreaPressed(0, b); });
  connect(picture_chooser, &PictureChooser::released, this, [this](Qt::MouseButton b) { AreaReleased(b); });
  // Moves over the tubes reach mouseMoveEvent through their parent.
  setMouseTracking(true);
  for (int i = 1; i <= 10; ++i) pb_tube[i]->setMouseTracking(true);

  LabelExitLink = label(QStringLiteral("LabelExitLink"), Yellow, DarkBlue);
  QFont linkFont(QStringLiteral("Sans Serif"));
  linkFont.setStyleHint(QFont::SansSerif);
  linkFont.setPointSizeF(9.75);
  LabelExitLink->setFont(linkFont);
  LabelExitLink->setMargin(2);

  // The six mouse areas: the window itself (mousePressEvent), the picture,
  // the picture's name, the easel, Picture1 and the tubes.
  for (platform::PictureBox* area : {PB1, pb_easel_bot, Picture1}) {
    connect(area, &platform::PictureBox::pressed, this, [this](Qt::MouseButton b) { AreaPressed(0, b); });
    connect(area, &platform::PictureBox::released, this, [this](Qt::MouseButton b) { AreaReleased(b); });
  }
  connect(lab_pic_name, &ClickLabel::pressed, this, [this](Qt::MouseButton b) { AreaPressed(0, b); });
  connect(lab_pic_name, &ClickLabel::released, this, [this](Qt::MouseButton b) { AreaReleased(b); });
  for (int i = 1; i <= 10; ++i) {
    connect(pb_tube[i], &platform::PictureBox::pressed, this, [this, i](Qt::MouseButton b) { AreaPressed(i, b); });
    connect(pb_tube[i], &platform::PictureBox::released, this, [this](Qt::MouseButton b) { AreaReleased(b); });
  }
  connect(LabelExitLink, &ClickLabel::doubleClicked, this, [this] { ExitLinkDoubleClicked(); });

  connect(but_print, &QPushButton::clicked, this, [this] { PrintPicture(); });
  connect(Test, &QPushButton::clicked, this, [this] { RunSpeedTest(); });
  connect(done_calib, &QPushButton::clicked, this, [this] { FinishCalibration(); });
}

// ---------------------------------------------------------------- mouse

void Mainform::AreaPressed(int tube, Qt::MouseButton button) {
  if (input::MouseReleased == input::True) {
    input::MouseReleased = input::False;
    input::SwitchPressed = 0;
    // A button the carer assigned is that switch, with any device; with the
    // mouse as the device every other button is switch 1.
    const int assigned = input::ExtraSwitchForButton(button);
    if (assigned != 0)
      input::SwitchDown(assigned, input::MouseSource(button));
    else if (settings::SettingsRecord.InputDevice == 6)
      input::SwitchDown(1, input::MouseSource(button));
  }
  // A tube click names the tube whatever the latch says: "No Scanning" takes
  // it as the choice even while another button is still held.
  if (tube >= 1 && tube <= 10) input::ClickedTubeIndex = static_cast<int16_t>(tube);
}

void Mainform::AreaReleased(Qt::MouseButton button) {
  input::MouseReleased = input::True;
  input::SwitchUp(1, input::MouseSource(button));
  input::SwitchUp(2, input::MouseSource(button));
}

void Mainform::ExitLinkDoubleClicked() { ExitRequested = 1; }

void Mainform::mousePressEvent(QMouseEvent* event) {
  event->accept();
  AreaPressed(0, event->button());
}

void Mainform::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  AreaPressed(0, event->button());
}

void Mainform::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  mouseAt_ = event->position().toPoint();
}

int Mainform::TubeUnderPointer(int tubeCount) const {
  for (int t = 1; t <= std::min(tubeCount, 10); ++t)
    if (pb_tube[t]->isVisible() && pb_tube[t]->geometry().contains(mouseAt_)) return t;
  return 0;
}

void Mainform::ShowDwellRing(int t, double part, bool flash) {
  if (t < 1 || t > 10) {
    if (dwell_ring->isVisible()) dwell_ring->hide();
    return;
  }
  const QRect tube = pb_tube[t]->geometry();
  const int side = std::max(24, std::min({tube.width(), tube.height(), 48}));
  dwell_ring->setGeometry(QRect(0, 0, side, side).translated(tube.center() - QPoint(side / 2, side / 2)));
  dwell_ring->SetProgress(part, flash);
  dwell_ring->show();
  dwell_ring->raise();
  dwell_ring->repaint();
}

// ---------------------------------------------------------------- DwellRing

DwellRing::DwellRing(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_TranslucentBackground);
  setAccessibleName(QCoreApplication::translate("Mainform", "Dwell progress"));
}

void DwellRing::SetProgress(double part, bool flash) {
  part_ = std::clamp(part, 0.0, 1.0);
  flash_ = flash;
}

void DwellRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(5, 5, -5, -5);
  if (flash_) {
    p.setPen(QPen(QColor(255, 255, 255), 8));
    p.setBrush(QColor(255, 255, 0, 170));
    p.drawEllipse(r);
    return;
  }
  p.setPen(QPen(QColor(0, 0, 0), 8));
  p.drawEllipse(r);
  p.setPen(QPen(QColor(255, 255, 0), 5, Qt::SolidLine, Qt::FlatCap));
  // Clockwise from twelve o'clock; Qt counts sixteenths of a degree.
  p.drawArc(r, 90 * 16, -static_cast<int>(std::lround(part_ * 360 * 16)));
}

void Mainform::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  AreaReleased(event->button());
}

// ---------------------------------------------------------------- keys

// Outside the calibration no control takes the keyboard focus, so every key
// arrives here; during it, the keys the focused control leaves. Keys only
// raise flags; Escape alone acts at once.
void Mainform::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // On the calibration screen the slider's keys (arrows by 1, Page Up and
  // Page Down by 5, Home, End) reach the slider even when the window itself
  // has the focus (after a click beside the controls).
  if (calibrating_) {
    switch (event->key()) {
      case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
      case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
        Slider1->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendEvent(Slider1, event);
        return;
      default:
        break;
    }
  }
  if (input::KeyDown(input::TableKey(*event), event->modifiers(), ColoringPhase, ExitRequested, event->key()) ==
      input::KeyOutcome::Escape)
    LeaveSession();
}

void Mainform::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (isVisible()) LeaveSession();
}

void Mainform::LeaveSession() {
  media::play_wave(QStringLiteral("stop"), QStringLiteral("DONT_LOOP"));
  ExitRequested = 1;
  HandBack();
}

void Mainform::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  input::KeyUp(input::TableKey(*event), event->isAutoRepeat(), event->key());
}

// ---------------------------------------------------------------- activation

void Mainform::Activate() {
  if (unloadRequested_) return;
  ++activationDepth_;
  // The window may be unloaded while its activation runs (the main menu's
  // activation does that); it is deleted once the activation has ended.
  struct Leave {
    Mainform* w;
    ~Leave() {
      if (--w->activationDepth_ == 0 && w->unloadRequested_) w->deleteLater();
    }
  } leave{this};

  input::KeyReleased = input::True;
  input::MouseReleased = input::True;
  input::ResetPresses();
  FillSessionTables();
  if (settings::SettingsRecord.CurrentSongIndex > 6) settings::SettingsRecord.CurrentSongIndex = 1;
  init_pictureboxes();
  platform::DoEvents();
  if (unloadRequested_) return;

  if (settings::SettingsRecord.AnimationDelay == 0 || CalibrationRequested == 1) {
    // Also when "Start" found the speed uncalibrated. Only the menu's own
    // speed button spares the statistics: after a Start the main menu shows
    // them, as after every session.
    calibrate_time();
    CalibrationRequested = 0;
    // When the Escape key has already handed back, the main menu is shown.
    if (!unloadRequested_ && isVisible()) HandBack();
    return;
  }
  if (RunSessionHook) RunSessionHook(*this);
}

void Mainform::HandBack() {
  hide();
  if (ShowMainMenuHook) ShowMainMenuHook();
}

Mainform* CurrentMainform() { return theWindow; }

Mainform* ShowMainform() {
  if (!theWindow) theWindow = new Mainform();
  Mainform* w = theWindow;
  if (QScreen* screen = QGuiApplication::primaryScreen()) w->setGeometry(screen->geometry());
  w->show();
  w->raise();
  w->activateWindow();
  w->setFocus();
  // The activation runs from the event loop, right after the caller (the
  // main menu's Start) has finished its own steps. It is run by the program
  // itself, not by a window manager's activation event.
  if (!w->activationPending_ && !w->Activating()) {
    w->activationPending_ = true;
    QMetaObject::invokeMethod(
        w,
        [w] {
          w->activationPending_ = false;
          w->Activate();
        },
        Qt::QueuedConnection);
  }
  return w;
}

void UnloadMainform() {
  Mainform* w = theWindow;
  if (!w) return;
  theWindow = nullptr;
  w->unloadRequested_ = true;
  w->hide();
  if (!w->Activating()) w->deleteLater();
}

}  // namespace pictures
