#pragma once
// "New Picture": open a drawing or a photo, turn it into outlines with a live
// preview beside the original, arrange the sections, and save the picture
// with its section file into the program folder.

#include "image_pipeline.h"
#include "picture_design.h"
#include "region_edit.h"

#include <QElapsedTimer>
#include <QVector>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTimer;

namespace workshop {

class PreviewLabel;

class NewPicturePage : public QWidget {
  Q_OBJECT
public:
  NewPicturePage(const QString& programFolder, QWidget* parent = nullptr);

  // Opens a drawing or photo; a file that cannot be used is reported.
  bool OpenSource(const QString& path);
  // Whether there is a picture made here that was not saved.
  bool HasUnsavedPicture() const { return unsaved_; }

Q_SIGNALS:
  void pictureSaved(const QString& fileName);
  // What just happened, for the status line; `details` (sizes, timings)
  // for whoever wants to know more.
  void status(const QString& text, const QString& details = QString());

private:
  void chooseSource();
  void rebuild();
  void setDesign(const Design& next, bool keepUndo = true);
  void showDesign();
  void regionClicked(QPoint pixel);
  void stroked(const QVector<QPoint>& path);
  void nudgeMarker(int dx, int dy);
  void moveInOrder(int step);
  void tidy(TidyResult (*step)(const Design&), const QString& done);
  void undo();
  void redo();
  void save();
  bool isPhoto() const;

  QString folder_;
  SourceImage source_;
  QString sourceName_;
  Design design_;
  std::vector<Design> undo_;
  std::vector<Design> redo_;
  int selected_ = -1;
  int joinFirst_ = -1;  // the region a join begins with
  int nudged_ = -1;     // the section whose marker the last step moved by a key
  bool unsaved_ = false;
  QElapsedTimer sinceOpen_;
  bool firstPreviewPending_ = false;

  QPushButton* openButton_ = nullptr;
  QRadioButton* drawingKind_ = nullptr;
  QRadioButton* photoKind_ = nullptr;
  QLabel* original_ = nullptr;
  PreviewLabel* preview_ = nullptr;
  QWidget* drawingControls_ = nullptr;
  QWidget* photoControls_ = nullptr;
  QSlider* threshold_ = nullptr;
  QSlider* gaps_ = nullptr;
  QSlider* detail_ = nullptr;
  QTimer* rebuildTimer_ = nullptr;
  QListWidget* sections_ = nullptr;
  QRadioButton* clickChooses_ = nullptr;
  QRadioButton* clickMoves_ = nullptr;
  QRadioButton* clickJoins_ = nullptr;
  QRadioButton* lineSplits_ = nullptr;
  QRadioButton* clickErases_ = nullptr;
  QLabel* gapsValue_ = nullptr;
  QLabel* detailValue_ = nullptr;
  QPushButton* earlier_ = nullptr;
  QPushButton* later_ = nullptr;
  QPushButton* mergeSmall_ = nullptr;
  QPushButton* dropSmall_ = nullptr;
  QPushButton* mergeDown_ = nullptr;
  QPushButton* undoButton_ = nullptr;
  QPushButton* redoButton_ = nullptr;
  QLabel* remarks_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPushButton* saveButton_ = nullptr;
};

}  // namespace workshop
