#pragma once
// The real main window loaded from a temporary program folder, with the
// scripted host installed and the shared state reset.

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "menu/banner.h"
#include "session/statistics.h"
#include "pictures/session_tables.h"
#include "platform/port_io.h"
#include "settings/settings_file.h"
#include "support/files.h"
#include "support/scripted_host.h"

class MenuTest : public ::testing::Test {
protected:
  void SetUp() override {
    QFont font = QApplication::font();
    if (font.pointSizeF() < 11) font.setPointSizeF(11);
    QApplication::setFont(font);
    settings::SettingsRecord = settings::DefaultSettings();
    pictures::ColorPickList.fill(0);
    pictures::CalibrationRequested = pictures::ReturnFromCalibration = 0;
    session::SessionStartTime = session::SessionElapsedSeconds = 0;
    session::PicturesCompleted = session::SegmentsColored = 0;
    platform::installSerialBackend(nullptr);
  }

  // A record as a carer might have left it: every list described.
  static settings::SettingsData describedRecord() {
    settings::SettingsData record = settings::DefaultSettings();
    for (int n = 1; n <= 15; ++n) record.PictureListDescription[n] = QStringLiteral("List %1").arg(n);
    return record;
  }

  // Writes `record` as the settings file, loads the main window and
  // activates it for the first time.
  void load(const settings::SettingsData& record = describedRecord()) {
    ASSERT_TRUE(settings::WriteSettingsFile(dir.path(), record).isEmpty());
    banner = std::make_unique<menu::Banner>();
    banner->Load(folder());
    banner->ShowAndActivate();
    host.messages.clear();
    host.sounds.clear();
  }

  QString folder() const { return dir.path(); }
  bool menuShown() const { return banner->settings_frame->isVisible() && banner->banimage->isVisible(); }
  // The first `n` colours of the colour list.
  static std::vector<int> picks(int n) { return {pictures::ColorPickList.begin() + 1, pictures::ColorPickList.begin() + 1 + n}; }

  testing_support::TempProgramFolder dir{testing_support::StartupFiles()};
  testing_support::ScriptedHost host;
  std::unique_ptr<menu::Banner> banner;  // destroyed first, while the host is installed
};
