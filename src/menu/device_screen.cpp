#include "menu/device_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "input/switch_adapter.h"
#include "menu/screen_widgets.h"
#include "settings/settings_record.h"

namespace menu {

namespace {

// One cell of the key table: a framed, word-wrapped label.
QLabel* cell(const QString& text, QWidget* parent, bool heading) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAccessibleName(text);
  label->setFrameShape(QFrame::Box);
  label->setMargin(6);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setAutoFillBackground(true);
  QPalette pal = label->palette();
  pal.setColor(QPalette::Window, heading ? QColor(226, 232, 240) : QColor(Qt::white));
  pal.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(pal);
  if (heading) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
  }
  return label;
}

QWidget* keyTable(QWidget* parent) {
  auto* table = new QWidget(parent);
  table->setAccessibleName(QCoreApplication::translate("DeviceScreen", "Keys and switches"));
  auto* grid = new QGridLayout(table);
  grid->setSpacing(0);
  grid->setContentsMargins(0, 0, 0, 0);

  const QString colors = QCoreApplication::translate("DeviceScreen", "Colors the picture with the current paint tube");
  const QString next = QCoreApplication::translate("DeviceScreen", "Move to the next paint tube.");
  const QString clears = QCoreApplication::translate("DeviceScreen", "Clears the last part of the picture that was colored");
  const QString skips = QCoreApplication::translate("DeviceScreen", "Skip to the next picture immediately");
  const QString rows[5][5] = {
      {QCoreApplication::translate("DeviceScreen", "Key Pressed"), QCoreApplication::translate("DeviceScreen", "Timed Scanning"), QCoreApplication::translate("DeviceScreen", "Step Scanning 1 Switch"),
       QCoreApplication::translate("DeviceScreen", "Step Scanning 2 Switches"), QCoreApplication::translate("DeviceScreen", "No Scanning")},
      {QCoreApplication::translate("DeviceScreen", "Left Mouse Click, Space Bar or the number 0"), colors, next, next,
       QCoreApplication::translate("DeviceScreen", "Colors the picture with the paint tube that the mouse arrow is pointing to")},
      {QCoreApplication::translate("DeviceScreen", "<Enter> key or the number 1"), QString(), QString(), colors, QString()},
      {QCoreApplication::translate("DeviceScreen", "The letter \"c\" or the number 2"), clears, clears, clears, clears},
      {QCoreApplication::translate("DeviceScreen", "The letter \"a\" or the number 3"), skips, skips, skips, skips},
  };
  // Word-wrapped labels in a grid do not get their height for their width,
  // so every column has a fixed width and every row the height of its
  // tallest cell.
  const int widths[5] = {204, 184, 184, 184, 184};
  for (int r = 0; r < 5; ++r) {
    QLabel* cells[5];
    int rowHeight = 0;
    for (int c = 0; c < 5; ++c) {
      cells[c] = cell(rows[r][c], table, r == 0 || c == 0);
      cells[c]->setFixedWidth(widths[c]);
      rowHeight = qMax(rowHeight, cells[c]->heightForWidth(widths[c]));
    }
    for (int c = 0; c < 5; ++c) {
      cells[c]->setFixedHeight(rowHeight);
      grid->addWidget(cells[c], r, c);
    }
  }
  return table;
}

}  // namespace

DeviceScreen::DeviceScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("DeviceScreen", "Keyboard / Switch Information"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(10);

  auto* top = new QHBoxLayout();
  device_button_done = mainMenuButton(this);
  top->addWidget(device_button_done);
  top->addSpacing(20);
  QLabel* heading = headingLabel(QCoreApplication::translate("DeviceScreen", "Keyboard / Switch Information"), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.25);
  heading->setFont(big);
  top->addWidget(heading, 1);
  outer->addLayout(top);

  outer->addWidget(wrappedLabel(QCoreApplication::translate("DeviceScreen", "The following keyboard keys are also active during the program.  These "
                                               "buttons can be emulated with switch presses."),
                                this));
  key_table = keyTable(this);
  outer->addWidget(key_table);
  outer->addSpacing(6);

  // The devices in two columns: the four serial ports, then game port and keys.
  auto* devices = new QGridLayout();
  devices->setHorizontalSpacing(14);
  devices->setVerticalSpacing(6);
  device_group = new QButtonGroup(this);
  const char* captions[] = {"", QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 1"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 2"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 3"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in COM 4"), QT_TRANSLATE_NOOP("DeviceScreen", "Adapter in Joystick (Game) Port"), QT_TRANSLATE_NOOP("DeviceScreen", "Mouse Click or Keyboard Space bar")};
  for (int n = 1; n <= 6; ++n) {
    device_option[n] = optionButton(QCoreApplication::translate("DeviceScreen", captions[n]), this);
    device_group->addButton(device_option[n], n);
    const int row = n <= 4 ? n - 1 : n - 5;
    const int column = n <= 4 ? 0 : 2;
    devices->addWidget(device_option[n], row, column);
    if (n <= 5) {
      device_description[n] = new QLabel(this);
      device_description[n]->setTextFormat(Qt::PlainText);
      device_description[n]->setWordWrap(true);
      QPalette pal = device_description[n]->palette();
      pal.setColor(QPalette::WindowText, QColor(70, 70, 70));
      device_description[n]->setPalette(pal);
      devices->addWidget(device_description[n], row, column + 1);
    }
  }
  devices->setColumnStretch(1, 1);
  devices->setColumnStretch(3, 1);
  devices->setColumnMinimumWidth(1, 180);
  outer->addLayout(devices);

  auto* more = new QHBoxLayout();
  more->setSpacing(12);
  but_switch_timing = captionedButton(QCoreApplication::translate("DeviceScreen", "Switch Timing"), this);
  but_test_switches = captionedButton(QCoreApplication::translate("DeviceScreen", "Test Switches"), this);
  for (QPushButton* b : {but_switch_timing, but_test_switches}) {
    b->setMinimumWidth(200);
    more->addWidget(b);
  }
  more->addWidget(wrappedLabel(QCoreApplication::translate("DeviceScreen", "Hold and release times, dwell selection and more switches; and a "
                                              "test of what each switch does."),
                               this),
                  1);
  outer->addLayout(more);
  Option1 = device_option[1];
  Option2 = device_option[2];
  Option3 = device_option[3];
  Option4 = device_option[4];
  Option5 = device_option[5];
  Option6 = device_option[6];
  // The key table's 940 pixels, the margins and the group box's own frame:
  // narrower, its cells would be squeezed over each other.
  setFixedWidth(986);
}

void DeviceScreen::SelectInputDevice(int16_t device) {
  settings::SettingsRecord.InputDevice = device;
  CheckOnly(device_group, device);
}

void DeviceScreen::RefreshDeviceDescriptions() {
  for (int16_t n = 1; n <= 5; ++n) {
    const QString text = input::SwitchDeviceDescription(n);
    device_description[n]->setText(text.isEmpty() ? QString() : QStringLiteral("(%1)").arg(text));
    device_description[n]->setAccessibleName(text);
  }
}

}  // namespace menu
