#include "platform/picture_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  surface_ = QImage(1, 1, QImage::Format_RGB32);
  surface_.fill(backColour_);
  syncedSize_ = QSize(1, 1);
  resize(1, 1);
}

namespace {

// A BMP file that ends before its pixels do. Qt decodes such a file
// without an error, leaving the missing rows empty, so the picture would
// show no sections instead of being named as damaged. Only the plain
// layouts (no run-length compression) have a size known from the header.
bool BmpTruncated(const QString& file, qint64 fileSize) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray h = f.read(34);
  if (h.size() < 2 || !h.startsWith("BM")) return false;
  if (h.size() < 34) return true;
  auto u32 = [&h](int at) {
    return static_cast<quint32>(static_cast<uchar>(h[at])) | static_cast<quint32>(static_cast<uchar>(h[at + 1])) << 8 |
           static_cast<quint32>(static_cast<uchar>(h[at + 2])) << 16 |
           static_cast<quint32>(static_cast<uchar>(h[at + 3])) << 24;
  };
  const quint32 pixelsAt = u32(10);
  const quint32 headerSize = u32(14);
  if (headerSize < 40) return static_cast<qint64>(pixelsAt) > fileSize;  // the old OS/2 header
  const qint64 width = static_cast<qint32>(u32(18));
  const qint64 height = static_cast<qint32>(u32(22));
  const quint32 bits = static_cast<quint32>(static_cast<uchar>(h[28])) | static_cast<quint32>(static_cast<uchar>(h[29])) << 8;
  const quint32 compression = u32(30);
  if (compression != 0 && compression != 3 && compression != 6) return static_cast<qint64>(pixelsAt) > fileSize;
  // A header may claim up to 2^31 rows of 2^31 pixels of 2^16 bits: the
  // pixel bytes it claims are compared row by row, never multiplied out.
  const qint64 rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
  const qint64 room = fileSize - static_cast<qint64>(pixelsAt);
  if (room < 0) return true;
  return rowBytes != 0 && std::abs(height) > room / rowBytes;
}

// A PNG file one of whose chunks, before the end chunk, claims more bytes
// than the file has. libpng allocates a chunk's claimed length before it
// reads it, so a damaged length of up to 2 GB would be allocated whole.
bool PngTruncated(const QString& file, qint64 fileSize) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return false;
  static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
  if (f.read(8) != signature) return false;
  qint64 at = 8;
  while (at < fileSize) {
    if (!f.seek(at)) return true;
    const QByteArray h = f.read(8);
    if (h.size() < 8) return false;  // a few stray bytes at the end claim nothing
    const qint64 length = static_cast<qint64>(static_cast<uchar>(h[0])) << 24 | static_cast<uchar>(h[1]) << 16 |
                          static_cast<uchar>(h[2]) << 8 | static_cast<uchar>(h[3]);
    if (at + 12 + length > fileSize) return true;
    if (h.mid(4) == "IEND") return false;
    at += 12 + length;
  }
  return false;
}

}  // namespace

bool CheckPictureFile(const QString& file, QString* problem) {
  auto refuse = [problem](const QString& why) {
    if (problem) *problem = why;
    return false;
  };
  const QFileInfo info(file);
  if (!info.exists()) return refuse(QCoreApplication::translate("PictureBox", "the file does not exist"));
  if (!info.isFile()) return refuse(QCoreApplication::translate("PictureBox", "it is a folder, not a picture file"));
  QImageReader reader(file);
  if (!reader.canRead()) {
    return refuse(QCoreApplication::translate("PictureBox", "it is not a picture that can be read (JPEG, BMP or PNG are)"));
  }
  if (BmpTruncated(file, info.size()) || PngTruncated(file, info.size())) {
    return refuse(QCoreApplication::translate("PictureBox", "the file is damaged: it ends before its picture does"));
  }
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > PictureBox::MaxPictureSide || size.height() > PictureBox::MaxPictureSide)) {
    return refuse(QCoreApplication::translate("PictureBox", "it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have")
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
    if (problem) *problem = QCoreApplication::translate("PictureBox", "it could not be decoded (%1)").arg(reader.errorString());
    return false;
  }
  // A format that does not tell its size before decoding is checked now.
  if (loaded.width() > MaxPictureSide || loaded.height() > MaxPictureSide) {
    if (problem) {
      *problem = QCoreApplication::translate("PictureBox", "it is %1 by %2 pixels, larger than the %3 by %3 pixels a picture may have")
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
  pressAt_ = event->position().toPoint() - QPoint(borderWidth(), borderWidth());
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
  pressAt_ = event->position().toPoint() - QPoint(borderWidth(), borderWidth());
  Q_EMIT pressed(event->button());
}

}  // namespace platform
