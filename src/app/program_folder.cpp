#include "app/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <unistd.h>

#include "platform/host.h"
#include "platform/safe_file.h"
#include "platform/screen_language.h"
#include "settings/options_file.h"

#ifndef BRUSHWELL_DATA_FROM_BIN
#define BRUSHWELL_DATA_FROM_BIN "../share/brushwell"
#endif

namespace app {

namespace {

QString WithSlash(const QString& folder) {
  QString f = QDir::cleanPath(folder);
  if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
  return f;
}

bool HoldsData(const QString& folder) { return QFileInfo::exists(folder + QStringLiteral("aobj_se1.cfg")); }

// The files each user keeps a copy of, because the program writes them or
// the carer edits them.
bool IsUsersOwn(const QString& name) {
  static const QRegularExpression own(QStringLiteral("^(aobj_se[12]\\.cfg|brushwell\\.ini|pictures_\\d+\\.pcf)$"));
  return own.match(name).hasMatch();
}

bool Writable(const QString& folder) { return ::access(QFile::encodeName(folder).constData(), W_OK) == 0; }

// The data folders a user folder has been linked to, one a line, so that its
// links can be told from the user's own when the data folder moves.
const QString DataFoldersRecord = QStringLiteral(".data_folders");

QStringList RecordedDataFolders(const QDir& user) {
  QFile record(user.filePath(DataFoldersRecord));
  if (!record.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A link the program made is named like its target, and that target lies
// in a data folder: the one in use, one this user folder was linked to
// before, or the share/brushwell folder of any installation (links made
// before the record was kept). A user's own link to a picture elsewhere is
// none of these and is never touched.
bool IsProgramLink(const QFileInfo& link, const QString& dataPath, const QStringList& formerData) {
  const QFileInfo target(QDir::cleanPath(link.symLinkTarget()));
  if (target.fileName() != link.fileName()) return false;
  const QString folder = WithSlash(target.path());
  return folder == dataPath || formerData.contains(folder) || folder.endsWith(QStringLiteral("/share/brushwell/"));
}

// Whether a link of the program's still leads to the file of that name in
// the data folder in use.
bool LeadsIntoDataFolder(const QFileInfo& link, const QString& dataPath) {
  if (!link.exists()) return false;
  const QFileInfo target(QDir::cleanPath(link.symLinkTarget()));
  return WithSlash(QFileInfo(target.path()).canonicalFilePath()) == dataPath;
}

}  // namespace

ProgramFolderPlan PlanProgramFolder(const QString& executableFolder, const QString& installedData,
                                    const QString& userDataHome, bool (*writable)(const QString& folder)) {
  const QString exe = WithSlash(executableFolder);
  QString data = exe;
  if (!HoldsData(exe) && !installedData.isEmpty() && HoldsData(WithSlash(installedData))) data = WithSlash(installedData);
  if (data == exe && writable(exe)) return {data, exe, false};
  return {data, WithSlash(userDataHome + QStringLiteral("/brushwell")), true};
}

QStringList PrepareUserFolder(const QString& userFolder, const QString& dataFolder) {
  QStringList problems;
  const QDir user(userFolder);
  if (!QDir().mkpath(userFolder)) {
    problems << QCoreApplication::translate("ProgramFolder", "The folder %1 for your own settings and lists could not be made.").arg(userFolder);
    return problems;
  }
  const QDir data(dataFolder);
  const QString dataPath = WithSlash(data.canonicalPath());
  // Links into a data folder that has moved (installed again elsewhere, a
  // stick mounted under another name) or whose file has gone are made anew
  // below, or dropped with the file.
  QStringList formerData = RecordedDataFolders(user);
  for (const QFileInfo& entry :
       user.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden)) {
    if (entry.isSymLink() && IsProgramLink(entry, dataPath, formerData) && !LeadsIntoDataFolder(entry, dataPath) &&
        !QFile::remove(entry.absoluteFilePath()))
      problems << QCoreApplication::translate("ProgramFolder", "The old link %1 could not be replaced.").arg(entry.absoluteFilePath());
  }
  if (!formerData.contains(dataPath)) {
    formerData << dataPath;
    const QString why = platform::WriteFileVerified(user.filePath(DataFoldersRecord), formerData.join(QLatin1Char('\n')).toUtf8() + '\n');
    if (!why.isEmpty()) problems << QCoreApplication::translate("ProgramFolder", "%1 could not be written (%2).").arg(user.filePath(DataFoldersRecord), why);
  }
  // Files, and folders such as voices/, which are linked whole.
  for (const QFileInfo& shipped : data.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QString name = shipped.fileName();
    const QFileInfo mine(user.filePath(name));
    if (mine.exists() || mine.isSymLink()) continue;
    const QString source = dataPath + name;
    if (IsUsersOwn(name)) {
      QFile::copy(source, mine.filePath());
      // An installed file is read-only; the user's copy must be writable.
      if (!QFile::setPermissions(mine.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther))
        problems << QCoreApplication::translate("ProgramFolder", "%1 could not be copied into %2.").arg(name, userFolder);
    } else if (!QFile::link(source, mine.filePath())) {
      problems << QCoreApplication::translate("ProgramFolder", "%1 could not be linked into %2.").arg(name, userFolder);
    }
  }
  return problems;
}

QString ProgramFolder() {
  const QString exe = QCoreApplication::applicationDirPath();
  const QString installed = exe + QStringLiteral("/" BRUSHWELL_DATA_FROM_BIN);
  const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const ProgramFolderPlan plan = PlanProgramFolder(exe, installed, home, Writable);
  if (!plan.perUser) return plan.workFolder;

  const QStringList problems = PrepareUserFolder(plan.workFolder, plan.dataFolder);
  if (problems.isEmpty()) return plan.workFolder;
  const bool usable = QFileInfo(plan.workFolder).isDir();
  platform::message(problems.join(QLatin1Char('\n')) +
                        (usable ? QString()
                                : QCoreApplication::translate("ProgramFolder", "\nBrushwell runs from %1, where your settings cannot be saved.")
                                      .arg(plan.dataFolder)),
                    platform::MessageIcon::Exclamation);
  return usable ? plan.workFolder : plan.dataFolder;
}

QStringList TranslationFolders(const QString& folder) {
  const QString exe = QCoreApplication::applicationDirPath();
  return {folder, exe, exe + QStringLiteral("/" BRUSHWELL_DATA_FROM_BIN)};
}

void UseChosenScreenLanguage(const QString& folder) {
  QStringList ignored;
  const settings::DisplayOptions display =
      settings::ReadDisplayOptions(QDir(folder).filePath(settings::OptionsFileName), ignored);
  platform::UseScreenLanguage(display.Language, TranslationFolders(folder));
}

}  // namespace app
