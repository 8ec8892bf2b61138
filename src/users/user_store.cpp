#include "users/user_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>
#include <QUuid>
#include <algorithm>

#include "platform/safe_file.h"
#include "settings/options_file.h"
#include "settings/settings_file.h"
#include "users/user_names.h"

namespace users {

namespace {

QString WithSlash(const QString& folder) {
  const QString f = QDir::cleanPath(folder);
  return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

const QString NameKeyInFile = QStringLiteral("user/Name");
const QString PictureKeyInFile = QStringLiteral("user/Picture");

std::optional<User> ReadUser(const QString& folder) {
  const QString file = folder + UserFileName;
  if (!QFileInfo(file).isFile()) return std::nullopt;
  const QSettings ini(file, QSettings::IniFormat);
  const QString name = NormalisedName(ini.value(NameKeyInFile).toString());
  if (ini.status() != QSettings::NoError || name.isEmpty()) return std::nullopt;
  User user{name, folder, {}};
  const QString picture = QFileInfo(ini.value(PictureKeyInFile).toString()).fileName();
  if (!picture.isEmpty() && QFileInfo(folder + picture).isFile()) user.picture = folder + picture;
  return user;
}

// user.ini through the verified writer: QSettings writes the INI form
// (quoting, escapes) into a scratch file whose bytes are then written.
QString WriteUserFile(const QString& folder, const QString& name, const QString& picture) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) return scratch.errorString();
  const QString draft = scratch.filePath(UserFileName);
  {
    QSettings out(draft, QSettings::IniFormat);
    out.setValue(NameKeyInFile, name);
    if (!picture.isEmpty()) out.setValue(PictureKeyInFile, QFileInfo(picture).fileName());
    out.sync();
    if (out.status() != QSettings::NoError) return QCoreApplication::translate("Users", "the user's file could not be prepared");
  }
  QFile file(draft);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  return platform::WriteFileVerified(folder + UserFileName, file.readAll());
}

// Whether `folder` is a user's folder of `workFolder` in fact: a folder
// itself (not a link to one elsewhere) right inside users/, holding user.ini.
// Nothing is renamed or removed that is not.
bool IsUsersOwnFolder(const QString& workFolder, const QString& folder) {
  const QFileInfo info(QDir::cleanPath(folder));
  if (info.isSymLink() || !info.isDir() || info.fileName().startsWith(QLatin1Char('.'))) return false;
  const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
  return !parent.isEmpty() && parent == QFileInfo(UsersFolder(workFolder)).canonicalFilePath() &&
         QFileInfo(WithSlash(folder) + UserFileName).isFile();
}

QString CopyVerified(const QString& from, const QString& to) {
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) return source.errorString();
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) return source.errorString();
  return platform::WriteFileVerified(to, bytes);
}

const QString MakingPrefix = QStringLiteral(".making-");
const QString RemovingPrefix = QStringLiteral(".removing-");

// A user being made or removed when the program was killed left its hidden
// folder: finished here (one program works in a folder at a time).
void ClearCutShortChanges(const QString& usersFolder) {
  const QDir dir(usersFolder);
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
    const QString name = entry.fileName();
    if (!entry.isSymLink() && (name.startsWith(MakingPrefix) || name.startsWith(RemovingPrefix)))
      QDir(entry.absoluteFilePath()).removeRecursively();
  }
}

}  // namespace

QString UsersFolder(const QString& workFolder) { return WithSlash(workFolder) + UsersFolderName + QLatin1Char('/'); }

std::vector<User> ListUsers(const QString& workFolder, QStringList* problems) {
  std::vector<User> found;
  const QDir dir(UsersFolder(workFolder));
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    std::optional<User> user = ReadUser(WithSlash(entry.absoluteFilePath()));
    if (user) {
      found.push_back(*user);
    } else if (problems) {
      *problems << QCoreApplication::translate("Users", "The folder %1 holds no user's name (%2 is missing or damaged); it is left as it is.")
                       .arg(entry.absoluteFilePath(), UserFileName);
    }
  }
  std::sort(found.begin(), found.end(),
            [](const User& a, const User& b) { return QString::localeAwareCompare(a.name, b.name) < 0; });
  return found;
}

std::optional<User> FindUser(const std::vector<User>& users, const QString& name) {
  const QString key = NameKey(name);
  for (const User& user : users)
    if (NameKey(user.name) == key) return user;
  return std::nullopt;
}

QString CheckName(const QString& name, const std::vector<User>& users, const QString& exceptFolder) {
  const QString normal = NormalisedName(name);
  if (normal.isEmpty()) return QCoreApplication::translate("Users", "Please type the user's name first.");
  if (normal.size() > MaxNameLength)
    return QCoreApplication::translate("Users", "The name is too long: a name may have at most %1 characters.").arg(MaxNameLength);
  const std::optional<User> same = FindUser(users, normal);
  if (same && WithSlash(same->folder) != WithSlash(exceptFolder))
    return QCoreApplication::translate("Users", "There is already a user called \"%1\". Please give this user another name.").arg(same->name);
  return {};
}

