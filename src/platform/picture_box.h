#pragma once
// A picture box: a widget that holds an image surface and shows it 1:1.
// The surface can be drawn on with the raster functions (platform/raster.h)
// through image(); Refresh() puts the changes on the screen at once.
//
// The box takes the size of an image loaded into it, or put into image().
// Resizing the box resizes the surface: what fits is kept, new area gets
// the background colour. With a fixed single border the box is one pixel larger on every
// side than its surface, and the surface is shown inside the border.

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget {
  Q_OBJECT
public:
  enum class Border { None, FixedSingle };

  // Pictures larger than this on either side are refused before decoding.
  static constexpr int MaxPictureSide = 4000;

  explicit PictureBox(QWidget* parent = nullptr);

  // Loads a JPEG, BMP or PNG file into the box; the box takes its size.
  // Returns false, leaving the box as it was, when the file is missing, is
  // not a picture that can be decoded, or is larger than MaxPictureSide
  // pixels on a side; `problem` then says why, in words for a carer.
  bool LoadPicture(const QString& file, QString* problem = nullptr);
  // Puts a copy of `image` in the box; the box takes its size.
  void SetPicture(const QImage& image);

  // The surface, always Format_RGB32 and the size of the box's inside.
  QImage& image();
  const QImage& image() const;

  // Size of the inside (the surface), without the border.
  QSize surfaceSize() const;
  // Sets the size of the inside (the widget grows by the border).
  void SetSurfaceSize(int width, int height);

  void SetBorder(Border border);
  Border border() const { return border_; }

  void SetBackColor(const QColor& colour);
  QColor backColor() const { return backColour_; }
  // Fills the whole surface with the background colour.
  void Clear();

  // Paints the box now (not at the next event pass). Does nothing while the
  // box is hidden.
  void Refresh();

  // Where in the box its last mouse press was (surface pixels).
  QPoint lastPressAt() const { return pressAt_; }

Q_SIGNALS:
  // Any mouse button. The second press of a double click is a press too.
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  QPoint pressAt_{-1, -1};
  int borderWidth() const { return border_ == Border::FixedSingle ? 1 : 0; }
  // Keeps surface and box the same size: after a resize of the box the
  // surface follows; after the surface was replaced through image() the box
  // follows.
  void syncSurface();

  QImage surface_;
  QSize syncedSize_;  // the inside size the surface was last matched to
  Border border_ = Border::None;
  QColor backColour_ = Qt::white;
};

// Whether `file` can be loaded into a picture box, and why not: the same
// checks as LoadPicture, without decoding the pixels.
bool CheckPictureFile(const QString& file, QString* problem = nullptr);

}  // namespace platform
