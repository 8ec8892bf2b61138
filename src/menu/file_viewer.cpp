#include "menu/file_viewer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextOption>
#include <QVBoxLayout>

#include "menu/guide_document.h"
#include "pictures/picture_list.h"
#include "platform/host.h"
#include "platform/keyboard_focus.h"
#include "platform/safe_file.h"

namespace menu {

FileViewer::FileViewer(const QString& filePath, Mode mode, QWidget* parent) : QDialog(parent), path_(filePath) {
  setAttribute(Qt::WA_DeleteOnClose);
  const QString name = QFileInfo(filePath).fileName();
  setWindowTitle(platform::AppTitle + QStringLiteral(" - ") + name);
  setAccessibleName(windowTitle());
  resize(1000, 680);

  QString text;
  QFile file(filePath);
  const bool readable = file.open(QIODevice::ReadOnly);
  // A list is decoded as the session reads it (a byte order mark names UTF-16).
  if (readable) text = mode == Mode::List ? pictures::DecodeListText(file.readAll()) : QString::fromUtf8(file.readAll());

  auto* outer = new QVBoxLayout(this);
  auto* note = new QLabel(this);
  note->setWordWrap(true);
  // Room below the last line: an underscore reaches below the font's descent.
  note->setContentsMargins(0, 0, 0, 3);
  outer->addWidget(note);

  if (mode == Mode::Guide) {
    note->setText(readable ? QCoreApplication::translate("FileViewer", "No program to show %1 was found, so Brushwell shows it here. "
                                            "Choose a chapter on the left.")
                                 .arg(filePath)
                           : QCoreApplication::translate("FileViewer", "%1 cannot be read: %2").arg(filePath, file.errorString()));
    const GuideDocument document = ParseGuide(text);
    auto* row = new QHBoxLayout;
    contents = new QListWidget(this);
    contents->setAccessibleName(QCoreApplication::translate("FileViewer", "Contents"));
    contents->setFixedWidth(300);
    // Long chapter titles wrap onto a second line rather than being cut.
    contents->setWordWrap(true);
    contents->setTextElideMode(Qt::ElideNone);
    contents->setResizeMode(QListView::Adjust);
    contents->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    guide = new QTextBrowser(this);
    guide->setAccessibleName(QCoreApplication::translate("FileViewer", "User Guide"));
    // Blocks laid out by hand (tables, examples) keep their line breaks and
    // spacing but wrap at the window's edge, so no text is cut off.
    guide->document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));
    guide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QString language = GuideLanguage(filePath);
    guide->setHtml(GuideToHtml(document, language));
    // A guide in a language written right to left reads from the right edge,
    // its contents list too, whatever the direction of the screens around it.
    const Qt::LayoutDirection direction = QLocale(language).textDirection();
    guide->setLayoutDirection(direction);
    contents->setLayoutDirection(direction);
    QTextOption paragraphs = guide->document()->defaultTextOption();
    paragraphs.setTextDirection(direction);
    guide->document()->setDefaultTextOption(paragraphs);
    for (const GuideSection& s : document.sections) {
      auto* item = new QListWidgetItem((s.chapter ? QString() : QStringLiteral("    ")) + ContentsTitle(s), contents);
      item->setData(Qt::UserRole, s.anchor);
    }
    connect(contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
      if (item) guide->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    row->addWidget(contents);
    row->addWidget(guide, 1);
    outer->addLayout(row, 1);
  } else {
    note->setText(readable ? QCoreApplication::translate("FileViewer", "No text editor was found, so Brushwell shows %1 here. One picture "
                                            "name a line; lines starting with \"-\" are skipped.")
                                 .arg(filePath)
                           : QCoreApplication::translate("FileViewer", "%1 cannot be read (%2); what you type here is saved as a new list.")
                                 .arg(filePath, file.errorString()));
    editor = new QPlainTextEdit(this);
    editor->setAccessibleName(QCoreApplication::translate("FileViewer", "Picture list ") + name);
    editor->setPlainText(text);
    editor->document()->setModified(false);
    outer->addWidget(editor, 1);
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  if (mode == Mode::List) {
    saveButton = new QPushButton(QCoreApplication::translate("FileViewer", "Save"), this);
    saveButton->setAccessibleName(QCoreApplication::translate("FileViewer", "Save"));
    connect(saveButton, &QPushButton::clicked, this, [this] { Save(); });
    buttons->addWidget(saveButton);
  }
  closeButton = new QPushButton(QCoreApplication::translate("FileViewer", "Close"), this);
  closeButton->setAccessibleName(QCoreApplication::translate("FileViewer", "Close"));
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(closeButton);
  outer->addLayout(buttons);
  new platform::FocusRing(this);
  (mode == Mode::Guide ? static_cast<QWidget*>(contents) : editor)->setFocus();
}

bool FileViewer::Modified() const { return editor && editor->document()->isModified(); }

bool FileViewer::Save() {
  if (!editor) return false;
  QString text = editor->toPlainText();
  if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
  const QString problem = platform::WriteFileVerified(path_, text.toUtf8());
  if (!problem.isEmpty()) {
    platform::message(QCoreApplication::translate("FileViewer", "The picture list could not be saved to %1:\n%2\nNothing was changed; "
                                     "the text stays here.")
                          .arg(path_, problem),
                      platform::MessageIcon::Exclamation);
    return false;
  }
  editor->document()->setModified(false);
  return true;
}

void FileViewer::done(int result) {
  if (Modified()) {
    const auto answer = QMessageBox::question(this, platform::AppTitle, QCoreApplication::translate("FileViewer", "Save the changes to the picture list?"),
                                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                              QMessageBox::Save);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !Save())) return;
  }
  QDialog::done(result);
  // Back to the window it was opened from, for the keyboard.
  if (parentWidget()) parentWidget()->window()->activateWindow();
}

}  // namespace menu
