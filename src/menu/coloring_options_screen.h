#pragma once
// "Coloring Options": the colours offered as paint tubes (or a number of
// random ones), the fill style and the pointer.

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>
#include <vector>

namespace menu {

// A slider with the figure of each whole value written under its position.
class FiguredSlider : public QWidget {
  Q_OBJECT
public:
  FiguredSlider(int minimum, int maximum, const QString& name, QWidget* parent);
  QSlider* slider() const { return slider_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Where the figure of `value` stands (its centre, in this widget).
  int figureCentre(int value) const;

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void placeFigures();
  QSlider* slider_;
  std::vector<QLabel*> figures_;
};

class ColoringOptionsScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit ColoringOptionsScreen(QWidget* parent);

  // Writes RandomTubes, ColoringStyle, ColorEnabled and ColorPickList from
  // the controls; then, unless fewer than two own colours are checked while
  // random colours are off, RandomTubeCount and PointerType. Returns false
  // (after telling the carer) when it refused.
  bool StoreSettings();

  std::array<QCheckBox*, 11> check_color{};          // [1..10]
  QCheckBox* chk_random_tubes = nullptr;
  FiguredSlider* random_tube_slider = nullptr;
  QSlider* slider_num_random_tubes = nullptr;
  std::array<QRadioButton*, 7> coloring_style{};      // [0..6]
  QButtonGroup* coloring_style_group = nullptr;
  std::array<QRadioButton*, 4> rad_pointer_type{};    // [1..3]
  QButtonGroup* pointer_type_group = nullptr;
  QPushButton* anim_direc_done = nullptr;
};

// Fills ColorPickList from element 1 with the numbers of the colours whose
// ColorEnabled is 1, in ascending order; later elements keep their values.
// Returns how many colours are enabled.
int BuildColorPickList();

}  // namespace menu
