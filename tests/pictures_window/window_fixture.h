#pragma once
// A colouring window on the offscreen screen, a scripted host, a temporary
// program folder as the current folder, and settings as first installed.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "input/input_flags.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/raster.h"
#include "settings/settings_record.h"
#include "support/files.h"
#include "support/scripted_host.h"

namespace window_tests {

inline QString ContentFolder() { return QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/"); }

class WindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    settings::SettingsRecord = settings::DefaultSettings();
    settings::SettingsRecord.MediaFolder = ContentFolder();
    settings::SettingsRecord.TextFolder = ContentFolder();
    input::SwitchPressed = 0;
    input::ClickedTubeIndex = 0;
    input::KeyReleased = input::MouseReleased = input::True;
    pictures::CalibrationRequested = 0;
    pictures::PictureName.clear();
    pictures::ShowMainMenuHook = [this] { ++mainMenuShown; };
    window = std::make_unique<pictures::Mainform>();
  }

  void TearDown() override {
    window.reset();
    pictures::ShowMainMenuHook = nullptr;
  }

  QString path(const QString& name) const { return folder.file(name); }

  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder folder;
  std::unique_ptr<pictures::Mainform> window;
  int mainMenuShown = 0;
};

// A white 400x400 picture with a black frame and the given marker dots.
inline QImage PictureWithMarkers(std::initializer_list<QPoint> markers, QSize size = {400, 400}) {
  QImage img = platform::MakeSurface(size.width(), size.height());
  platform::DrawRectangleOutline(img, QRect(QPoint(0, 0), size), qRgb(0, 0, 0));
  for (const QPoint& p : markers) platform::SetPixel(img, p.x(), p.y(), qRgb(0, 0, 0));
  return img;
}

}  // namespace window_tests
