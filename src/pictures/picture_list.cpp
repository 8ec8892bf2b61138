#include "pictures/picture_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <optional>

#include "users/active_user.h"

namespace pictures {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

}  // namespace

QString DecodeListText(const QByteArray& bytes) {
  if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
    QStringDecoder decoder(*marked);  // drops the mark itself
    return decoder.decode(bytes);
  }
  QStringDecoder utf8(QStringDecoder::Utf8);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) text = QString::fromLatin1(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  return text;
}

QStringList SplitListFields(const QString& text) {
  QStringList fields;
  const qsizetype n = text.size();
  qsizetype i = 0;
  while (i < n) {
    while (i < n && isBlank(text[i])) ++i;
    QString field;
    if (i < n && text[i] == QLatin1Char('"')) {
      const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
      const qsizetype end = close < 0 ? n : close;
      field = text.mid(i + 1, end - i - 1);
      i = close < 0 ? n : close + 1;
      // Whatever stands between the closing quote and the delimiter is dropped.
      while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(text[i])) ++i;
    } else {
      const qsizetype start = i;
      while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(text[i])) ++i;
      field = text.mid(start, i - start);
      while (!field.isEmpty() && isBlank(field.back())) field.chop(1);
    }
    fields << field;
    if (i >= n) break;
    // One delimiter: a comma, or a line end (CR LF counts as one).
    if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) ++i;
    ++i;
  }
  return fields;
}

PictureList ParsePictureList(const QByteArray& bytes, int limit) {
  PictureList list;
  const QStringList fields = SplitListFields(DecodeListText(bytes));
  for (const QString& field : fields) {
    if (field.isEmpty() || field.startsWith(QLatin1Char('-'))) continue;
    ++list.namesFound;
    if (list.names.size() < limit) list.names << field;
  }
  return list;
}

QString PictureListFileName(int listNumber) {
  return QStringLiteral("pictures_%1.pcf").arg(listNumber);
}

PictureList ReadPictureList(int listNumber, int limit) {
  // A user's own list takes the place of the shared one of that number.
  const QString name = users::OwnOrShared(PictureListFileName(listNumber));
  const QFileInfo info(name);
  if (!info.exists()) return {};
  PictureList unread;
  if (info.isDir()) {
    unread.unreadable = QCoreApplication::translate("PictureList", "%1 is a folder, not a file").arg(name);
    return unread;
  }
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    unread.unreadable = QCoreApplication::translate("PictureList", "%1 could not be opened (%2)").arg(name, file.errorString());
    return unread;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    unread.unreadable = QCoreApplication::translate("PictureList", "%1 could not be read to its end (%2)").arg(name, file.errorString());
    return unread;
  }
  return ParsePictureList(bytes, limit);
}

}  // namespace pictures
