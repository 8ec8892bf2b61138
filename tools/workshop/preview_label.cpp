#include "preview_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace workshop {
namespace {
// A pointer that moves less than this between press and release clicked.
constexpr int ClickSlack = 3;
}  // namespace

PreviewLabel::PreviewLabel(QWidget* parent) : QLabel(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QPoint PreviewLabel::pixelOf(const QPointF& position) const { return position.toPoint() - contentsRect().topLeft(); }

void PreviewLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    setFocus(Qt::MouseFocusReason);
    path_ = {pixelOf(event->position())};
    dragging_ = true;
  }
  QLabel::mousePressEvent(event);
}

void PreviewLabel::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    const QPoint p = pixelOf(event->position());
    if (p != path_.back()) {
      path_.push_back(p);
      update();
    }
  }
  QLabel::mouseMoveEvent(event);
}

void PreviewLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    const QPoint end = pixelOf(event->position());
    if (end != path_.back()) path_.push_back(end);
    int reach = 0;
    for (const QPoint& p : path_) reach = std::max(reach, (p - path_.front()).manhattanLength());
    const QVector<QPoint> path = std::exchange(path_, {});
    update();
    if (reach < ClickSlack) {
      Q_EMIT clicked(path.front());
    } else {
      Q_EMIT stroked(path);
    }
  }
  QLabel::mouseReleaseEvent(event);
}

void PreviewLabel::keyPressEvent(QKeyEvent* event) {
  const int step = event->modifiers() & Qt::ShiftModifier ? 5 : 1;
  switch (event->key()) {
    case Qt::Key_Left: Q_EMIT nudged(-step, 0); return;
    case Qt::Key_Right: Q_EMIT nudged(step, 0); return;
    case Qt::Key_Up: Q_EMIT nudged(0, -step); return;
    case Qt::Key_Down: Q_EMIT nudged(0, step); return;
    default: QLabel::keyPressEvent(event);
  }
}

void PreviewLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (path_.size() < 2) return;
  QPainter painter(this);
  painter.translate(contentsRect().topLeft());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(strokeColour_, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(path_.constData(), static_cast<int>(path_.size()));
}

}  // namespace workshop
