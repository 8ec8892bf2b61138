#pragma once
// The pictures the Gallery screen shows: every gallery of the working folder
// listed by file name at once, newest first, filtered by user and by date.
// A picture's thumbnail and fields are read only when its row is drawn, a
// few at a time between events, so thousands of pictures open at once and
// scroll smoothly. A picture that cannot be read is left out.

#include <QAbstractListModel>
#include <QCache>
#include <QDate>
#include <QPixmap>
#include <QSet>
#include <QTimer>
#include <memory>
#include <vector>

#include "records/gallery_index.h"
#include "records/gallery_picture.h"
#include "records/thumbnail_cache.h"

namespace menu {

class GalleryModel : public QAbstractListModel {
  Q_OBJECT
public:
  enum Role { PathRole = Qt::UserRole + 1, LoadedRole };
  static constexpr int ThumbnailSide = 128;

  GalleryModel(const QString& thumbnailFolder, QObject* parent = nullptr);

  // Lists the galleries of `workingFolder` again.
  void Reload(const QString& workingFolder);
  // Shows only the pictures of one user folder ("" the working folder's own,
  // a null string everyone's) saved from `from` to `to` (inclusive; a null
  // date leaves that end open).
  void SetFilter(const QString& userFolder, const QDate& from, const QDate& to);

  const std::vector<records::GalleryUser>& users() const { return listing_.users; }
  // The dates of the oldest and the newest picture listed.
  QDate OldestDate() const;
  QDate NewestDate() const;
  // The name shown for a user folder.
  QString UserName(const QString& userFolder) const;
  // The gallery file of a shown row.
  QString PathAt(int row) const;
  // The fields of a row, read now if they were not yet.
  std::optional<records::GalleryFields> FieldsAt(int row);
  // Removes the files of the rows (and their cached thumbnails); returns the
  // paths that could not be removed.
  QStringList Delete(const QList<int>& rows);
  // Reads every thumbnail still asked for now (for tests and measurements).
  void LoadPending();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

Q_SIGNALS:
  // A picture was found unreadable and left out.
  void pictureSkipped(const QString& path);

private:
  struct Loaded {
    QPixmap thumbnail;
    records::GalleryFields fields;
  };
  void ApplyFilter();
  void LoadSome();
  // Reads one picture into the cache; false when it cannot be read.
  bool Load(const QString& path);
  void Skip(const QString& path);

  records::GalleryListing listing_;
  std::vector<int> shown_;  // indexes into listing_.items
  QString userFolder_;
  QDate from_, to_;
  QSet<QString> unreadable_;
  mutable QCache<QString, Loaded> loaded_;
  mutable std::vector<QString> wanted_;  // asked for by the view, newest request last
  mutable QTimer loader_;
  records::ThumbnailCache thumbnails_;
  QPixmap placeholder_;
};

}  // namespace menu
