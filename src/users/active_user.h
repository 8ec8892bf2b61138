#pragma once
// Who is colouring now. With no user chosen the working folder holds the
// settings, the gallery and the progress records, exactly as a program
// without users; a chosen user's files live in users/<folder>/ of it.

#include <QString>

namespace users {

// The chosen user's name as the carer typed it; empty when none is chosen.
QString ActiveUserName();

// The folder that holds the chosen user's files, ending in "/": the working
// folder when no user is chosen.
QString ActiveFolder();

// Chooses a user (name and the folder that holds their files), or none when
// `name` is empty.
void SetActiveUser(const QString& name, const QString& folder);

}  // namespace users
