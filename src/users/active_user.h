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
// `name` is empty. The settings files (aobj_se1.cfg, brushwell.ini) are read
// and written in that folder from then on; loading them is the caller's.
void SetActiveUser(const QString& name, const QString& folder);

// Remembers the chosen user (or none) in brushwell.ini of `workFolder`
// (the folder the program works in), for the next start without --user. Writes only when that changes
// what is remembered, so a folder without users keeps its file as it is,
// and never into a file made read-only (the carer's lock). Returns why it
// could not be written ("" when it was, or need not be); telling the carer
// is the caller's.
QString RememberActiveUser(const QString& workFolder);

// The carer's message when the user chosen could not be remembered: `why`
// as RememberActiveUser gave it.
void TellNotRemembered(const QString& workFolder, const QString& why);

// A file the chosen user may have their own copy of (a picture list): the
// copy in their folder when there is one, else `fileName` as it is, found in
// the current folder with everyone's.
QString OwnOrShared(const QString& fileName);

}  // namespace users
