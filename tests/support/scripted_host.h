#pragma once
// A host for tests: a virtual clock that each pass of event processing moves
// on by a fixed step, scripted inputs that fire at given times or when a
// condition first holds, and a record of every message, sound, print and
// editor start. Ending the program throws ProgramEnded.

#include <QImage>
#include <QString>
#include <QStringList>
#include <cmath>
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
  ScriptedHost();
  ~ScriptedHost() override;

  void processEvents() override;
  // The virtual clock runs on past midnight; the time of day wraps.
  double secondsOfDay() override { return std::fmod(clock, 86400.0); }
  double monotonicSeconds() override { return clock; }
  void messageBox(const QString& text, platform::MessageIcon icon, const QString& title) override;
  [[noreturn]] void endProgram(int exitCode) override;
  QString startEditor(const QString& filePath) override;
  platform::PrintOutcome printImage(const QImage& image) override;

  // Runs `action` at the first event pass at or after virtual time `t`.
  void at(double t, std::function<void()> action);
  // Runs `action` at the first event pass where `condition` holds.
  void when(std::function<bool()> condition, std::function<void()> action);
  // Called for every message box (for example to press a key meanwhile).
  std::function<void(const RecordedMessage&)> onMessage;

  double clock = 8 * 3600;  // 08:00
  double step = 0.001;      // seconds per event pass
  long long passes = 0;

  std::vector<RecordedMessage> messages;
  std::vector<RecordedSound> sounds;
  QStringList editorStarts;
  QString editorName = QStringLiteral("test-editor");
  std::vector<QImage> prints;
  platform::PrintOutcome printOutcome{true, {}};

  QStringList soundFiles() const;

private:
  struct Timed { double t; std::function<void()> action; bool done = false; };
  struct Conditional { std::function<bool()> condition; std::function<void()> action; bool done = false; };
  std::vector<Timed> timed_;
  std::vector<Conditional> conditional_;
};

}  // namespace testing_support
