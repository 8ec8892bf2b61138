#include "records/progress_stats.h"

#include <algorithm>
#include <limits>
#include <map>

namespace records {

namespace {

// The period of a row as a number that sorts by time (a day number, or a
// day number and second for a session), without a time zone look-up.
qint64 PeriodKey(const ProgressRow& row, Period period) {
  switch (period) {
    case Period::Session: {
      const QDateTime& s = row.session;
      return s.date().toJulianDay() * 86400 + s.time().msecsSinceStartOfDay() / 1000;
    }
    case Period::Day: return row.started.date().toJulianDay();
    case Period::Week: {
      const QDate d = row.started.date();
      return d.toJulianDay() - (d.dayOfWeek() - 1);
    }
  }
  return 0;
}

QDateTime PeriodStart(qint64 key, Period period) {
  if (period == Period::Session) return QDateTime(QDate::fromJulianDay(key / 86400), QTime(0, 0).addSecs(int(key % 86400)));
  return QDateTime(QDate::fromJulianDay(key), QTime(0, 0));
}

}  // namespace

std::vector<ProgressPoint> SumProgress(const std::vector<ProgressRow>& rows, Period period, QDate from, QDate to) {
  struct Sum {
    ProgressPoint point;
    std::vector<int> medians;
  };
  std::map<qint64, Sum> sums;
  const qint64 first = from.isValid() ? from.toJulianDay() : std::numeric_limits<qint64>::min();
  const qint64 last = to.isValid() ? to.toJulianDay() : std::numeric_limits<qint64>::max();
  for (const ProgressRow& row : rows) {
    const qint64 day = row.started.date().toJulianDay();
    if (day < first || day > last) continue;
    Sum& sum = sums[PeriodKey(row, period)];
    ProgressPoint& p = sum.point;
    ++p.pictures;
    p.finished += row.finished ? 1 : 0;
    p.coloured += row.coloured;
    p.counted += row.pressesCounted;
    p.ignored += row.pressesIgnored;
    p.skipped += row.skipped ? 1 : 0;
    p.cleared += row.cleared;
    if (row.medianChoiceMs >= 0) sum.medians.push_back(row.medianChoiceMs);
  }
  std::vector<ProgressPoint> out;
  out.reserve(sums.size());
  for (auto& [key, s] : sums) {
    s.point.start = PeriodStart(key, period);
    s.point.medianChoiceMs = MedianMs(std::move(s.medians));
    out.push_back(s.point);
  }
  return out;
}

std::pair<QDate, QDate> ProgressDays(const std::vector<ProgressRow>& rows) {
  QDate first, last;
  for (const ProgressRow& row : rows) {
    const QDate d = row.started.date();
    if (!first.isValid() || d < first) first = d;
    if (!last.isValid() || d > last) last = d;
  }
  return {first, last};
}

}  // namespace records
