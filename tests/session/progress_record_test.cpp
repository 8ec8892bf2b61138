// The progress record a session writes: one row per picture when it ends,
// with the presses the switch timing counted and ignored and the time the
// user took to choose, and rows kept while the file cannot be written.

#include <algorithm>
#include <QDir>
#include <QTest>

#include "records/progress_log.h"
#include "session_fixture.h"
#include "users/active_user.h"

using namespace session_tests;

namespace {

class ProgressRecordTest : public SessionTest {
protected:
  void TearDown() override {
    users::SetActiveUser({}, {});
    SessionTest::TearDown();
  }
  std::vector<records::ProgressRow> Rows(const QString& file = u"progress.csv"_s) {
    QFile f(path(file));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
    const records::ProgressFile parsed = records::ParseProgressFile(f.readAll());
    EXPECT_TRUE(parsed.damagedLines.empty());
    return parsed.rows;
  }
  // Presses `key` at `at` seconds after the n-th arrival, held for `hold`.
  void Press(size_t n, double at, double hold) {
    host.when([this, n] { return arrivals.size() >= n; },
              [this, n, at, hold] {
                const double t0 = arrivals[n - 1].at + at;
                host.at(t0, [this] { QTest::keyPress(window.get(), Qt::Key_Space); });
                host.at(t0 + hold, [this] { QTest::keyRelease(window.get(), Qt::Key_Space); });
              });
  }
};

TEST_F(ProgressRecordTest, AFinishedASkippedAndALeftPictureEachLeaveOneRow) {
  settings::SettingsRecord.ActivePictureList = 7;
  PaintWith(1);  // finished
  ASSERT_EQ(session::PictureFinished, 1);
  ASSERT_EQ(Rows().size(), 1u);

  // Two sections, then the skip key.
  host.everyPass = [this] {
    if (session::SegmentsColored == 6) input::SkipPicturePressed = 1;
  };
  PaintWith(2);
  input::SkipPicturePressed = 0;

  // One section, the clear key undoes it, then Escape.
  int waited = 0;
  bool cleared = false;
  window->ExitRequested = 0;
  host.everyPass = [&] {
    if (session::SegmentsColored == 6 && TubeOut() == 1 && !window->pb3->isVisible()) input::SwitchPressed = 1;
    if (cleared && input::ClearLastPressed == 0 && TubeOut() != 0) window->ExitRequested = 1;
    if (session::SegmentsColored == 7 && !cleared && TubeOut() != 0 && ++waited > 10) {
      input::ClearLastPressed = 1;
      cleared = true;
    }
  };
  RunPicture();

  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& r : rows) {
    EXPECT_EQ(r.picture, u"quarters.bmp"_s);
    EXPECT_EQ(r.list, u"7"_s);
    EXPECT_EQ(r.sections, 4);
    EXPECT_EQ(r.scanType, 1);
    EXPECT_TRUE(r.user.isEmpty());
  }
  EXPECT_TRUE(rows[0].finished);
  EXPECT_EQ(rows[0].coloured, 4);
  EXPECT_FALSE(rows[0].skipped);
  EXPECT_FALSE(rows[1].finished);
  EXPECT_EQ(rows[1].coloured, 2);
  EXPECT_TRUE(rows[1].skipped);
  EXPECT_FALSE(rows[2].finished);
  EXPECT_FALSE(rows[2].skipped);
  EXPECT_EQ(rows[2].coloured, 0);
  EXPECT_EQ(rows[2].cleared, 1);
}

TEST_F(ProgressRecordTest, PressesCountedAndIgnoredAndTheMedianTimeToChoose) {
  settings::SwitchOptionsRecord = {.AcceptanceMs = 400};
  input::ApplySwitchOptions();
  settings::SettingsRecord.ScanSeconds = 2;
  RecordArrivals([this] {
    if (session::SegmentsColored == 2) window->ExitRequested = 1;
  });
  Press(1, 0.5, 0.3);  // tube 1: a tap too short to count
  Press(2, 0.5, 0.6);  // tube 2: counts 0.9 s after it arrived, and paints section 1
  Press(3, 0.1, 0.5);  // tube 2 again for section 2: counts after 0.5 s
  RunPicture();

  ASSERT_EQ(session::SegmentsColored, 2);
  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].pressesCounted, 2);
  EXPECT_EQ(rows[0].pressesIgnored, 1);
  EXPECT_NEAR(rows[0].medianChoiceMs, 700, 4) << "the middle of 900 and 500 ms";
  EXPECT_EQ(rows[0].coloured, 2);
}

TEST_F(ProgressRecordTest, AFolderThatCannotBeWrittenIsToldOnceAndTheRowsFollowLater) {
  // A file where the user's folder should be: nothing can be written there
  // (the gallery says so too, in its own message).
  ASSERT_TRUE(QDir(folder.path()).mkpath(u"users"_s));
  testing_support::WriteFile(path(u"users/Ada"_s), "not a folder");
  users::SetActiveUser(u"Ada"_s, path(u"users/Ada/"_s));
  PaintWith(1);
  PaintWith(1);
  EXPECT_EQ(std::count_if(host.messages.begin(), host.messages.end(),
                          [](const auto& m) { return m.text.contains(u"progress.csv could not be saved"_s); }),
            1);
  ASSERT_TRUE(QFile::remove(path(u"users/Ada"_s)));
  ASSERT_TRUE(QDir(folder.path()).mkpath(u"users/Ada"_s));
  PaintWith(1);
  const auto rows = Rows(u"users/Ada/progress.csv"_s);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].user, u"Ada"_s);
  EXPECT_EQ(session::PicturesCompleted, 3) << "colouring went on";
}

}  // namespace
