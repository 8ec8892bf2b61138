#include "menu/coloring_options_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "menu/screen_widgets.h"
#include "pictures/session_tables.h"
#include "platform/host.h"
#include "settings/settings_record.h"

namespace menu {

FiguredSlider::FiguredSlider(int minimum, int maximum, const QString& name, QWidget* parent) : QWidget(parent) {
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setRange(minimum, maximum);
  slider_->setSingleStep(1);
  slider_->setPageStep(1);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(1);
  slider_->setAccessibleName(name);
  for (int value = minimum; value <= maximum; ++value) {
    auto* figure = new QLabel(QString::number(value), this);
    figure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    figures_.push_back(figure);
  }
  connect(slider_, &QSlider::valueChanged, this, [this](int value) { slider_->setToolTip(QString::number(value)); });
}

QSize FiguredSlider::sizeHint() const {
  const QSize s = slider_->sizeHint();
  return QSize(qMax(300, s.width()), s.height() + fontMetrics().height() + 2);
}

QSize FiguredSlider::minimumSizeHint() const {
  return QSize(220, slider_->sizeHint().height() + fontMetrics().height() + 2);
}

int FiguredSlider::figureCentre(int value) const {
  QStyleOptionSlider opt;
  opt.initFrom(slider_);
  opt.orientation = Qt::Horizontal;
  opt.minimum = slider_->minimum();
  opt.maximum = slider_->maximum();
  opt.sliderPosition = value;
  opt.sliderValue = value;
  opt.tickPosition = slider_->tickPosition();
  opt.rect = slider_->rect();
  const QRect handle = slider_->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider_);
  return slider_->x() + handle.center().x();
}

void FiguredSlider::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeFigures();
}

void FiguredSlider::placeFigures() {
  // The slider leaves room at both ends for half a figure.
  const int sliderHeight = slider_->sizeHint().height();
  const int figureWidth = fontMetrics().horizontalAdvance(QStringLiteral("10")) + 8;
  slider_->setGeometry(figureWidth / 2, 0, width() - figureWidth, sliderHeight);
  for (size_t i = 0; i < figures_.size(); ++i) {
    const int centre = figureCentre(slider_->minimum() + static_cast<int>(i));
    figures_[i]->setGeometry(centre - figureWidth / 2, sliderHeight + 1, figureWidth, fontMetrics().height());
  }
}

int BuildColorPickList() {
  int count = 0;
  for (int16_t c = 1; c <= 10; ++c) {
    if (settings::SettingsRecord.ColorEnabled[c] == 1) pictures::ColorPickList[++count] = c;
  }
  return count;
}

