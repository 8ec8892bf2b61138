#include "records/thumbnail_cache.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include "platform/safe_file.h"

namespace records {

ThumbnailCache::ThumbnailCache(QString folder, int side) : folder_(std::move(folder)), side_(side) {}

QString ThumbnailCache::CacheFile(const QString& path) const {
  const QFileInfo info(path);
  const QByteArray key = info.absoluteFilePath().toUtf8() + '\n' + QByteArray::number(info.size()) + '\n' +
                         QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n' +
                         QByteArray::number(side_);
  return QDir(folder_).filePath(QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
                                QStringLiteral(".png"));
}

QImage ThumbnailCache::Thumbnail(const QString& path) {
  const QString cached = CacheFile(path);
  if (QFileInfo::exists(cached)) {
    QImage small = QImageReader(cached, "png").read();
    if (!small.isNull()) return small;
  }
  QImageReader reader(path, "png");
  const QImage full = reader.read();
  if (full.isNull()) return {};
  const QImage small = full.scaled(side_, side_, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  // Scrolling fast past thousands keeps only the latest few waiting.
  constexpr size_t MostWaiting = 200;
  if (made_.size() >= MostWaiting) made_.erase(made_.begin());
  made_.emplace_back(cached, small);
  return small;
}

int ThumbnailCache::StoreMade(int most) {
  // The cache is only a help: a copy that cannot be stored is made again next time.
  const bool folder = QDir().mkpath(folder_);
  for (; most > 0 && !made_.empty(); --most) {
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (folder && made_.back().second.save(&png, "png")) platform::WriteFileVerified(made_.back().first, png.data());
    made_.pop_back();
  }
  return static_cast<int>(made_.size());
}

void ThumbnailCache::Forget(const QString& path) { QFile::remove(CacheFile(path)); }

QString StandardThumbnailFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/gallery-thumbnails/");
}

}  // namespace records
