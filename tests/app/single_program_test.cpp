// One program per folder: the lock file, and locks that must not count.

#include <QCoreApplication>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/single_program.h"
#include "support/files.h"

using testing_support::WriteFile;

namespace {

// A lock left by another computer cannot be checked; a stick taken out
// after a power cut must not keep Brushwell from starting there ever after.
// A lock held by a running program holds.
TEST(SingleProgram, ALockFromAnotherComputerDoesNotCountARunningOneDoes) {
  QTemporaryDir sameName, otherName;
  const QString host = QSysInfo::machineHostName();
  // Another computer of the same name: its process is not here.
  WriteFile(sameName.filePath(app::ProgramLockName), "2147480000\nbrushwell\n" + host.toUtf8() + "\nffff\nffff\n");
  WriteFile(otherName.filePath(app::ProgramLockName), "1\nbrushwell\nthe-classroom-pc\n");
  EXPECT_EQ(app::TakeProgramFolder(otherName.path()), app::FolderLock::Taken);
  EXPECT_EQ(app::TakeProgramFolder(sameName.path()), app::FolderLock::Taken);
  // Taken by this process, which runs.
  EXPECT_EQ(app::TakeProgramFolder(sameName.path()), app::FolderLock::Held);
  EXPECT_EQ(app::TakeProgramFolder(sameName.filePath(QStringLiteral("missing"))), app::FolderLock::NotPossible);
}

}  // namespace
