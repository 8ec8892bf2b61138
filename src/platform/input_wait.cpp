#include "platform/input_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>

namespace platform {
namespace {

const QEvent::Type WakeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Receives the wake events on the main thread. The event itself is the
// point: it ends a blocked wait. One is in the queue at a time.
class WakeReceiver final : public QObject {
public:
  std::atomic<bool> pending{false};
  bool event(QEvent* e) override {
    if (e->type() != WakeEvent) return QObject::event(e);
    pending.store(false);
    return true;
  }
};

// Created on the main thread as a child of the application, so it goes
// with it; helper threads read the pointer only through the atomic.
std::atomic<WakeReceiver*> receiver{nullptr};
struct Request {
  double interval = 0;
  std::chrono::steady_clock::time_point until{};
};
std::array<Request, static_cast<size_t>(PolledSource::Count)> requests{};
constexpr auto Lapse = std::chrono::seconds(5);

}  // namespace

void PrepareInputWake() {
  if (receiver.load() || !QCoreApplication::instance()) return;
  auto* r = new WakeReceiver;
  r->setParent(QCoreApplication::instance());
  QObject::connect(r, &QObject::destroyed, [] { receiver.store(nullptr); });
  receiver.store(r);
}

void WakeInputWait() {
  WakeReceiver* r = receiver.load();
  if (!r || r->pending.exchange(true)) return;
  QCoreApplication::postEvent(r, new QEvent(WakeEvent), Qt::HighEventPriority);
}

void SetInputPolling(PolledSource source, double intervalSeconds) {
  Request& r = requests[static_cast<size_t>(source)];
  r.interval = intervalSeconds > 0 ? intervalSeconds : 0;
  r.until = std::chrono::steady_clock::now() + Lapse;
}

double InputPollingInterval() {
  const auto now = std::chrono::steady_clock::now();
  double shortest = NoDeadline;
  for (const Request& r : requests)
    if (r.interval > 0 && now < r.until) shortest = std::min(shortest, r.interval);
  return shortest;
}

}  // namespace platform
