#include "camera/camera_switch.h"

#include <QCamera>
#include <QCameraDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaCaptureSession>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <algorithm>
#include <chrono>

#include "input/switch_inputs.h"
#include "platform/shutdown.h"
#include "settings/options_file.h"

namespace camera {

namespace {

// A camera that sends no frame for this long is taken as lost.
constexpr double SilenceSeconds = 4.0;
constexpr int RetryMs = 3000;
constexpr int MaxWaitingFrames = 2;
const QSize PreviewSize(320, 240);

double SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Where the Y, U and V of a pixel lie in a mapped frame: Y at
// y[row * yStride + x * yStep], U and V at (row >> shiftY, x >> shiftX)
// likewise with their own stride and uvStep.
struct Planes {
  const uchar *y = nullptr, *u = nullptr, *v = nullptr;
  int yStride = 0, uvStride = 0, yStep = 1, uvStep = 1, shiftX = 1, shiftY = 1;
};

bool PlanesOf(const QVideoFrame& f, Planes& p) {
  p.y = f.bits(0);
  p.yStride = f.bytesPerLine(0);
  switch (f.pixelFormat()) {
    case QVideoFrameFormat::Format_YUV420P: case QVideoFrameFormat::Format_YUV422P:
      p.u = f.bits(1), p.v = f.bits(2), p.uvStride = f.bytesPerLine(1);
      p.shiftY = f.pixelFormat() == QVideoFrameFormat::Format_YUV420P ? 1 : 0;
      return true;
    case QVideoFrameFormat::Format_YV12:
      p.v = f.bits(1), p.u = f.bits(2), p.uvStride = f.bytesPerLine(1);
      return true;
    case QVideoFrameFormat::Format_NV12: case QVideoFrameFormat::Format_NV21: {
      const uchar* uv = f.bits(1);
      const bool nv12 = f.pixelFormat() == QVideoFrameFormat::Format_NV12;
      p.u = nv12 ? uv : uv + 1, p.v = nv12 ? uv + 1 : uv, p.uvStride = f.bytesPerLine(1), p.uvStep = 2;
      return true;
    }
    case QVideoFrameFormat::Format_YUYV: case QVideoFrameFormat::Format_UYVY: {
      const uchar* b = f.bits(0);
      const bool yuyv = f.pixelFormat() == QVideoFrameFormat::Format_YUYV;
      p.y = yuyv ? b : b + 1, p.u = yuyv ? b + 1 : b, p.v = yuyv ? b + 3 : b + 2;
      p.yStep = 2, p.uvStep = 4, p.uvStride = p.yStride, p.shiftY = 0;
      return true;
    }
    case QVideoFrameFormat::Format_Y8:
      return true;
    default:
      return false;
  }
}

// A colour picture of about PreviewSize for the carer, from the planes.
QImage PreviewOf(const Planes& p, int width, int height) {
  const int f = std::max({1, width / PreviewSize.width(), height / PreviewSize.height()});
  QImage out(width / f, height / f, QImage::Format_RGB32);
  for (int oy = 0; oy < out.height(); ++oy) {
    const int y = oy * f;
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(oy));
    for (int ox = 0; ox < out.width(); ++ox) {
      const int x = ox * f;
      const int Y = p.y[y * p.yStride + x * p.yStep];
      if (!p.u) {
        line[ox] = qRgb(Y, Y, Y);
        continue;
      }
      const int at = (y >> p.shiftY) * p.uvStride + (x >> p.shiftX) * p.uvStep;
      const int U = p.u[at] - 128, V = p.v[at] - 128;
      line[ox] = qRgb(std::clamp(Y + (1436 * V >> 10), 0, 255), std::clamp(Y - ((352 * U + 731 * V) >> 10), 0, 255),
                      std::clamp(Y + (1815 * U >> 10), 0, 255));
    }
  }
  return out;
}

// The grey image of a frame (and the preview when asked), read from its
// bytes. QVideoFrame::toImage is not used: on an X display it sets up
// graphics resources for the conversion that break the video pipeline.
bool ImagesOf(const QVideoFrame& source, bool wantPreview, QImage& grey, QImage& preview) {
  QVideoFrame frame(source);
  if (!frame.map(QVideoFrame::ReadOnly)) return false;
  Planes p;
  const int w = frame.width(), h = frame.height();
  if (PlanesOf(frame, p)) {
    grey = ShrinkToGrey(p.y, w, h, p.yStride, p.yStep);
    if (wantPreview) preview = PreviewOf(p, w, h);
  } else {
    const QImage::Format format = QVideoFrameFormat::imageFormatFromPixelFormat(frame.pixelFormat());
    if (format != QImage::Format_Invalid) {
      const QImage rgb(frame.bits(0), w, h, frame.bytesPerLine(0), format);
      grey = ShrinkToGrey(rgb);
      if (wantPreview) preview = rgb.scaled(PreviewSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
  }
  frame.unmap();
  return !grey.isNull();
}

}  // namespace

namespace {
QPointer<CameraSwitch> one;
}  // namespace

bool CameraSwitch::Made() { return !one.isNull(); }

CameraSwitch& CameraSwitch::instance() {
  if (!one) {
    one = new CameraSwitch(QCoreApplication::instance());
    platform::addShutdownHook([] {
      if (one) one->Close();
    });
  }
  return *one;
}

CameraSwitch::CameraSwitch(QObject* parent) : QObject(parent) {
  retry_.setInterval(RetryMs);
  connect(&retry_, &QTimer::timeout, this, [this] { tryAgain(); });
  connect(&devices_, &QMediaDevices::videoInputsChanged, this, [this] {
    // A camera came or went: the one in use may be gone, a missing one back.
    if (!wanted() || !settings::CameraOptionsRecord.Source.isEmpty()) return;
    const bool present = [this] {
      for (const auto& [id, name] : Cameras())
        if (id == usedDevice_) return true;
      return false;
    }();
    if (camera_ && !present) {
      const QString name = camera_->cameraDevice().description();
      Close();
      setState(State::Lost, tr("The camera \"%1\" was disconnected. The other switches work as before; the camera is "
                               "used again as soon as it is connected.")
                                .arg(name));
    } else if (!camera_) {
      open();
    }
  });
}

QList<QPair<QString, QString>> CameraSwitch::Cameras() {
  QList<QPair<QString, QString>> out;
  for (const QCameraDevice& d : QMediaDevices::videoInputs())
    out.append({QString::fromUtf8(d.id()), d.description()});
  return out;
}

bool CameraSwitch::wanted() const { return settings::CameraOptionsRecord.Enabled == 1 || watched_; }

void CameraSwitch::Apply() {
  const settings::CameraOptions& o = settings::CameraOptionsRecord;
  for (int sw = 0; sw < 2; ++sw) {
    settings::CameraRegion region;
    settings::ParseCameraRegion(sw == 0 ? o.Region1 : o.Region2, region);
    detector_.SetRegion(sw, region);
    detector_.SetSensitivity(sw, sw == 0 ? o.Sensitivity1 : o.Sensitivity2);
  }
  const bool changed = o.Source != openedSource_ || o.Device != openedDevice_;
  const bool isOpen = camera_ || player_;
  if (!wanted()) {
    Close();
    setState(State::Off, tr("The camera is off."));
  } else if (!isOpen || changed) {
    Close();
    open();
  }
}

CameraSwitch::~CameraSwitch() {
  // A sink being taken down still hands on a last frame, and the sinks are
  // children, taken down after this object is gone: none may reach it then.
  for (QVideoSink* sink : findChildren<QVideoSink*>(Qt::FindDirectChildrenOnly))
    QObject::disconnect(sink, &QVideoSink::videoFrameChanged, nullptr, nullptr);
}

void CameraSwitch::SetWatched(bool watched) {
  watched_ = watched;
  wantPreview_ = watched;
  if (!watched) preview_ = QImage();
  Apply();
}

void CameraSwitch::open() {
  const settings::CameraOptions& o = settings::CameraOptionsRecord;
  openedSource_ = o.Source;
  openedDevice_ = o.Device;
  detector_.Reset();
  frames_ = 0;
  lastFrame_ = SteadySeconds();
  ++generation_;
  sink_ = new QVideoSink(this);
  connect(sink_, &QVideoSink::videoFrameChanged, sink_, [this](const QVideoFrame& f) { takeFrame(f); },
          Qt::DirectConnection);
  retry_.start();

  if (!o.Source.isEmpty()) {
    const QFileInfo file(o.Source);
    const QString name = file.fileName();
    if (!file.isFile()) {
      setState(State::Failed, tr("The video file \"%1\" (Source in brushwell.ini) does not exist. The other switches "
                                 "work as before.")
                                  .arg(file.absoluteFilePath()));
      return;
    }
    player_ = new QMediaPlayer(this);
    player_->setVideoSink(sink_);
    player_->setLoops(loops_);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this, name](QMediaPlayer::Error, const QString& why) {
      Close();
      setState(State::Failed, tr("The video file \"%1\" cannot be played (%2). The other switches work as before.")
                                  .arg(name, why));
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this, name](QMediaPlayer::MediaStatus status) {
      if (status == QMediaPlayer::EndOfMedia) setState(State::Ended, tr("The video file \"%1\" has ended.").arg(name));
    });
    setState(State::Opening, tr("Opening the video file \"%1\"…").arg(name));
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    player_->play();
    return;
  }

