#include "menu/screen_widgets.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QPainter>
#include <QStyleOption>
#include <QStylePainter>

namespace menu {

QRadioButton* optionButton(const QString& caption, QWidget* parent) {
  auto* button = new QRadioButton(caption, parent);
  button->setAccessibleName(caption);
  return button;
}

QPushButton* captionedButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAccessibleName(caption);
  button->setMinimumHeight(32);
  return button;
}

QCheckBox* checkBox(const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setAccessibleName(caption);
  return box;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAccessibleName(text);
  // A right-to-left line ends at the left edge, where a Hebrew letter's
  // foot reaches past its advance: a little room keeps it whole.
  if (QGuiApplication::layoutDirection() == Qt::RightToLeft) label->setContentsMargins(2, 0, 2, 0);
  return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAccessibleName(text);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

QPushButton* mainMenuButton(QWidget* parent) {
  auto* button = captionedButton(QCoreApplication::translate("ScreenWidgets", "Main Menu"), parent);
  button->setMinimumWidth(160);
  button->setMinimumHeight(36);
  return button;
}

void CheckOnly(QButtonGroup* group, int id) {
  const bool exclusive = group->exclusive();
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
  group->setExclusive(exclusive);
}

WrappingCheckBox::WrappingCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
  setAccessibleName(caption);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

int WrappingCheckBox::indicatorWidth() const {
  QStyleOptionButton opt;
  opt.initFrom(this);
  return style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this) +
         style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this) + 2;
}

QRect WrappingCheckBox::textRect(int width) const {
  const int left = indicatorWidth();
  const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, qMax(1, width - left - 2), 10000),
                                                  Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
  return QRect(left, 1, bounds.width(), bounds.height());
}

int WrappingCheckBox::heightForWidth(int width) const {
  QStyleOptionButton opt;
  opt.initFrom(this);
  const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
  return qMax(indicator, textRect(width).height()) + 4;
}

QSize WrappingCheckBox::sizeHint() const {
  const int width = indicatorWidth() + 360;
  return QSize(width, heightForWidth(width));
}

QSize WrappingCheckBox::minimumSizeHint() const {
  const int width = indicatorWidth() + 200;
  return QSize(width, heightForWidth(width));
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  opt.text.clear();
  const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
  opt.rect = QRect(indicator.left(), 2 + (fontMetrics().height() - indicator.height()) / 2, indicator.width(),
                   indicator.height());
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, opt);
  const QRect text = textRect(width());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(QRect(text.left(), text.top(), width() - text.left(), height()),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, this->text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = text.adjusted(-2, -1, 2, 1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

QLabel* switchLamp(const QString& caption, QSize size, qreal fontScale, QWidget* parent) {
  auto* lamp = new QLabel(caption, parent);
  lamp->setAccessibleName(caption);
  lamp->setAlignment(Qt::AlignCenter);
  lamp->setFixedSize(size);
  lamp->setFrameShape(QFrame::Box);
  lamp->setLineWidth(3);
  lamp->setAutoFillBackground(true);
  QFont f = lamp->font();
  f.setPointSizeF(f.pointSizeF() * fontScale);
  f.setBold(true);
  lamp->setFont(f);
  return lamp;
}

void PaintSwitchLamp(QLabel* lamp, bool held, bool flash) {
  QPalette pal = lamp->palette();
  pal.setColor(QPalette::Window, flash ? QColor(255, 221, 0) : held ? QColor(46, 160, 67) : QColor(200, 200, 200));
  pal.setColor(QPalette::WindowText, held && !flash ? Qt::white : Qt::black);
  lamp->setPalette(pal);
}

bool WrappingCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace menu
