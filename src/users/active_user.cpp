#include "users/active_user.h"

#include <QDir>
#include <QFileInfo>

#include "settings/settings_file.h"

namespace users {

namespace {
QString activeName;
QString activeFolder;
}  // namespace

QString ActiveUserName() { return activeName; }

QString ActiveFolder() {
  if (activeName.isEmpty() || activeFolder.isEmpty()) return QDir::currentPath() + QLatin1Char('/');
  return activeFolder.endsWith(QLatin1Char('/')) ? activeFolder : activeFolder + QLatin1Char('/');
}

void SetActiveUser(const QString& name, const QString& folder) {
  activeName = name;
  activeFolder = name.isEmpty() ? QString() : folder;
  // The settings files are the chosen user's from now on.
  settings::SetFilesFolder(activeFolder);
}

QString OwnOrShared(const QString& fileName) {
  if (activeName.isEmpty()) return fileName;
  const QString own = ActiveFolder() + fileName;
  return QFileInfo(own).isFile() ? own : fileName;
}

}  // namespace users
