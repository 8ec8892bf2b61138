#pragma once
// "Picture Lists": the fifteen lists with their descriptions; the chosen
// list's pictures as thumbnails in order, headings as separators; adding
// pictures from the folder, removing, reordering, headings, the description;
// saving the list file and the description.

#include "list_model.h"

#include <QHash>
#include <QIcon>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace workshop {

class ListPage : public QWidget {
  Q_OBJECT
public:
  // `settingsFolder` holds the settings file whose list descriptions are
  // edited, and a user's own copies of lists: the chosen user's folder, or
  // the program folder itself.
  ListPage(const QString& programFolder, const QString& settingsFolder, QWidget* parent = nullptr);

  // Whether the list shown has changes not saved; asks the carer what to do
  // with them. False when the carer chose to stay.
  bool MayLeaveList();
  bool HasUnsavedChanges() const { return dirty_; }
  // Reads the folder's pictures again (after a picture was saved).
  void RefreshFolder();

Q_SIGNALS:
  void status(const QString& text);

private:
  struct Snapshot {
    ListEntries entries;
    QString description;
  };
  void loadDescriptions();
  void showList(int n);
  void fillEntries(int current);
  void change(const ListEntries& entries, int current);
  void entriesReordered();
  void moveSelected(int step);
  void removeSelected();
  void addHeading();
  void addPictures();
  void undo();
  bool save();
  QIcon thumbnail(const QString& name);
  QIcon placeholder();
  QString listCaption(int n) const;

  QString folder_;
  QString settingsFolder_;
  QString listFolder_;  // where the list shown was read from, and is saved to
  int list_ = 0;
  ListEntries entries_;
  Descriptions onFile_{};    // as last read from or written to the settings file
  Descriptions edited_{};
  std::vector<Snapshot> undo_;
  bool dirty_ = false;
  QHash<QString, QIcon> thumbnails_;
  QIcon placeholder_;

  QListWidget* lists_ = nullptr;
  QLineEdit* description_ = nullptr;
  QListWidget* entriesView_ = nullptr;
  QLabel* missing_ = nullptr;
  QListWidget* folderView_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* heading_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* undoButton_ = nullptr;
  QPushButton* save_ = nullptr;
};

}  // namespace workshop
