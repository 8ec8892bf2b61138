#pragma once
// "Camera Switch", opened from "Test Switches": the camera's live picture
// with one rectangle per switch, drawn and moved with the mouse or the
// keyboard; a sensitivity slider per switch with a bar that shows the
// movement now and the level at which the switch goes down; the two lamps
// of the switches (through the same press filter as a session); the camera
// chooser and whether the camera is used as switches at all. What happens
// with the camera (missing, busy, unplugged) is said here in one line.
// Leaves with Escape or "Back", which writes [camera] of brushwell.ini
// when something changed.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <array>

#include "settings/options_file.h"

class QCheckBox;

namespace menu {

// The live picture and the two rectangles. Mouse: a drag outside the
// rectangles draws the chosen switch's rectangle anew, a drag inside one
// moves it. Keyboard (when it has the focus): arrows move the chosen
// rectangle, Shift+arrows change its size, 1 and 2 choose the switch,
// Delete removes the rectangle; an arrow with no rectangle places one.
class CameraPreview : public QWidget {
  Q_OBJECT
public:
  explicit CameraPreview(QWidget* parent);
  void SetImage(const QImage& image);
  void SetRegion(int sw, const settings::CameraRegion& region);
  const settings::CameraRegion& region(int sw) const { return regions_[sw]; }
  void Choose(int sw);
  int chosen() const { return chosen_; }
  // Moves the chosen rectangle by (dx, dy) and grows it by (dw, dh), all in
  // fractions of the image, keeping it inside; places one when there is none.
  void Nudge(double dx, double dy, double dw, double dh);

Q_SIGNALS:
  void regionChanged(int sw);
  void chosenChanged(int sw);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  QRectF imageRect() const;
  QPointF fraction(const QPointF& pos) const;

  QImage image_;
  std::array<settings::CameraRegion, 2> regions_{};
  int chosen_ = 0;
  enum class Drag { None, Draw, Move } drag_ = Drag::None;
  QPointF dragStart_;
  settings::CameraRegion dragFrom_;
};

// The movement now (the bar) and the switch's level (the mark).
class LevelBar : public QWidget {
  Q_OBJECT
public:
  explicit LevelBar(QWidget* parent);
  void SetLevels(double movement, double level, bool down);
  QSize sizeHint() const override { return {260, 22}; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  double movement_ = 0, level_ = 0;
  bool down_ = false;
};

class CameraScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit CameraScreen(QWidget* parent);

  // Shows the camera's picture and the options in use.
  void Start();
  // Stops showing; writes brushwell.ini when something changed. Returns
  // whether nothing needed writing or it was written.
  bool Stop();
  // Brings the lamps and bars up to date (the timer calls it).
  void Poll();

  QPushButton* camera_back = nullptr;
  QCheckBox* camera_enabled = nullptr;
  QComboBox* camera_chooser = nullptr;
  QLabel* camera_status = nullptr;
  CameraPreview* preview = nullptr;
  std::array<QRadioButton*, 2> draw_for{};
  std::array<QLabel*, 2> lamp{};
  std::array<QSlider*, 2> sensitivity{};
  std::array<LevelBar*, 2> level_bar{};
  std::array<QPushButton*, 2> remove_button{};

Q_SIGNALS:
  void leaveRequested();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void fillChooser();
  void showStatus();
  void changed();

  QTimer timer_;
  bool changed_ = false;
  bool connected_ = false;
  std::array<int, 2> seenCounted_{};
  std::array<double, 2> flashUntil_{};
};

}  // namespace menu
