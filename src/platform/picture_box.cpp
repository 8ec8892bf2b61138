#include "platform/picture_box.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  surface_ = QImage(1, 1, QImage::Format_RGB32);
  surface_.fill(backColour_);
  syncedSize_ = QSize(1, 1);
  resize(1, 1);
}

bool CheckPictureFile(const QString& file, QString* problem) {
  auto refuse = [problem](const QString& why) {
    if (problem) *problem = why;
    return false;
  };
  const QFileInfo info(file);
  if (!info.exists()) return refuse(QStringLiteral("the file does not exist"));
  if (!info.isFile()) return refuse(QStringLiteral("it is a folder, not a picture file"));
  QImageReader reader(file);
  if (!reader.canRead()) {
    return refuse(QStringLiteral("it is not a picture that can be read (JPEG, BMP or PNG are)"));
  }
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > PictureBox::MaxPictureSide || size.height() > PictureBox::MaxPictureSide)) {
    return refuse(QStringLiteral("it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(PictureBox::MaxPictureSide));
  }
  return true;
}

bool PictureBox::LoadPicture(const QString& file, QString* problem) {
  if (!CheckPictureFile(file, problem)) return false;
  QImageReader reader(file);
  QImage loaded = reader.read();
  if (loaded.isNull()) {
    if (problem) *problem = QStringLiteral("it could not be decoded (%1)").arg(reader.errorString());
    return false;
  }
  // A format that does not tell its size before decoding is checked now.
  if (loaded.width() > MaxPictureSide || loaded.height() > MaxPictureSide) {
    if (problem) {
      *problem = QStringLiteral("it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have")
                     .arg(loaded.width())
                     .arg(loaded.height())
                     .arg(MaxPictureSide);
    }
    return false;
  }
  SetPicture(loaded);
  return true;
}

void PictureBox::SetPicture(const QImage& image) {
  surface_ = image.convertToFormat(QImage::Format_RGB32);
  syncedSize_ = surface_.size();
  const int b = borderWidth();
  resize(surface_.width() + 2 * b, surface_.height() + 2 * b);
  update();
}

QImage& PictureBox::image() {
  syncSurface();
  return surface_;
}

const QImage& PictureBox::image() const {
  const_cast<PictureBox*>(this)->syncSurface();
  return surface_;
}

QSize PictureBox::surfaceSize() const {
  const int b = borderWidth();
  return QSize(std::max(0, width() - 2 * b), std::max(0, height() - 2 * b));
}

void PictureBox::SetSurfaceSize(int width, int height) {
  const int b = borderWidth();
  resize(std::max(0, width) + 2 * b, std::max(0, height) + 2 * b);
  syncSurface();
}

void PictureBox::syncSurface() {
  const QSize want = surfaceSize();
  if (want == syncedSize_) {
    if (surface_.size() != want && !surface_.isNull()) {
      // The surface was replaced through image() (a block transfer may size
      // its destination): the box takes the new size.
      const int b = borderWidth();
      syncedSize_ = surface_.size();
      resize(surface_.width() + 2 * b, surface_.height() + 2 * b);
    }
    if (!surface_.isNull() && surface_.format() != QImage::Format_RGB32)
      surface_ = surface_.convertToFormat(QImage::Format_RGB32);
    return;
  }
  // The box was resized: the surface follows, keeping what fits.
  syncedSize_ = want;
  QImage grown(want, QImage::Format_RGB32);
  if (grown.isNull()) {
    surface_ = QImage();
    return;
  }
  grown.fill(backColour_);
  if (!surface_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(0, 0, surface_);
  }
  surface_ = grown;
}

void PictureBox::SetBorder(Border border) {
  if (border == border_) return;
  // The inside keeps its size and content; the widget grows or shrinks.
  syncSurface();
  const QSize inside = surfaceSize();
  border_ = border;
  const int b = borderWidth();
  resize(inside.width() + 2 * b, inside.height() + 2 * b);
  syncedSize_ = inside;
  update();
}

void PictureBox::SetBackColor(const QColor& colour) {
  backColour_ = colour;
  update();
}

void PictureBox::Clear() {
  syncSurface();
  surface_.fill(backColour_);
  update();
}

void PictureBox::Refresh() {
  if (isVisible()) repaint();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int b = borderWidth();
  if (b > 0) {
    painter.setPen(QColor(192, 192, 192));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
  }
  painter.drawImage(b, b, surface_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
  syncSurface();
  QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT pressed(event->button());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT released(event->button());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
  // A quick second press still counts as a press (for switch interfaces that
  // send clicks, two presses in a row are two presses).
  event->accept();
  Q_EMIT pressed(event->button());
}

}  // namespace platform
