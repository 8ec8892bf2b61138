#pragma once
// Picture lists: "pictures_" N ".pcf", plain text written by the carer. The
// file is read as delimited fields: a comma or a line end ends a field,
// blanks before a field are skipped, a field in double quotes may hold
// commas. Empty fields and fields that begin with "-" (switched-off lines,
// headings) are not pictures.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pictures {

struct PictureList {
  QStringList names;    // picture file names in file order, at most `limit`
  int namesFound = 0;   // every picture name in the file, even past the limit
  bool truncated() const { return namesFound > names.size(); }
};

// The fields of a list file's text, in order, as they are read (quotes
// removed, blanks around unquoted fields dropped), empty ones included.
QStringList SplitListFields(const QString& text);

// A list file's text: UTF-8, or Latin-1 when it is not valid UTF-8; a
// leading byte order mark is dropped.
QString DecodeListText(const QByteArray& bytes);

// The picture names of a list file's bytes (UTF-8; other bytes are read as
// Latin-1), keeping the first `limit` of them.
PictureList ParsePictureList(const QByteArray& bytes, int limit);

// The file name of list n: "pictures_" n ".pcf".
QString PictureListFileName(int listNumber);

// Reads list n from the current folder. A missing or unreadable file
// counts as an empty list.
PictureList ReadPictureList(int listNumber, int limit);

}  // namespace pictures
