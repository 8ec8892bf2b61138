#include "pictures/picture_chooser.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/picture_box.h"

namespace pictures {

namespace {
constexpr int Margin = 24;

constexpr int Gap = 24;
constexpr int Frame = 10;  // the highlight's width

// The names under the cards grow with the screen.
QFont CaptionFont(const QWidget& w) {
  QFont font = w.font();
  font.setPointSizeF(std::max(14.0, w.height() / 40.0));
  font.setBold(true);
  return font;
}
}  // namespace

QString PictureTitle(const QString& file) {
  QString title = QFileInfo(file).completeBaseName();
  title.replace(QLatin1Char('_'), QLatin1Char(' '));
  return title;
}

PictureChooser::PictureChooser(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picture_chooser"));
  setAccessibleName(QCoreApplication::translate("PictureChooser", "Choose the next picture"));
  setMouseTracking(true);
  hide();
}

void PictureChooser::Offer(const QStringList& files) {
  cards_.clear();
  highlighted_ = clicked_ = -1;
  part_ = 0;
  // Where the mouse pointer is now, not where it left the last chooser.
  mouseAt_ = underMouse() ? mapFromGlobal(QCursor::pos()) : QPoint(-1, -1);
  for (const QString& file : files.mid(0, MaxOffered)) {
    Card card{PictureTitle(file), {}};
    // The same checks as a picture to colour: a damaged or huge file shows no thumbnail.
    if (platform::CheckPictureFile(file)) {
      QImageReader reader(file);
      card.thumbnail = reader.read();
    }
    cards_.push_back(std::move(card));
  }
  update();
}

void PictureChooser::Highlight(int i, double part) {
  highlighted_ = i >= 0 && i < count() ? i : -1;
  part_ = part;
  repaint();
}

QRect PictureChooser::CardRect(int i) const {
  const int n = count();
  if (i < 0 || i >= n) return {};
  const int columns = n <= 3 ? n : 3;
  const int rows = (n + columns - 1) / columns;
  const int caption = QFontMetrics(CaptionFont(*this)).height() * 3 / 2 + 4;
  const int cellW = (width() - 2 * Margin - (columns - 1) * Gap) / columns;
  const int cellH = (height() - 2 * Margin - (rows - 1) * Gap) / rows;
  const int side = std::max(40, std::min(cellW, cellH - caption));
  const int gridW = columns * side + (columns - 1) * Gap;
  const int gridH = rows * (side + caption) + (rows - 1) * Gap;
  const int left = (width() - gridW) / 2, top = (height() - gridH) / 2;
  const int r = i / columns, c = i % columns;
  return QRect(left + c * (side + Gap), top + r * (side + caption + Gap), side, side + caption);
}

int PictureChooser::CardAt(const QPoint& p) const {
  for (int i = 0; i < count(); ++i)
    if (CardRect(i).contains(p)) return i;
  return -1;
}

int PictureChooser::TakeClickedCard() {
  const int i = clicked_;
  clicked_ = -1;
  return i;
}

void PictureChooser::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(CaptionFont(*this));
  for (int i = 0; i < count(); ++i) {
    const QRect card = CardRect(i);
    const QRect picture(card.topLeft(), QSize(card.width(), card.width()));
    p.fillRect(picture, cards_[i].thumbnail.isNull() ? QColor(160, 160, 160) : QColor(Qt::white));
    if (!cards_[i].thumbnail.isNull())
      p.drawImage(picture.adjusted(6, 6, -6, -6), cards_[i].thumbnail);
    const bool lit = i == highlighted_;
    if (lit) {
      p.setPen(QPen(QColor(255, 221, 0), Frame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      p.setBrush(Qt::NoBrush);
      p.drawRect(picture.adjusted(-Frame / 2, -Frame / 2, Frame / 2, Frame / 2));
    }
    p.setPen(lit ? QColor(255, 221, 0) : QColor(Qt::white));
    p.drawText(QRect(card.left() - Gap / 2, picture.bottom() + 4, card.width() + Gap, card.height() - card.width() - 4),
               Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, cards_[i].name);
    if (lit && part_ > 0) {
      // The dwell ring in the card's corner, as on the tubes.
      const int side = std::clamp(card.width() / 5, 32, 64);
      const QRectF ring(picture.right() - side - 8, picture.top() + 8, side, side);
      p.setPen(QPen(QColor(0, 0, 0), 8));
      p.drawEllipse(ring);
      p.setPen(QPen(QColor(255, 255, 0), 5, Qt::SolidLine, Qt::FlatCap));
      p.drawArc(ring, 90 * 16, -static_cast<int>(std::lround(std::min(part_, 1.0) * 360 * 16)));
    }
  }
}

void PictureChooser::mousePressEvent(QMouseEvent* event) {
  event->accept();
  mouseAt_ = event->position().toPoint();
  clicked_ = CardAt(mouseAt_);
  Q_EMIT pressed(event->button());
}

void PictureChooser::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Q_EMIT released(event->button());
}

void PictureChooser::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  mouseAt_ = event->position().toPoint();
}

void PictureChooser::leaveEvent(QEvent* event) {
  mouseAt_ = {-1, -1};
  QWidget::leaveEvent(event);
}

}  // namespace pictures