  QCameraDevice device = QMediaDevices::defaultVideoInput();
  if (!o.Device.isEmpty()) {
    device = QCameraDevice();
    for (const QCameraDevice& d : QMediaDevices::videoInputs())
      if (QString::fromUtf8(d.id()) == o.Device) device = d;
    if (device.isNull()) {
      setState(State::NoCamera, tr("The chosen camera (%1) is not connected. The other switches work as before; the "
                                   "camera is used as soon as it is connected.")
                                    .arg(o.Device));
      return;
    }
  }
  if (device.isNull()) {
    setState(State::NoCamera, tr("No camera is connected. The other switches work as before; a camera is used as "
                                 "soon as one is connected."));
    return;
  }
  usedDevice_ = QString::fromUtf8(device.id());
  camera_ = new QCamera(device, this);
  capture_ = new QMediaCaptureSession(this);
  capture_->setCamera(camera_);
  capture_->setVideoSink(sink_);
  const QString name = device.description();
  connect(camera_, &QCamera::errorOccurred, this, [this, name](QCamera::Error, const QString& why) {
    Close();
    setState(State::Failed, tr("The camera \"%1\" cannot be used (%2). Another program may be using it. The other "
                               "switches work as before; Brushwell tries again every few seconds.")
                                .arg(name, why));
  });
  setState(State::Opening, tr("Opening the camera \"%1\"…").arg(name));
  camera_->start();
}

