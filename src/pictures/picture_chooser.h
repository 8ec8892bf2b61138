#pragma once
// The pictures the switch user may colour next ([session] ChoosePicture):
// up to six, as large thumbnails with their names on the colouring window's
// black ground. One at a time is highlighted by the session's scanning; a
// click on one, or resting the mouse pointer on it, picks it without
// scanning. The chooser only shows; the session decides.

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace pictures {

class PictureChooser : public QWidget {
  Q_OBJECT
public:
  static constexpr int MaxOffered = 6;

  explicit PictureChooser(QWidget* parent);

  // Shows the pictures (files of the program folder), none highlighted.
  // A file that cannot be read shows its name on a grey card.
  void Offer(const QStringList& files);
  int count() const { return static_cast<int>(cards_.size()); }
  // Highlights card i (0-based), -1 none; `part` > 0 draws the dwell ring.
  void Highlight(int i, double part = 0);
  int highlighted() const { return highlighted_; }
  // The card at a point of the chooser, -1 for none.
  int CardAt(const QPoint& p) const;
  QRect CardRect(int i) const;
  // The card of the last mouse press, -1 for none; taking it forgets it.
  int TakeClickedCard();
  // The card under the mouse pointer now, -1 for none.
  int HoveredCard() const { return CardAt(mouseAt_); }

Q_SIGNALS:
  // Any button on the chooser: a mouse area of the colouring window.
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  struct Card {
    QString name;
    QImage thumbnail;
  };
  std::vector<Card> cards_;
  int highlighted_ = -1;
  double part_ = 0;
  int clicked_ = -1;
  QPoint mouseAt_{-1, -1};
};

// The name a picture file is shown and spoken by: its file name without the
// extension ("ice_cream.bmp" -> "ice cream").
QString PictureTitle(const QString& file);

}  // namespace pictures
