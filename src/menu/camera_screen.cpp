#include "menu/camera_screen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "camera/camera_switch.h"
#include "input/input_flags.h"
#include "input/switch_inputs.h"
#include "menu/screen_widgets.h"
#include "platform/host.h"
#include "settings/settings_record.h"

namespace menu {

namespace {

constexpr double FlashSeconds = 0.3;
constexpr double Step = 0.02;  // an arrow key moves a rectangle this part of the image
const QColor SwitchColour[2] = {QColor(0, 120, 215), QColor(230, 120, 0)};

settings::CameraRegion Inside(settings::CameraRegion r) {
  r.w = std::clamp(r.w, 0.05, 1.0);
  r.h = std::clamp(r.h, 0.05, 1.0);
  r.x = std::clamp(r.x, 0.0, 1.0 - r.w);
  r.y = std::clamp(r.y, 0.0, 1.0 - r.h);
  return r;
}

bool Contains(const settings::CameraRegion& r, const QPointF& p) {
  return !r.empty() && p.x() >= r.x && p.x() <= r.x + r.w && p.y() >= r.y && p.y() <= r.y + r.h;
}

QString& RegionText(int sw) {
  return sw == 0 ? settings::CameraOptionsRecord.Region1 : settings::CameraOptionsRecord.Region2;
}
int16_t& SensitivityValue(int sw) {
  return sw == 0 ? settings::CameraOptionsRecord.Sensitivity1 : settings::CameraOptionsRecord.Sensitivity2;
}

}  // namespace

// ---- the live picture

CameraPreview::CameraPreview(QWidget* parent) : QWidget(parent) {
  setFixedSize(480, 360);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Camera picture"));
  setAccessibleDescription(tr("Arrow keys move the rectangle, Shift and the arrow keys change its size, 1 and 2 "
                              "choose the switch, Delete removes the rectangle."));
}

void CameraPreview::SetImage(const QImage& image) {
  image_ = image;
  update();
}

void CameraPreview::SetRegion(int sw, const settings::CameraRegion& region) {
  regions_[sw] = region;
  update();
}

void CameraPreview::Choose(int sw) {
  if (chosen_ == sw) return;
  chosen_ = sw;
  update();
  Q_EMIT chosenChanged(sw);
}

void CameraPreview::Nudge(double dx, double dy, double dw, double dh) {
  settings::CameraRegion& r = regions_[chosen_];
  if (r.empty()) {
    r = {0.35, 0.35, 0.3, 0.3};
  } else {
    r.x += dx;
    r.y += dy;
    r.w += dw;
    r.h += dh;
    r = Inside(r);
  }
  update();
  Q_EMIT regionChanged(chosen_);
}

QRectF CameraPreview::imageRect() const {
  const QSizeF area = size();
  QSizeF shown = image_.isNull() ? QSizeF(4, 3) : QSizeF(image_.size());
  shown.scale(area, Qt::KeepAspectRatio);
  return {QPointF((area.width() - shown.width()) / 2, (area.height() - shown.height()) / 2), shown};
}

QPointF CameraPreview::fraction(const QPointF& pos) const {
  const QRectF r = imageRect();
  return {std::clamp((pos.x() - r.left()) / r.width(), 0.0, 1.0), std::clamp((pos.y() - r.top()) / r.height(), 0.0, 1.0)};
}

void CameraPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const QRectF area = imageRect();
  if (!image_.isNull()) {
    p.drawImage(area, image_);
  } else {
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, tr("No picture"));
  }
  for (int sw = 0; sw < 2; ++sw) {
    const settings::CameraRegion& r = regions_[sw];
    if (r.empty()) continue;
    const QRectF box(area.left() + r.x * area.width(), area.top() + r.y * area.height(), r.w * area.width(),
                     r.h * area.height());
    p.setPen(QPen(SwitchColour[sw], sw == chosen_ ? 4 : 2, sw == chosen_ ? Qt::SolidLine : Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    QFont f = font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    p.setFont(f);
    const QRectF tag(box.topLeft() + QPointF(4, 4), QSizeF(24, 24));
    p.fillRect(tag, SwitchColour[sw]);
    p.setPen(Qt::white);
    p.drawText(tag, Qt::AlignCenter, QString::number(sw + 1));
  }
  if (hasFocus()) {
    p.setPen(QPen(palette().highlight().color(), 3));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void CameraPreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragStart_ = fraction(event->position());
  // A press inside a rectangle takes that one, the chosen one first.
  for (int sw : {chosen_, 1 - chosen_}) {
    if (Contains(regions_[sw], dragStart_)) {
      Choose(sw);
      drag_ = Drag::Move;
      dragFrom_ = regions_[sw];
      return;
    }
  }
  drag_ = Drag::Draw;
}

void CameraPreview::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return;
  const QPointF at = fraction(event->position());
  settings::CameraRegion& r = regions_[chosen_];
  if (drag_ == Drag::Move) {
    r = dragFrom_;
    r.x += at.x() - dragStart_.x();
    r.y += at.y() - dragStart_.y();
    r = Inside(r);
  } else {
    r = {std::min(at.x(), dragStart_.x()), std::min(at.y(), dragStart_.y()), std::abs(at.x() - dragStart_.x()),
         std::abs(at.y() - dragStart_.y())};
  }
  update();
}

void CameraPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (drag_ == Drag::None || event->button() != Qt::LeftButton) return;
  mouseMoveEvent(event);
  settings::CameraRegion& r = regions_[chosen_];
  // A click without a drag draws nothing (the rectangle stays as it was).
  if (drag_ == Drag::Draw && (r.w < 0.03 || r.h < 0.03)) r = dragFrom_;
  if (drag_ == Drag::Draw && !r.empty()) r = Inside(r);
  drag_ = Drag::None;
  update();
  Q_EMIT regionChanged(chosen_);
}

