#pragma once
// "Gallery": the pictures coloured, for the carer. Thumbnails newest first,
// for one user or everyone, between two dates; a picture opened large,
// printed, put with others into a PDF booklet, or deleted.

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "menu/gallery_model.h"

namespace menu {

// One gallery picture, large, with what its fields say.
class GalleryPictureView : public QDialog {
  Q_OBJECT
public:
  GalleryPictureView(const QString& path, const records::GalleryFields& fields, QWidget* parent);

  QLabel* picture = nullptr;
  QLabel* details = nullptr;
  QPushButton* close_button = nullptr;
};

class GalleryScreen : public QGroupBox {
  Q_OBJECT
public:
  // `thumbnailFolder` keeps the small copies of the pictures.
  GalleryScreen(QWidget* parent, const QString& thumbnailFolder = records::StandardThumbnailFolder());

  // Lists the galleries of `workingFolder` again; the user `activeFolder`
  // (a folder under users/, "" for none) is chosen when there is one.
  void Fill(const QString& workingFolder, const QString& activeFolder = QString());

  // The buttons' work, on the pictures chosen in the list.
  void OpenChosen();
  void PrintChosen();
  // Asks where, then writes the booklet.
  void ExportChosen();
  // Writes the chosen pictures to `pdfPath` as one booklet.
  void ExportChosenTo(const QString& pdfPath);
  // Asks the carer, then deletes.
  void DeleteChosen();

  GalleryModel* model() const { return model_; }
  // The chosen rows, top to bottom.
  QList<int> ChosenRows() const;

  QComboBox* user_choice = nullptr;
  QDateEdit* date_from = nullptr;
  QDateEdit* date_to = nullptr;
  QListView* picture_list = nullptr;
  QLabel* count_label = nullptr;
  QPushButton* but_open = nullptr;
  QPushButton* but_print = nullptr;
  QPushButton* but_booklet = nullptr;
  QPushButton* but_delete = nullptr;
  QPushButton* gallery_done = nullptr;

Q_SIGNALS:
  void leaveRequested();

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void FilterChanged();
  void ShowCount();
  bool NothingChosen();

  GalleryModel* model_ = nullptr;
  QString workingFolder_;
  bool filling_ = false;
};

}  // namespace menu
