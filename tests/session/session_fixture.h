#pragma once
// A colouring window on the offscreen screen with a scripted host, in a
// temporary program folder that holds the images and sounds a session needs
// and small crafted pictures. AnimationDelay is 1, so a picture is coloured
// in a fraction of a second of real time.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <functional>
#include <memory>

#include "input/input_flags.h"
#include "session/statistics.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "session/session_driver.h"
#include "platform/raster.h"
#include "session/color_picture.h"
#include "session/session_state.h"
#include "settings/settings_record.h"
#include "support/files.h"
#include "support/scripted_host.h"

namespace session_tests {

// The scripted host, plus a hook that runs at every pass of event
// processing (to watch the screen or to press a key whenever a condition holds).
class SessionHost : public testing_support::ScriptedHost {
public:
  void processEvents() override {
    ScriptedHost::processEvents();
    if (everyPass) everyPass();
  }
  std::function<void()> everyPass;
};

inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb RedDone = qRgb(255, 5, 5);      // red after the fade
inline constexpr QRgb GreenDone = qRgb(5, 255, 5);
inline constexpr QRgb TanDone = qRgb(247, 201, 159);  // (247,200,157) lightened 2 %

// 400x400, black frame, split into four quarters by black lines; one marker
// dot per quarter. The scan is column by column, so the sections are
// numbered top-left, bottom-left, top-right, bottom-right.
//   +----+----+
//   | 1. | 3. |
//   +----+----+
//   | 2. | 4. |
//   +----+----+
inline QImage QuarterPicture() {
  QImage img = platform::MakeSurface(400, 400);
  platform::DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  platform::DrawLine(img, 200, 0, 200, 400, Black);
  platform::DrawLine(img, 0, 200, 400, 200, Black);
  for (QPoint p : {QPoint(100, 120), QPoint(100, 320), QPoint(300, 120), QPoint(300, 320)})
    platform::SetPixel(img, p.x(), p.y(), Black);
  return img;
}
inline const QPoint QuarterSeeds[5] = {{}, {100, 120}, {100, 320}, {300, 120}, {300, 320}};

class SessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QuarterPicture().save(path(QStringLiteral("quarters.bmp")), "BMP"));

    // Settings as first installed, but fast, quiet about praise, and with three tubes.
    settings::SettingsRecord = settings::DefaultSettings();
    auto& s = settings::SettingsRecord;
    s.AnimationDelay = 1;
    s.ScanSeconds = 1;
    s.FeedbackOption = 3;
    s.ColorEnabled.fill(0);
    for (int c : {1, 3, 10}) s.ColorEnabled[c] = 1;  // red, green, tan
    pictures::ColorPickList = {0, 1, 3, 10, 0, 0, 0, 0, 0, 0, 0};
    pictures::FillSessionTables();

    input::SwitchPressed = input::EnterPressed = input::ClearLastPressed = input::SkipPicturePressed = 0;
    input::ClickedTubeIndex = 0;
    input::KeyReleased = input::MouseReleased = input::True;
    session::PicturesCompleted = session::SegmentsColored = 0;
    session::PictureFinished = 0;
    session::SelectedTube = 0;
    session::GoodJobIndex = 0;
    pictures::PictureName = QStringLiteral("quarters.bmp");
    pictures::ShowMainMenuHook = [this] { ++mainMenuShown; };
    NewWindow();
    start = host.clock;
  }

  void TearDown() override {
    window.reset();
    pictures::ShowMainMenuHook = nullptr;
  }

  void NewWindow() {
    window = std::make_unique<pictures::Mainform>();
    window->init_pictureboxes();
    window->show();
  }

  QString path(const QString& name) const { return folder.file(name); }

  void WriteList(int n, const QByteArray& text) {
    QFile f(path(QStringLiteral("pictures_%1.pcf").arg(n)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }

  // ------------------------------------------------------------ the screen
  bool AtScanPosition(int t) const {
    const auto* tube = window->pb_tube[t];
    return tube->isVisible() && tube->x() == window->PB1->x() + window->PB1->width();
  }
  // The tube in the Scan Position, 0 for none.
  int TubeOut() const {
    for (int t = 1; t <= 10; ++t)
      if (AtScanPosition(t)) return t;
    return 0;
  }
  QRgb PixelAt(QPoint p) const { return *platform::GetPixel(window->PB1->image(), p.x(), p.y()); }

  // Voices spoken, in order, as colour names.
  QStringList Voices() const {
    QStringList out;
    for (const auto& s : host.sounds)
      if (s.file.startsWith(QStringLiteral("aobj_voice_")))
        out << s.file.mid(11).chopped(4);
    return out;
  }

  // Presses the main switch whenever a tube waits in the Scan Position.
  void ChooseEveryTube() {
    host.everyPass = [this] {
      if (TubeOut() != 0) input::SwitchPressed = 1;
    };
  }

  void RunPicture() { session::ColorPicture(*window); }

  SessionHost host;
  // What a session needs of the program folder. The sounds that are waited
  // for (the squirt and the compliments) are left out on purpose: a missing
  // one plays nothing at once, and the host still records every call.
  testing_support::TempProgramFolder folder{
      {QStringLiteral("aobj_pb*.bmp"), QStringLiteral("aobj_tube_*.jpg"), QStringLiteral("aobj_small_tube_*.jpg"),
       QStringLiteral("aobj_easel_bot.jpg"), QStringLiteral("aobj_voice_*.wav"), QStringLiteral("aobjflow.wav"),
       QStringLiteral("aobj_prs.wav"), QStringLiteral("aobj_pnt.wav"), QStringLiteral("s_song*.wav"),
       QStringLiteral("stop.wav")}};
  std::unique_ptr<pictures::Mainform> window;
  int mainMenuShown = 0;
  double start = 0;
};

}  // namespace session_tests
