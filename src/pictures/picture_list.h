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
  QString unreadable;   // why a list file that is there could not be read ("" when it was, or is missing)
  bool truncated() const { return namesFound > names.size(); }
};

// The fields of a list file's text, in order, as they are read (quotes
// removed, blanks around unquoted fields dropped), empty ones included.
QStringList SplitListFields(const QString& text);

// A list file's text. A byte order mark names the encoding (a text editor's
// "Unicode" is UTF-16, little or big endian; UTF-8 may carry one too) and is
// dropped; without one the text is UTF-8, or Latin-1 when it is not valid
// UTF-8.
QString DecodeListText(const QByteArray& bytes);

// The picture names of a list file's bytes (decoded as DecodeListText does),
// keeping the first `limit` of them.
PictureList ParsePictureList(const QByteArray& bytes, int limit);

// The file name of list n: "pictures_" n ".pcf".
QString PictureListFileName(int listNumber);

// Reads list n from the current folder. A missing file counts as an empty
// list; one that is there but cannot be read (a folder, no permission) gives
// no names and says why in `unreadable`.
PictureList ReadPictureList(int listNumber, int limit);

}  // namespace pictures
