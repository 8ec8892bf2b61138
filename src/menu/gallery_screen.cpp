#include "menu/gallery_screen.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>

#include "menu/screen_widgets.h"
#include "platform/host.h"
#include "records/gallery_booklet.h"

namespace menu {

GalleryPictureView::GalleryPictureView(const QString& path, const records::GalleryFields& fields, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Gallery"));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  // As large as the screen allows, up to twice the picture, pixels kept sharp.
  int side = 2 * records::GallerySide;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    side = std::min(side, screen->availableGeometry().height() - 200);
  side = std::max(side, records::GallerySide / 2);
  picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(
      QImageReader(path, "png").read().scaled(side, side, Qt::KeepAspectRatio, Qt::FastTransformation)));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture, 0, Qt::AlignHCenter);

  const QString name = QFileInfo(fields.picture).completeBaseName();
  const QString date = QLocale().toString(fields.date.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                       fields.date.time().toString(QStringLiteral("HH:mm"));
  QString text = fields.user.isEmpty() ? tr("%1, %2").arg(name, date)
                                       : tr("%1, coloured by %2 on %3").arg(name, fields.user, date);
  const QString minutes = fields.minutes < 1 ? tr("Less than a minute") : tr("%n minute(s)", nullptr, qRound(fields.minutes));
  text += QLatin1Char('\n') + tr("%1; %2 of %n section(s) coloured", nullptr, fields.sections).arg(minutes).arg(fields.Coloured());
  if (!fields.finished) text += QLatin1Char('\n') + tr("Unfinished: Start goes on with it when Resume is set.");
  details = wrappedLabel(text, this);
  details->setAlignment(Qt::AlignHCenter);
  details->setAccessibleName(text);
  layout->addWidget(details);
  close_button = captionedButton(tr("Close"), this);
  connect(close_button, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close_button, 0, Qt::AlignHCenter);
  close_button->setDefault(true);
  close_button->setFocus(Qt::OtherFocusReason);
}

GalleryScreen::GalleryScreen(QWidget* parent, const QString& thumbnailFolder) : QGroupBox(tr("Gallery"), parent) {
  setAccessibleName(title());
  model_ = new GalleryModel(thumbnailFolder, this);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(16, 16, 16, 16);
  outer->setSpacing(10);

  auto* filters = new QHBoxLayout();
  auto* userLabel = new QLabel(tr("User:"), this);
  user_choice = new QComboBox(this);
  user_choice->setAccessibleName(tr("User"));
  user_choice->setMinimumContentsLength(16);
  userLabel->setBuddy(user_choice);
  auto* fromLabel = new QLabel(tr("From:"), this);
  date_from = new QDateEdit(this);
  date_from->setAccessibleName(tr("From"));
  date_from->setCalendarPopup(true);
  fromLabel->setBuddy(date_from);
  auto* toLabel = new QLabel(tr("To:"), this);
  date_to = new QDateEdit(this);
  date_to->setAccessibleName(tr("To"));
  date_to->setCalendarPopup(true);
  toLabel->setBuddy(date_to);
  for (QWidget* w : std::initializer_list<QWidget*>{userLabel, user_choice, fromLabel, date_from, toLabel, date_to})
    filters->addWidget(w);
  filters->addStretch(1);
  count_label = new QLabel(this);
  filters->addWidget(count_label);
  outer->addLayout(filters);

  picture_list = new QListView(this);
  picture_list->setAccessibleName(tr("Pictures"));
  picture_list->setModel(model_);
  picture_list->setViewMode(QListView::IconMode);
  picture_list->setResizeMode(QListView::Adjust);
  picture_list->setMovement(QListView::Static);
  picture_list->setUniformItemSizes(true);
  picture_list->setIconSize(QSize(GalleryModel::ThumbnailSide, GalleryModel::ThumbnailSide));
  picture_list->setGridSize(QSize(GalleryModel::ThumbnailSide + 72, GalleryModel::ThumbnailSide + 90));
  picture_list->setWordWrap(true);
  picture_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  picture_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  picture_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  outer->addWidget(picture_list, 1);

  auto* buttons = new QHBoxLayout();
  but_open = captionedButton(tr("Open"), this);
  but_print = captionedButton(tr("Print"), this);
  but_booklet = captionedButton(tr("Booklet (PDF)"), this);
  but_delete = captionedButton(tr("Delete"), this);
  gallery_done = mainMenuButton(this);
  for (QPushButton* b : {but_open, but_print, but_booklet, but_delete}) buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(gallery_done);
  outer->addLayout(buttons);

  connect(but_open, &QPushButton::clicked, this, [this] { OpenChosen(); });
  connect(but_print, &QPushButton::clicked, this, [this] { PrintChosen(); });
  connect(but_booklet, &QPushButton::clicked, this, [this] { ExportChosen(); });
  connect(but_delete, &QPushButton::clicked, this, [this] { DeleteChosen(); });
  connect(gallery_done, &QPushButton::clicked, this, &GalleryScreen::leaveRequested);
  connect(picture_list, &QListView::activated, this, [this] { OpenChosen(); });
  connect(user_choice, &QComboBox::currentIndexChanged, this, [this] { FilterChanged(); });
  connect(date_from, &QDateEdit::dateChanged, this, [this] { FilterChanged(); });
  connect(date_to, &QDateEdit::dateChanged, this, [this] { FilterChanged(); });
  connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { ShowCount(); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { ShowCount(); });
}

