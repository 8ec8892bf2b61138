#include "platform/companion_program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace platform {

CompanionProgram::CompanionProgram(const QString& fileName, QObject* parent)
    : QObject(parent), fileName_(fileName), process_(new QProcess(this)) {
  process_->setProcessChannelMode(QProcess::ForwardedChannels);
  connect(process_, &QProcess::finished, this, [this] { Q_EMIT finished(); });
}

QString CompanionProgram::path() const { return QDir(QCoreApplication::applicationDirPath()).filePath(fileName_); }

bool CompanionProgram::running() const { return process_->state() != QProcess::NotRunning; }

QString CompanionProgram::Start(const QStringList& arguments) {
  if (running()) return {};
  const QFileInfo file(path());
  if (!file.exists()) return QStringLiteral("%1 is missing from the program folder %2").arg(fileName_, file.absolutePath());
  if (!file.isExecutable()) return QStringLiteral("%1 in %2 may not be run").arg(fileName_, file.absolutePath());
  process_->start(file.absoluteFilePath(), arguments);
  if (!process_->waitForStarted(5000)) {
    const QString why = process_->errorString();
    process_->kill();
    return QStringLiteral("%1 could not be started (%2)").arg(fileName_, why);
  }
  return {};
}

}  // namespace platform