ColoringOptionsScreen::ColoringOptionsScreen(QWidget* parent)
    : QGroupBox(QCoreApplication::translate("ColoringOptionsScreen", "Coloring Options"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(12);

  // Colours: own choice on the left, "or", random colours on the right.
  auto* colors = new QGroupBox(QCoreApplication::translate("ColoringOptionsScreen", "Colors"), this);
  colors->setAccessibleName(colors->title());
  auto* colorsRow = new QHBoxLayout(colors);
  colorsRow->setSpacing(20);
  colorsRow->setContentsMargins(14, 14, 14, 14);

  auto* own = new QGridLayout();
  own->setHorizontalSpacing(30);
  own->setVerticalSpacing(6);
  own->addWidget(headingLabel(QCoreApplication::translate("ColoringOptionsScreen", "Choose your own colors"), colors), 0, 0, 1, 2);
  auto* minimum = new QLabel(QCoreApplication::translate("ColoringOptionsScreen", "Select a minimum of two colors"), colors);
  minimum->setAccessibleName(minimum->text());
  own->addWidget(minimum, 1, 0, 1, 2);
  const char* names[] = {"", QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Red"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Yellow"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Green"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Blue"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Purple"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Brown"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Gray"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Orange"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Pink"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Tan")};
  for (int c = 1; c <= 10; ++c) {
    check_color[c] = checkBox(QCoreApplication::translate("ColoringOptionsScreen", names[c]), colors);
    own->addWidget(check_color[c], 2 + (c - 1) % 5, (c - 1) / 5);
  }
  own->setRowStretch(7, 1);
  colorsRow->addLayout(own);

  auto* orLabel = headingLabel(QCoreApplication::translate("ColoringOptionsScreen", "or"), colors);
  orLabel->setAlignment(Qt::AlignCenter);
  colorsRow->addWidget(orLabel);

  auto* random = new QVBoxLayout();
  random->setSpacing(8);
  random->addWidget(headingLabel(QCoreApplication::translate("ColoringOptionsScreen", "Random Colors"), colors));
  chk_random_tubes = new WrappingCheckBox(
      QCoreApplication::translate("ColoringOptionsScreen", "Check this box if you want the program to pick colors randomly. Set the slider bar to the number "
                     "of random colored paint tubes that the user will be able to choose from."),
      colors);
  random->addWidget(chk_random_tubes);
  random_tube_slider = new FiguredSlider(2, 10, QCoreApplication::translate("ColoringOptionsScreen", "Number of random colored paint tubes"), colors);
  slider_num_random_tubes = random_tube_slider->slider();
  slider_num_random_tubes->setValue(2);
  random->addWidget(random_tube_slider);
  random->addStretch(1);
  colorsRow->addLayout(random, 1);
  outer->addWidget(colors);

  // Fill style: "Solid" alone, then the stripes, diagonals and crosses in pairs.
  auto* styles = new QGroupBox(QCoreApplication::translate("ColoringOptionsScreen", "Coloring Style"), this);
  styles->setAccessibleName(styles->title());
  auto* styleGrid = new QGridLayout(styles);
  styleGrid->setHorizontalSpacing(30);
  styleGrid->setVerticalSpacing(6);
  styleGrid->setContentsMargins(14, 14, 14, 14);
  coloring_style_group = new QButtonGroup(this);
  const char* styleNames[] = {QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Solid"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Horizontal stripes"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Verrical stripes"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Diagonal going downward"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Diagonal going upward"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Crosses"),
                              QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Diagonal crosses")};
  for (int i = 0; i <= 6; ++i) {
    coloring_style[i] = optionButton(QCoreApplication::translate("ColoringOptionsScreen", styleNames[i]), styles);
    coloring_style_group->addButton(coloring_style[i], i);
  }
  styleGrid->addWidget(coloring_style[0], 0, 0, 2, 1, Qt::AlignVCenter);
  styleGrid->addWidget(coloring_style[2], 0, 1);
  styleGrid->addWidget(coloring_style[1], 1, 1);
  styleGrid->addWidget(coloring_style[4], 0, 2);
  styleGrid->addWidget(coloring_style[3], 1, 2);
  styleGrid->addWidget(coloring_style[6], 0, 3);
  styleGrid->addWidget(coloring_style[5], 1, 3);
  outer->addWidget(styles);

  auto* pointers = new QGroupBox(QCoreApplication::translate("ColoringOptionsScreen", "Choose the pointer type to the section of the picture to be colored"), this);
  pointers->setAccessibleName(pointers->title());
  auto* pointerRow = new QHBoxLayout(pointers);
  pointerRow->setSpacing(40);
  pointerRow->setContentsMargins(14, 14, 14, 14);
  pointer_type_group = new QButtonGroup(this);
  const char* pointerNames[] = {"", QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Paintbrush"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Red Arrow"), QT_TRANSLATE_NOOP("ColoringOptionsScreen", "Colored Cones")};
  for (int i = 1; i <= 3; ++i) {
    rad_pointer_type[i] = optionButton(QCoreApplication::translate("ColoringOptionsScreen", pointerNames[i]), pointers);
    pointer_type_group->addButton(rad_pointer_type[i], i);
    pointerRow->addWidget(rad_pointer_type[i]);
  }
  pointerRow->addStretch(1);
  outer->addWidget(pointers);

  anim_direc_done = mainMenuButton(this);
  outer->addWidget(anim_direc_done, 0, Qt::AlignHCenter);
  setFixedWidth(900);
}

bool ColoringOptionsScreen::StoreSettings() {
  auto& record = settings::SettingsRecord;
  record.RandomTubes = chk_random_tubes->isChecked() ? 1 : 0;
  for (int16_t i = 0; i <= 6; ++i)
    if (coloring_style[i]->isChecked()) record.ColoringStyle = i;
  int count = 0;
  for (int16_t i = 1; i <= 10; ++i) {
    if (check_color[i]->isChecked()) {
      ++count;
      record.ColorEnabled[i] = 1;
      pictures::ColorPickList[count] = i;
    } else {
      record.ColorEnabled[i] = 0;
    }
  }
  if (!chk_random_tubes->isChecked() && count < 2) {
    platform::message(QCoreApplication::translate("ColoringOptionsScreen", "At least 2 colors must be selected"));
    return false;
  }
  record.RandomTubeCount = static_cast<int16_t>(slider_num_random_tubes->value());
  for (int16_t i = 1; i <= 3; ++i)
    if (rad_pointer_type[i]->isChecked()) record.PointerType = i;
  return true;
}

}  // namespace menu
