#include "support/files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <csignal>

namespace testing_support {

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
    ADD_FAILURE() << "cannot write " << path.toStdString();
}

TempProgramFolder::TempProgramFolder(const QStringList& patterns) : previous_(QDir::currentPath()) {
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

TempProgramFolder::~TempProgramFolder() { QDir::setCurrent(previous_); }

FileSizeLimit::FileSizeLimit(long bytes) {
  getrlimit(RLIMIT_FSIZE, &previous_);
  previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = previous_;
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &previous_);
  std::signal(SIGXFSZ, previousHandler_);
}

QStringList StartupFiles() {
  return {QStringLiteral("aobj_se1.cfg"), QStringLiteral("aobj_se2.cfg"), QStringLiteral("aobj_logo.jpg"),
          QStringLiteral("stop.wav"), QStringLiteral("aobj_opn.wav")};
}

}  // namespace testing_support
