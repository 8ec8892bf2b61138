#pragma once
// A host for tests: a virtual clock that each pass of event processing moves
// on by a fixed step, scripted inputs that fire at given times or when a
// condition first holds, and a record of every message, sound, print and
// editor start. Ending the program throws ProgramEnded.

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <functional>
#include <vector>

#include "media/sound.h"
#include "platform/host.h"

namespace testing_support {

struct ProgramEnded {
  int exitCode;
};

struct RecordedMessage {
  QString text;
  platform::MessageIcon icon;
  QString title;
};

struct RecordedSound {
  QString file;
  media::SoundMode mode;
  double at;  // virtual time
};

class ScriptedHost : public platform::Host {
public:
  ScriptedHost() {
    platform::installHost(this);
    media::SetSoundObserver([this](const QString& file, media::SoundMode mode) { sounds.push_back({file, mode, clock}); });
  }
  ~ScriptedHost() override {
    media::SetSoundObserver({});
    platform::installHost(nullptr);
  }

  void processEvents() override {
    ++passes;
    clock += step;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // By index, and each action run from a copy: an action may script more.
    for (size_t i = 0; i < scripted_.size(); ++i) {
      if (scripted_[i].done || !scripted_[i].condition()) continue;
      scripted_[i].done = true;
      const std::function<void()> action = scripted_[i].action;
      action();
    }
    // Events posted by the actions are delivered in the same pass.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  // The virtual clock moves only with the event passes, so a wait returns
  // at once and the loops run pass by pass as before. The waits are
  // counted, and the earliest deadline asked for since `waitDeadline` was
  // last reset is kept, so a test can see what a loop would wake for.
  void waitForInput(double deadline) override {
    ++waits;
    waitDeadline = std::min(waitDeadline, deadline);
  }
  // The virtual clock runs on past midnight; the time of day wraps.
  double secondsOfDay() override { return std::fmod(clock, 86400.0); }
  double monotonicSeconds() override { return clock; }
  void messageBox(const QString& text, platform::MessageIcon icon, const QString& title) override {
    messages.push_back({text, icon, title});
    if (onMessage) onMessage(messages.back());
  }
  [[noreturn]] void endProgram(int exitCode) override { throw ProgramEnded{exitCode}; }
  QString startEditor(const QString& filePath) override {
    editorStarts << filePath;
    return editorName;
  }
  platform::PrintOutcome printImage(const QImage& image) override {
    prints.push_back(image);
    return printOutcome;
  }

  // Runs `action` at the first event pass at or after virtual time `t`.
  void at(double t, std::function<void()> action) { when([this, t] { return clock >= t; }, std::move(action)); }
  // Runs `action` at the first event pass where `condition` holds; actions
  // that come due in the same pass run in the order they were added.
  void when(std::function<bool()> condition, std::function<void()> action) {
    scripted_.push_back({std::move(condition), std::move(action)});
  }
  // Called for every message box (for example to press a key meanwhile).
  std::function<void(const RecordedMessage&)> onMessage;

  double clock = 8 * 3600;  // 08:00
  double step = 0.001;      // seconds per event pass
  long long passes = 0;
  long long waits = 0;
  double waitDeadline = std::numeric_limits<double>::infinity();

  std::vector<RecordedMessage> messages;
  std::vector<RecordedSound> sounds;
  QStringList editorStarts;
  QString editorName = QStringLiteral("test-editor");
  std::vector<QImage> prints;
  platform::PrintOutcome printOutcome{true, {}};

  QStringList soundFiles() const {
    QStringList out;
    for (const auto& s : sounds) out << s.file;
    return out;
  }

private:
  struct Scripted { std::function<bool()> condition; std::function<void()> action; bool done = false; };
  std::vector<Scripted> scripted_;
};

}  // namespace testing_support
