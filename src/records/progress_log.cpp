#include "records/progress_log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "platform/safe_file.h"

namespace records {

namespace {

enum Column { Started, User, List, Picture, ScanType, Sections, Coloured, Finished, Counted, Ignored, Median,
              Skipped, Cleared, Session, ColumnCount };

const char* const ColumnNames[ColumnCount] = {"started",        "user",           "list",     "picture",
                                              "scan_type",      "sections",       "coloured", "finished",
                                              "presses_counted", "presses_ignored", "median_choice_ms",
                                              "skipped",        "cleared",        "session"};

constexpr const char* DateFormat = "yyyy-MM-ddTHH:mm:ss";

QByteArray Quoted(const QByteArray& field) {
  if (!field.contains(',') && !field.contains('"') && !field.contains('\n') && !field.contains('\r')) return field;
  QByteArray out = field;
  out.replace('"', "\"\"");
  return '"' + out + '"';
}

QByteArray DateField(const QDateTime& t) { return t.isValid() ? t.toString(QLatin1StringView(DateFormat)).toUtf8() : QByteArray(); }

// A local date and time. Made with the day's offset from UTC, found once per
// day: a local QDateTime asks the time zone on every construction, which
// was most of the time of reading 10,000 rows.
QDateTime LocalDateTime(QDate d, QTime t) {
  static QHash<qint64, int> offsets;
  auto it = offsets.constFind(d.toJulianDay());
  if (it == offsets.constEnd()) {
    if (offsets.size() > 20000) offsets.clear();
    it = offsets.insert(d.toJulianDay(), QDateTime(d, QTime(12, 0)).offsetFromUtc());
  }
  return QDateTime(d, t, Qt::OffsetFromUTC, *it);
}

// "2026-03-14T09:05:00" read directly; anything else through Qt's ISO reader.
QDateTime ParseDate(QByteArrayView f) {
  auto num = [&](int from, int len) {
    int v = 0;
    for (int k = from; k < from + len; ++k) {
      const char c = f[k];
      if (c < '0' || c > '9') return -1;
      v = v * 10 + (c - '0');
    }
    return v;
  };
  if (f.size() == 19 && f[4] == '-' && f[7] == '-' && (f[10] == 'T' || f[10] == ' ') && f[13] == ':' && f[16] == ':') {
    const QDate d(num(0, 4), num(5, 2), num(8, 2));
    const QTime t(num(11, 2), num(14, 2), num(17, 2));
    if (d.isValid() && t.isValid()) return LocalDateTime(d, t);
    return {};
  }
  if (f.size() < 10) return {};
  return QDateTime::fromString(QString::fromUtf8(f), Qt::ISODate);
}

// A count: digits only; empty reads as `empty`. False when it is no count.
bool ParseCount(QByteArrayView f, int& out, int empty) {
  f = f.trimmed();
  if (f.isEmpty()) {
    out = empty;
    return true;
  }
  const auto [end, ec] = std::from_chars(f.data(), f.data() + f.size(), out);
  return ec == std::errc() && end == f.data() + f.size() && out >= 0;
}

// One record of the CSV text: its fields, the line it began on and whether
// a line end closed it (a last line without one may have been cut off).
struct Record {
  std::vector<QByteArray> fields;
  int line = 0;
  bool closed = false;
};

class CsvReader {
public:
  explicit CsvReader(const QByteArray& text) : p_(text.constData()), end_(p_ + text.size()) {
    if (end_ - p_ >= 3 && static_cast<unsigned char>(p_[0]) == 0xEF && static_cast<unsigned char>(p_[1]) == 0xBB &&
        static_cast<unsigned char>(p_[2]) == 0xBF)
      p_ += 3;  // a byte order mark a spreadsheet put there
  }
  bool Next(Record& r) {
    r.fields.clear();
    r.closed = false;
    if (p_ >= end_) return false;
    r.line = line_;
    QByteArray field;
    bool quoted = false;
    while (p_ < end_) {
      const char c = *p_++;
      if (quoted) {
        if (c == '"') {
          if (p_ < end_ && *p_ == '"') {
            field += '"';
            ++p_;
          } else {
            quoted = false;
          }
        } else {
          if (c == '\n') ++line_;
          field += c;
        }
      } else if (c == '"' && field.isEmpty()) {
        quoted = true;
      } else if (c == ',') {
        r.fields.push_back(std::move(field));
        field = QByteArray();
      } else if (c == '\n' || c == '\r') {
        if (c == '\r' && p_ < end_ && *p_ == '\n') ++p_;
        ++line_;
        r.closed = true;
        break;
      } else {
        field += c;
      }
    }
    r.fields.push_back(std::move(field));
    if (quoted) r.closed = false;  // a quote never closed: cut off
    return true;
  }

private:
  const char* p_;
  const char* end_;
  int line_ = 1;
};

bool Blank(const Record& r) { return r.fields.size() == 1 && r.fields[0].trimmed().isEmpty(); }

bool ReadRow(const Record& r, const std::array<int, ColumnCount>& at, int width, ProgressRow& row) {
  if (static_cast<int>(r.fields.size()) < width) return false;
  auto field = [&](Column c) -> QByteArrayView {
    return at[c] < 0 ? QByteArrayView() : QByteArrayView(r.fields[static_cast<size_t>(at[c])]);
  };
  row.started = ParseDate(field(Started).trimmed());
  if (!row.started.isValid()) return false;
  row.user = QString::fromUtf8(field(User));
  row.list = QString::fromUtf8(field(List));
  row.picture = QString::fromUtf8(field(Picture));
  int finished = 0, skipped = 0;
  if (!ParseCount(field(ScanType), row.scanType, 0) || !ParseCount(field(Sections), row.sections, 0) ||
      !ParseCount(field(Coloured), row.coloured, 0) || !ParseCount(field(Finished), finished, 0) ||
      !ParseCount(field(Counted), row.pressesCounted, 0) || !ParseCount(field(Ignored), row.pressesIgnored, 0) ||
      !ParseCount(field(Median), row.medianChoiceMs, -1) || !ParseCount(field(Skipped), skipped, 0) ||
      !ParseCount(field(Cleared), row.cleared, 0) || finished > 1 || skipped > 1)
    return false;
  row.finished = finished == 1;
  row.skipped = skipped == 1;
  const QByteArrayView session = field(Session).trimmed();
  row.session = session.isEmpty() ? row.started : ParseDate(session);
  return row.session.isValid();
}

QHash<QString, QByteArrayList>& Pending() {
  static QHash<QString, QByteArrayList> pending;
  return pending;
}

}  // namespace

const QStringList& ProgressColumns() {
  static const QStringList columns = [] {
    QStringList c;
    for (const char* name : ColumnNames) c << QString::fromLatin1(name);
    return c;
  }();
  return columns;
}

QByteArray FormatProgressRow(const ProgressRow& row, const QStringList& columns) {
  QByteArray out;
  for (int k = 0; k < columns.size(); ++k) {
    if (k > 0) out += ',';
    const auto c = static_cast<Column>(ProgressColumns().indexOf(columns[k].trimmed()));
    QByteArray f;
    switch (c) {
      case Started: f = DateField(row.started); break;
      case User: f = row.user.toUtf8(); break;
      case List: f = row.list.toUtf8(); break;
      case Picture: f = row.picture.toUtf8(); break;
      case ScanType: f = QByteArray::number(row.scanType); break;
      case Sections: f = QByteArray::number(row.sections); break;
      case Coloured: f = QByteArray::number(row.coloured); break;
      case Finished: f = row.finished ? "1" : "0"; break;
      case Counted: f = QByteArray::number(row.pressesCounted); break;
      case Ignored: f = QByteArray::number(row.pressesIgnored); break;
      case Median: f = row.medianChoiceMs < 0 ? QByteArray() : QByteArray::number(row.medianChoiceMs); break;
      case Skipped: f = row.skipped ? "1" : "0"; break;
      case Cleared: f = QByteArray::number(row.cleared); break;
      case Session: f = DateField(row.session); break;
      default: break;  // a column of someone else's: left empty
    }
    out += Quoted(f);
  }
  return out;
}

ProgressFile ParseProgressFile(const QByteArray& text) {
  ProgressFile out;
  CsvReader reader(text);
  Record r;
  // The header: the first line that is not blank.
  while (reader.Next(r) && Blank(r)) {
  }
  if (r.fields.empty() || Blank(r)) return out;
  std::array<int, ColumnCount> at;
  at.fill(-1);
  int width = 0;
  for (size_t k = 0; k < r.fields.size(); ++k) {
    const int c = ProgressColumns().indexOf(QString::fromUtf8(r.fields[k].trimmed()));
    if (c >= 0 && at[c] < 0) {
      at[c] = static_cast<int>(k);
      width = std::max(width, static_cast<int>(k) + 1);
    }
  }
  if (at[Started] < 0) {
    out.headerMissing = true;
    return out;
  }
  out.rows.reserve(static_cast<size_t>(text.count('\n')));
  while (reader.Next(r)) {
    if (Blank(r)) continue;
    ProgressRow row;
    if (ReadRow(r, at, width, row))
      out.rows.push_back(std::move(row));
    else
      out.damagedLines.push_back(r.line);
  }
  return out;
}

ProgressFile ReadProgressFile(const QString& path, QString* problem) {
  QFile file(path);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    if (problem) *problem = file.errorString();
    return {};
  }
  return ParseProgressFile(file.readAll());
}

