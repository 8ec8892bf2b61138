#pragma once
// File helpers for tests, and a temporary program folder.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <sys/resource.h>

namespace testing_support {

// The whole file, or nothing when it cannot be read.
QByteArray ReadFile(const QString& path);
// Replaces the file with `bytes`; a file that cannot be written fails the test.
void WriteFile(const QString& path, const QByteArray& bytes);

// A temporary folder, the current folder while it lives, holding the built
// program folder's files that match `patterns`. The settings files are
// copied, since the program rewrites them; everything else is linked (the
// songs are large and nothing writes them).
class TempProgramFolder {
public:
  explicit TempProgramFolder(const QStringList& patterns = {});
  ~TempProgramFolder();
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
  explicit FileSizeLimit(long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  rlimit previous_{};
  void (*previousHandler_)(int);
};

// The files the main window needs to start.
QStringList StartupFiles();

}  // namespace testing_support
