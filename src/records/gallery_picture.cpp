#include "records/gallery_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QHash>
#include <QtEndian>
#include <QImageWriter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

#include "platform/safe_file.h"

namespace records {

namespace {

// The keys of the PNG text fields (data, never translated).
const QString UserKey = QStringLiteral("user");
const QString PictureKey = QStringLiteral("picture");
const QString ListKey = QStringLiteral("list");
const QString DateKey = QStringLiteral("date");
const QString MinutesKey = QStringLiteral("minutes taken");
const QString SectionsKey = QStringLiteral("sections");
const QString FinishedKey = QStringLiteral("finished");
const QString ColoursKey = QStringLiteral("colours");
const QString FillStyleKey = QStringLiteral("fill style");

// The PNG's text chunks (tEXt, zTXt, iTXt) and its size. The toolkit's reader folds keys with spaces into one description,
// so the few chunks are read here; the pixels are left to the toolkit.
struct PngHeader {
  QSize size;
  QHash<QString, QString> text;
};

QByteArray Inflate(const QByteArray& zlib) {
  // qUncompress wants the size first; a guess is enough, it grows.
  QByteArray sized(4, '\0');
  const quint32 guess = static_cast<quint32>(std::min<qsizetype>(zlib.size() * 8 + 64, 1 << 20));
  for (int i = 0; i < 4; ++i) sized[i] = static_cast<char>(guess >> (24 - 8 * i));
  return qUncompress(sized + zlib);
}

// tEXt is Latin-1, but some programs put UTF-8 in it (ImageMagick does):
// text that is valid UTF-8 is read as such.
QString LatinOrUtf8(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

std::optional<PngHeader> ReadPngHeader(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.read(8) != QByteArray("\x89PNG\r\n\x1a\n", 8)) return std::nullopt;
  PngHeader out;
  for (int chunks = 0; chunks < 100000; ++chunks) {
    const QByteArray head = file.read(8);
    if (head.size() != 8) return std::nullopt;
    const quint32 length = qFromBigEndian<quint32>(head.constData());
    const QByteArray type = head.mid(4);
    if (type == "IEND") return out.size.isValid() ? std::optional(out) : std::nullopt;
    if (type == "IDAT") {
      // Other programs may put the text after the pixels: passed over unread.
      if (!file.seek(file.pos() + length + 4) || file.pos() > file.size()) return std::nullopt;
      continue;
    }
    if (length > (1u << 20)) return std::nullopt;  // no text is that long
    const QByteArray data = file.read(length);
    if (data.size() != static_cast<qsizetype>(length) || file.read(4).size() != 4) return std::nullopt;
    if (type == "IHDR" && length >= 8) {
      out.size = QSize(static_cast<int>(qFromBigEndian<quint32>(data.constData())),
                       static_cast<int>(qFromBigEndian<quint32>(data.constData() + 4)));
      continue;
    }
    const qsizetype zero = data.indexOf('\0');
    if (zero <= 0) continue;
    const QString key = QString::fromLatin1(data.left(zero));
    if (type == "tEXt") {
      out.text.insert(key, LatinOrUtf8(data.mid(zero + 1)));
    } else if (type == "zTXt") {
      out.text.insert(key, LatinOrUtf8(Inflate(data.mid(zero + 2))));
    } else if (type == "iTXt" && data.size() > zero + 2) {
      // key 0 compressed method language 0 translated-key 0 text
      const bool compressed = data.at(zero + 1) != 0;
      const qsizetype language = data.indexOf('\0', zero + 3);
      const qsizetype translated = language < 0 ? -1 : data.indexOf('\0', language + 1);
      if (translated < 0) continue;
      const QByteArray value = data.mid(translated + 1);
      out.text.insert(key, QString::fromUtf8(compressed ? Inflate(value) : value));
    }
  }
  return std::nullopt;
}

const QString NameDateFormat = QStringLiteral("yyyy-MM-dd_HHmmss");
constexpr int NameDateLength = 17;  // "2026-12-07_043212"

}  // namespace

int GalleryFields::Coloured() const {
  return static_cast<int>(std::count_if(colours.begin(), colours.end(), [](int c) { return c != 0; }));
}

QString GalleryFileName(const QDateTime& when, const QString& pictureName) {
  QString base = QFileInfo(pictureName).completeBaseName();
  // A name of dots or of nothing still makes a file name the gallery can read.
  if (base.isEmpty() || base.startsWith(QLatin1Char('.'))) base.prepend(QStringLiteral("picture"));
  return when.toString(NameDateFormat) + QLatin1Char('_') + base + QStringLiteral(".png");
}

QDateTime DateOfGalleryFileName(const QString& fileName) {
  if (fileName.size() <= NameDateLength + 5 || fileName.at(NameDateLength) != QLatin1Char('_') ||
      !fileName.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
    return {};
  // Read by hand: thousands of names are read each time the gallery opens.
  const auto number = [&fileName](int from, int digits) {
    int n = 0;
    for (int i = from; i < from + digits; ++i) {
      const QChar c = fileName.at(i);
      if (!c.isDigit() || c.unicode() > '9') return -1;
      n = 10 * n + (c.unicode() - '0');
    }
    return n;
  };
  if (fileName.at(4) != QLatin1Char('-') || fileName.at(7) != QLatin1Char('-') || fileName.at(10) != QLatin1Char('_'))
    return {};
  const QDate day(number(0, 4), number(5, 2), number(8, 2));
  const QTime time(number(11, 2), number(13, 2), number(15, 2));
  if (!day.isValid() || !time.isValid()) return {};
  return QDateTime(day, time);
}

QString PictureOfGalleryFileName(const QString& fileName) {
  return fileName.mid(NameDateLength + 1).chopped(4);
}

QByteArray EncodeGalleryPicture(const QImage& picture, const GalleryFields& f) {
  QImage image = picture.size() == QSize(GallerySide, GallerySide)
                     ? picture
                     : picture.scaled(GallerySide, GallerySide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  if (image.size() != QSize(GallerySide, GallerySide)) {
    // A picture that is not square sits in the middle of a white square.
    QImage square(GallerySide, GallerySide, QImage::Format_RGB32);
    square.fill(Qt::white);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        square.setPixel((GallerySide - image.width()) / 2 + x, (GallerySide - image.height()) / 2 + y,
                        image.pixel(x, y));
    image = square;
  }
  image = image.convertToFormat(QImage::Format_RGB32);
  QStringList colours;
  for (int c : f.colours) colours << QString::number(c);

  // On the image rather than the writer: the writer's own text fields take
  // no keys with spaces ("minutes taken").
  image.setText(UserKey, f.user);
  image.setText(PictureKey, f.picture);
  image.setText(ListKey, QString::number(f.list));
  image.setText(DateKey, f.date.toString(Qt::ISODate));
  image.setText(MinutesKey, QString::number(f.minutes, 'f', 1));
  image.setText(SectionsKey, QString::number(f.sections));
  image.setText(FinishedKey, f.finished ? QStringLiteral("1") : QStringLiteral("0"));
  image.setText(ColoursKey, colours.join(QLatin1Char(',')));
  image.setText(FillStyleKey, QString::number(f.fillStyle));
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) return {};
  return buffer.data();
}

QString SaveGalleryPicture(const QString& folder, const QImage& picture, const GalleryFields& fields,
                           QString* savedAs) {
  const QByteArray png = EncodeGalleryPicture(picture, fields);
  if (png.isEmpty()) return QCoreApplication::translate("GalleryPicture", "the picture could not be made into a PNG file");
  QDir dir(folder);
  if (!dir.exists() && !QDir().mkpath(dir.absolutePath()))
    return QCoreApplication::translate("GalleryPicture", "the folder %1 cannot be made")
        .arg(QDir::toNativeSeparators(dir.absolutePath()));
  // Two pictures of one name within a second keep both.
  const QString name = GalleryFileName(fields.date, fields.picture);
  QString path = dir.filePath(name);
  for (int n = 2; QFileInfo::exists(path); ++n) path = dir.filePath(name.chopped(4) + QStringLiteral("-%1.png").arg(n));
  const QString why = platform::WriteFileVerified(path, png);
  if (why.isEmpty() && savedAs) *savedAs = path;
  return why;
}

std::optional<GalleryFields> ReadGalleryFields(const QString& path) {
  const std::optional<PngHeader> png = ReadPngHeader(path);
  if (!png || png->size != QSize(GallerySide, GallerySide)) return std::nullopt;
  const QHash<QString, QString>& text = png->text;
  GalleryFields f;
  f.date = QDateTime::fromString(text.value(DateKey), Qt::ISODate);
  if (!f.date.isValid()) return std::nullopt;
  f.user = text.value(UserKey);
  f.picture = text.value(PictureKey);
  f.list = text.value(ListKey).toInt();
  f.minutes = text.value(MinutesKey).toDouble();
  f.sections = text.value(SectionsKey).toInt();
  f.finished = text.value(FinishedKey) != QStringLiteral("0");
  f.fillStyle = text.value(FillStyleKey).toInt();
  const QString colours = text.value(ColoursKey);
  if (!colours.isEmpty())
    for (const QString& c : colours.split(QLatin1Char(','))) f.colours.push_back(std::clamp(c.toInt(), 0, 10));
  return f;
}

}  // namespace records
