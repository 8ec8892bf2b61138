#include "records/progress_stats.h"

#include <algorithm>
#include <map>

namespace records {

namespace {

QDateTime PeriodStart(const ProgressRow& row, Period period) {
  switch (period) {
    case Period::Session: return row.session;
    case Period::Day: return QDateTime(row.started.date(), QTime(0, 0));
    case Period::Week: {
      const QDate d = row.started.date();
      return QDateTime(d.addDays(1 - d.dayOfWeek()), QTime(0, 0));
    }
  }
  return {};
}

}  // namespace

std::vector<ProgressPoint> SumProgress(const std::vector<ProgressRow>& rows, Period period, QDate from, QDate to) {
  struct Sum {
    ProgressPoint point;
    std::vector<int> medians;
  };
  // Keyed by the period's start in local seconds (day number and time of
  // day): cheap to compare, and no time zone look-up per row.
  std::map<qint64, Sum> sums;
  for (const ProgressRow& row : rows) {
    const QDate day = row.started.date();
    if ((from.isValid() && day < from) || (to.isValid() && day > to)) continue;
    const QDateTime start = PeriodStart(row, period);
    Sum& s = sums[start.date().toJulianDay() * 86400 + start.time().msecsSinceStartOfDay() / 1000];
    ProgressPoint& p = s.point;
    p.start = start;
    ++p.pictures;
    p.finished += row.finished ? 1 : 0;
    p.coloured += row.coloured;
    p.counted += row.pressesCounted;
    p.ignored += row.pressesIgnored;
    p.skipped += row.skipped ? 1 : 0;
    p.cleared += row.cleared;
    if (row.medianChoiceMs >= 0) s.medians.push_back(row.medianChoiceMs);
  }
  std::vector<ProgressPoint> out;
  out.reserve(sums.size());
  for (auto& [key, s] : sums) {
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