void CameraPreview::keyPressEvent(QKeyEvent* event) {
  const bool size = event->modifiers().testFlag(Qt::ShiftModifier);
  switch (event->key()) {
    case Qt::Key_Left: size ? Nudge(0, 0, -Step, 0) : Nudge(-Step, 0, 0, 0); return;
    case Qt::Key_Right: size ? Nudge(0, 0, Step, 0) : Nudge(Step, 0, 0, 0); return;
    case Qt::Key_Up: size ? Nudge(0, 0, 0, -Step) : Nudge(0, -Step, 0, 0); return;
    case Qt::Key_Down: size ? Nudge(0, 0, 0, Step) : Nudge(0, Step, 0, 0); return;
    case Qt::Key_1: Choose(0); return;
    case Qt::Key_2: Choose(1); return;
    case Qt::Key_Delete: case Qt::Key_Backspace:
      regions_[chosen_] = {};
      update();
      Q_EMIT regionChanged(chosen_);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// ---- the level bar

LevelBar::LevelBar(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 22); }

void LevelBar::SetLevels(double movement, double level, bool down) {
  if (movement == movement_ && level == level_ && down == down_) return;
  movement_ = movement;
  level_ = level;
  down_ = down;
  setAccessibleDescription(tr("movement %1 %, level %2 %").arg(qRound(movement)).arg(qRound(level)));
  update();
}

void LevelBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.fillRect(r, QColor(235, 235, 235));
  // Twice the level fills the bar: the mark stands in the middle.
  const double full = std::max(1.0, level_ * 2);
  // It fills from where its sensitivity slider starts: the right in a
  // right-to-left layout.
  const bool mirrored = layoutDirection() == Qt::RightToLeft;
  const double filled = r.width() * std::min(1.0, movement_ / full);
  p.fillRect(QRectF(mirrored ? r.right() - filled : r.left(), r.top(), filled, r.height()),
             down_ ? QColor(46, 160, 67) : QColor(120, 150, 200));
  const double mark = r.width() * std::min(1.0, level_ / full);
  const double x = mirrored ? r.right() - mark : r.left() + mark;
  p.setPen(QPen(Qt::black, 3));
  p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  p.setPen(Qt::gray);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
}

// ---- the screen

