#pragma once
// Small building blocks shared by the settings screens: captioned controls
// whose caption is also their accessible name, word-wrapped labels, option
// groups that may be left with no option checked, and a check box whose long
// caption wraps over several lines.

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class QButtonGroup;

namespace menu {

QRadioButton* optionButton(const QString& caption, QWidget* parent);
QPushButton* captionedButton(const QString& caption, QWidget* parent);
QCheckBox* checkBox(const QString& caption, QWidget* parent);
// A plain-text label that wraps at word boundaries.
QLabel* wrappedLabel(const QString& text, QWidget* parent);
// A plain-text label in bold.
QLabel* headingLabel(const QString& text, QWidget* parent);
// The "Main Menu" button that leaves a screen.
QPushButton* mainMenuButton(QWidget* parent);

// A switch lamp of the switch screens: a bold caption, framed, on a
// background that PaintSwitchLamp colours; `fontScale` enlarges the caption.
QLabel* switchLamp(const QString& caption, QSize size, qreal fontScale, QWidget* parent);
// Yellow while a counted press flashes, green while the switch is held,
// grey while it is up.
void PaintSwitchLamp(QLabel* lamp, bool held, bool flash);

// Checks the option with the given id and clears the others; an id that
// names no option of the group leaves every option unchecked.
void CheckOnly(QButtonGroup* group, int id);

// A check box whose caption wraps to the width it is given; clicking the
// caption toggles it like any check box. text() is the whole caption.
class WrappingCheckBox : public QCheckBox {
  Q_OBJECT
public:
  WrappingCheckBox(const QString& caption, QWidget* parent);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

private:
  int indicatorWidth() const;
  QRect textRect(int width) const;
};

}  // namespace menu