void GalleryScreen::Fill(const QString& workingFolder, const QString& activeFolder) {
  filling_ = true;
  workingFolder_ = workingFolder;
  model_->Reload(workingFolder);
  user_choice->clear();
  user_choice->addItem(tr("Everyone"), QString());  // a null folder: every user
  for (const records::GalleryUser& user : model_->users())
    user_choice->addItem(model_->UserName(user.folder),
                         user.folder.isEmpty() ? QStringLiteral("") : user.folder);
  const int active = activeFolder.isEmpty() ? -1 : user_choice->findData(activeFolder);
  user_choice->setCurrentIndex(std::max(active, 0));
  const QDate today = QDate::currentDate();
  const QDate oldest = model_->OldestDate().isValid() ? model_->OldestDate() : today;
  const QDate newest = std::max(model_->NewestDate().isValid() ? model_->NewestDate() : today, today);
  date_from->setDate(oldest);
  date_to->setDate(newest);
  filling_ = false;
  FilterChanged();
  picture_list->setFocus(Qt::OtherFocusReason);
  if (model_->rowCount() > 0) picture_list->setCurrentIndex(model_->index(0));
}

void GalleryScreen::FilterChanged() {
  if (filling_) return;
  model_->SetFilter(user_choice->currentData().toString(), date_from->date(), date_to->date());
  if (model_->rowCount() > 0) picture_list->setCurrentIndex(model_->index(0));
}

void GalleryScreen::ShowCount() {
  count_label->setText(tr("%n picture(s)", nullptr, model_->rowCount()));
  const bool any = model_->rowCount() > 0;
  for (QPushButton* b : {but_open, but_print, but_booklet, but_delete}) b->setEnabled(any);
}

