#pragma once
// A colouring window on the offscreen screen with a scripted host, in a
// temporary program folder that holds the images and sounds a session needs
// and small crafted pictures. AnimationDelay is 1, so a picture is coloured
// in a fraction of a second of real time.

#include <gtest/gtest.h>

#include <QFile>
#include <climits>
#include <functional>
#include <memory>
#include <vector>
#include <algorithm>
#include <cstdint>

#include "input/input_flags.h"
#include "pictures/mainform.h"
#include "pictures/session_tables.h"
#include "platform/raster.h"
#include "session/color_picture.h"
#include "session/session_driver.h"
#include "session/session_state.h"
#include "session/statistics.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"
#include "input/switch_inputs.h"
#include "support/files.h"
#include "support/scripted_host.h"

namespace session_tests {

using namespace Qt::StringLiterals;

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
inline const QPoint QuarterSeeds[5] = {{}, {100, 120}, {100, 320}, {300, 120}, {300, 320}};
inline QImage QuarterPicture() {
  QImage img = platform::MakeSurface(400, 400);
  platform::DrawRectangleOutline(img, QRect(0, 0, 400, 400), Black);
  platform::DrawLine(img, 200, 0, 200, 400, Black);
  platform::DrawLine(img, 0, 200, 400, 200, Black);
  for (int k = 1; k <= 4; ++k) platform::SetPixel(img, QuarterSeeds[k].x(), QuarterSeeds[k].y(), Black);
  return img;
}

class SessionTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QuarterPicture().save(path(u"quarters.bmp"_s), "BMP"));
    // Settings as first installed, but fast, quiet about praise, and with
    // three tubes: red, green, tan.
    auto& s = settings::SettingsRecord = settings::DefaultSettings();
    s.AnimationDelay = s.ScanSeconds = 1;
    s.FeedbackOption = 3;
    s.ColorEnabled.fill(0);
    for (int c : {1, 3, 10}) s.ColorEnabled[c] = 1;
    pictures::ColorPickList = {0, 1, 3, 10, 0, 0, 0, 0, 0, 0, 0};
    pictures::FillSessionTables();

    settings::SwitchOptionsRecord = {};  // brushwell.ini absent: every option standard
    input::ApplySwitchOptions();
    input::SwitchPressed = input::EnterPressed = input::ClearLastPressed = input::SkipPicturePressed = 0;
    input::ClickedTubeIndex = 0;
    input::KeyReleased = input::MouseReleased = input::True;
    session::PicturesCompleted = session::SegmentsColored = session::PictureFinished = 0;
    session::SelectedTube = session::GoodJobIndex = 0;
    pictures::PictureName = u"quarters.bmp"_s;
    pictures::ShowMainMenuHook = [this] { ++mainMenuShown; };
    NewWindow();
    start = host.clock;
  }

  void TearDown() override {
    window.reset();
    pictures::ShowMainMenuHook = nullptr;
    media::ShutdownSound();  // as the program does when it ends: no song plays on into the exit
  }

  void NewWindow() {
    window = std::make_unique<pictures::Mainform>();
    window->init_pictureboxes();
    window->show();
  }

  QString path(const QString& name) const { return folder.file(name); }
  void WriteList(int n, const QByteArray& text) { testing_support::WriteFile(path(u"pictures_%1.pcf"_s.arg(n)), text); }

  // The tube in the Scan Position, 0 for none.
  int TubeOut() const {
    for (int t = 1; t <= 10; ++t) {
      const auto* tube = window->pb_tube[t];
      if (tube->isVisible() && tube->x() == window->PB1->x() + window->PB1->width()) return t;
    }
    return 0;
  }
  QRgb PixelAt(QPoint p) const { return *platform::GetPixel(window->PB1->image(), p.x(), p.y()); }

  // The sound files played whose names begin with `prefix`, in order.
  QStringList Played(const QString& prefix) const {
    QStringList out;
    for (const QString& f : host.soundFiles())
      if (f.startsWith(prefix)) out << f;
    return out;
  }

  // Presses the switch whenever `tube` waits in the Scan Position and leaves
  // once `sections` more are painted (0: colours the whole picture), then
  // runs the picture. A hook set before still runs at every pass.
  void PaintWith(int tube, int sections = 0) {
    const int until = sections == 0 ? INT_MAX : session::SegmentsColored + sections;
    window->ExitRequested = 0;
    host.everyPass = [this, tube, until, extra = host.everyPass] {
      if (TubeOut() == tube && !window->pb3->isVisible()) input::SwitchPressed = 1;
      if (session::SegmentsColored >= until) window->ExitRequested = 1;
      if (extra) extra();
    };
    RunPicture();
  }
  void RunPicture() { session::ColorPicture(*window); }

  // Records each arrival of a tube in the Scan Position and when the stripe
  // first shows, then runs `then`, at every pass.
  void RecordArrivals(std::function<void()> then = {}) {
    host.everyPass = [this, then] {
      const int t = TubeOut();
      if (t != 0 && t != lastOut) arrivals.push_back({t, host.clock});
      lastOut = t;
      if (window->pb3->isVisible() && stripeShownAt == 0) stripeShownAt = host.clock;
      if (then) then();
    };
  }
  // The first `n` tubes that arrived.
  std::vector<int> ArrivedTubes(size_t n = SIZE_MAX) const {
    std::vector<int> out;
    for (size_t k = 0; k < std::min(n, arrivals.size()); ++k) out.push_back(arrivals[k].tube);
    return out;
  }
  struct Arrival {
    int tube;
    double at;
  };
  std::vector<Arrival> arrivals;
  int lastOut = 0;
  double stripeShownAt = 0;

  SessionHost host;
  // What a session needs of the program folder. The sounds that are waited
  // for (the squirt and the compliments) are left out on purpose: a missing
  // one plays nothing at once, and the host still records every call.
  testing_support::TempProgramFolder folder{{u"aobj_pb*.bmp"_s, u"aobj_tube_*.jpg"_s, u"aobj_small_tube_*.jpg"_s,
                                             u"aobj_easel_bot.jpg"_s, u"aobj_voice_*.wav"_s, u"aobjflow.wav"_s,
                                             u"aobj_prs.wav"_s, u"aobj_pnt.wav"_s, u"s_song*.wav"_s, u"stop.wav"_s}};
  std::unique_ptr<pictures::Mainform> window;
  int mainMenuShown = 0;
  double start = 0;
};

}  // namespace session_tests
