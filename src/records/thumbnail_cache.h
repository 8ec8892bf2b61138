#pragma once
// Small copies of gallery pictures, kept on disk so that the Gallery screen
// decodes a few kilobytes for each picture it shows instead of the whole
// PNG. A cached copy is named for the picture's path, size and time, so a
// changed picture is never shown from an old copy; a damaged copy is made
// again.

#include <QImage>
#include <QString>
#include <utility>
#include <vector>

namespace records {

class ThumbnailCache {
public:
  // `folder` holds the copies (made when needed); `side` is their size.
  ThumbnailCache(QString folder, int side);

  // The small copy of the gallery picture at `path`: from the cache, or made
  // from the picture. A null image when the picture cannot be read.
  QImage Thumbnail(const QString& path);
  // Stores the copies made since the last call, at most `most` of them;
  // returns how many are still waiting. Writing waits for a moment when
  // nothing is shown, so a slow disk never holds up the screen.
  int StoreMade(int most);
  // Removes the cached copy of a picture (before the picture is deleted).
  void Forget(const QString& path);

  int side() const { return side_; }

private:
  QString CacheFile(const QString& path) const;

  QString folder_;
  int side_;
  std::vector<std::pair<QString, QImage>> made_;  // cache file, copy
};

// The standard place of the cache: the user's cache folder.
QString StandardThumbnailFolder();

}  // namespace records
