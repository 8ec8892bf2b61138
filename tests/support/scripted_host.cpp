#include "support/scripted_host.h"

#include <QCoreApplication>

namespace testing_support {

ScriptedHost::ScriptedHost() {
  platform::installHost(this);
  media::SetSoundObserver([this](const QString& file, media::SoundMode mode) {
    sounds.push_back({file, mode, clock});
  });
}

ScriptedHost::~ScriptedHost() {
  media::SetSoundObserver({});
  platform::installHost(nullptr);
}

void ScriptedHost::processEvents() {
  ++passes;
  clock += step;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  for (auto& item : timed_) {
    if (!item.done && clock >= item.t) {
      item.done = true;
      item.action();
    }
  }
  for (auto& item : conditional_) {
    if (!item.done && item.condition()) {
      item.done = true;
      item.action();
    }
  }
  // Events posted by the actions are delivered in the same pass.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void ScriptedHost::messageBox(const QString& text, platform::MessageIcon icon, const QString& title) {
  messages.push_back({text, icon, title});
  if (onMessage) onMessage(messages.back());
}

void ScriptedHost::endProgram(int exitCode) { throw ProgramEnded{exitCode}; }

QString ScriptedHost::startEditor(const QString& filePath) {
  editorStarts << filePath;
  return editorName;
}

platform::PrintOutcome ScriptedHost::printImage(const QImage& image) {
  prints.push_back(image);
  return printOutcome;
}

void ScriptedHost::at(double t, std::function<void()> action) { timed_.push_back({t, std::move(action)}); }

void ScriptedHost::when(std::function<bool()> condition, std::function<void()> action) {
  conditional_.push_back({std::move(condition), std::move(action)});
}

QStringList ScriptedHost::soundFiles() const {
  QStringList out;
  for (const auto& s : sounds) out << s.file;
  return out;
}

}  // namespace testing_support