CameraScreen::CameraScreen(QWidget* parent) : QGroupBox(tr("Camera Switch"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(8);

  auto* top = new QHBoxLayout();
  camera_back = captionedButton(tr("&Back"), this);
  camera_back->setAccessibleName(tr("Back"));
  camera_back->setMinimumWidth(160);
  camera_back->setMinimumHeight(36);
  top->addWidget(camera_back);
  top->addSpacing(20);
  QLabel* heading = headingLabel(tr("Camera Switch"), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.25);
  heading->setFont(big);
  top->addWidget(heading, 1);
  outer->addLayout(top);
  outer->addWidget(wrappedLabel(tr("Draw a rectangle on the picture around the movement that is to press each switch "
                                   "(a head turn, a hand lift). Movement inside it presses the switch; a change of "
                                   "the whole picture's brightness does not."),
                                this));

  auto* chooserRow = new QHBoxLayout();
  camera_enabled = checkBox(tr("&Use the camera as switches"), this);
  chooserRow->addWidget(camera_enabled);
  chooserRow->addSpacing(20);
  auto* chooserLabel = new QLabel(tr("C&amera:"), this);
  camera_chooser = new QComboBox(this);
  camera_chooser->setAccessibleName(tr("Camera"));
  camera_chooser->setMinimumWidth(320);
  chooserLabel->setBuddy(camera_chooser);
  chooserRow->addWidget(chooserLabel);
  chooserRow->addWidget(camera_chooser, 1);
  outer->addLayout(chooserRow);

  camera_status = wrappedLabel(QString(), this);
  QFont bold = camera_status->font();
  bold.setBold(true);
  camera_status->setFont(bold);
  // Room for the longest state in every language (the screen is laid out
  // once, before any state is known).
  camera_status->setMinimumHeight(QFontMetrics(bold).lineSpacing() * 3);
  outer->addWidget(camera_status);

  auto* middle = new QHBoxLayout();
  preview = new CameraPreview(this);
  middle->addWidget(preview, 0, Qt::AlignTop);
  auto* side = new QVBoxLayout();
  auto* drawRow = new QHBoxLayout();
  drawRow->addWidget(new QLabel(tr("Rectangle of:"), this));
  for (int k = 0; k < 2; ++k) {
    auto* box = new QGroupBox(tr("Switch %1").arg(k + 1), this);
    box->setAccessibleName(box->title());
    auto* grid = new QGridLayout(box);
    lamp[k] = switchLamp(tr("Switch %1").arg(k + 1), QSize(150, 44), 1, box);
    grid->addWidget(lamp[k], 0, 0, 1, 2);
    remove_button[k] = captionedButton(tr("Remove Rectangle %1").arg(k + 1), box);
    grid->addWidget(remove_button[k], 0, 2);
    auto* sensLabel = new QLabel(tr("Sensitivity:"), box);
    sensitivity[k] = new QSlider(Qt::Horizontal, box);
    sensitivity[k]->setRange(1, 100);
    sensitivity[k]->setPageStep(10);
    sensitivity[k]->setAccessibleName(tr("Sensitivity of switch %1").arg(k + 1));
    sensLabel->setBuddy(sensitivity[k]);
    grid->addWidget(sensLabel, 1, 0);
    grid->addWidget(sensitivity[k], 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Movement:"), box), 2, 0);
    level_bar[k] = new LevelBar(box);
    level_bar[k]->setAccessibleName(tr("Movement at switch %1").arg(k + 1));
    grid->addWidget(level_bar[k], 2, 1, 1, 2);
    side->addWidget(box);
    draw_for[k] = optionButton(tr("Switch &%1").arg(k + 1), this);
    draw_for[k]->setAccessibleName(tr("Rectangle of switch %1").arg(k + 1));
    drawRow->addWidget(draw_for[k]);

    connect(draw_for[k], &QRadioButton::toggled, this, [this, k](bool on) {
      if (on) preview->Choose(k);
    });
    connect(remove_button[k], &QPushButton::clicked, this, [this, k] {
      preview->SetRegion(k, {});
      Q_EMIT preview->regionChanged(k);
    });
    connect(sensitivity[k], &QSlider::valueChanged, this, [this, k](int v) {
      if (SensitivityValue(k) == v) return;
      SensitivityValue(k) = static_cast<int16_t>(v);
      changed();
    });
  }
  drawRow->addStretch(1);
  side->insertLayout(0, drawRow);
  side->addStretch(1);
  middle->addLayout(side, 1);
  outer->addLayout(middle);
  draw_for[0]->setChecked(true);
  setFixedWidth(980);
  // Tab goes as the eye does: the camera, which switch, its rectangle, then
  // each switch's controls.
  QWidget* order[] = {camera_back,  camera_enabled,   camera_chooser, draw_for[0],      draw_for[1],
                      preview,      remove_button[0], sensitivity[0], remove_button[1], sensitivity[1]};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(preview, &CameraPreview::chosenChanged, this, [this](int sw) { draw_for[sw]->setChecked(true); });
  connect(preview, &CameraPreview::regionChanged, this, [this](int sw) {
    RegionText(sw) = settings::FormatCameraRegion(preview->region(sw));
    changed();
  });
  connect(camera_enabled, &QCheckBox::toggled, this, [this](bool on) {
    settings::CameraOptionsRecord.Enabled = on ? 1 : 0;
    changed();
  });
  connect(camera_chooser, &QComboBox::activated, this, [this](int index) {
    const QString id = camera_chooser->itemData(index).toString();
    if (id == settings::CameraOptionsRecord.Device || !camera_chooser->isEnabled()) return;
    settings::CameraOptionsRecord.Device = id;
    changed();
  });
  timer_.setInterval(30);
  connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
}

void CameraScreen::Start() {
  const settings::CameraOptions& o = settings::CameraOptionsRecord;
  camera::CameraSwitch& cam = camera::CameraSwitch::instance();
  if (!connected_) {
    // Made here, not with the screen: without the camera nothing of it is loaded.
    connected_ = true;
    connect(&cam, &camera::CameraSwitch::stateChanged, this, [this] {
      if (!isVisible()) return;
      fillChooser();
      showStatus();
    });
    connect(&cam, &camera::CameraSwitch::frameSeen, this, [this] {
      if (isVisible()) preview->SetImage(camera::CameraSwitch::instance().preview());
    });
  }
  changed_ = false;
  camera_enabled->setChecked(o.Enabled == 1);
  for (int k = 0; k < 2; ++k) {
    settings::CameraRegion r;
    settings::ParseCameraRegion(RegionText(k), r);
    preview->SetRegion(k, r);
    sensitivity[k]->setValue(SensitivityValue(k));
  }
  changed_ = false;
  input::ResetPresses();
  input::Presses().ResetCounts();
  seenCounted_ = {0, 0};
  flashUntil_ = {0, 0};
  preview->SetImage({});
  cam.SetWatched(true);
  fillChooser();
  showStatus();
  timer_.start();
  Poll();
}

bool CameraScreen::Stop() {
  timer_.stop();
  camera::CameraSwitch::instance().SetWatched(false);
  input::ResetPresses();
  // The flags the screen raised mean nothing to the next session.
  input::SwitchPressed = input::EnterPressed = 0;
  if (!changed_) return true;
  changed_ = false;
  return settings::SaveCameraOptions();
}

void CameraScreen::changed() {
  changed_ = true;
  camera::CameraSwitch::instance().Apply();
}

void CameraScreen::fillChooser() {
  const settings::CameraOptions& o = settings::CameraOptionsRecord;
  camera_chooser->clear();
  if (!o.Source.isEmpty()) {
    // The video file of brushwell.ini stands in for every camera.
    camera_chooser->addItem(tr("Video file %1 (Source in brushwell.ini)").arg(o.Source), o.Source);
    camera_chooser->setEnabled(false);
    return;
  }
  camera_chooser->setEnabled(true);
  camera_chooser->addItem(tr("The standard camera"), QString());
  for (const auto& [id, name] : camera::CameraSwitch::Cameras()) camera_chooser->addItem(name, id);
  int at = camera_chooser->findData(o.Device);
  if (at < 0) {
    camera_chooser->addItem(tr("%1 (not connected)").arg(o.Device), o.Device);
    at = camera_chooser->count() - 1;
  }
  camera_chooser->setCurrentIndex(at);
}

void CameraScreen::showStatus() {
  const QString text = camera::CameraSwitch::instance().message();
  camera_status->setText(text);
  camera_status->setAccessibleName(text);
}

void CameraScreen::Poll() {
  const int16_t device = settings::SettingsRecord.InputDevice;
  input::ReadPolledSwitches(device >= 1 && device <= 5 ? device : 0);
  const camera::MotionDetector& d = camera::CameraSwitch::instance().detector();
  const input::PressFilter& f = input::Presses();
  const double now = platform::host().monotonicSeconds();
  for (int k = 0; k < 2; ++k) {
    level_bar[k]->SetLevels(d.level(k), d.threshold(k), d.down(k));
    const int counted = f.counts(k).counted;
    if (counted > seenCounted_[k]) flashUntil_[k] = now + FlashSeconds;
    seenCounted_[k] = counted;
    const bool flash = now < flashUntil_[k];
    const bool held = f.Held(k);
    PaintSwitchLamp(lamp[k], held, flash);
    lamp[k]->setAccessibleDescription(held ? tr("held") : tr("released"));
  }
}

void CameraScreen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Q_EMIT leaveRequested();
    return;
  }
  QGroupBox::keyPressEvent(event);
}

}  // namespace menu
