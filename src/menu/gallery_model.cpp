#include "menu/gallery_model.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace menu {

namespace {
// How long one pass of the loader may read before events run again: well
// under a display frame's worth twice, so scrolling never stutters.
constexpr qint64 LoadBudgetMs = 8;
// Thumbnails kept in memory: several screens full, a few megabytes.
constexpr int ThumbnailsInMemory = 400;
}  // namespace

GalleryModel::GalleryModel(const QString& thumbnailFolder, QObject* parent)
    : QAbstractListModel(parent), thumbnails_(thumbnailFolder, ThumbnailSide) {
  loaded_.setMaxCost(ThumbnailsInMemory);
  loader_.setSingleShot(true);
  loader_.setInterval(0);
  connect(&loader_, &QTimer::timeout, this, [this] { LoadSome(); });
  placeholder_ = QPixmap(ThumbnailSide, ThumbnailSide);
  placeholder_.fill(QColor(235, 228, 210));
}

void GalleryModel::Reload(const QString& workingFolder) {
  beginResetModel();
  listing_ = records::ListGallery(workingFolder);
  unreadable_.clear();
  loaded_.clear();
  wanted_.clear();
  ApplyFilter();
  endResetModel();
}

void GalleryModel::SetFilter(const QString& userFolder, const QDate& from, const QDate& to) {
  beginResetModel();
  userFolder_ = userFolder;
  from_ = from;
  to_ = to;
  wanted_.clear();
  ApplyFilter();
  endResetModel();
}

void GalleryModel::ApplyFilter() {
  shown_.clear();
  for (int i = 0; i < static_cast<int>(listing_.items.size()); ++i) {
    const records::GalleryItem& item = listing_.items[i];
    if (!userFolder_.isNull() && item.userFolder != userFolder_) continue;
    const QDate day = item.date.date();
    if ((from_.isValid() && day < from_) || (to_.isValid() && day > to_)) continue;
    if (unreadable_.contains(item.path)) continue;
    shown_.push_back(i);
  }
}

QDate GalleryModel::OldestDate() const {
  return listing_.items.empty() ? QDate() : listing_.items.back().date.date();
}
QDate GalleryModel::NewestDate() const {
  return listing_.items.empty() ? QDate() : listing_.items.front().date.date();
}

QString GalleryModel::UserName(const QString& userFolder) const {
  for (const records::GalleryUser& user : listing_.users)
    if (user.folder == userFolder) return user.folder.isEmpty() ? tr("Without a user") : user.name;
  return userFolder;
}

QString GalleryModel::PathAt(int row) const {
  return row >= 0 && row < static_cast<int>(shown_.size()) ? listing_.items[shown_[row]].path : QString();
}

std::optional<records::GalleryFields> GalleryModel::FieldsAt(int row) {
  const QString path = PathAt(row);
  if (path.isEmpty()) return std::nullopt;
  if (!loaded_.contains(path) && !Load(path)) return std::nullopt;
  return loaded_.object(path)->fields;
}

int GalleryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant GalleryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(shown_.size())) return {};
  const records::GalleryItem& item = listing_.items[shown_[index.row()]];
  const Loaded* loaded = loaded_.object(item.path);
  switch (role) {
    case Qt::DisplayRole: {
      const QString date = QLocale().toString(item.date.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                           item.date.time().toString(QStringLiteral("HH:mm"));
      // Always three lines: the view sizes every row like the first one.
      const QString who = UserName(item.userFolder);
      if (loaded && !loaded->fields.finished)
        return tr("%1\n%2\n%3 (unfinished)").arg(item.pictureName, date, who);
      return tr("%1\n%2\n%3").arg(item.pictureName, date, who);
    }
    case Qt::AccessibleTextRole:
      return loaded && !loaded->fields.finished ? tr("%1, %2, unfinished").arg(item.pictureName, item.date.toString())
                                                : tr("%1, %2").arg(item.pictureName, item.date.toString());
    case Qt::DecorationRole:
      if (loaded) return loaded->thumbnail;
      // Asked for now: read soon, between events.
      wanted_.push_back(item.path);
      if (!loader_.isActive()) loader_.start();
      return placeholder_;
    case Qt::SizeHintRole:
      // One size for every row (the view measures only the first): room
      // for the thumbnail and three lines of caption.
      return QSize(ThumbnailSide + 64, ThumbnailSide + 80);
    case PathRole: return item.path;
    case LoadedRole: return loaded != nullptr;
    default: return {};
  }
}

bool GalleryModel::Load(const QString& path) {
  const auto fields = records::ReadGalleryFields(path);
  const QImage small = fields ? thumbnails_.Thumbnail(path) : QImage();
  if (small.isNull()) {
    Skip(path);
    return false;
  }
  loaded_.insert(path, new Loaded{QPixmap::fromImage(small), *fields});
  return true;
}

void GalleryModel::Skip(const QString& path) {
  unreadable_.insert(path);
  for (int row = 0; row < static_cast<int>(shown_.size()); ++row) {
    if (listing_.items[shown_[row]].path != path) continue;
    beginRemoveRows({}, row, row);
    shown_.erase(shown_.begin() + row);
    endRemoveRows();
    break;
  }
  Q_EMIT pictureSkipped(path);
}

void GalleryModel::LoadSome() {
  QElapsedTimer clock;
  clock.start();
  // The rows asked for last are those on the screen now.
  while (!wanted_.empty() && clock.elapsed() < LoadBudgetMs) {
    const QString path = wanted_.back();
    wanted_.pop_back();
    if (loaded_.contains(path) || unreadable_.contains(path)) continue;
    if (!Load(path)) continue;
    for (int row = 0; row < static_cast<int>(shown_.size()); ++row) {
      if (listing_.items[shown_[row]].path != path) continue;
      const QModelIndex at = index(row);
      Q_EMIT dataChanged(at, at, {Qt::DecorationRole, Qt::DisplayRole, Qt::AccessibleTextRole, LoadedRole});
      break;
    }
  }
  // Rows scrolled past long ago are not read any more.
  if (wanted_.size() > static_cast<size_t>(ThumbnailsInMemory))
    wanted_.erase(wanted_.begin(), wanted_.end() - ThumbnailsInMemory);
  // With every row on the screen shown, the copies made go to the cache,
  // one a pass.
  if (wanted_.empty() && thumbnails_.StoreMade(1) == 0) return;
  loader_.start();
}

void GalleryModel::LoadPending() {
  while (!wanted_.empty()) LoadSome();
  thumbnails_.StoreMade(INT_MAX);
}

QStringList GalleryModel::Delete(const QList<int>& rows) {
  QStringList paths, failed;
  for (int row : rows) paths << PathAt(row);
  beginResetModel();
  for (const QString& path : paths) {
    if (path.isEmpty()) continue;
    thumbnails_.Forget(path);
    if (!QFile::remove(path)) {
      failed << path;
      continue;
    }
    loaded_.remove(path);
    std::erase_if(listing_.items, [&path](const records::GalleryItem& item) { return item.path == path; });
  }
  ApplyFilter();
  endResetModel();
  return failed;
}

}  // namespace menu
