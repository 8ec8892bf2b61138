#pragma once
// The camera as switch 1 and switch 2. Opens the camera named in
// [camera] of brushwell.ini (or plays its video file instead), measures the
// movement in each frame (motion.h) and reports a switch going down or up
// to the press filter, exactly where a key's press and release go in
// (input/switch_inputs.h). So the timing and every later step are the same
// as for any switch.
//
// Threads: the toolkit may hand over frames on a thread of its own. There a
// frame only becomes a small grey image, which reaches this object on the
// user-interface thread as a queued call; everything else happens there,
// when the waiting loops let events run. While the user-interface thread
// is busy (an animation) at most two frames wait; later ones are dropped.
//
// A camera that is missing, in use by another program or unplugged is said
// in message(), shown on the carer's "Camera Switch" screen, never in a box
// in front of the user; the other switches go on working, and the camera is
// opened again when the system reports it back or on the next try, every
// few seconds.

#include <QImage>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <array>
#include <atomic>

#include "camera/motion.h"

class QCamera;
class QMediaCaptureSession;
class QMediaPlayer;
class QVideoFrame;
class QVideoSink;

namespace camera {

class CameraSwitch : public QObject {
  Q_OBJECT
public:
  enum class State { Off, Opening, Working, Ended, NoCamera, Failed, Lost };

  // The one camera switch of the program (made on first use, on the
  // user-interface thread).
  static CameraSwitch& instance();
  // Whether instance() was ever asked for (the camera was ever wanted).
  static bool Made();

  // Takes CameraOptionsRecord: opens, closes or changes the source, and
  // takes the rectangles and sensitivities.
  void Apply();
  // The carer's screen shows the camera: it is opened even when not
  // enabled, and each frame also gives a colour preview.
  void SetWatched(bool watched);
  // How often a video file is played (QMediaPlayer::Infinite by default).
  void SetSourceLoops(int loops) { loops_ = loops; }
  // Closes the source (the program ends).
  void Close();

  State state() const { return state_; }
  QString message() const { return message_; }
  const MotionDetector& detector() const { return detector_; }
  QImage preview() const { return preview_; }
  int framesSeen() const { return frames_; }
  // When (steady clock, seconds) the frame that last pressed switch `sw`
  // (0 or 1) arrived from the camera.
  double downFrameTime(int sw) const { return downFrameTime_[sw]; }
  // The cameras connected now, as (id, description).
  static QList<QPair<QString, QString>> Cameras();

Q_SIGNALS:
  void frameSeen();
  void stateChanged();

private:
  explicit CameraSwitch(QObject* parent);
  ~CameraSwitch() override;
  bool wanted() const;
  void open();
  void setState(State state, const QString& message);
  void takeFrame(const QVideoFrame& frame);  // on the toolkit's thread
  void onFrame(int generation, const QImage& grey, const QImage& preview, double arrived);
  void letSwitchesUp();
  void tryAgain();

  MotionDetector detector_;
  QMediaDevices devices_;
  QCamera* camera_ = nullptr;
  QMediaCaptureSession* capture_ = nullptr;
  QMediaPlayer* player_ = nullptr;
  QVideoSink* sink_ = nullptr;
  QTimer retry_;
  State state_ = State::Off;
  QString message_;
  QString openedSource_, openedDevice_;  // the options the source was opened with
  QString usedDevice_;                    // the camera opened (the standard one's id for "")
  bool watched_ = false;
  int loops_ = -1;
  int frames_ = 0;
  double lastFrame_ = 0;
  QImage preview_;
  std::array<bool, 2> fed_{};
  std::array<double, 2> downFrameTime_{};
  std::atomic<int> generation_{0};
  std::atomic<int> pending_{0};
  std::atomic<bool> wantPreview_{false};
};

}  // namespace camera
