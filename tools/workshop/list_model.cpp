#include "list_model.h"

#include "pictures/picture_list.h"
#include "platform/safe_file.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace workshop {
namespace {

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

}  // namespace

QString ListEntry::caption() const {
  if (!heading()) return text;
  QString c = text;
  while (!c.isEmpty() && (c.front() == QLatin1Char('-') || c.front().isSpace())) c.remove(0, 1);
  while (!c.isEmpty() && (c.back() == QLatin1Char('-') || c.back().isSpace())) c.chop(1);
  return c;
}

ListEntries ParseListEntries(const QByteArray& bytes) {
  ListEntries out;
  for (const QString& field : pictures::SplitListFields(pictures::DecodeListText(bytes)))
    if (!field.isEmpty()) out.push_back({field});
  return out;
}

QByteArray ListFileImage(const ListEntries& entries) {
  QByteArray out;
  for (const ListEntry& e : entries) {
    QString line = e.text;
    line.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')).remove(QLatin1Char('"'));
    const bool quote = line.contains(QLatin1Char(',')) || (!line.isEmpty() && (IsBlank(line.front()) || IsBlank(line.back())));
    if (quote) line = QLatin1Char('"') + line + QLatin1Char('"');
    out += line.toUtf8() + "\r\n";
  }
  return out;
}

QString NameProblem(const QString& name) {
  if (name.trimmed().isEmpty()) return QCoreApplication::translate("ListModel", "a picture needs a name");
  if (name.startsWith(QLatin1Char('-'))) return QCoreApplication::translate("ListModel", "a name that begins with \"-\" is skipped by Brushwell");
  if (name.contains(QLatin1Char('"'))) return QCoreApplication::translate("ListModel", "a name with a double quote cannot stand in a list");
  if (name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r'))) return QCoreApplication::translate("ListModel", "a name must be one line");
  return {};
}

ListEntry Heading(const QString& caption) {
  QString text = caption.simplified();
  text.remove(QLatin1Char('"'));
  return {QStringLiteral("-- ") + text + QStringLiteral(" --")};
}

ListEntries ReadList(const QString& folder, int n, QString* problem) {
  QFile file(QDir(folder).filePath(pictures::PictureListFileName(n)));
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    if (problem) *problem = QCoreApplication::translate("ListModel", "%1 cannot be read (%2).").arg(file.fileName(), file.errorString());
    return {};
  }
  return ParseListEntries(file.readAll());
}

QString WriteList(const QString& folder, int n, const ListEntries& entries) {
  return platform::WriteFileVerified(QDir(folder).filePath(pictures::PictureListFileName(n)), ListFileImage(entries));
}

std::vector<int> MissingPictures(const QString& folder, const ListEntries& entries) {
  std::vector<int> out;
  const QDir dir(folder);
  for (size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].heading() && !QFileInfo(dir.filePath(entries[i].text)).isFile()) out.push_back(static_cast<int>(i));
  return out;
}

QStringList FolderPictures(const QString& folder) {
  QStringList out;
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"),
                                           QStringLiteral("*.png"), QStringLiteral("*.gif")},
                                          QDir::Files, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    if (name.startsWith(QStringLiteral("aobj_")) || !NameProblem(name).isEmpty()) continue;
    QImageReader reader(dir.filePath(name));
    if (reader.size() == QSize(400, 400)) out << name;
  }
  return out;
}

QString ReadDescriptions(const QString& folder, Descriptions& out) {
  settings::SettingsData record;
  QStringList problems;
  if (!QFileInfo::exists(QDir(folder).filePath(settings::SettingsFileName))) {
    return QCoreApplication::translate("ListModel", "The settings file %1 is missing from %2.").arg(settings::SettingsFileName, folder);
  }
  settings::ReadSettingsFiles(folder, folder, record, problems);
  for (int n = 1; n <= ListCount; ++n) out[n] = record.PictureListDescription[n];
  if (!problems.isEmpty()) return settings::SettingsProblemMessage(problems);
  return {};
}

QString SaveDescriptions(const QString& folder, const Descriptions& before, const Descriptions& after) {
  settings::SettingsData record;
  QStringList problems;
  settings::ReadSettingsFiles(folder, folder, record, problems);
  if (!problems.isEmpty() || !QFileInfo::exists(QDir(folder).filePath(settings::SettingsFileName))) {
    // Writing now would put standard values in place of what could not be read.
    return QCoreApplication::translate("ListModel", "The settings file %1 is damaged or missing, so the descriptions were not saved. Start "
                          "Brushwell once and leave it with \"Exit\": it repairs the file.")
        .arg(QDir(folder).filePath(settings::SettingsFileName));
  }
  bool changed = false;
  for (int n = 1; n <= ListCount; ++n) {
    if (after[n] == before[n]) continue;
    record.PictureListDescription[n] = settings::SingleLine(after[n]);
    changed = true;
  }
  if (!changed) return {};
  return settings::WriteSettingsFile(folder, record);
}

}  // namespace workshop
