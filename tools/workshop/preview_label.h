#pragma once
// A picture shown 1:1 that reports clicks and drawn strokes in picture
// pixels, and arrow keys (to nudge a marker from the keyboard) while it has
// the focus. A stroke is shown as it is drawn.

#include <QLabel>
#include <QPoint>
#include <QVector>

namespace workshop {

class PreviewLabel : public QLabel {
  Q_OBJECT
public:
  explicit PreviewLabel(QWidget* parent = nullptr);
  // The colour a stroke is shown in while it is drawn.
  void SetStrokeColour(const QColor& colour) { strokeColour_ = colour; }

Q_SIGNALS:
  // A press and release at (nearly) one place.
  void clicked(QPoint pixel);
  // A press, a drag and a release: every place the pointer passed.
  void stroked(const QVector<QPoint>& path);
  void nudged(int dx, int dy);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  QPoint pixelOf(const QPointF& position) const;
  QVector<QPoint> path_;
  bool dragging_ = false;
  QColor strokeColour_ = QColor(220, 0, 0);
};

}  // namespace workshop
