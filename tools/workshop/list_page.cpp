#include "list_page.h"

#include "pictures/picture_list.h"
#include "platform/picture_box.h"

#include <QCoreApplication>
#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace workshop {
namespace {

constexpr const char* Title = "Brushwell Picture Workshop";
constexpr int IndexRole = Qt::UserRole;
constexpr int Thumb = 64;

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setAccessibleName(name);
  return widget;
}

QPushButton* Button(const QString& caption, QWidget* parent) {
  QString name = caption;
  name.remove(QLatin1Char('&'));
  name.remove(QStringLiteral("..."));
  return Named(new QPushButton(caption, parent), name);
}

}  // namespace

ListPage::ListPage(const QString& programFolder, const QString& settingsFolder, QWidget* parent)
    : QWidget(parent), folder_(programFolder), settingsFolder_(settingsFolder), listFolder_(programFolder) {
  auto* columns = new QHBoxLayout(this);

  auto* left = new QVBoxLayout();
  auto* listsLabel = new QLabel(QCoreApplication::translate("ListPage", "Picture &lists"), this);
  lists_ = Named(new QListWidget(this), QCoreApplication::translate("ListPage", "Picture lists"));
  listsLabel->setBuddy(lists_);
  lists_->setFixedWidth(230);
  left->addWidget(listsLabel);
  left->addWidget(lists_, 1);
  columns->addLayout(left);

  auto* middle = new QVBoxLayout();
  auto* descLabel = new QLabel(QCoreApplication::translate("ListPage", "&Description of this list:"), this);
  description_ = Named(new QLineEdit(this), QCoreApplication::translate("ListPage", "Description of this list"));
  descLabel->setBuddy(description_);
  middle->addWidget(descLabel);
  middle->addWidget(description_);
  auto* entriesLabel = new QLabel(QCoreApplication::translate("ListPage", "Pictures in colouring &order (drag, or use the buttons):"), this);
  entriesView_ = Named(new QListWidget(this), QCoreApplication::translate("ListPage", "Pictures in colouring order"));
  entriesLabel->setBuddy(entriesView_);
  entriesView_->setIconSize(QSize(Thumb, Thumb));
  entriesView_->setDragDropMode(QAbstractItemView::InternalMove);
  entriesView_->setDefaultDropAction(Qt::MoveAction);
  entriesView_->setSelectionMode(QAbstractItemView::SingleSelection);
  middle->addWidget(entriesLabel);
  middle->addWidget(entriesView_, 1);
  missing_ = Named(new QLabel(this), QCoreApplication::translate("ListPage", "Missing pictures"));
  missing_->setWordWrap(true);
  missing_->setStyleSheet(QStringLiteral("color: #a00000"));
  middle->addWidget(missing_);
  auto* buttons = new QHBoxLayout();
  up_ = Button(QCoreApplication::translate("ListPage", "Move &Up"), this);
  down_ = Button(QCoreApplication::translate("ListPage", "Move Do&wn"), this);
  remove_ = Button(QCoreApplication::translate("ListPage", "&Remove"), this);
  heading_ = Button(QCoreApplication::translate("ListPage", "Add &Heading..."), this);
  undoButton_ = Button(QCoreApplication::translate("ListPage", "&Undo"), this);
  save_ = Button(QCoreApplication::translate("ListPage", "&Save List"), this);
  for (QPushButton* b : {up_, down_, remove_, heading_, undoButton_, save_}) buttons->addWidget(b);
  middle->addLayout(buttons);
  columns->addLayout(middle, 2);

  auto* right = new QVBoxLayout();
  auto* folderLabel = new QLabel(QCoreApplication::translate("ListPage", "Pictures in the &folder:"), this);
  folderView_ = Named(new QListWidget(this), QCoreApplication::translate("ListPage", "Pictures in the folder"));
  folderLabel->setBuddy(folderView_);
  folderView_->setViewMode(QListView::IconMode);
  folderView_->setIconSize(QSize(Thumb, Thumb));
  folderView_->setGridSize(QSize(Thumb + 40, Thumb + 30));
  folderView_->setResizeMode(QListView::Adjust);
  folderView_->setMovement(QListView::Static);
  folderView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  add_ = Button(QCoreApplication::translate("ListPage", "&Add to List"), this);
  right->addWidget(folderLabel);
  right->addWidget(folderView_, 1);
  right->addWidget(add_);
  columns->addLayout(right, 2);

  connect(lists_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row + 1 == list_) return;
    if (!MayLeaveList()) {
      const QSignalBlocker block(lists_);
      lists_->setCurrentRow(list_ - 1);
      return;
    }
    showList(row + 1);
  });
  connect(description_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (list_ < 1) return;
    undo_.push_back({entries_, edited_[list_]});
    edited_[list_] = text;
    dirty_ = true;
    lists_->item(list_ - 1)->setText(listCaption(list_));
    undoButton_->setEnabled(true);
  });
  connect(entriesView_->model(), &QAbstractItemModel::rowsMoved, this,
          [this] { QTimer::singleShot(0, this, [this] { entriesReordered(); }); });
  connect(up_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(down_, &QPushButton::clicked, this, [this] { moveSelected(1); });
  connect(remove_, &QPushButton::clicked, this, [this] { removeSelected(); });
  connect(heading_, &QPushButton::clicked, this, [this] { addHeading(); });
  connect(add_, &QPushButton::clicked, this, [this] { addPictures(); });
  connect(folderView_, &QListWidget::itemActivated, this, [this] { addPictures(); });
  connect(undoButton_, &QPushButton::clicked, this, [this] { undo(); });
  connect(save_, &QPushButton::clicked, this, [this] { save(); });
  auto* undoKey = new QShortcut(QKeySequence::Undo, this);
  connect(undoKey, &QShortcut::activated, this, [this] { undo(); });
  auto* upKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), entriesView_);
  connect(upKey, &QShortcut::activated, this, [this] { moveSelected(-1); });
  auto* downKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), entriesView_);
  connect(downKey, &QShortcut::activated, this, [this] { moveSelected(1); });
  auto* deleteKey = new QShortcut(QKeySequence::Delete, entriesView_);
  connect(deleteKey, &QShortcut::activated, this, [this] { removeSelected(); });

  loadDescriptions();
  for (int n = 1; n <= ListCount; ++n) lists_->addItem(listCaption(n));
  RefreshFolder();
  lists_->setCurrentRow(0);
}