QList<int> GalleryScreen::ChosenRows() const {
  QList<int> rows;
  for (const QModelIndex& i : picture_list->selectionModel()->selectedIndexes()) rows << i.row();
  if (rows.isEmpty() && picture_list->currentIndex().isValid()) rows << picture_list->currentIndex().row();
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool GalleryScreen::NothingChosen() {
  if (!ChosenRows().isEmpty()) return false;
  platform::message(tr("Choose a picture in the list first."), platform::MessageIcon::Information);
  return true;
}

void GalleryScreen::OpenChosen() {
  if (NothingChosen()) return;
  const int row = picture_list->currentIndex().isValid() ? picture_list->currentIndex().row() : ChosenRows().first();
  const auto fields = model_->FieldsAt(row);
  if (!fields) return;  // unreadable: it has just been left out
  auto* view = new GalleryPictureView(model_->PathAt(row), *fields, this);
  view->show();
  view->raise();
  view->activateWindow();
}

void GalleryScreen::PrintChosen() {
  if (NothingChosen()) return;
  int printed = 0;
  QStringList problems;
  for (int row : ChosenRows()) {
    const QImage image = QImageReader(model_->PathAt(row), "png").read();
    const platform::PrintOutcome outcome =
        image.isNull() ? platform::PrintOutcome{false, tr("%1 cannot be read.").arg(model_->PathAt(row))}
                       : platform::host().printImage(image);
    if (outcome.printed)
      ++printed;
    else
      problems << outcome.problem;
  }
  if (problems.isEmpty()) {
    platform::message(tr("%n picture(s) sent to the printer.", nullptr, printed), platform::MessageIcon::Information);
  } else {
    problems.removeDuplicates();
    platform::message(tr("%n picture(s) sent to the printer.", nullptr, printed) + QLatin1Char('\n') +
                          problems.join(QLatin1Char('\n')),
                      platform::MessageIcon::Exclamation);
  }
}

void GalleryScreen::ExportChosen() {
  if (NothingChosen()) return;
  const QString suggested =
      QDir(workingFolder_).filePath(tr("booklet") + QDate::currentDate().toString(QStringLiteral("_yyyy-MM-dd")) +
                                    QStringLiteral(".pdf"));
  const QString path = QFileDialog::getSaveFileName(this, tr("Save the booklet"), suggested, tr("PDF files (*.pdf)"),
                                                    nullptr, QFileDialog::DontUseNativeDialog);
  if (!path.isEmpty()) ExportChosenTo(path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".pdf"));
}

void GalleryScreen::ExportChosenTo(const QString& pdfPath) {
  QStringList paths;
  for (int row : ChosenRows()) paths << model_->PathAt(row);
  const records::BookletOutcome out = records::WriteBooklet(pdfPath, paths);
  if (!out.problem.isEmpty()) {
    platform::message(tr("The booklet could not be saved as %1: %2.").arg(QDir::toNativeSeparators(pdfPath), out.problem),
                      platform::MessageIcon::Exclamation);
    return;
  }
  QString text = tr("The booklet of %n picture(s) was saved as %1.", nullptr, out.pages).arg(QDir::toNativeSeparators(pdfPath));
  if (!out.skipped.isEmpty())
    text += QLatin1Char('\n') + tr("These pictures could not be read and were left out:\n%1").arg(out.skipped.join(QLatin1Char('\n')));
  platform::message(text, platform::MessageIcon::Information);
}

void GalleryScreen::DeleteChosen() {
  if (NothingChosen()) return;
  const QList<int> rows = ChosenRows();
  QMessageBox ask(QMessageBox::Question, platform::AppTitle,
                  tr("Delete %n picture(s) from the gallery? They cannot be brought back.", nullptr, rows.size()),
                  QMessageBox::Yes | QMessageBox::No, this);
  ask.setDefaultButton(QMessageBox::No);
  if (ask.exec() != QMessageBox::Yes) return;
  const QStringList failed = model_->Delete(rows);
  if (!failed.isEmpty())
    platform::message(tr("These pictures could not be deleted (is the folder read-only?):\n%1").arg(failed.join(QLatin1Char('\n'))),
                      platform::MessageIcon::Exclamation);
  if (model_->rowCount() > 0) picture_list->setCurrentIndex(model_->index(std::min(rows.first(), model_->rowCount() - 1)));
}

void GalleryScreen::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    Q_EMIT leaveRequested();
    return;
  }
  if (event->key() == Qt::Key_Delete) {
    DeleteChosen();
    return;
  }
  QGroupBox::keyPressEvent(event);
}

}  // namespace menu
