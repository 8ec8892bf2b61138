#pragma once
// The Picture Workshop's window: "New Picture" and "Picture Lists" pages.

#include <QMainWindow>

class QTabWidget;

namespace workshop {

class ListPage;
class NewPicturePage;

class WorkshopWindow : public QMainWindow {
  Q_OBJECT
public:
  // `settingsFolder`: the chosen user's folder, or empty for the program folder.
  explicit WorkshopWindow(const QString& programFolder, const QString& settingsFolder = {}, QWidget* parent = nullptr);
  NewPicturePage* newPicture() const { return newPicture_; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  QTabWidget* tabs_ = nullptr;
  NewPicturePage* newPicture_ = nullptr;
  ListPage* lists_ = nullptr;
};

}  // namespace workshop
