// The colouring window's size, its own drawing surface and its repaint.

#include <QGuiApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>

#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/raster.h"

namespace pictures {

namespace {
int16_t toPixels16(int value) { return static_cast<int16_t>(std::clamp(value, 0, 32767)); }
}  // namespace

void Mainform::init_pictureboxes() {
  // The whole screen in logical pixels (not only the work area).
  QRect screenRect(0, 0, 800, 600);
  if (QScreen* screen = QGuiApplication::primaryScreen()) screenRect = screen->geometry();
  ScreenWidthPx = toPixels16(screenRect.width());
  ScreenHeightPx = toPixels16(screenRect.height());
  setGeometry(screenRect);
  syncBackground();
  PB1->SetSurfaceSize(ScreenWidthPx, ScreenHeightPx);
  pb3->SetSurfaceSize(ScreenWidthPx, ScreenHeightPx);
}

void Mainform::syncBackground() {
  if (background_.size() == size()) return;
  QImage grown(size(), QImage::Format_RGB32);
  if (grown.isNull()) return;
  grown.fill(Qt::black);
  QPainter painter(&grown);
  painter.drawImage(0, 0, background_);
  painter.end();
  background_ = grown;
}

void Mainform::Refresh() {
  if (isVisible()) repaint();
}

void Mainform::FillBlack() {
  syncBackground();
  background_.fill(Qt::black);
  update();
}

void Mainform::DrawRectangleOutline(const QRect& rect, const QColor& colour) {
  syncBackground();
  platform::DrawRectangleOutline(background_, rect, colour.rgb());
  update(rect.adjusted(0, 0, 1, 1));
}

void Mainform::MoveNow(QWidget* control, int left, int top) {
  const QRect before = control->geometry();
  control->move(left, top);
  if (!control->isVisible() || !isVisible()) return;
  // The old and the new place are painted now: an animation step must show
  // even though window events do not run until the step's wait is over.
  repaint(before.united(control->geometry()));
}

void Mainform::paintEvent(QPaintEvent* event) {
  syncBackground();
  QPainter painter(this);
  const QRect r = event->rect();
  painter.drawImage(r.topLeft(), background_, r);
}

void Mainform::resizeEvent(QResizeEvent* event) {
  syncBackground();
  QWidget::resizeEvent(event);
}

}  // namespace pictures
