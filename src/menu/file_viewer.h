#pragma once
// The program's own window for a text file, for when no editor and no
// desktop application can open it: the user guide read-only, with its
// chapters as a contents list; a picture list editable, with Save.

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace menu {

class FileViewer : public QDialog {
  Q_OBJECT
public:
  enum class Mode { Guide, List };
  FileViewer(const QString& filePath, Mode mode, QWidget* parent);

  // Writes the text back to the file (List mode), atomically; tells the
  // carer when it cannot. Returns whether it was saved.
  bool Save();
  bool Modified() const;

  QListWidget* contents = nullptr;     // Guide: the chapters
  QTextBrowser* guide = nullptr;       // Guide: the text
  QPlainTextEdit* editor = nullptr;    // List: the text
  QPushButton* saveButton = nullptr;   // List only
  QPushButton* closeButton = nullptr;

protected:
  void done(int result) override;

private:
  QString path_;
};

}  // namespace menu
