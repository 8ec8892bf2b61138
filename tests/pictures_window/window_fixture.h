#pragma once
// A colouring window on the offscreen screen, a scripted host, a temporary
// program folder as the current folder, and settings as first installed.

#include <gtest/gtest.h>

#include <memory>

#include "input/input_flags.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/raster.h"
#include "settings/settings_record.h"
#include "support/files.h"
#include "support/scripted_host.h"

namespace window_tests {

using namespace Qt::StringLiterals;

inline const QString ContentFolder = u"" BRUSHWELL_SOURCE_DIR "/content/"_s;
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);

class WindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    settings::SettingsRecord = settings::DefaultSettings();
    settings::SettingsRecord.MediaFolder = settings::SettingsRecord.TextFolder = ContentFolder;
    input::SwitchPressed = input::ClickedTubeIndex = 0;
    input::KeyReleased = input::MouseReleased = input::True;
    pictures::CalibrationRequested = 0;
    pictures::PictureName.clear();
    pictures::ShowMainMenuHook = [this] { ++mainMenuShown; };
    window = std::make_unique<pictures::Mainform>();
  }
  void TearDown() override {
    window.reset();
    pictures::ShowMainMenuHook = nullptr;
    media::ShutdownSound();  // as the program does when it ends: no sound plays on into the exit
  }

  QString path(const QString& name) const { return folder.file(name); }
  // The one message shown so far.
  const testing_support::RecordedMessage& OnlyMessage() const {
    EXPECT_EQ(host.messages.size(), 1u);
    static const testing_support::RecordedMessage none{};
    return host.messages.empty() ? none : host.messages.back();
  }

  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder folder;
  std::unique_ptr<pictures::Mainform> window;
  int mainMenuShown = 0;
};

// A white picture (400x400 unless told) with a black frame and the given marker dots.
inline QImage PictureWithMarkers(std::initializer_list<QPoint> markers, QSize size = {400, 400}) {
  QImage img = platform::MakeSurface(size.width(), size.height());
  platform::DrawRectangleOutline(img, QRect(QPoint(0, 0), size), Black);
  for (const QPoint& p : markers) platform::SetPixel(img, p.x(), p.y(), Black);
  return img;
}

}  // namespace window_tests
