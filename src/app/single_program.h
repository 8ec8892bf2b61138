#pragma once
// One program per program folder. Two copies working in one folder (a
// double click on the desktop entry) would each save their settings at
// Exit, and the one that ends last would win. The first copy holds a lock
// file in the folder and listens for the copies started after it: each of
// them asks it to bring its window to the front, and ends.

#include <QString>

namespace app {

// The lock file in the program folder, while a program works there.
inline const QString ProgramLockName = QStringLiteral("brushwell.lock");

enum class FolderLock {
  Taken,       // this process holds the folder until it ends
  NotPossible, // no lock can be made there (a folder that cannot be written)
  Held,        // another running program holds it
};

// Tries to take `folder` for this process. A lock left by a program that
// was killed, or by another computer (a stick that was in another computer
// when it was switched off), does not count.
FolderLock TakeProgramFolder(const QString& folder);

// At start: true when this program may go on working in `folder`. When
// another copy works there, asks it to bring its window to the front (or,
// when it does not answer, tells the carer that Brushwell is already
// running) and returns false: this copy then ends.
bool OnlyProgramInFolder(const QString& folder);

}  // namespace app
