#pragma once
// The users of a working folder: each is a folder users/<folder name>/ that
// holds user.ini (the name as the carer gave it, and the user's picture),
// the user's own aobj_se1.cfg and brushwell.ini (with them the place in the
// picture lists), own picture lists if any, the gallery and the progress
// records. Every change either happens whole or not at all: a user is made
// in a hidden folder that gets its name last, renamed by renaming its folder
// once it is known to be one of the users' folders, and removed by first
// moving it aside.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace users {

inline const QString UsersFolderName = QStringLiteral("users");
inline const QString UserFileName = QStringLiteral("user.ini");
inline const QString UserPictureName = QStringLiteral("picture.png");

struct User {
  QString name;     // as the carer gave it (normalised)
  QString folder;   // absolute, ending in "/"
  QString picture;  // the user's picture file, or "" when none
};

// users/ of `workFolder`, ending in "/".
QString UsersFolder(const QString& workFolder);

// The users of `workFolder`, in the order of their names. A folder without
// a readable user.ini is no user and is left alone; each one is added to
// `problems` when given.
std::vector<User> ListUsers(const QString& workFolder, QStringList* problems = nullptr);

// The user of that name (compared as NameKey does), if there is one.
std::optional<User> FindUser(const std::vector<User>& users, const QString& name);

// Why `name` cannot be given to a user ("" when it can): empty, too long,
// or the name of another user than the one in `exceptFolder`.
QString CheckName(const QString& name, const std::vector<User>& users, const QString& exceptFolder = {});

// Makes a user who starts with copies of the working folder's settings
// files (aobj_se1.cfg, aobj_se2.cfg, brushwell.ini). Returns "" and fills
// `made`, or why nothing was made.
QString MakeUser(const QString& workFolder, const QString& name, User* made);

// Gives the user a new name; the folder is renamed with it. Returns "" and
// fills `renamed`, or why nothing changed.
QString RenameUser(const QString& workFolder, const User& user, const QString& newName, User* renamed);

// Removes the user's folder and everything in it. Returns "" or why the
// folder (or part of it) is still there.
QString RemoveUser(const QString& workFolder, const User& user);

// Copies `imageFile`, made small, into the user's folder as their picture.
// Returns "" and fills `updated`, or why the picture was not taken.
QString SetUserPicture(const User& user, const QString& imageFile, User* updated);

}  // namespace users
