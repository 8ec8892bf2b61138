#include "platform/safe_file.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of `data` to `fd`, retrying short writes and interruptions.
int WriteAll(int fd, const QByteArray& data) {
  const char* p = data.constData();
  qsizetype left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    p += n;
    left -= n;
  }
  return 0;
}

// Makes the rename itself durable. A folder that cannot be synced (some
// network file systems) does not make the save fail: the data is written.
void SyncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

QString WriteFileVerified(const QString& path, const QByteArray& data) {
  const QByteArray target = QFile::encodeName(path);
  const QByteArray temporary = QFile::encodeName(path + SavingSuffix);
  const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return ErrnoText(errno);

  int error = WriteAll(fd, data);
  if (!error && ::fsync(fd) != 0) error = errno;
  if (!error) {
    struct stat written {};
    if (::fstat(fd, &written) != 0) error = errno;
    else if (written.st_size != static_cast<off_t>(data.size())) error = ENOSPC;
  }
  if (::close(fd) != 0 && !error) error = errno;
  if (!error && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.constData());
    return ErrnoText(error);
  }
  const qsizetype slash = target.lastIndexOf('/');
  SyncFolder(slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash));
  return {};
}

bool IsReadOnlyFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat info {};
  if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if ((info.st_mode & S_IWUSR) == 0) return true;
  return ::access(name.constData(), W_OK) != 0 && errno == EACCES;
}

int RemoveStaleSavingFiles(const QString& folder) {
  QDir dir(folder);
  int removed = 0;
  const QStringList names =
      dir.entryList({QLatin1Char('*') + SavingSuffix}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    if (dir.remove(name)) ++removed;
  }
  return removed;
}

}  // namespace platform
