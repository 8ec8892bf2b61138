#include "platform/companion_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cerrno>
#include <csignal>

namespace platform {

CompanionProgram::CompanionProgram(const QString& fileName, QObject* parent)
    : QObject(parent), fileName_(fileName), timer_(new QTimer(this)) {
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, [this] { look(); });
}

QString CompanionProgram::path() const { return QDir(QCoreApplication::applicationDirPath()).filePath(fileName_); }

bool CompanionProgram::running() const {
  // A detached process is no child of ours (no zombie is left to reap): it
  // runs while a signal 0 can reach it.
  return pid_ > 0 && (::kill(static_cast<pid_t>(pid_), 0) == 0 || errno == EPERM);
}

void CompanionProgram::look() {
  if (running()) return;
  pid_ = 0;
  timer_->stop();
  Q_EMIT finished();
}

QString CompanionProgram::Start(const QStringList& arguments) {
  if (running()) return {};
  const QFileInfo file(path());
  if (!file.exists()) return QCoreApplication::translate("CompanionProgram", "%1 is missing from the program folder %2").arg(fileName_, file.absolutePath());
  if (!file.isExecutable()) return QCoreApplication::translate("CompanionProgram", "%1 in %2 may not be run").arg(fileName_, file.absolutePath());
  qint64 pid = 0;
  if (!QProcess::startDetached(file.absoluteFilePath(), arguments, QDir::currentPath(), &pid) || pid <= 0) {
    return QCoreApplication::translate("CompanionProgram", "%1 could not be started").arg(fileName_);
  }
  pid_ = pid;
  timer_->start();
  return {};
}

}  // namespace platform
