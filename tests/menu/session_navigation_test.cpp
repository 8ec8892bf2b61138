// Start, speed calibration and the statistics shown when the colouring window
// hands back; the layout of every screen; closing the main menu.

#include <QAbstractButton>
#include <QLabel>

#include "menu/screen_widgets.h"

#include "menu_fixture.h"

namespace {

// The frame fits a 1024 x 768 screen with nothing clipped: every visible
// child inside it, every wrapped label and every caption whole.
void expectFitsAndUnclipped(QGroupBox* frame) {
  const std::string title = frame->title().toStdString();
  EXPECT_LE(frame->width(), 1024) << title;
  EXPECT_LE(frame->height(), 768) << title;
  for (QWidget* child : frame->findChildren<QWidget*>()) {
    if (!child->isVisibleTo(frame)) continue;
    EXPECT_TRUE(frame->rect().contains(QRect(child->mapTo(frame, QPoint(0, 0)), child->size())))
        << title << ": " << child->accessibleName().toStdString();
    auto* label = qobject_cast<QLabel*>(child);
    if (label && label->wordWrap() && !label->text().isEmpty()) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << title << ": " << label->text().left(40).toStdString();
    }
    auto* button = qobject_cast<QAbstractButton*>(child);
    if (button && !button->text().isEmpty() && !qobject_cast<menu::WrappingCheckBox*>(button)) {
      EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    }
  }
}

}  // namespace

TEST_F(MenuTest, StatisticsOfEachSessionAndNoneAfterTheSpeedCalibration) {
  settings::SettingsData record = describedRecord();
  record.ActivePictureList = 4;
  record.PictureListDescription[4] = QStringLiteral("Animals, big and small");
  load(record);
  int shown = 0, unloaded = 0;
  banner->ShowColoringWindow = [&] {
    ++shown;
    EXPECT_FALSE(banner->isVisible());
  };
  banner->UnloadColoringWindow = [&] { ++unloaded; };
  const auto* stats = banner->stats_frame;
  // The start time is whole; the elapsed time rounds halves to even. A scan
  // type without a name leaves the previous one.
  struct Case { double seconds; const char* elapsed; int16_t scanType; const char* scan; };
  for (const Case& c : {Case{125, "2 minute(s) and 5 second(s)", 3, "Step Scanning - 2 switches"},
                        Case{59, "0 minute(s) and 59 second(s)", 7, "Step Scanning - 2 switches"},
                        Case{60, "1 minute(s) and 0 second(s)", 1, "Timed Scanning"},
                        Case{124.5, "2 minute(s) and 4 second(s)", 2, "Step Scanning - 1 switch"},
                        Case{125.5, "2 minute(s) and 6 second(s)", 4, "No Scanning - Mouse click selects"}}) {
    settings::SettingsRecord.ScanType = c.scanType;
    session::PicturesCompleted = 9;
    session::SegmentsColored = 40;
    host.clock = 9 * 3600 + 0.4;
    banner->but2_start->click();
    EXPECT_EQ(session::SessionStartTime, 9 * 3600);
    EXPECT_EQ(session::PicturesCompleted, 0);
    EXPECT_EQ(session::SegmentsColored, 0);
    session::PicturesCompleted = 2;
    session::SegmentsColored = 31;
    host.clock = 9 * 3600 + c.seconds;
    banner->ShowAndActivate();
    EXPECT_TRUE(stats->isVisible());
    EXPECT_FALSE(menuShown());
    EXPECT_EQ(stats->stats_time_elapsed->text(), QString::fromLatin1(c.elapsed));
    EXPECT_EQ(stats->stats_scan_type->text(), QString::fromLatin1(c.scan));
    EXPECT_EQ(stats->stat_pics_used->text(), QStringLiteral("Animals, big and small"));
    EXPECT_EQ(stats->stats_pics_completed->text(), QStringLiteral("2"));
    EXPECT_EQ(stats->stats_segs_completed->text(), QStringLiteral("31"));
    expectFitsAndUnclipped(banner->stats_frame);
    stats->stat_frame_quit->click();
    EXPECT_TRUE(menuShown());
    EXPECT_FALSE(stats->isVisible());
  }
  EXPECT_EQ(shown, 5);
  EXPECT_EQ(unloaded, 5);

  banner->but2_speed->click();
  EXPECT_EQ(shown, 6);
  EXPECT_EQ(pictures::CalibrationRequested, 1);
  EXPECT_EQ(pictures::ReturnFromCalibration, 1);
  host.clock += 30;
  host.sounds.clear();
  banner->ShowAndActivate();
  EXPECT_EQ(pictures::ReturnFromCalibration, 0);
  EXPECT_FALSE(stats->isVisible());
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(host.soundFiles(), QStringList({folder() + QStringLiteral("stop.wav")}));
}

TEST_F(MenuTest, EveryScreenFitsA1024By768ScreenWithNothingClipped) {
  load();
  const std::pair<QAbstractButton*, QGroupBox*> screens[] = {
      {banner->but2_duration, banner->frame_scan},       {banner->but_direc, banner->frame_coloring_option},
      {banner->but2_auditory, banner->auditory_frame},   {banner->but2_input_device, banner->device_frame},
      {banner->but_MySongs, banner->frame_MySongs},
  };
  for (const auto& [button, frame] : screens) {
    button->click();
    ASSERT_TRUE(frame->isVisible());
    expectFitsAndUnclipped(frame);
    frame->hide();
    banner->ShowMainMenu();
  }
}

TEST_F(MenuTest, ClosingTheMainMenuIsExitAndSavesTheSettings) {
  load();
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

// A settings file that cannot be read is never replaced by standard values,
// and a read-only one is the carer's lock: neither the calibration's save
// nor "Exit" replaces it. Said once at start (unreadable) and once at Exit.
TEST_F(MenuTest, ASettingsFileThatCannotBeReadOrIsReadOnlyIsNeverReplaced) {
  int creditsShown = 0;
  const QString file = folder() + settings::SettingsFileName;
  // Root reads any file: a folder in its place cannot be read by anyone.
  QFile::remove(file);
  ASSERT_TRUE(QDir().mkpath(file));
  testing_support::WriteFile(file + QStringLiteral("/inside"), "kept");
  banner = std::make_unique<menu::Banner>();
  banner->Load(folder());
  banner->ShowAndActivate();
  banner->ShowCredits = [&] { ++creditsShown; };
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("will not save over it")));
  host.messages.clear();
  settings::SaveSettings();  // as confirming the speed calibration does
  EXPECT_TRUE(host.messages.empty());
  banner->close();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("not saved")));
  EXPECT_EQ(testing_support::ReadFile(file + QStringLiteral("/inside")), "kept");
  EXPECT_EQ(creditsShown, 1);

  ASSERT_TRUE(QDir(file).removeRecursively());
  host.messages.clear();
  ASSERT_TRUE(settings::WriteSettingsFile(folder(), describedRecord()).isEmpty());
  const QByteArray locked = testing_support::ReadFile(file);
  ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
  banner = std::make_unique<menu::Banner>();
  banner->Load(folder());
  banner->ShowAndActivate();
  banner->ShowCredits = [&] { ++creditsShown; };
  EXPECT_TRUE(host.messages.empty());
  settings::SettingsRecord.ScanSeconds = 17;
  settings::SaveSettings();
  EXPECT_TRUE(host.messages.empty());
  banner->close();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("locked")));
  EXPECT_EQ(testing_support::ReadFile(file), locked);
  EXPECT_FALSE(QFileInfo(file).permissions() & QFileDevice::WriteOwner) << "still read-only";
  EXPECT_EQ(creditsShown, 2);
}
