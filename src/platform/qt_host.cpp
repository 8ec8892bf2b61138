#include "platform/qt_host.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMimeDatabase>
#include <QUrl>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "platform/input_wait.h"
#include "platform/printing.h"
#include "platform/shutdown.h"
#include "platform/x11_message.h"
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>

namespace platform {

void QtHost::processEvents() { QApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::waitForInput(double deadline) {
  const double now = monotonicSeconds();
  // A source that cannot wake the wait by itself is looked at this often.
  deadline = std::min(deadline, now + InputPollingInterval());
  if (!(deadline > now)) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) {
    // No event loop to block in: a short rest, as a poll would take.
    std::this_thread::sleep_for(std::chrono::microseconds(500));
    return;
  }
  PrepareInputWake();
  const bool timed = std::isfinite(deadline);
  if (timed) {
    if (!wakeTimer_) {
      wakeTimer_ = new QTimer(app);
      wakeTimer_->setSingleShot(true);
      wakeTimer_->setTimerType(Qt::PreciseTimer);
    }
    // Whole milliseconds, rounded up: waking a little late costs nothing,
    // waking early costs a pass that finds the deadline not yet reached.
    const double ms = std::ceil((deadline - now) * 1000.0);
    wakeTimer_->start(static_cast<int>(std::min(ms, 24.0 * 3600 * 1000)));
  }
  // Returns once something was processed: a window event, a wake posted by
  // a switch line's helper thread, a joystick's device becoming readable,
  // or the timer. Events already pending are processed without blocking.
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  if (timed && wakeTimer_) wakeTimer_->stop();
}

double QtHost::secondsOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double QtHost::monotonicSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void QtHost::messageBox(const QString& text, MessageIcon icon, const QString& title) {
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case MessageIcon::None: qicon = QMessageBox::NoIcon; break;
    case MessageIcon::Stop: qicon = QMessageBox::Critical; break;
    case MessageIcon::Exclamation: qicon = QMessageBox::Warning; break;
    case MessageIcon::Information: qicon = QMessageBox::Information; break;
  }
  // Lines joined by CR alone would show as one line; Qt breaks on LF.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(shown));
  // The toolkit cannot paint on displays of fewer than 16 bits per pixel;
  // such a display still gets its message, drawn with plain Xlib.
  QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && screen->depth() < 16 && QGuiApplication::platformName() == QStringLiteral("xcb") &&
      ShowPlainX11Message(title, shown))
    return;
  QMessageBox box(qicon, title, shown, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setAccessibleName(title);
  box.exec();
}

void QtHost::endProgram(int exitCode) {
  runShutdownHooks();
  std::exit(exitCode);
}

QStringList QtHost::editorCandidates() {
  return {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"),  QStringLiteral("kate"),
          QStringLiteral("kwrite"),            QStringLiteral("mousepad"), QStringLiteral("pluma"),
          QStringLiteral("xed"),               QStringLiteral("featherpad"), QStringLiteral("leafpad"),
          QStringLiteral("geany")};
}

QString QtHost::startEditor(const QString& filePath) {
  for (const QString& name : editorCandidates()) {
    const QString exe = QStandardPaths::findExecutable(name);
    if (exe.isEmpty()) continue;
    // An argument list, never a shell command line.
    if (QProcess::startDetached(exe, {filePath})) return name;
  }
  // Then whatever the desktop opens such files with, if it names one: a
  // desktop without a handler would accept the request and show nothing.
  const QString mime = QMimeDatabase().mimeTypeForFile(filePath).name();
  const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (query.isEmpty()) return {};
  QProcess ask;
  ask.start(query, {QStringLiteral("query"), QStringLiteral("default"), mime});
  if (!ask.waitForFinished(3000) || ask.exitCode() != 0) return {};
  const QString handler = QString::fromUtf8(ask.readAllStandardOutput()).trimmed();
  if (handler.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(filePath))) return {};
  return handler;
}

PrintOutcome QtHost::printImage(const QImage& image) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    return {false, QCoreApplication::translate("QtHost", "No printer is set up on this computer, so the picture was not printed.\n"
                                  "Set up a default printer in the system's printer settings and try again.")};
  }
  QPrinter printer(info, QPrinter::HighResolution);
  if (!printer.isValid()) {
    return {false, QCoreApplication::translate("QtHost", "The printer \"%1\" cannot be used, so the picture was not printed.")
                       .arg(info.printerName())};
  }
  paintPicturePage(printer, image);
  if (printer.printerState() == QPrinter::Error) {
    return {false, QCoreApplication::translate("QtHost", "The printer \"%1\" reported an error, so the picture may not have been printed.")
                       .arg(info.printerName())};
  }
  return {true, {}};
}

}  // namespace platform
