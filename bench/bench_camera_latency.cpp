// Latency from the camera frame in which a movement passes the level to the
// waiting loop seeing the switch's flag, and the processor time meanwhile.
// Not a test: run by hand (the README has the command):
//
//   QT_QPA_PLATFORM=offscreen build/bench/bench_camera_latency [seconds]
//
// A video file made with ffmpeg stands in for the camera: 640 x 480 at 30
// frames a second, a grey room with a pattern and, once a second, a dark
// hand waving for 0.3 s inside switch 2's rectangle. The file is played
// through the program's camera switch (the media player, the frame turned
// grey on the player's thread, the queued hand-over, the motion measure,
// the press filter) while the main thread waits as a tube in the Scan
// Position does. The latency of a press runs from the moment its frame
// arrived from the player to the moment the loop sees EnterPressed.

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "camera/camera_switch.h"
#include "input/input_flags.h"
#include "input/poll.h"
#include "input/switch_inputs.h"
#include "platform/host.h"
#include "settings/options_file.h"
#include "settings/settings_record.h"

namespace {

double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(5, atoi(argv[1])) : 60;
  QTemporaryDir dir;
  const QString video = dir.filePath(QStringLiteral("waves.avi"));
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {"-v", "error", "-y", "-f", "lavfi", "-i",
                QStringLiteral("color=c=0x707070:s=640x480:r=30:d=%1").arg(seconds), "-f", "lavfi", "-i",
                QStringLiteral("color=c=0x202020:s=80x120:r=30:d=%1").arg(seconds), "-filter_complex",
                "[0]drawgrid=w=40:h=40:t=8:c=white@0.6[room];[room][1]overlay="
                "x='if(between(mod(t,1),0.5,0.8),460+mod(n,2)*60,-300)':y=200[out]",
                "-map", "[out]", "-c:v", "mjpeg", "-q:v", "4", video});
  if (!ffmpeg.waitForFinished(300000) || ffmpeg.exitCode() != 0) {
    std::fprintf(stderr, "ffmpeg could not make the video\n");
    return 1;
  }

  settings::SettingsRecord = settings::DefaultSettings();
  settings::SwitchOptionsRecord = {};
  input::ApplySwitchOptions();
  settings::CameraOptions& o = settings::CameraOptionsRecord;
  o.Enabled = 1;
  o.Source = video;
  o.Region1 = QStringLiteral("0.02,0.2,0.3,0.6");
  o.Region2 = QStringLiteral("0.65,0.2,0.33,0.6");
  camera::CameraSwitch& cam = camera::CameraSwitch::instance();
  cam.SetSourceLoops(1);
  cam.Apply();

  int16_t exitRequested = 0;
  std::vector<double> latencies;
  const double cpu0 = CpuSeconds(), wall0 = Now();
  while (cam.state() != camera::CameraSwitch::State::Ended && cam.state() != camera::CameraSwitch::State::Failed) {
    input::PassWait wait;
    input::EnterPressed = 0;
    // The waiting loop of a tube in the Scan Position.
    while (input::EnterPressed == 0 && cam.state() != camera::CameraSwitch::State::Ended) {
      input::ClearAndPollInputs(exitRequested, wait.Before(Now() + 1.0));
      platform::DoEvents();
    }
    if (input::EnterPressed == 1) latencies.push_back(Now() - cam.downFrameTime(1));
  }
  const double cpu = CpuSeconds() - cpu0, wall = Now() - wall0;
  if (cam.state() == camera::CameraSwitch::State::Failed) {
    std::printf("%s\n", cam.message().toUtf8().constData());
    return 1;
  }
  std::sort(latencies.begin(), latencies.end());
  if (latencies.empty()) {
    std::printf("no press seen in %d frames\n", cam.framesSeen());
    return 1;
  }
  auto at = [&](double q) {
    return latencies[std::min(latencies.size() - 1, static_cast<size_t>(q * (latencies.size() - 1) + 0.5))] * 1000;
  };
  std::printf("camera (video file 640x480, 30 fps, %d s): %d frames measured, %zu presses of %d waves; latency "
              "median %.2f ms, p90 %.2f ms, max %.2f ms; processor %.2f %% of one core (decoding included)\n",
              seconds, cam.framesSeen(), latencies.size(), seconds, at(0.5), at(0.9), latencies.back() * 1000,
              cpu / wall * 100);
  return 0;
}
