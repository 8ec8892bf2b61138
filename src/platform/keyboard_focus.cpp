#include "platform/keyboard_focus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace platform {

namespace {
constexpr int Gap = 2;    // between the control and the ring
constexpr int Width = 5;  // white 1, blue 3, white 1
}  // namespace

FocusRing::FocusRing(QWidget* window, std::function<bool(QWidget*)> ownKeys)
    : QWidget(window), window_(window), ownKeys_(std::move(ownKeys)) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  // Only the focused control is watched: keys go to it, and the ring moves with it.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::follow(QWidget* now) {
  if (target_) target_->removeEventFilter(this);
  target_ = now && now != window_ && window_->isAncestorOf(now) ? now : nullptr;
  if (target_) target_->installEventFilter(this);
  place();
}

void FocusRing::place() {
  const bool shown = target_ && target_->isVisible() && window_->isVisible();
  if (!shown) {
    hide();
    return;
  }
  const QRect r(target_->mapTo(window_, QPoint(0, 0)), target_->size());
  setGeometry(r.adjusted(-Gap - Width, -Gap - Width, Gap + Width, Gap + Width));
  raise();
  show();
  update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
  if (watched != target_) return false;
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
      place();
      return false;
    case QEvent::KeyPress:
      break;
    default:
      return false;
  }
  // Return on a focused button: the button's own action, as the space bar
  // gives it (a key held down clicks once).
  auto* key = static_cast<QKeyEvent*>(event);
  if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->isAutoRepeat() ||
      (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
    return false;
  auto* button = qobject_cast<QAbstractButton*>(target_.data());
  if (!button || !button->isEnabled() || (ownKeys_ && ownKeys_(button))) return false;
  button->animateClick();
  return true;
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect outer = rect().adjusted(0, 0, -1, -1);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1));
  p.drawRect(outer);
  p.drawRect(outer.adjusted(Width - 1, Width - 1, 1 - Width, 1 - Width));
  p.setPen(QPen(QColor(0, 60, 200), Width - 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(outer.adjusted(Width / 2, Width / 2, -(Width / 2), -(Width / 2)));
}

}  // namespace platform
