#pragma once
// File helpers for tests, and a temporary program folder.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>

namespace testing_support {

// The whole file, or nothing when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file with `bytes`; a file that cannot be written fails the test.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
    ADD_FAILURE() << "cannot write " << path.toStdString();
}

// A temporary folder, the current folder while it lives, holding the built
// program folder's files that match `patterns`. The settings files are
// copied, since the program rewrites them; everything else is linked (the
// songs are large and nothing writes them).
class TempProgramFolder {
public:
  explicit TempProgramFolder(const QStringList& patterns = {}) : previous_(QDir::currentPath()) {
    EXPECT_TRUE(dir_.isValid());
    QDir::setCurrent(dir_.path());
    if (patterns.isEmpty()) return;
    const QDir from(QStringLiteral(BRUSHWELL_DIR));
    const QStringList names = from.entryList(patterns, QDir::Files);
    EXPECT_FALSE(names.isEmpty()) << patterns.join(QLatin1Char(' ')).toStdString();
    for (const QString& name : names) {
      const bool copy = name.endsWith(QStringLiteral(".cfg"));
      EXPECT_TRUE(copy ? QFile::copy(from.filePath(name), file(name)) : QFile::link(from.filePath(name), file(name)))
          << name.toStdString();
    }
  }
  ~TempProgramFolder() { QDir::setCurrent(previous_); }
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  QString path() const { return dir_.path() + QLatin1Char('/'); }
  QString file(const QString& name) const { return dir_.filePath(name); }

private:
  QTemporaryDir dir_;
  QString previous_;
};

// While it lives, no file may grow past `bytes`: a write beyond fails as on
// a full disk (EFBIG), without the signal that would end the test.
class FileSizeLimit {
public:
  explicit FileSizeLimit(long bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

// The files the main window needs to start.
inline QStringList StartupFiles() {
  return {QStringLiteral("aobj_se1.cfg"), QStringLiteral("aobj_se2.cfg"), QStringLiteral("aobj_logo.jpg"),
          QStringLiteral("stop.wav"), QStringLiteral("aobj_opn.wav")};
}

}  // namespace testing_support
