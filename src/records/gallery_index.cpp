#include "records/gallery_index.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "records/gallery_picture.h"

namespace records {

namespace {

// The newest readable picture's user field, the folder's name without one.
QString NameOfUser(const GalleryUser& user, const std::vector<GalleryItem>& items) {
  for (const GalleryItem& item : items) {
    if (item.userFolder != user.folder) continue;
    if (const auto fields = ReadGalleryFields(item.path)) {
      if (!fields->user.isEmpty()) return fields->user;
      break;
    }
  }
  return user.folder;
}

void ListFolder(const GalleryUser& user, std::vector<GalleryItem>& items) {
  const QDir dir(user.galleryPath);
  const QStringList names = dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
  for (const QString& name : names) {
    const QDateTime date = DateOfGalleryFileName(name);
    if (!date.isValid()) continue;
    items.push_back({user.galleryPath + name, user.folder, date, PictureOfGalleryFileName(name)});
  }
}

}  // namespace

QString NewestGalleryFile(const QString& galleryFolder) {
  std::vector<GalleryItem> items;
  ListFolder({QString(), QString(), galleryFolder.endsWith(QLatin1Char('/')) ? galleryFolder : galleryFolder + QLatin1Char('/')},
             items);
  const auto newest = std::max_element(items.begin(), items.end(), [](const GalleryItem& a, const GalleryItem& b) {
    return a.date != b.date ? a.date < b.date : a.path < b.path;
  });
  return newest == items.end() ? QString() : newest->path;
}

GalleryListing ListGallery(const QString& workingFolder) {
  GalleryListing out;
  const QDir working(workingFolder);
  const QString own = working.filePath(GalleryFolderName) + QLatin1Char('/');
  if (QFileInfo(own).isDir()) out.users.push_back({QString(), QString(), own});
  const QDir usersDir(working.filePath(QStringLiteral("users")));
  for (const QString& folder : usersDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const QString gallery = usersDir.filePath(folder) + QLatin1Char('/') + GalleryFolderName + QLatin1Char('/');
    if (QFileInfo(gallery).isDir()) out.users.push_back({folder, folder, gallery});
  }
  for (const GalleryUser& user : out.users) ListFolder(user, out.items);
  std::stable_sort(out.items.begin(), out.items.end(), [](const GalleryItem& a, const GalleryItem& b) {
    return a.date != b.date ? a.date > b.date : a.path > b.path;
  });
  for (GalleryUser& user : out.users) user.name = NameOfUser(user, out.items);
  return out;
}

}  // namespace records