QString DamagedRowsMessage(const QString& path, const ProgressFile& file) {
  if (file.headerMissing)
    return QCoreApplication::translate("ProgressRecords",
                                       "The progress file %1 has no header row naming its columns "
                                       "(started, user, list, ...), so none of its rows can be shown.\n"
                                       "The file is left as it is.")
        .arg(path);
  if (file.damagedLines.empty()) return {};
  QStringList lines;
  for (size_t k = 0; k < std::min<size_t>(file.damagedLines.size(), 10); ++k)
    lines << QString::number(file.damagedLines[k]);
  if (file.damagedLines.size() > 10) lines << QStringLiteral("...");
  return QCoreApplication::translate("ProgressRecords",
                                     "%n row(s) of the progress file %1 cannot be read and are left out "
                                     "(line(s) %2). The other rows are shown; the file is left as it is.",
                                     nullptr, static_cast<int>(file.damagedLines.size()))
      .arg(path, lines.join(QStringLiteral(", ")));
}

QString AppendProgressRow(const QString& path, const ProgressRow& row) {
  QByteArray old;
  QFile file(path);
  if (file.exists()) {
    if (!file.open(QIODevice::ReadOnly)) {
      Pending()[path] << FormatProgressRow(row);
      return file.errorString();
    }
    old = file.readAll();
    file.close();
  }
  // New rows follow the columns the file has, should a spreadsheet have
  // moved them. A file without our header row gets one in front, so its
  // lines stay and the new rows can be read.
  const QByteArray header = ProgressColumns().join(QLatin1Char(',')).toUtf8() + '\n';
  QStringList columns = ProgressColumns();
  QByteArray data;
  if (!old.trimmed().isEmpty()) {
    CsvReader reader(old);
    Record first;
    while (reader.Next(first) && Blank(first)) {
    }
    QStringList found;
    for (const QByteArray& f : first.fields) found << QString::fromUtf8(f.trimmed());
    if (found.contains(QStringLiteral("started")))
      columns = found;
    else
      data = header;
    data += old;
    // A last line cut off (by another program) stays, on a line of its own.
    if (!data.endsWith('\n')) data += '\n';
  } else {
    data = header;
  }
  QByteArrayList& pending = Pending()[path];
  pending << FormatProgressRow(row, columns);
  for (const QByteArray& line : pending) data += line + '\n';
  const QString problem = platform::WriteFileVerified(path, data);
  if (problem.isEmpty()) pending.clear();
  return problem;
}

int PendingProgressRows(const QString& path) {
  const auto it = Pending().constFind(path);
  return it == Pending().constEnd() ? 0 : static_cast<int>(it->size());
}

int MedianMs(std::vector<int> values) {
  if (values.empty()) return -1;
  const size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<long>(mid), values.end());
  const int upper = values[mid];
  if (values.size() % 2 == 1) return upper;
  const int lower = *std::max_element(values.begin(), values.begin() + static_cast<long>(mid));
  return static_cast<int>(std::nearbyint((lower + upper) / 2.0));
}

}  // namespace records
