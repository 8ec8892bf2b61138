#pragma once
#include "platform/host.h"

#include <QPointer>

class QTimer;

namespace platform {

// The real host: Qt event processing, the wall clock, QMessageBox,
// detached editor processes and QPrinter.
class QtHost final : public Host {
public:
  void processEvents() override;
  void waitForInput(double deadlineMonotonicSeconds) override;
  double secondsOfDay() override;
  double monotonicSeconds() override;
  void messageBox(const QString& text, MessageIcon icon, const QString& title) override;
  [[noreturn]] void endProgram(int exitCode) override;
  QString startEditor(const QString& filePath) override;
  PrintOutcome printImage(const QImage& image) override;

  // The graphical editors tried, in order.
  static QStringList editorCandidates();

private:
  QPointer<QTimer> wakeTimer_;  // ends a wait at its deadline; a child of the application
};

}  // namespace platform
