#include "menu/test_switches_screen.h"

#include <QCoreApplication>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "input/input_flags.h"
#include "input/keys.h"
#include "input/switch_adapter.h"
#include "input/switch_inputs.h"
#include "menu/screen_widgets.h"
#include "pictures/mainform.h"
#include "platform/game_port.h"
#include "platform/host.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace menu {

namespace {

constexpr double FlashSeconds = 0.3;

const char* const DeviceCaption[] = {"", QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 1"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 2"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 3"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 4"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in Joystick (Game) Port"), QT_TRANSLATE_NOOP("DeviceScreen", "Mouse Click or Keyboard Space bar")};

double Now() { return platform::host().monotonicSeconds(); }

}  // namespace

TestSwitchesScreen::TestSwitchesScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("TestSwitchesScreen", "Test Switches"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(10);

  auto* top = new QHBoxLayout();
  test_back = captionedButton(QCoreApplication::translate("TestSwitchesScreen", "&Back"), this);
  test_back->setAccessibleName(QCoreApplication::translate("TestSwitchesScreen", "Back"));
  test_back->setMinimumWidth(160);
  test_back->setMinimumHeight(36);
  top->addWidget(test_back);
  top->addSpacing(20);
  QLabel* heading = headingLabel(QCoreApplication::translate("TestSwitchesScreen", "Test Switches"), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.25);
  heading->setFont(big);
  top->addWidget(heading, 1);
  camera_button = captionedButton(tr("C&amera Switch"), this);
  camera_button->setAccessibleName(tr("Camera Switch"));
  camera_button->setMinimumWidth(160);
  camera_button->setMinimumHeight(36);
  top->addWidget(camera_button);
  outer->addLayout(top);
  outer->addWidget(wrappedLabel(QCoreApplication::translate("TestSwitchesScreen", "Press the switches. A lamp lights while its switch is held and "
                                               "flashes yellow when a press counts with the timing now set. Mouse "
                                               "buttons count on the lamps. Escape or Alt+B goes back."),
                                this));

  lampPanel_ = new QWidget(this);
  lampPanel_->setAccessibleName(QCoreApplication::translate("TestSwitchesScreen", "Switch lamps"));
  auto* lamps = new QGridLayout(lampPanel_);
  lamps->setHorizontalSpacing(40);
  for (int k = 0; k < 2; ++k) {
    lamp[k] = switchLamp(QCoreApplication::translate("TestSwitchesScreen", "Switch %1").arg(k + 1), QSize(300, 130), 2,
                         lampPanel_);
    lamps->addWidget(lamp[k], 0, k, Qt::AlignHCenter);
    // With an acceptance time: the ring that fills while the switch is held.
    hold_ring[k] = new pictures::DwellRing(lamp[k]);
    hold_ring[k]->setAccessibleName(QCoreApplication::translate("TestSwitchesScreen", "Switch %1 hold").arg(k + 1));
    hold_ring[k]->setGeometry(lamp[k]->width() - 62, (lamp[k]->height() - 52) / 2, 52, 52);
    hold_ring[k]->hide();
    inputs_label[k] = wrappedLabel(QString(), lampPanel_);
    inputs_label[k]->setFixedWidth(300);
    inputs_label[k]->setMinimumHeight(inputs_label[k]->fontMetrics().lineSpacing() * 3);
    inputs_label[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lamps->addWidget(inputs_label[k], 1, k, Qt::AlignHCenter);
    learn_button[k] = captionedButton(QCoreApplication::translate("TestSwitchesScreen", "&Learn Switch %1").arg(k + 1), lampPanel_);
    if (k == 1) learn_button[k]->setText(QCoreApplication::translate("TestSwitchesScreen", "L&earn Switch 2"));
    learn_button[k]->setAccessibleName(QCoreApplication::translate("TestSwitchesScreen", "Learn Switch %1").arg(k + 1));
    learn_button[k]->setFixedWidth(qMax(300, learn_button[k]->sizeHint().width()));  // wider for a longer caption
    lamps->addWidget(learn_button[k], 2, k, Qt::AlignHCenter);
    connect(learn_button[k], &QPushButton::clicked, this, [this, k] { Learn(k + 1); });
    forget_button[k] = captionedButton(QCoreApplication::translate("TestSwitchesScreen", "Forget Learnt Inputs of Switch &%1").arg(k + 1), lampPanel_);
    forget_button[k]->setAccessibleName(QCoreApplication::translate("TestSwitchesScreen", "Forget Learnt Inputs of Switch %1").arg(k + 1));
    forget_button[k]->setFixedWidth(qMax(300, forget_button[k]->sizeHint().width()));
    lamps->addWidget(forget_button[k], 3, k, Qt::AlignHCenter);
    connect(forget_button[k], &QPushButton::clicked, this, [this, k] { Forget(k + 1); });
  }
  outer->addWidget(lampPanel_);

  learn_status = wrappedLabel(QString(), this);
  counts_label = wrappedLabel(QString(), this);
  device_label = wrappedLabel(QString(), this);
  QFont bold = counts_label->font();
  bold.setBold(true);
  counts_label->setFont(bold);
  learn_status->setFont(bold);
  outer->addWidget(learn_status);
  outer->addWidget(counts_label);
  outer->addWidget(device_label);
  setFixedWidth(980);

  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  paintLamps();
}

void TestSwitchesScreen::Start() {
  input::ResetPresses();
  input::Presses().ResetCounts();
  seenCounted_ = {0, 0};
  flashUntil_ = {0, 0};
  learning_ = 0;
  learnt_ = false;
  learn_status->clear();
  const int16_t device = settings::SettingsRecord.InputDevice;
  QString reading = device >= 1 && device <= 6 ? QCoreApplication::translate("DeviceScreen", DeviceCaption[device])
                                                : QCoreApplication::translate("TestSwitchesScreen", "none");
  const QString what = input::SwitchDeviceDescription(device);
  if (!what.isEmpty()) reading += QStringLiteral(" (%1)").arg(what);
  device_label->setText(QCoreApplication::translate("TestSwitchesScreen", "Reading: %1. The device is chosen on \"Keyboard / Switch Information\".").arg(reading));
  device_label->setAccessibleName(device_label->text());
  showInputs();
  qApp->installEventFilter(this);
  timer_.start();
  Poll();
}

bool TestSwitchesScreen::Stop() {
  timer_.stop();
  qApp->removeEventFilter(this);
  learning_ = 0;
  input::ResetPresses();
  // The flags the test raised mean nothing to the next session.
  input::SwitchPressed = input::EnterPressed = 0;
  if (!learnt_) return true;
  learnt_ = false;
  return settings::SaveSwitchOptions();
}

void TestSwitchesScreen::Learn(int sw) {
  learning_ = sw;
  learn_status->setText(QCoreApplication::translate("TestSwitchesScreen", "Press the key, the mouse button (on a lamp) or the joystick button that is to "
                                       "be switch %1. Escape cancels.")
                            .arg(sw));
  learn_status->setAccessibleName(learn_status->text());
}

void TestSwitchesScreen::Forget(int sw) {
  learning_ = 0;
  (sw == 1 ? settings::SwitchOptionsRecord.Switch1 : settings::SwitchOptionsRecord.Switch2).clear();
  input::ApplySwitchOptions();
  learnt_ = true;
  learn_status->setText(QCoreApplication::translate("TestSwitchesScreen", "Switch %1 has only its standard keys now.").arg(sw));
  learn_status->setAccessibleName(learn_status->text());
  showInputs();
}

void TestSwitchesScreen::takeLearnt(const QString& entry) {
  const int sw = learning_;
  learning_ = 0;
  QStringList problems;
  const auto parsed = input::ParseSwitchInputs(entry, QStringLiteral("Switch%1").arg(sw), problems);
  if (parsed.empty()) {
    // The reason is what the sentence says after the entry and its closing
    // quote, whatever quotes (and direction marks) the language uses.
    QString why;
    if (!problems.isEmpty()) {
      const QString& problem = problems.first();
      const qsizetype at = problem.indexOf(entry.left(30));
      qsizetype from = at < 0 ? problem.size() : at + entry.left(30).size();
      while (from < problem.size() && !problem.at(from).isSpace()) ++from;
      why = problem.mid(from).trimmed();
    }
    learn_status->setText(QCoreApplication::translate("TestSwitchesScreen", "Not taken: %1 %2").arg(entry, why));
  } else {
    // The input leaves the other switch and joins this one.
    settings::SwitchOptions& o = settings::SwitchOptionsRecord;
    QString& mine = sw == 1 ? o.Switch1 : o.Switch2;
    QString& other = sw == 1 ? o.Switch2 : o.Switch1;
    QStringList ignore;
    auto without = [&](const QString& list) {
      auto inputs = input::ParseSwitchInputs(list, QStringLiteral("Switch"), ignore);
      std::erase(inputs, parsed.front());
      return inputs;
    };
    other = input::FormatSwitchInputs(without(other));
    auto keep = without(mine);
    keep.push_back(parsed.front());
    mine = input::FormatSwitchInputs(keep);
    input::ApplySwitchOptions();
    learnt_ = true;
    learn_status->setText(
        QCoreApplication::translate("TestSwitchesScreen", "Switch %1 is now also %2.").arg(sw).arg(input::DescribeSwitchInput(parsed.front())));
    showInputs();
  }
  learn_status->setAccessibleName(learn_status->text());
}

void TestSwitchesScreen::showInputs() {
  const QString standard[2] = {QCoreApplication::translate("TestSwitchesScreen", "Space bar, 0 key"), QCoreApplication::translate("TestSwitchesScreen", "Enter key, 1 key")};
  for (int k = 0; k < 2; ++k) {
    QStringList names{standard[k]};
    if (k == 0 && settings::SettingsRecord.InputDevice == 6) names << QCoreApplication::translate("TestSwitchesScreen", "mouse clicks");
    if (k == 0 && settings::SettingsRecord.InputDevice >= 1 && settings::SettingsRecord.InputDevice <= 5)
      names << QCoreApplication::translate("TestSwitchesScreen", "the switch adapter");
    for (const input::SwitchInput& in : input::ExtraInputs(k + 1)) names << input::DescribeSwitchInput(in);
    settings::CameraRegion region;
    const settings::CameraOptions& camera = settings::CameraOptionsRecord;
    if (camera.Enabled == 1 && settings::ParseCameraRegion(k == 0 ? camera.Region1 : camera.Region2, region) &&
        !region.empty())
      names << tr("movement seen by the camera");
    inputs_label[k]->setText(names.join(QStringLiteral(", ")));
    inputs_label[k]->setAccessibleName(inputs_label[k]->text());
  }
}

void TestSwitchesScreen::Poll() {
  const int16_t device = settings::SettingsRecord.InputDevice;
  input::ReadPolledSwitches(device >= 1 && device <= 5 ? device : 0);
  if (learning_ != 0) {
    const auto [joystick, button] = platform::gameport::FirstPressedJoystickButton();
    if (joystick != 0) takeLearnt(QStringLiteral("Joystick:%1:%2").arg(joystick).arg(button));
  }
  paintLamps();
}

void TestSwitchesScreen::paintLamps() {
  const input::PressFilter& f = input::Presses();
  const double now = Now();
  QStringList figures;
  for (int k = 0; k < 2; ++k) {
    const input::PressFilter::Counts& c = f.counts(k);
    if (c.counted > seenCounted_[k]) flashUntil_[k] = now + FlashSeconds;
    seenCounted_[k] = c.counted;
    const bool flash = now < flashUntil_[k];
    const bool held = f.Held(k);
    PaintSwitchLamp(lamp[k], held, flash);
    lamp[k]->setAccessibleDescription(held ? QCoreApplication::translate("TestSwitchesScreen", "held")
                                             : QCoreApplication::translate("TestSwitchesScreen", "released"));
    const bool rings = settings::SwitchOptionsRecord.AcceptanceMs > 0 && settings::SwitchOptionsRecord.HoldRing == 1;
    const double part = f.HoldPart(k, now);
    hold_ring[k]->setVisible(rings && (flash || part >= 0));
    if (hold_ring[k]->isVisible() && (hold_ring[k]->progress() != part || hold_ring[k]->flashing() != flash)) {
      hold_ring[k]->SetProgress(flash ? 1 : part, flash);
      hold_ring[k]->update();
    }
    figures << QCoreApplication::translate("TestSwitchesScreen", "Switch %1: %2 counted, %3 ignored, last hold %4")
                   .arg(k + 1)
                   .arg(c.counted)
                   .arg(c.ignored)
                   .arg(c.lastHoldMs < 0 ? QStringLiteral("-") : QCoreApplication::translate("TestSwitchesScreen", "%1 ms").arg(c.lastHoldMs));
  }
  const QString text = figures.join(QStringLiteral("     "));
  if (counts_label->text() != text) {
    counts_label->setText(text);
    counts_label->setAccessibleName(text);
  }
}

bool TestSwitchesScreen::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && isVisible()) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int k = key->key();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab || key->modifiers().testFlag(Qt::AltModifier) ||
        k == Qt::Key_Alt || k == Qt::Key_Shift || k == Qt::Key_Control || k == Qt::Key_Meta)
      return false;
    // Taken at the first widget of this window it reaches, which ends its way.
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window()) return false;
    if (type == QEvent::KeyPress && k == Qt::Key_Escape) {
      if (learning_ != 0) {
        learning_ = 0;
        learn_status->setText(QCoreApplication::translate("TestSwitchesScreen", "Learning cancelled."));
      } else {
        Q_EMIT leaveRequested();
      }
      return true;
    }
    if (key->isAutoRepeat()) return true;
    const int tableKey = input::TableKey(*key);
    if (type == QEvent::KeyPress && learning_ != 0) {
      takeLearnt(QStringLiteral("Key:") + QKeySequence(k).toString(QKeySequence::PortableText));
      return true;
    }
    const int sw = input::SwitchOfKey(tableKey, key->modifiers(), k);
    const int source = input::KeySource(tableKey != Qt::Key_unknown ? tableKey : k);
    if (sw != 0 && type == QEvent::KeyPress) input::SwitchDown(sw, source);
    if (type == QEvent::KeyRelease) {
      input::SwitchUp(1, source);
      input::SwitchUp(2, source);
    }
    paintLamps();
    return true;
  }
  if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
       type == QEvent::MouseButtonDblClick) &&
      (watched == lampPanel_ || watched == lamp[0] || watched == lamp[1])) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::MouseButton button = mouse->button();
    if (type != QEvent::MouseButtonRelease && learning_ != 0) {
      QStringList names = {"", "Left", "Right", "", "Middle", "", "", "", "Back"};
      const QString name = button == Qt::ForwardButton ? QStringLiteral("Forward")
                           : static_cast<int>(button) < names.size() ? names[static_cast<int>(button)]
                                                                      : QString();
      takeLearnt(QStringLiteral("Mouse:") + name);
      return true;
    }
    const int assigned = input::ExtraSwitchForButton(button);
    const int sw = assigned != 0 ? assigned : settings::SettingsRecord.InputDevice == 6 ? 1 : 0;
    if (type != QEvent::MouseButtonRelease && sw != 0) input::SwitchDown(sw, input::MouseSource(button));
    if (type == QEvent::MouseButtonRelease) {
      input::SwitchUp(1, input::MouseSource(button));
      input::SwitchUp(2, input::MouseSource(button));
    }
    paintLamps();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace menu
