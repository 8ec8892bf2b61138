#include "menu/switch_timing_screen.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "input/switch_inputs.h"
#include "menu/screen_widgets.h"
#include "settings/options_file.h"

namespace menu {

namespace {

QString seconds(int ms) { return QCoreApplication::translate("SwitchTimingScreen", "%1 seconds").arg(ms / 1000.0, 0, 'f', ms % 100 == 0 ? 1 : 2); }

constexpr int ScreenWidth = 980;

}  // namespace

SwitchTimingScreen::SwitchTimingScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("SwitchTimingScreen", "Switch Timing"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(10);

  auto* top = new QHBoxLayout();
  timing_back = captionedButton(QCoreApplication::translate("SwitchTimingScreen", "Back"), this);
  timing_back->setMinimumWidth(160);
  timing_back->setMinimumHeight(36);
  top->addWidget(timing_back);
  top->addSpacing(20);
  QLabel* heading = headingLabel(QCoreApplication::translate("SwitchTimingScreen", "Switch Timing"), this);
  QFont big = heading->font();
  big.setPointSizeF(big.pointSizeF() * 1.25);
  heading->setFont(big);
  top->addWidget(heading, 1);
  outer->addLayout(top);
  outer->addWidget(wrappedLabel(QCoreApplication::translate("SwitchTimingScreen", "These times apply to every switch, key and mouse button. Every option "
                                               "at its left end leaves Brushwell as it always was. Try a setting on "
                                               "the \"Test Switches\" screen."),
                                this));

  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  grid->setColumnMinimumWidth(2, 230);
  int row = 0;
  // One option: its caption, a slider, the value it stands for and a
  // sentence on what it helps with.
  auto add = [&](const QString& caption, int lo, int hi, int step, const QString& help,
                 std::function<QString(int)> valueText) {
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(lo, hi);
    slider->setSingleStep(step);
    slider->setPageStep(step * 5);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(step * 5);
    slider->setMinimumWidth(300);
    slider->setAccessibleName(caption);
    auto* value = new QLabel(this);
    value->setTextFormat(Qt::PlainText);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    auto show = [slider, value, valueText, step] {
      // Sliders move by whole steps, also when dragged.
      const int snapped = static_cast<int>(std::lround(slider->value() / static_cast<double>(step))) * step;
      if (snapped != slider->value()) slider->setValue(snapped);
      value->setText(valueText(slider->value()));
      slider->setAccessibleDescription(value->text());
    };
    QObject::connect(slider, &QSlider::valueChanged, value, show);
    show();
    grid->addWidget(headingLabel(caption, this), row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(value, row, 2);
    QLabel* sentence = wrappedLabel(help, this);
    QPalette pal = sentence->palette();
    pal.setColor(QPalette::WindowText, QColor(60, 60, 60));
    sentence->setPalette(pal);
    // A wrapped label in a grid is not given its height for its width: the
    // sentence gets the height of its lines across the screen's width
    // (longer in some languages than in English).
    sentence->setMinimumHeight(sentence->heightForWidth(ScreenWidth - 50));
    grid->addWidget(sentence, row + 1, 0, 1, 3);
    grid->setRowMinimumHeight(row + 2, 8);
    row += 3;
    return slider;
  };

  acceptance_slider = add(QCoreApplication::translate("SwitchTimingScreen", "Hold before a press counts"), 0, 3000, 50,
                          QCoreApplication::translate("SwitchTimingScreen", "The switch must be held this long before a press counts; a shorter touch "
                                         "counts for nothing. Helps users with tremor or spasms who hit the switch "
                                         "by accident."),
                          [](int ms) { return ms == 0 ? QCoreApplication::translate("SwitchTimingScreen", "Off: a press counts at once") : seconds(ms); });
  release_slider = add(QCoreApplication::translate("SwitchTimingScreen", "Ignore after a press"), 0, 3000, 50,
                       QCoreApplication::translate("SwitchTimingScreen", "After a press that counted, anything within this time of letting go is "
                                      "ignored. Helps with switches that bounce and users who hit twice."),
                       [](int ms) { return ms == 0 ? QCoreApplication::translate("SwitchTimingScreen", "Off") : seconds(ms); });
  first_tube_slider = add(QCoreApplication::translate("SwitchTimingScreen", "First tube waits longer"), 10, 50, 1,
                          QCoreApplication::translate("SwitchTimingScreen", "In timed scanning and step scanning with one switch, the first paint tube "
                                         "offered for each part of the picture waits this many times longer. Gives "
                                         "time to get ready after each painting."),
                          [](int tenths) {
                            return tenths == 10 ? QCoreApplication::translate("SwitchTimingScreen", "Off: 1.0 times")
                                                : QCoreApplication::translate("SwitchTimingScreen", "%1 times as long").arg(tenths / 10.0, 0, 'f', 1);
                          });
  scan_cycles_slider = add(QCoreApplication::translate("SwitchTimingScreen", "Rest after scan cycles"), 0, 20, 1,
                           QCoreApplication::translate("SwitchTimingScreen", "In timed scanning, after this many rounds of all the tubes without a "
                                          "choice the tubes rest until the next press. Keeps the program quiet when "
                                          "the user has stopped or needs help."),
                           [](int n) {
                             return n == 0 ? QCoreApplication::translate("SwitchTimingScreen", "Off: scanning never rests")
                                           : QCoreApplication::translate("SwitchTimingScreen", "after %n round(s)", nullptr, n);
                           });
  dwell_slider = add(QCoreApplication::translate("SwitchTimingScreen", "Choose by resting the pointer"), 0, 5000, 100,
                     QCoreApplication::translate("SwitchTimingScreen", "In No Scanning, resting the mouse pointer on a paint tube this long chooses it, "
                                    "as a click does; a ring on the tube fills meanwhile. For eye-gaze and head "
                                    "pointers."),
                     [](int ms) { return ms == 0 ? QCoreApplication::translate("SwitchTimingScreen", "Off: a click chooses") : seconds(ms); });
  pointer_scale_slider = add(QCoreApplication::translate("SwitchTimingScreen", "Pointer size"), 1, 3, 1,
                             QCoreApplication::translate("SwitchTimingScreen", "The pointer that shows which part of the picture is coloured next, drawn "
                                            "this many times larger. For users with low vision."),
                             [](int n) {
                               return n == 1 ? QCoreApplication::translate("SwitchTimingScreen", "Standard size") : QCoreApplication::translate("SwitchTimingScreen", "%1 times larger").arg(n);
                             });
  outer->addLayout(grid);

  // The user's own choices, each with a line on whom it is for.
  auto* choices = new QGridLayout();
  choices->setHorizontalSpacing(14);
  choices->setVerticalSpacing(2);
  auto addChoice = [&](int column, const QString& caption, const QString& help) {
    auto* box = new QCheckBox(caption, this);
    box->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    box->setAccessibleDescription(help);
    choices->addWidget(box, 0, column);
    QLabel* sentence = wrappedLabel(help, this);
    QPalette pal = sentence->palette();
    pal.setColor(QPalette::WindowText, QColor(60, 60, 60));
    sentence->setPalette(pal);
    sentence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    choices->addWidget(sentence, 1, column);
    choices->setColumnStretch(column, 1);
    return box;
  };
  choose_picture_check = addChoice(0, QCoreApplication::translate("SwitchTimingScreen", "User chooses the &next picture"),
                                   QCoreApplication::translate("SwitchTimingScreen", "Between pictures, the next ones are offered with the scanning in "
                                                  "use. For users learning to make choices."));
  choose_section_check = addChoice(1, QCoreApplication::translate("SwitchTimingScreen", "User chooses the &part to colour"),
                                   QCoreApplication::translate("SwitchTimingScreen", "Before each colour, the parts not coloured yet are offered with "
                                                  "the pointer. For users who choose reliably."));
  hold_ring_check = addChoice(2, QCoreApplication::translate("SwitchTimingScreen", "Show the &hold"),
                              QCoreApplication::translate("SwitchTimingScreen", "With a hold time, a ring on the tube fills while the switch is held. "
                                             "Shows the user how long to hold."));
  outer->addLayout(choices);
  setFixedWidth(ScreenWidth);
  LoadFromOptions();
}

void SwitchTimingScreen::LoadFromOptions() {
  const settings::SwitchOptions& o = settings::SwitchOptionsRecord;
  acceptance_slider->setValue(o.AcceptanceMs);
  release_slider->setValue(o.ReleaseMs);
  first_tube_slider->setValue(static_cast<int>(std::lround(o.FirstTubeFactor * 10)));
  scan_cycles_slider->setValue(o.ScanCycles);
  dwell_slider->setValue(o.DwellMs);
  pointer_scale_slider->setValue(o.PointerScale);
  hold_ring_check->setChecked(o.HoldRing == 1);
  choose_picture_check->setChecked(settings::SessionOptionsRecord.ChoosePicture == 1);
  choose_section_check->setChecked(settings::SessionOptionsRecord.ChooseSection == 1);
}

bool SwitchTimingScreen::StoreOptions() {
  settings::SwitchOptions& o = settings::SwitchOptionsRecord;
  o.AcceptanceMs = static_cast<int16_t>(acceptance_slider->value());
  o.ReleaseMs = static_cast<int16_t>(release_slider->value());
  o.FirstTubeFactor = first_tube_slider->value() / 10.0;
  o.ScanCycles = static_cast<int16_t>(scan_cycles_slider->value());
  o.DwellMs = static_cast<int16_t>(dwell_slider->value());
  o.PointerScale = static_cast<int16_t>(pointer_scale_slider->value());
  o.HoldRing = hold_ring_check->isChecked() ? 1 : 0;
  settings::SessionOptionsRecord.ChoosePicture = choose_picture_check->isChecked() ? 1 : 0;
  settings::SessionOptionsRecord.ChooseSection = choose_section_check->isChecked() ? 1 : 0;
  input::ApplySwitchOptions();
  return settings::SaveSwitchOptions();
}

}  // namespace menu
