#include "preview_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace workshop {

PreviewLabel::PreviewLabel(QWidget* parent) : QLabel(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PreviewLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    setFocus(Qt::MouseFocusReason);
    Q_EMIT clicked(event->position().toPoint() - contentsRect().topLeft());
  }
  QLabel::mousePressEvent(event);
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

}  // namespace workshop
