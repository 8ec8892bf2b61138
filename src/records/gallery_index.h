#pragma once
// The gallery pictures of every user of a working folder: its own gallery/
// (pictures coloured without a user) and users/<name>/gallery/. Listed by
// their file names alone, so thousands are listed at once; what a picture's
// fields say is read when it is shown.

#include <QDateTime>
#include <QString>
#include <vector>

namespace records {

struct GalleryItem {
  QString path;         // the PNG
  QString userFolder;   // the folder under users/ it belongs to; "" for the working folder's own
  QDateTime date;       // from the file name
  QString pictureName;  // from the file name
};

struct GalleryUser {
  QString folder;       // as GalleryItem::userFolder
  QString name;         // the "user" field of its newest picture (the folder's name when it has none)
  QString galleryPath;  // its gallery folder, ending in "/"
};

struct GalleryListing {
  std::vector<GalleryItem> items;  // newest first
  std::vector<GalleryUser> users;  // those with a gallery folder, the working folder's own first
};

// Lists the galleries of `workingFolder`. Files whose names are not gallery
// names are left out.
GalleryListing ListGallery(const QString& workingFolder);

// The newest gallery file of one gallery folder ("" when it has none).
QString NewestGalleryFile(const QString& galleryFolder);

}  // namespace records
