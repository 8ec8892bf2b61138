// The camera switch on the real media player, with video files made here by
// ffmpeg: a hand waved in switch 2's rectangle presses switch 2 exactly
// once, a whole-picture brightness jump presses nothing; a missing video
// file and a computer without a camera are said clearly and press nothing.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "camera/camera_switch.h"
#include "input/input_flags.h"
#include "input/switch_inputs.h"
#include "settings/options_file.h"

using camera::CameraSwitch;

namespace {

// 3 s of 640 x 480 at 30 frames a second, MJPEG in AVI: a grey room with a
// pattern, a dark hand waving in the right third from 1.0 s to 1.5 s, and
// the whole picture a third brighter from 2.2 s on.
bool MakeVideo(const QString& path) {
  const QString filter = QStringLiteral(
      "[0]drawgrid=w=40:h=40:t=8:c=white@0.6[room];"
      "[room][1]overlay=x='if(between(t,1.0,1.5),460+mod(n,2)*60,-300)':y=200,"
      "eq=brightness='if(gte(t,2.2),0.15,0)':eval=frame[out]");
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {"-v", "error", "-y", "-f", "lavfi", "-i", "color=c=0x707070:s=640x480:r=30:d=3", "-f", "lavfi", "-i",
                "color=c=0x202020:s=80x120:r=30:d=3", "-filter_complex", filter, "-map", "[out]", "-c:v", "mjpeg",
                "-q:v", "4", path});
  return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0;
}

// Lets events run until `done` or `seconds` pass.
template <typename Done>
bool PumpUntil(Done done, double seconds) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > seconds * 1000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
  }
  return true;
}

class CameraSource : public ::testing::Test {
protected:
  void SetUp() override {
    settings::CameraOptionsRecord = {};
    settings::SwitchOptionsRecord = {};
    input::ApplySwitchOptions();
    input::Presses().ResetCounts();
  }
  void TearDown() override {
    settings::CameraOptionsRecord = {};
    CameraSwitch::instance().SetSourceLoops(-1);
    CameraSwitch::instance().Apply();
  }
  QTemporaryDir dir;
};

}  // namespace

TEST_F(CameraSource, AVideoFilePressesSwitch2OnceForAWaveAndNotForABrightnessJump) {
  const QString video = dir.filePath(QStringLiteral("wave.avi"));
  ASSERT_TRUE(MakeVideo(video));
  settings::CameraOptions& o = settings::CameraOptionsRecord;
  o.Enabled = 1;
  o.Source = video;
  o.Region1 = QStringLiteral("0.05,0.2,0.3,0.6");
  o.Region2 = QStringLiteral("0.65,0.2,0.33,0.6");
  CameraSwitch& cam = CameraSwitch::instance();
  cam.SetSourceLoops(1);
  input::EnterPressed = input::SwitchPressed = 0;
  cam.Apply();
  ASSERT_TRUE(PumpUntil([&] { return cam.state() == CameraSwitch::State::Ended; }, 30)) << cam.message().toStdString();
  EXPECT_GE(cam.framesSeen(), 60);
  EXPECT_EQ(input::Presses().counts(1).counted, 1);
  EXPECT_EQ(input::Presses().counts(0).counted, 0);
  EXPECT_EQ(input::EnterPressed, 1);
  EXPECT_EQ(input::SwitchPressed, 0);
}

TEST_F(CameraSource, MissingFileAndNoCameraAreSaidAndPressNothing) {
  settings::CameraOptions& o = settings::CameraOptionsRecord;
  o.Enabled = 1;
  o.Region1 = QStringLiteral("0,0,1,1");
  o.Source = dir.filePath(QStringLiteral("gone.avi"));
  CameraSwitch& cam = CameraSwitch::instance();
  cam.Apply();
  EXPECT_EQ(cam.state(), CameraSwitch::State::Failed);
  EXPECT_TRUE(cam.message().contains(QStringLiteral("gone.avi"))) << cam.message().toStdString();

  // A file that is no video: the player's own error, said the same way.
  o.Source = dir.filePath(QStringLiteral("notes.avi"));
  QFile f(o.Source);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("this is no video");
  f.close();
  cam.Apply();
  EXPECT_TRUE(PumpUntil([&] { return cam.state() == CameraSwitch::State::Failed; }, 15)) << cam.message().toStdString();
  EXPECT_TRUE(cam.message().contains(QStringLiteral("notes.avi")));

  // This computer has no camera.
  if (!CameraSwitch::Cameras().isEmpty()) GTEST_SKIP() << "a camera is connected";
  o.Source.clear();
  cam.Apply();
  EXPECT_EQ(cam.state(), CameraSwitch::State::NoCamera);
  EXPECT_TRUE(cam.message().startsWith(QStringLiteral("No camera is connected.")));
  EXPECT_EQ(input::Presses().counts(0).counted + input::Presses().counts(1).counted, 0);
  settings::CameraOptionsRecord.Enabled = 0;
  cam.Apply();
  EXPECT_EQ(cam.state(), CameraSwitch::State::Off);
}
