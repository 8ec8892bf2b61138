// Start, speed calibration and the statistics shown when the colouring
// window hands back; the layout of every screen.

#include <QAbstractButton>
#include <QLabel>

#include "menu/screen_widgets.h"

#include "menu_fixture.h"

namespace {

// Stands in for the colouring window: records the hand-over.
struct ColoringWindowProbe {
  int shown = 0;
  int unloaded = 0;
  bool bannerVisibleWhenShown = true;
  void attach(menu::Banner& banner) {
    banner.ShowColoringWindow = [this, &banner] {
      ++shown;
      bannerVisibleWhenShown = banner.isVisible();
    };
    banner.UnloadColoringWindow = [this] { ++unloaded; };
  }
};

}  // namespace

TEST_F(MenuTest, StatisticsOfASessionByItsLength) {
  load(describedRecord());
  ColoringWindowProbe probe;
  probe.attach(*banner);
  struct Case {
    double seconds;
    const char* text;
  };
  // The start time is whole; the elapsed time rounds halves to even.
  for (const Case& c : {Case{125, "2 minute(s) and 5 second(s)"}, Case{59, "0 minute(s) and 59 second(s)"},
                        Case{60, "1 minute(s) and 0 second(s)"}, Case{124.5, "2 minute(s) and 4 second(s)"},
                        Case{125.5, "2 minute(s) and 6 second(s)"}}) {
    host.clock = 9 * 3600 + 0.4;
    banner->but2_start->click();
    EXPECT_EQ(session::SessionStartTime, 9 * 3600);
    EXPECT_FALSE(banner->isVisible());
    host.clock = 9 * 3600 + c.seconds;
    banner->ShowAndActivate();
    EXPECT_EQ(banner->stats_frame->stats_time_elapsed->text(), QString::fromLatin1(c.text));
    EXPECT_TRUE(banner->stats_frame->isVisible());
    EXPECT_FALSE(menuShown());
    banner->stats_frame->stat_frame_quit->click();
    EXPECT_TRUE(menuShown());
    EXPECT_FALSE(banner->stats_frame->isVisible());
  }
  EXPECT_EQ(probe.shown, 5);
  EXPECT_FALSE(probe.bannerVisibleWhenShown);
  EXPECT_EQ(probe.unloaded, 5);
}

TEST_F(MenuTest, StatisticsShowTheCountersListAndScanType) {
  settings::SettingsData record = describedRecord();
  record.ActivePictureList = 4;
  record.PictureListDescription[4] = QStringLiteral("Animals, big and small");
  record.ScanType = 3;
  load(record);
  ColoringWindowProbe probe;
  probe.attach(*banner);
  session::PicturesCompleted = 9;
  session::SegmentsColored = 40;
  banner->but2_start->click();
  EXPECT_EQ(session::PicturesCompleted, 0);
  EXPECT_EQ(session::SegmentsColored, 0);
  session::PicturesCompleted = 2;
  session::SegmentsColored = 31;
  banner->ShowAndActivate();
  const auto* stats = banner->stats_frame;
  EXPECT_EQ(stats->stat_pics_used->text(), QStringLiteral("Animals, big and small"));
  EXPECT_EQ(stats->stats_pics_completed->text(), QStringLiteral("2"));
  EXPECT_EQ(stats->stats_segs_completed->text(), QStringLiteral("31"));
  EXPECT_EQ(stats->stats_scan_type->text(), QStringLiteral("Step Scanning - 2 switches"));

  // A scan type without a name leaves the previous one.
  stats->stat_frame_quit->click();
  settings::SettingsRecord.ScanType = 7;
  banner->but2_start->click();
  banner->ShowAndActivate();
  EXPECT_EQ(stats->stats_scan_type->text(), QStringLiteral("Step Scanning - 2 switches"));
  EXPECT_EQ(stats->stats_pics_completed->text(), QStringLiteral("0"));
}

TEST_F(MenuTest, NoStatisticsAfterTheSpeedCalibration) {
  load(describedRecord());
  ColoringWindowProbe probe;
  probe.attach(*banner);
  banner->but2_speed->click();
  EXPECT_EQ(probe.shown, 1);
  EXPECT_EQ(pictures::CalibrationRequested, 1);
  EXPECT_EQ(pictures::ReturnFromCalibration, 1);
  EXPECT_FALSE(banner->isVisible());
  host.clock += 30;
  banner->ShowAndActivate();
  EXPECT_EQ(pictures::ReturnFromCalibration, 0);
  EXPECT_FALSE(banner->stats_frame->isVisible());
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(host.soundFiles(), QStringList({folder() + QStringLiteral("stop.wav")}));
}

TEST_F(MenuTest, EveryScreenFitsA1024By768ScreenWithNothingClipped) {
  load(describedRecord());
  const std::pair<QAbstractButton*, QGroupBox*> screens[] = {
      {banner->but2_duration, banner->frame_scan},       {banner->but_direc, banner->frame_coloring_option},
      {banner->but2_auditory, banner->auditory_frame},   {banner->but2_input_device, banner->device_frame},
      {banner->but_MySongs, banner->frame_MySongs},
  };
  auto check = [](QGroupBox* frame) {
    EXPECT_LE(frame->width(), 1024) << frame->title().toStdString();
    EXPECT_LE(frame->height(), 768) << frame->title().toStdString();
    for (QWidget* child : frame->findChildren<QWidget*>()) {
      if (!child->isVisibleTo(frame)) continue;
      const QRect inFrame(child->mapTo(frame, QPoint(0, 0)), child->size());
      EXPECT_TRUE(frame->rect().contains(inFrame))
          << frame->title().toStdString() << ": " << child->accessibleName().toStdString();
      auto* label = qobject_cast<QLabel*>(child);
      if (label && label->wordWrap() && !label->text().isEmpty()) {
        EXPECT_GE(label->height(), label->heightForWidth(label->width()))
            << frame->title().toStdString() << ": " << label->text().left(40).toStdString();
      }
      auto* button = qobject_cast<QAbstractButton*>(child);
      if (button && !button->text().isEmpty() && !qobject_cast<menu::WrappingCheckBox*>(button)) {
        EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
      }
    }
  };
  for (const auto& [button, frame] : screens) {
    button->click();
    ASSERT_TRUE(frame->isVisible());
    check(frame);
    frame->hide();
    banner->ShowMainMenu();
  }
  ColoringWindowProbe probe;
  probe.attach(*banner);
  banner->but2_start->click();
  banner->ShowAndActivate();
  check(banner->stats_frame);
}

TEST_F(MenuTest, ClosingTheMainMenuIsExitAndSavesTheSettings) {
  load(describedRecord());
  int creditsShown = 0;
  banner->ShowCredits = [&] { ++creditsShown; };
  settings::SettingsRecord.ScanSeconds = 17;
  banner->close();  // the title bar's close button, Alt+F4
  EXPECT_FALSE(banner->isVisible());
  const QList<QByteArray> lines = testing_support::ReadFile(folder() + settings::SettingsFileName).split('\n');
  ASSERT_GE(lines.size(), 9);
  EXPECT_EQ(lines[8], QByteArray(" 17 \r"));
  EXPECT_EQ(creditsShown, 1);
}
