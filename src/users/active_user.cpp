#include "users/active_user.h"

#include <QDir>

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
}

}  // namespace users
