#include "app/single_program.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QSysInfo>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <memory>
#include <unistd.h>

#include "platform/host.h"
#include "platform/shutdown.h"
#include "platform/window_front.h"

namespace app {

namespace {

std::unique_ptr<QLockFile> Lock;  // released when the program ends
const QByteArray Answer = "front\n";

// The name the first program listens on: one per folder and user.
QString FrontDoorName(const QString& folder) {
  const QString path = QFileInfo(folder).canonicalFilePath() + QLatin1Char('\n') + QString::number(::getuid());
  return QStringLiteral("brushwell-") +
         QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(20));
}

// Raises every window that is shown and gives the keyboard to the one in
// use: a message box waiting for OK, else the active window, else the
// first one shown (the main menu, the colouring window or the credits).
void BringWindowsToTheFront() {
  QWidget* chosen = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
    w->raise();
    if (!chosen) chosen = w;
  }
  if (QWidget* active = QApplication::activeWindow(); active && active->isVisible()) chosen = active;
  if (QWidget* modal = QApplication::activeModalWidget()) chosen = modal;
  if (chosen) platform::BringToTheFront(chosen);
}

void OpenFrontDoor(const QString& name) {
  auto* server = new QLocalServer(qApp);
  // Only the holder of the lock listens, so a name still there was left by
  // a program that was killed.
  QLocalServer::removeServer(name);
  server->setSocketOptions(QLocalServer::UserAccessOption);  // this user's copies only
  if (!server->listen(name)) return;  // later copies then say that Brushwell runs
  // The program ends with the application still standing: closing takes
  // the name's socket file out of the temporary folder.
  platform::addShutdownHook([door = QPointer<QLocalServer>(server)] {
    if (door) door->close();
  });
  QObject::connect(server, &QLocalServer::newConnection, server, [server] {
    bool called = false;
    while (QLocalSocket* caller = server->nextPendingConnection()) {
      QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
      caller->write(Answer);
      caller->flush();
      caller->disconnectFromServer();
      called = true;
    }
    // Raising lets window events run, where a caller may go away: the
    // callers are answered first.
    if (called) BringWindowsToTheFront();
  });
}

// Asks the program at `name` to come to the front; true when it did. The
// first program may still be starting, so a refused call is tried again.
bool AskToComeToTheFront(const QString& name) {
  QDeadlineTimer deadline(4000);
  QLocalSocket door;
  for (;;) {
    door.connectToServer(name);
    if (door.waitForConnected(500)) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(100);
  }
  QByteArray reply;
  while (!reply.endsWith('\n') && !deadline.hasExpired() && door.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
    reply += door.readAll();
  return reply == Answer;
}

// Whether this program runs on this computer as process `pid`. A process
// that cannot be looked at counts as running.
bool RunsHere(qint64 pid) {
  if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) return false;
  const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
  return exe.isEmpty() || QFileInfo(exe).fileName() == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

}  // namespace

FolderLock TakeProgramFolder(const QString& folder) {
  auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(ProgramLockName));
  // A running program's lock never grows old; a killed one's is known by
  // its process id.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    if (lock->error() != QLockFile::LockFailedError) return FolderLock::NotPossible;
    // Another computer's program cannot be asked whether it still runs. A
    // folder is used from two computers at once only over a network; a stick
    // taken out after a power cut is far more common, and must not keep
    // Brushwell from starting ever after.
    // Two computers may share a name: then the process is looked for here.
    qint64 pid = 0;
    QString host, appName;
    if (!lock->getLockInfo(&pid, &host, &appName) || (host == QSysInfo::machineHostName() && RunsHere(pid)) ||
        !lock->removeStaleLockFile() || !lock->tryLock(0))
      return FolderLock::Held;
  }
  Lock = std::move(lock);
  return FolderLock::Taken;
}

bool OnlyProgramInFolder(const QString& folder) {
  const QString name = FrontDoorName(folder);
  switch (TakeProgramFolder(folder)) {
    case FolderLock::Taken: OpenFrontDoor(name); return true;
    case FolderLock::NotPossible: return true;  // nothing can be saved there either
    case FolderLock::Held: break;
  }
  if (!AskToComeToTheFront(name)) platform::message(QCoreApplication::translate("SingleProgram", "Brushwell is already running."), platform::MessageIcon::Information);
  return false;
}

}  // namespace app
