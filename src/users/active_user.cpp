#include "users/active_user.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>

#include "platform/host.h"
#include "platform/safe_file.h"
#include "settings/options_file.h"
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

QString RememberActiveUser(const QString& workFolder) {
  const QString path = QDir(workFolder).filePath(settings::OptionsFileName);
  if (settings::ReadChosenUser(path) == activeName || platform::IsReadOnlyFile(path)) return {};
  return settings::WriteChosenUser(path, activeName);
}

void TellNotRemembered(const QString& workFolder, const QString& why) {
  if (why.isEmpty()) return;
  const QString path = QDir(workFolder).filePath(settings::OptionsFileName);
  platform::message(QCoreApplication::translate("Users", "Brushwell could not note in %1 who is colouring (%2).\nThe next "
                                                         "start may begin with the user noted before: check \"User\" on "
                                                         "the main menu then.")
                        .arg(path, why),
                    platform::MessageIcon::Exclamation);
}

QString OwnOrShared(const QString& fileName) {
  if (activeName.isEmpty()) return fileName;
  const QString own = ActiveFolder() + fileName;
  return QFileInfo(own).isFile() ? own : fileName;
}

}  // namespace users
