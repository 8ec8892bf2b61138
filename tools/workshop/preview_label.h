#pragma once
// A picture shown 1:1 that reports clicks in picture pixels, and arrow keys
// (to nudge a marker from the keyboard) while it has the focus.

#include <QLabel>
#include <QPoint>

namespace workshop {

class PreviewLabel : public QLabel {
  Q_OBJECT
public:
  explicit PreviewLabel(QWidget* parent = nullptr);

Q_SIGNALS:
  void clicked(QPoint pixel);
  void nudged(int dx, int dy);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace workshop