QString MakeUser(const QString& workFolder, const QString& name, User* made) {
  const QString refused = CheckName(name, ListUsers(workFolder));
  if (!refused.isEmpty()) return refused;
  const QString normal = NormalisedName(name);
  const QString base = UsersFolder(workFolder);
  const QString folder = base + SafeFolderName(normal) + QLatin1Char('/');
  if (QFileInfo::exists(QDir::cleanPath(folder)))
    return QCoreApplication::translate("Users", "The folder %1 is already there; Brushwell leaves it as it is and makes no user.").arg(folder);
  if (!QDir().mkpath(base)) return QCoreApplication::translate("Users", "The folder %1 could not be made.").arg(base);
  ClearCutShortChanges(base);

  // Made under a hidden name, named last: a user is there whole or not at all.
  const QString draft = base + MakingPrefix + QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char('/');
  if (!QDir().mkdir(draft)) return QCoreApplication::translate("Users", "The folder %1 could not be made.").arg(draft);
  QString why;
  for (const QString& file : {settings::SettingsFileName, settings::FolderFileName, settings::OptionsFileName}) {
    const QString from = WithSlash(workFolder) + file;
    if (!QFileInfo(from).isFile()) continue;
    why = CopyVerified(from, draft + file);
    if (!why.isEmpty()) {
      why = QCoreApplication::translate("Users", "%1 could not be copied for the new user (%2).").arg(file, why);
      break;
    }
  }
  if (why.isEmpty()) {
    const QString written = WriteUserFile(draft, normal, {});
    if (!written.isEmpty()) why = QCoreApplication::translate("Users", "%1 could not be written (%2).").arg(draft + UserFileName, written);
  }
  if (why.isEmpty() && !QDir().rename(QDir::cleanPath(draft), QDir::cleanPath(folder)))
    why = QCoreApplication::translate("Users", "The folder %1 could not be made.").arg(folder);
  if (!why.isEmpty()) {
    QDir(draft).removeRecursively();
    return why + QLatin1Char('\n') + QCoreApplication::translate("Users", "No user was made.");
  }
  if (made) *made = User{normal, folder, {}};
  return {};
}

QString RenameUser(const QString& workFolder, const User& user, const QString& newName, User* renamed) {
  const QString refused = CheckName(newName, ListUsers(workFolder), user.folder);
  if (!refused.isEmpty()) return refused;
  if (!IsUsersOwnFolder(workFolder, user.folder))
    return QCoreApplication::translate("Users", "The folder %1 is not one of the users' folders any more; nothing was renamed.").arg(user.folder);
  const QString normal = NormalisedName(newName);
  const QString folder = UsersFolder(workFolder) + SafeFolderName(normal) + QLatin1Char('/');
  const QString from = WithSlash(user.folder);
  const bool moves = QDir::cleanPath(folder) != QDir::cleanPath(from);
  if (moves && QFileInfo::exists(QDir::cleanPath(folder)))
    return QCoreApplication::translate("Users", "The folder %1 is already there; the user keeps the name \"%2\".").arg(folder, user.name);
  // One rename of the whole folder: its files go with it or stay.
  if (moves && !QDir().rename(QDir::cleanPath(from), QDir::cleanPath(folder)))
    return QCoreApplication::translate("Users", "The folder %1 could not be renamed; the user keeps the name \"%2\".").arg(from, user.name);
  const QString picture = user.picture.isEmpty() ? QString() : folder + QFileInfo(user.picture).fileName();
  const QString why = WriteUserFile(folder, normal, picture);
  if (!why.isEmpty()) {
    if (moves) QDir().rename(QDir::cleanPath(folder), QDir::cleanPath(from));
    return QCoreApplication::translate("Users", "The new name could not be written (%1); the user keeps the name \"%2\".").arg(why, user.name);
  }
  if (renamed) *renamed = User{normal, folder, picture};
  return {};
}

QString RemoveUser(const QString& workFolder, const User& user) {
  if (!IsUsersOwnFolder(workFolder, user.folder))
    return QCoreApplication::translate("Users", "The folder %1 is not one of the users' folders any more; nothing was removed.").arg(user.folder);
  // Moved aside first, so that a removal cut short leaves no half user.
  ClearCutShortChanges(UsersFolder(workFolder));
  const QString aside = UsersFolder(workFolder) + RemovingPrefix + QUuid::createUuid().toString(QUuid::Id128);
  if (!QDir().rename(QDir::cleanPath(user.folder), aside))
    return QCoreApplication::translate("Users", "The folder %1 could not be removed; nothing was removed.").arg(user.folder);
  if (!QDir(aside).removeRecursively())
    return QCoreApplication::translate("Users", "Some files of the removed user could not be deleted; they are in %1.").arg(aside);
  return {};
}

QString SetUserPicture(const User& user, const QString& imageFile, User* updated) {
  QImageReader reader(imageFile);
  reader.setAutoTransform(true);
  const QSize size = reader.size();
  if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > 100'000'000)
    return QCoreApplication::translate("Users", "The picture %1 is too large (%2 x %3 pixels).").arg(imageFile).arg(size.width()).arg(size.height());
  const QImage image = reader.read();
  if (image.isNull()) return QCoreApplication::translate("Users", "%1 could not be read as a picture (%2).").arg(imageFile, reader.errorString());
  const QImage small = image.scaled(128, 128, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!small.save(&buffer, "PNG")) return QCoreApplication::translate("Users", "The picture could not be prepared.");
  const QString folder = WithSlash(user.folder);
  QString why = platform::WriteFileVerified(folder + UserPictureName, png);
  if (why.isEmpty()) why = WriteUserFile(folder, user.name, folder + UserPictureName);
  if (!why.isEmpty()) return QCoreApplication::translate("Users", "The picture could not be saved in %1 (%2).").arg(folder, why);
  if (updated) *updated = User{user.name, folder, folder + UserPictureName};
  return {};
}

}  // namespace users