void CameraSwitch::Close() {
  ++generation_;  // frames still on their way belong to the source closed
  if (player_) player_->stop();
  if (camera_) camera_->stop();
  // Later: Close() may run inside a signal of one of them.
  for (QObject* o : std::initializer_list<QObject*>{capture_, camera_, player_, sink_})
    if (o) o->deleteLater();
  capture_ = nullptr;
  camera_ = nullptr;
  player_ = nullptr;
  sink_ = nullptr;
  retry_.stop();
  letSwitchesUp();
  detector_.Reset();
}

void CameraSwitch::tryAgain() {
  if (!wanted()) return;
  switch (state_) {
    case State::NoCamera: case State::Failed: case State::Lost:
      // A video file that cannot be played is not tried again and again.
      if (settings::CameraOptionsRecord.Source.isEmpty()) {
        Close();
        open();
      }
      break;
    case State::Working: case State::Opening:
      if (camera_ && SteadySeconds() - lastFrame_ > SilenceSeconds) {
        const QString name = camera_->cameraDevice().description();
        Close();
        setState(State::Lost, tr("The camera \"%1\" sends no pictures. The other switches work as before; the camera "
                                 "is used again as soon as it sends pictures.")
                                  .arg(name));
        retry_.start();
      }
      break;
    default:
      break;
  }
}

void CameraSwitch::setState(State state, const QString& message) {
  if (state == State::NoCamera || state == State::Failed || state == State::Lost) {
    if (settings::CameraOptionsRecord.Source.isEmpty()) retry_.start();
  }
  if (state == state_ && message == message_) return;
  state_ = state;
  message_ = message;
  Q_EMIT stateChanged();
}

void CameraSwitch::takeFrame(const QVideoFrame& frame) {
  // The toolkit's thread: only the frame and the atomics are touched here.
  const double arrived = SteadySeconds();
  if (!frame.isValid() || pending_.load() >= MaxWaitingFrames) return;
  const int generation = generation_.load();
  QImage grey, preview;
  if (!ImagesOf(frame, wantPreview_.load(), grey, preview)) return;
  ++pending_;
  QMetaObject::invokeMethod(
      this,
      [this, generation, grey = std::move(grey), preview = std::move(preview), arrived] {
        --pending_;
        onFrame(generation, grey, preview, arrived);
      },
      Qt::QueuedConnection);
}

void CameraSwitch::onFrame(int generation, const QImage& grey, const QImage& preview, double arrived) {
  if (generation != generation_.load()) return;
  ++frames_;
  lastFrame_ = SteadySeconds();
  if (state_ == State::Opening) {
    const QString name = player_ ? QFileInfo(openedSource_).fileName() : camera_ ? camera_->cameraDevice().description()
                                                                                 : QString();
    setState(State::Working, player_ ? tr("Using the video file \"%1\" instead of a camera.").arg(name)
                                     : tr("Using the camera \"%1\".").arg(name));
  }
  if (!preview.isNull()) preview_ = preview;
  detector_.Feed(grey);
  for (int sw = 0; sw < 2; ++sw) {
    const bool down = detector_.down(sw);
    if (down == fed_[sw]) continue;
    fed_[sw] = down;
    if (down) {
      downFrameTime_[sw] = arrived;
      input::SwitchDown(sw + 1, input::CameraSource());
    } else {
      input::SwitchUp(sw + 1, input::CameraSource());
    }
  }
  Q_EMIT frameSeen();
}

void CameraSwitch::letSwitchesUp() {
  for (int sw = 0; sw < 2; ++sw) {
    if (!fed_[sw]) continue;
    fed_[sw] = false;
    input::SwitchUp(sw + 1, input::CameraSource());
  }
}

}  // namespace camera
