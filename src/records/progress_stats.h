#pragma once
// The progress records summed up over sessions, days or weeks, for the
// Progress screen's charts and table and the therapist's report.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

#include "records/progress_log.h"

namespace records {

enum class Period { Session, Day, Week };

struct ProgressPoint {
  QDateTime start;  // the session's Start, the day, the Monday of the week
  int pictures = 0;  // started
  int finished = 0;
  int coloured = 0;  // sections
  int counted = 0;   // presses counted
  int ignored = 0;   // presses ignored by the switch timing
  int skipped = 0;
  int cleared = 0;
  // The middle of the pictures' median times to choose; -1 when no picture
  // of the period had a timed choice.
  int medianChoiceMs = -1;
  // Presses counted as a part of all presses (0..1); -1 without presses.
  double CountedShare() const { return counted + ignored == 0 ? -1.0 : double(counted) / (counted + ignored); }
};

// The rows whose picture was started from `from` to `to` (both days
// included; an invalid date leaves that end open), summed per period, in
// time order.
std::vector<ProgressPoint> SumProgress(const std::vector<ProgressRow>& rows, Period period, QDate from = {},
                                       QDate to = {});

// The first and last day the rows cover (invalid when there are none).
std::pair<QDate, QDate> ProgressDays(const std::vector<ProgressRow>& rows);

}  // namespace records
