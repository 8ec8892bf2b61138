#pragma once
// A user's name as the carer types it, and the folder name it is kept under.
// Names of any script stay readable in the folder name; what a folder name
// cannot hold (slashes, control characters, a leading dot) is replaced, and
// a folder name that differs from the name gets a short tag made from the
// name, so that two names never share a folder.

#include <QString>

namespace users {

// The longest name a carer may give, in characters.
inline constexpr int MaxNameLength = 200;
// The longest folder name made from a name, in UTF-8 bytes (file systems
// allow 255).
inline constexpr int MaxFolderNameBytes = 120;

// The name as it is kept: composed form (NFC), control characters dropped,
// every run of white space one blank, no blank at either end.
QString NormalisedName(const QString& name);

// Two names are the same user when their keys are equal: the normalised
// name, case folded.
QString NameKey(const QString& name);

// The folder name for `name`: stable (the same name always gives the same
// folder), at most MaxFolderNameBytes bytes, never empty, ".", ".." or
// hidden, without "/" or control characters.
QString SafeFolderName(const QString& name);

}  // namespace users
