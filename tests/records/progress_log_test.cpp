// progress.csv: the rows a spreadsheet reads, what survives damage and a
// killed program, and rows kept while the file cannot be written.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "records/progress_log.h"
#include "records/progress_stats.h"
#include "support/files.h"

using namespace Qt::StringLiterals;

namespace {

records::ProgressRow Row(const QString& picture, int hour, bool finished, int medianMs) {
  records::ProgressRow r;
  r.started = QDateTime(QDate(2026, 3, 2), QTime(hour, 15, 0));
  r.session = QDateTime(QDate(2026, 3, 2), QTime(hour, 0, 0));
  r.user = u"Noa, \"the brave\" נועה"_s;
  r.list = u"3"_s;
  r.picture = picture;
  r.scanType = 1;
  r.sections = 4;
  r.coloured = finished ? 4 : 2;
  r.finished = finished;
  r.pressesCounted = 5;
  r.pressesIgnored = 2;
  r.medianChoiceMs = medianMs;
  r.cleared = 1;
  return r;
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ProgressLog, RowsGoInWholeAndComeBackAsWritten) {
  testing_support::TempProgramFolder folder;
  const QString path = folder.file(u"progress.csv"_s);
  ASSERT_EQ(records::AppendProgressRow(path, Row(u"cat, big.bmp"_s, 9, true, 1234)), u""_s);
  ASSERT_EQ(records::AppendProgressRow(path, Row(u"dog.bmp"_s, 10, false, -1)), u""_s);

  const QList<QByteArray> lines = Read(path).split('\n');
  EXPECT_EQ(lines[0], "started,user,list,picture,scan_type,sections,coloured,finished,presses_counted,"
                      "presses_ignored,median_choice_ms,skipped,cleared,session");
  EXPECT_EQ(lines[2], u"2026-03-02T10:15:00,\"Noa, \"\"the brave\"\" נועה\",3,dog.bmp,1,4,2,0,5,2,,0,1,"
                      "2026-03-02T10:00:00"_s.toUtf8());
  const records::ProgressFile back = records::ParseProgressFile(Read(path));
  ASSERT_EQ(back.rows.size(), 2u);
  EXPECT_TRUE(back.damagedLines.empty());
  EXPECT_EQ(back.rows[0].picture, u"cat, big.bmp"_s);
  EXPECT_EQ(back.rows[0].user, Row({}, 9, true, 0).user);
  EXPECT_EQ(back.rows[0].medianChoiceMs, 1234);
  EXPECT_EQ(back.rows[1].medianChoiceMs, -1);
  EXPECT_EQ(back.rows[1].session, QDateTime(QDate(2026, 3, 2), QTime(10, 0)));
}

TEST(ProgressLog, DamagedRowsAreLeftOutWithOneMessageAndTheFileGrowsOnAfterACutOffLine) {
  testing_support::TempProgramFolder folder;
  const QString path = folder.file(u"progress.csv"_s);
  // A spreadsheet moved two columns; line 3 holds a word for a number,
  // line 4 lost its date, and the last line was cut off by a killed editor.
  testing_support::WriteFile(path, "\xEF\xBB\xBFpicture,started,user,list,scan_type,sections,coloured,finished,"
                                   "presses_counted,presses_ignored,median_choice_ms,skipped,cleared,session\r\n"
                                   "a.bmp,2026-03-02T09:00:00,,1,1,4,4,1,4,0,800,0,0,2026-03-02T08:59:00\r\n"
                                   "b.bmp,2026-03-02T09:05:00,,1,1,4,4,1,four,0,800,0,0,2026-03-02T08:59:00\r\n"
                                   "c.bmp,,,1,1,4,4,1,4,0,800,0,0,2026-03-02T08:59:00\r\n"
                                   "d.bmp,2026-03-03T09:00:00,,1,1,4,4,1,4,0,600,0,0,2026-03-03T08:50:00\r\n"
                                   "e.bmp,2026-03-03T09:10:00,,1,1,4,4,1,4,0,9");
  const records::ProgressFile file = records::ParseProgressFile(Read(path));
  ASSERT_EQ(file.rows.size(), 2u);
  EXPECT_EQ(file.rows[1].picture, u"d.bmp"_s);
  EXPECT_EQ(file.damagedLines, (std::vector<int>{3, 4, 6}));
  const QString message = records::DamagedRowsMessage(path, file);
  EXPECT_TRUE(message.contains(u"3 row(s)"_s) && message.contains(u"line(s) 3, 4, 6"_s)) << message.toStdString();

  // The next picture's row follows the file's own columns, on a line of its
  // own; nothing before it changes.
  const QByteArray before = Read(path);
  ASSERT_EQ(records::AppendProgressRow(path, Row(u"f.bmp"_s, 11, true, 700)), u""_s);
  const QByteArray after = Read(path);
  EXPECT_TRUE(after.startsWith(before + '\n'));
  const records::ProgressFile grown = records::ParseProgressFile(after);
  ASSERT_EQ(grown.rows.size(), 3u);
  EXPECT_EQ(grown.rows[2].picture, u"f.bmp"_s);
  EXPECT_EQ(grown.rows[2].medianChoiceMs, 700);
  EXPECT_EQ(grown.damagedLines.size(), 3u);

  // Per day: the middle of the pictures' medians, presses summed.
  const auto days = records::SumProgress(grown.rows, records::Period::Day);
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days[0].start.date(), QDate(2026, 3, 2));
  EXPECT_EQ(days[0].pictures, 2);
  EXPECT_EQ(days[0].medianChoiceMs, 750);
  EXPECT_EQ(days[0].counted, 9);
  EXPECT_DOUBLE_EQ(days[0].CountedShare(), 9.0 / 11);
  EXPECT_EQ(records::SumProgress(grown.rows, records::Period::Week).size(), 1u);
  EXPECT_EQ(records::SumProgress(grown.rows, records::Period::Day, QDate(2026, 3, 3)).size(), 1u) << "from the 3rd on";
}

TEST(ProgressLog, RowsThatCannotBeWrittenAreKeptForTheNextTry) {
  testing_support::TempProgramFolder folder;
  const QString path = folder.file(u"later/progress.csv"_s);  // the folder is not there (yet)
  EXPECT_NE(records::AppendProgressRow(path, Row(u"a.bmp"_s, 9, true, 500)), u""_s);
  EXPECT_NE(records::AppendProgressRow(path, Row(u"b.bmp"_s, 10, true, 500)), u""_s);
  EXPECT_EQ(records::PendingProgressRows(path), 2);
  ASSERT_TRUE(QDir(folder.path()).mkdir(u"later"_s));
  ASSERT_EQ(records::AppendProgressRow(path, Row(u"c.bmp"_s, 11, true, 500)), u""_s);
  EXPECT_EQ(records::PendingProgressRows(path), 0);
  const records::ProgressFile file = records::ParseProgressFile(Read(path));
  ASSERT_EQ(file.rows.size(), 3u);
  EXPECT_EQ(file.rows[0].picture, u"a.bmp"_s);
  EXPECT_EQ(file.rows[2].picture, u"c.bmp"_s);
}

}  // namespace
