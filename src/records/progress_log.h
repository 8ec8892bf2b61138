#pragma once
// The progress records: one row of progress.csv for every picture started,
// appended whole when that picture ends. The file is UTF-8, comma-separated,
// with a header row naming the columns; a spreadsheet opens it as it is.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

namespace records {

// The file's name in the user's folder (or the working folder).
inline const QString ProgressFileName = QStringLiteral("progress.csv");

// The columns, in the order a new file has them.
const QStringList& ProgressColumns();

struct ProgressRow {
  QDateTime started;  // when the picture was shown
  QString user;       // "" without users
  QString list;       // the picture list's number
  QString picture;    // the picture's file name as the list names it
  int scanType = 0;   // 1 timed, 2 step with one switch, 3 step with two, 4 no scanning
  int sections = 0;
  int coloured = 0;
  bool finished = false;
  int pressesCounted = 0;
  int pressesIgnored = 0;  // by the switch timing
  int medianChoiceMs = -1;  // -1: no choice was timed (written empty)
  bool skipped = false;
  int cleared = 0;     // sections undone by the clear key
  QDateTime session;   // when the Start that began the session happened
};

// One line (without its line end) with the row's fields in the order of
// `columns`; a column the row does not know is left empty.
QByteArray FormatProgressRow(const ProgressRow& row, const QStringList& columns = ProgressColumns());

struct ProgressFile {
  std::vector<ProgressRow> rows;   // in file order
  std::vector<int> damagedLines;   // 1-based line numbers of rows left out
  bool headerMissing = false;      // text without the header row (nothing read)
};
// Reads the text of a progress file. Columns are found by their names in
// the header, so a file a spreadsheet saved with its columns moved or
// added still reads. A row that is cut off or holds something that is not
// a number where one belongs is left out and named in damagedLines.
ProgressFile ParseProgressFile(const QByteArray& text);
// Reads `path`; a missing file is an empty record. `problem` gets the
// reason when the file is there but cannot be read.
ProgressFile ReadProgressFile(const QString& path, QString* problem = nullptr);

// The carer's message about rows left out of `path`, "" when none were.
QString DamagedRowsMessage(const QString& path, const ProgressFile& file);

// Adds `row` to the file at `path` through the verified writer: the file is
// either as before or has the new row whole. When it cannot be written
// (full disk, folder not writable) the reason is returned and the row is
// kept, with any kept before, to be written with the next row for the same
// file. Returns "" when every row kept so far is in the file.
QString AppendProgressRow(const QString& path, const ProgressRow& row);
// Rows waiting for `path` because it could not be written.
int PendingProgressRows(const QString& path);

// The median of `values` (the mean of the middle two, rounded, for an even
// count); -1 for none.
int MedianMs(std::vector<int> values);

}  // namespace records