QString ListPage::listCaption(int n) const {
  const QString d = edited_[n].trimmed();
  return d.isEmpty() ? QCoreApplication::translate("ListPage", "List %1").arg(n) : QCoreApplication::translate("ListPage", "List %1: %2").arg(n).arg(d);
}

void ListPage::loadDescriptions() {
  const QString problem = ReadDescriptions(settingsFolder_, onFile_);
  edited_ = onFile_;
  if (!problem.isEmpty()) {
    QMessageBox::warning(this, QString::fromLatin1(Title),
                         problem + QCoreApplication::translate("ListPage", "\n\nThe descriptions cannot be saved until the settings file is whole again."));
  }
}

QIcon ListPage::thumbnail(const QString& name) {
  if (auto it = thumbnails_.find(name); it != thumbnails_.end()) return *it;
  const QString path = QDir(folder_).filePath(name);
  QImageReader reader(path);
  QIcon icon;
  // The program's own checks first: a damaged file gets the warning sign.
  if (platform::CheckPictureFile(path) && reader.size().isValid()) {
    reader.setScaledSize(reader.size().scaled(Thumb, Thumb, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (!image.isNull()) icon = QIcon(QPixmap::fromImage(image));
  }
  if (icon.isNull()) icon = placeholder();
  thumbnails_.insert(name, icon);
  return icon;
}

QIcon ListPage::placeholder() {
  // As large as a thumbnail, so a picture that is missing or damaged takes
  // the room of one: a grey card with a warning sign.
  if (placeholder_.isNull()) {
    QPixmap card(Thumb, Thumb);
    card.fill(QColor(235, 235, 235));
    QPainter p(&card);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    p.drawRect(0, 0, Thumb - 1, Thumb - 1);
    const int sign = Thumb / 2;
    p.drawPixmap((Thumb - sign) / 2, (Thumb - sign) / 2, style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(sign, sign));
    p.end();
    placeholder_ = QIcon(card);
  }
  return placeholder_;
}

void ListPage::RefreshFolder() {
  thumbnails_.clear();
  folderView_->clear();
  for (const QString& name : FolderPictures(folder_)) {
    auto* item = new QListWidgetItem(thumbnail(name), name, folderView_);
    item->setData(Qt::AccessibleTextRole, name);
  }
  if (list_ > 0) fillEntries(entriesView_->currentRow());
}

void ListPage::showList(int n) {
  list_ = n;
  QString problem;
  // A user's own copy of the list is the one Brushwell colours from.
  listFolder_ = QFileInfo(QDir(settingsFolder_).filePath(pictures::PictureListFileName(n))).isFile() ? settingsFolder_ : folder_;
  entries_ = ReadList(listFolder_, n, &problem);
  undo_.clear();
  dirty_ = false;
  if (!problem.isEmpty()) QMessageBox::warning(this, QString::fromLatin1(Title), problem);
  description_->setText(edited_[n]);
  fillEntries(0);
}

void ListPage::fillEntries(int current) {
  entriesView_->clear();
  const std::vector<int> missing = MissingPictures(folder_, entries_);
  QStringList missingNames;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const ListEntry& e = entries_[i];
    auto* item = new QListWidgetItem(entriesView_);
    item->setData(IndexRole, static_cast<int>(i));
    if (e.heading()) {
      item->setText(QStringLiteral("—— %1 ——").arg(e.caption()));
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
      item->setBackground(QColor(230, 236, 245));
      item->setData(Qt::AccessibleTextRole, QCoreApplication::translate("ListPage", "Heading: %1").arg(e.caption()));
    } else if (std::find(missing.begin(), missing.end(), static_cast<int>(i)) != missing.end()) {
      item->setText(QCoreApplication::translate("ListPage", "%1   (not in the folder)").arg(e.text));
      item->setIcon(placeholder());
      item->setForeground(QColor(170, 0, 0));
      item->setData(Qt::AccessibleTextRole, QCoreApplication::translate("ListPage", "%1, not in the folder").arg(e.text));
      missingNames << e.text;
    } else {
      item->setText(e.text);
      item->setIcon(thumbnail(e.text));
      item->setData(Qt::AccessibleTextRole, e.text);
    }
    // Every row as tall as a thumbnail, headings and missing pictures too.
    item->setSizeHint(QSize(entriesView_->fontMetrics().horizontalAdvance(item->text()) + Thumb + 32, Thumb + 8));
  }
  missing_->setText(missingNames.isEmpty()
                        ? QString()
                        : QCoreApplication::translate("ListPage", "Not in the program folder: %1. They stay in the list; Brushwell ends the session "
                                         "when it reaches one, so add the picture or remove the name.")
                              .arg(missingNames.join(QStringLiteral(", "))));
  if (!entries_.empty()) entriesView_->setCurrentRow(std::clamp(current, 0, static_cast<int>(entries_.size()) - 1));
  undoButton_->setEnabled(!undo_.empty());
  lists_->item(list_ - 1)->setText(listCaption(list_));
}

void ListPage::change(const ListEntries& entries, int current) {
  undo_.push_back({entries_, edited_[list_]});
  entries_ = entries;
  dirty_ = true;
  fillEntries(current);
}

void ListPage::entriesReordered() {
  ListEntries reordered;
  for (int row = 0; row < entriesView_->count(); ++row) {
    const int i = entriesView_->item(row)->data(IndexRole).toInt();
    if (i >= 0 && i < static_cast<int>(entries_.size())) reordered.push_back(entries_[i]);
  }
  if (reordered.size() != entries_.size() || reordered == entries_) return fillEntries(entriesView_->currentRow());
  change(reordered, entriesView_->currentRow());
}

void ListPage::moveSelected(int step) {
  const int row = entriesView_->currentRow();
  if (row < 0 || row + step < 0 || row + step >= static_cast<int>(entries_.size())) return;
  ListEntries moved = entries_;
  std::swap(moved[row], moved[row + step]);
  change(moved, row + step);
}

void ListPage::removeSelected() {
  const int row = entriesView_->currentRow();
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  ListEntries less = entries_;
  less.erase(less.begin() + row);
  change(less, row);
  Q_EMIT status(QCoreApplication::translate("ListPage", "Removed from the list (the picture stays in the folder). Undo brings it back."));
}

void ListPage::addHeading() {
  bool ok = false;
  const QString caption = QInputDialog::getText(this, QString::fromLatin1(Title), QStringLiteral("Heading:"), QLineEdit::Normal,
                                                QString(), &ok);
  if (!ok || caption.trimmed().isEmpty()) return;
  ListEntries more = entries_;
  const int row = entriesView_->currentRow() < 0 ? static_cast<int>(more.size()) : entriesView_->currentRow();
  more.insert(more.begin() + row, Heading(caption));
  change(more, row);
}

void ListPage::addPictures() {
  const QList<QListWidgetItem*> chosen = folderView_->selectedItems();
  if (chosen.isEmpty()) {
    Q_EMIT status(QCoreApplication::translate("ListPage", "Choose one or more pictures in the folder first."));
    return;
  }
  ListEntries more = entries_;
  int row = entriesView_->currentRow() < 0 ? static_cast<int>(more.size()) : entriesView_->currentRow() + 1;
  const int first = row;
  for (QListWidgetItem* item : chosen) {
    if (const QString why = NameProblem(item->text()); !why.isEmpty()) {
      QMessageBox::warning(this, QString::fromLatin1(Title), QCoreApplication::translate("ListPage", "%1 cannot be added: %2.").arg(item->text(), why));
      continue;
    }
    more.insert(more.begin() + row++, ListEntry{item->text()});
  }
  if (row > first) change(more, row - 1);
}

void ListPage::undo() {
  if (undo_.empty() || list_ < 1) return;
  const Snapshot last = undo_.back();
  undo_.pop_back();
  entries_ = last.entries;
  edited_[list_] = last.description;
  description_->setText(last.description);
  dirty_ = true;
  fillEntries(entriesView_->currentRow());
  Q_EMIT status(QStringLiteral("Undone."));
}

bool ListPage::save() {
  if (list_ < 1) return false;
  if (const QString why = WriteList(listFolder_, list_, entries_); !why.isEmpty()) {
    QMessageBox::warning(this, QString::fromLatin1(Title),
                         QCoreApplication::translate("ListPage", "List %1 could not be saved (%2). The file on disk was left as it was.").arg(list_).arg(why));
    return false;
  }
  Descriptions before = onFile_, after = onFile_;
  after[list_] = edited_[list_];
  if (const QString why = SaveDescriptions(settingsFolder_, before, after); !why.isEmpty()) {
    QMessageBox::warning(this, QString::fromLatin1(Title),
                         QCoreApplication::translate("ListPage", "The list was saved, but its description was not:\n\n%1").arg(why));
    return false;
  }
  onFile_[list_] = edited_[list_];
  dirty_ = false;
  Q_EMIT status(QCoreApplication::translate("ListPage", "List %1 saved. Brushwell uses it from the next session on.").arg(list_));
  return true;
}

bool ListPage::MayLeaveList() {
  if (!dirty_) return true;
  const auto answer = QMessageBox::question(this, QString::fromLatin1(Title),
                                            QCoreApplication::translate("ListPage", "List %1 has changes that are not saved. Save them?").arg(list_),
                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::Save) return save();
  edited_[list_] = onFile_[list_];
  lists_->item(list_ - 1)->setText(listCaption(list_));
  dirty_ = false;
  return true;
}

}  // namespace workshop
