#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <optional>
#include <cmath>
#include <cstdio>
#include <functional>

#include "platform/host.h"
#include "platform/safe_file.h"

namespace settings {

QByteArray FormatInteger(int16_t value) {
  QByteArray out = QByteArray::number(value);
  if (value >= 0) out.prepend(' ');
  out.append(' ');
  return out;
}

QByteArray FormatDouble(double value) {
  if (!std::isfinite(value)) value = 0;
  char buf[64];
  // General form, at most 15 significant digits, exponent with a sign and at
  // least two digits for very small or very large values.
  std::snprintf(buf, sizeof buf, "%.15G", value);
  QByteArray text(buf);
  if (text.startsWith("0.")) text.remove(0, 1);        // 0.25 -> .25
  else if (text.startsWith("-0.")) text.remove(1, 1);  // -0.25 -> -.25
  if (!text.startsWith('-')) text.prepend(' ');
  text.append(' ');
  return text;
}

namespace {

enum class Kind { Integer, Double, Folder };

struct Field {
  const char* label;  // the carer's name for the setting
  Kind kind;
  int lo, hi;         // accepted range for integers (and the double)
  std::function<int16_t&(SettingsData&)> integer;
  std::function<double&(SettingsData&)> real;
  std::function<QString&(SettingsData&)> text;
};

Field intField(const char* label, int lo, int hi, int16_t SettingsData::*member) {
  return {label, Kind::Integer, lo, hi, [member](SettingsData& d) -> int16_t& { return d.*member; }, {}, {}};
}

const std::vector<Field>& fields() {
  static const std::vector<Field> list = [] {
    std::vector<Field> f;
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "input device"), 1, 6, &SettingsData::InputDevice));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "reserved value"), INT16_MIN, INT16_MAX, &SettingsData::ReservedLine2));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "sound option"), INT16_MIN, INT16_MAX, &SettingsData::SoundOption));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "press reminder seconds"), 0, 3600, &SettingsData::PressReminderSeconds));
    f.push_back({QT_TRANSLATE_NOOP("SettingsFile", "animation speed"), Kind::Double, 0, 700000, {},
                 [](SettingsData& d) -> double& { return d.AnimationDelay; }, {}});
    f.push_back({QT_TRANSLATE_NOOP("SettingsFile", "text folder"), Kind::Folder, 0, 0, {}, {},
                 [](SettingsData& d) -> QString& { return d.TextFolder; }});
    f.push_back({QT_TRANSLATE_NOOP("SettingsFile", "media folder"), Kind::Folder, 0, 0, {}, {},
                 [](SettingsData& d) -> QString& { return d.MediaFolder; }});
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "reserved value"), INT16_MIN, INT16_MAX, &SettingsData::ReservedLine8));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "timed scanning seconds"), 1, 20, &SettingsData::ScanSeconds));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "current picture"), 1, INT16_MAX, &SettingsData::CurrentPictureIndex));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "current song"), 1, INT16_MAX, &SettingsData::CurrentSongIndex));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "reserved value"), INT16_MIN, INT16_MAX, &SettingsData::ReservedLine12));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "reserved value"), INT16_MIN, INT16_MAX, &SettingsData::ReservedLine13));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "reserved value"), INT16_MIN, INT16_MAX, &SettingsData::ReservedLine14));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "feedback option"), 1, 3, &SettingsData::FeedbackOption));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "switch wait mode"), INT16_MIN, INT16_MAX, &SettingsData::SwitchWaitMode));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "coloring style"), 0, 6, &SettingsData::ColoringStyle));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "scanning type"), 1, 4, &SettingsData::ScanType));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "step scanning seconds"), 1, 20, &SettingsData::ScanSpeed));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "random colors"), 0, 1, &SettingsData::RandomTubes));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "number of random tubes"), 2, 10, &SettingsData::RandomTubeCount));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "print option"), 1, 2, &SettingsData::PrintOption));
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "pointer type"), 1, 3, &SettingsData::PointerType));
    for (int c = 1; c <= 10; ++c) {
      f.push_back({QT_TRANSLATE_NOOP("SettingsFile", "color choice"), Kind::Integer, 0, 1,
                   [c](SettingsData& d) -> int16_t& { return d.ColorEnabled[c]; }, {}, {}});
    }
    f.push_back(intField(QT_TRANSLATE_NOOP("SettingsFile", "active picture list"), 1, 15, &SettingsData::ActivePictureList));
    return f;
  }();
  return list;
}

// Reads the file as delimited fields (a comma or a line end ends a field,
// blanks around a field are skipped, a field in double quotes ends at the next
// quote) and as whole lines, the way the settings file is laid out.
class FieldReader {
public:
  explicit FieldReader(QByteArray data) : data_(std::move(data)) {}

  bool atEnd() const { return pos_ >= data_.size(); }
  int line() const { return line_; }

  // One delimited field; false at the end of the file.
  bool field(QByteArray& out) {
    out.clear();
    skipBlanks();
    if (atEnd()) return false;
    fieldLine_ = line_;
    if (data_[pos_] == '"') {
      ++pos_;
      while (!atEnd() && data_[pos_] != '"') {
        if (data_[pos_] == '\n') ++line_;
        out.append(data_[pos_++]);
      }
      if (!atEnd()) ++pos_;  // closing quote
      // Anything up to the delimiter is dropped.
      while (!atEnd() && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') ++pos_;
    } else {
      while (!atEnd() && data_[pos_] != ',' && data_[pos_] != '\r' && data_[pos_] != '\n') out.append(data_[pos_++]);
      out = out.trimmed();
    }
    endDelimiter();
    return true;
  }

  // The rest of the current line, as it stands; false at the end of the file.
  bool wholeLine(QByteArray& out) {
    out.clear();
    if (atEnd()) return false;
    fieldLine_ = line_;
    while (!atEnd() && data_[pos_] != '\r' && data_[pos_] != '\n') out.append(data_[pos_++]);
    endLine();
    return true;
  }

  int fieldLine() const { return fieldLine_; }

private:
  void skipBlanks() {
    while (!atEnd() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
  }
  void endDelimiter() {
    skipBlanks();
    if (atEnd()) return;
    if (data_[pos_] == ',') { ++pos_; return; }
    endLine();
  }
  void endLine() {
    if (atEnd()) return;
    if (data_[pos_] == '\r') {
      ++pos_;
      if (!atEnd() && data_[pos_] == '\n') ++pos_;
      ++line_;
    } else if (data_[pos_] == '\n') {
      ++pos_;
      ++line_;
    }
  }

  QByteArray data_;
  qsizetype pos_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;
};

bool parseNumber(const QByteArray& text, double& value) {
  bool ok = false;
  value = text.toDouble(&ok);  // plain or exponent form, point as separator
  return ok && std::isfinite(value);
}

QString quoteForMessage(const QByteArray& raw) {
  QString s = QString::fromUtf8(raw);
  if (s.size() > 20) s = s.left(20) + QStringLiteral("...");
  return QStringLiteral("\"%1\"").arg(s);
}

}  // namespace

QString SingleLine(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

QByteArray SettingsFileImage(const SettingsData& record) {
  SettingsData d = record;
  QByteArray out;
  for (const Field& f : fields()) {
    switch (f.kind) {
      case Kind::Integer: out += FormatInteger(f.integer(d)); break;
      case Kind::Double: out += FormatDouble(f.real(d)); break;
      case Kind::Folder: out += f.text(d).toUtf8(); break;
    }
    out += "\r\n";
  }
  for (int n = 1; n <= 15; ++n) out += SingleLine(d.PictureListDescription[n]).toUtf8() + "\r\n";
  return out;
}

SettingsFileRead ReadSettingsFiles(const QString& folder, const QString& programFolder, SettingsData& record,
                                   QStringList& problems) {
  const SettingsData standard = DefaultSettings();
  record = standard;
  SettingsFileRead outcome = SettingsFileRead::Read;

  QFile file(QDir(folder).filePath(SettingsFileName));
  QByteArray image;
  QString unreadable;
  if (!file.exists()) {
    outcome = SettingsFileRead::Missing;
  } else if (QFileInfo(file).isDir()) {
    unreadable = QCoreApplication::translate("SettingsFile", "it is a folder, not a file");
  } else if (!file.open(QIODevice::ReadOnly)) {
    unreadable = file.errorString();
  } else {
    image = file.readAll();
    if (file.error() != QFileDevice::NoError) unreadable = file.errorString();
    file.close();
  }
  if (!unreadable.isEmpty()) outcome = SettingsFileRead::Unreadable;

  if (outcome == SettingsFileRead::Missing) {
    problems << QCoreApplication::translate("SettingsFile", "The settings file %1 was not found; the standard settings are used.").arg(SettingsFileName);
  } else if (outcome == SettingsFileRead::Unreadable) {
    problems << QCoreApplication::translate("SettingsFile", "The settings file %1 could not be read (%2); the standard settings are used.")
                    .arg(SettingsFileName, unreadable);
  } else {
    FieldReader reader(image);
    int fieldNo = 0;
    bool shortFile = false;
    for (const Field& f : fields()) {
      ++fieldNo;
      QByteArray raw;
      // The folder lines are read whole: a folder may hold a comma, and they
      // are replaced by the program folder anyway.
      const bool read = f.kind == Kind::Folder ? reader.wholeLine(raw) : reader.field(raw);
      if (!read) {
        shortFile = true;
        problems << QCoreApplication::translate("SettingsFile", "%1 ends before line %2; the settings from there on have their standard values.")
                        .arg(SettingsFileName).arg(fieldNo);
        break;
      }
      const int line = reader.fieldLine();
      SettingsData& d = record;
      if (f.kind == Kind::Folder) {
        f.text(d) = QString::fromUtf8(raw);
        continue;
      }
      double value = 0;
      if (!parseNumber(raw, value)) {
        problems << QCoreApplication::translate("SettingsFile", "Line %1 of %2 (%3) is not a number; the %4 keeps its standard value.")
                        .arg(line).arg(SettingsFileName, quoteForMessage(raw), QCoreApplication::translate("SettingsFile", f.label));
        continue;
      }
      if (f.kind == Kind::Double) {
        if (value < f.lo || value > f.hi) {
          problems << QCoreApplication::translate("SettingsFile", "Line %1 of %2 holds %3, outside the %4 range %5 to %6; the speed will be calibrated again.")
                          .arg(line).arg(SettingsFileName, QString::fromUtf8(raw.trimmed()), QCoreApplication::translate("SettingsFile", f.label))
                          .arg(f.lo).arg(f.hi);
          f.real(d) = 0;
        } else {
          f.real(d) = value;
        }
        continue;
      }
      const double whole = std::round(value);
      if (whole < f.lo || whole > f.hi || whole != value) {
        SettingsData fallback = standard;
        problems << QCoreApplication::translate("SettingsFile", "Line %1 of %2 holds %3, which is not a valid %4 (%5 to %6); %7 is used.")
                        .arg(line).arg(SettingsFileName, QString::fromUtf8(raw.trimmed()), QCoreApplication::translate("SettingsFile", f.label))
                        .arg(f.lo).arg(f.hi).arg(f.integer(fallback));
        continue;
      }
      f.integer(d) = static_cast<int16_t>(whole);
    }
    if (!shortFile) {
      for (int n = 1; n <= 15; ++n) {
        QByteArray raw;
        if (!reader.wholeLine(raw)) {
          problems << QCoreApplication::translate("SettingsFile", "%1 ends before line %2; the descriptions of picture lists %3 to 15 are empty.")
                          .arg(SettingsFileName).arg(34 + n).arg(n);
          break;
        }
        record.PictureListDescription[n] = QString::fromUtf8(raw);
      }
    }
  }

  // aobj_se2.cfg names the same two folders, which are replaced by the
  // program folder below: whether it is there or not changes nothing, so it
  // is neither read nor reported.

  QString program = programFolder;
  if (!program.endsWith(QLatin1Char('/'))) program += QLatin1Char('/');
  record.TextFolder = program;
  record.MediaFolder = program;
  return outcome;
}

QString WriteSettingsFile(const QString& folder, const SettingsData& record) {
  const QString path = QDir(folder).filePath(SettingsFileName);
  // Replacing the file would also make it writable again.
  if (platform::IsReadOnlyFile(path)) return QCoreApplication::translate("SettingsFile", "the file is read-only, the settings are locked");
  return platform::WriteFileVerified(path, SettingsFileImage(record));
}

QString SettingsProblemMessage(const QStringList& problems) {
  if (problems.isEmpty()) return {};
  constexpr int shown = 8;
  QString text = QCoreApplication::translate("SettingsFile", "Brushwell found a problem in its settings and used standard values where needed:\n\n");
  for (int i = 0; i < problems.size() && i < shown; ++i) text += QStringLiteral("- ") + problems[i] + QLatin1Char('\n');
  if (problems.size() > shown) text += QCoreApplication::translate("SettingsFile", "- and %1 more.\n").arg(problems.size() - shown);
  text += QCoreApplication::translate("SettingsFile", "\nCheck the settings screens. The settings file is written again when you leave with \"Exit\".");
  return text;
}

namespace {

// The descriptions as this process last read or wrote them, and the file.
struct DescriptionsOnFile {
  QString file;
  std::array<QString, 16> text;
};
std::optional<DescriptionsOnFile> LastSeen;
// Why the file is kept, and which file (the current folder's at loading).
SettingsKept Kept = SettingsKept::No;
QString KeptFile;

QString ChosenFilesFolder;

QString SettingsFilePath() { return FilesFolder() + SettingsFileName; }

void Keep(SettingsKept why) {
  Kept = why;
  KeptFile = SettingsFilePath();
}

void RememberDescriptions() { LastSeen = DescriptionsOnFile{SettingsFilePath(), SettingsRecord.PictureListDescription}; }

}  // namespace

QString FilesFolder() {
  const QString folder = ChosenFilesFolder.isEmpty() ? QDir::currentPath() : ChosenFilesFolder;
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

void SetFilesFolder(const QString& folder) { ChosenFilesFolder = folder; }

void MoveFilesFolder(const QString& folder) {
  const QString old = SettingsFilePath();
  SetFilesFolder(folder);
  if (KeptFile == old) KeptFile = SettingsFilePath();
  if (LastSeen && LastSeen->file == old) LastSeen->file = SettingsFilePath();
}

std::vector<int> TakeOutsideDescriptionChanges() {
  std::vector<int> taken;
  if (!LastSeen || LastSeen->file != SettingsFilePath() || !QFileInfo::exists(LastSeen->file)) return taken;
  SettingsData onDisk;
  QStringList problems;
  ReadSettingsFiles(FilesFolder(), QDir::currentPath(), onDisk, problems);
  if (!problems.isEmpty()) return taken;
  for (int n = 1; n <= 15; ++n) {
    QString& seen = LastSeen->text[n];
    if (onDisk.PictureListDescription[n] == seen) continue;
    if (SettingsRecord.PictureListDescription[n] == seen) {
      SettingsRecord.PictureListDescription[n] = onDisk.PictureListDescription[n];
      taken.push_back(n);
    }
    seen = onDisk.PictureListDescription[n];
  }
  return taken;
}

void LoadSettings() {
  QStringList problems;
  const QString here = FilesFolder();
  // A save cut short by a crash or a kill left its temporary file.
  platform::RemoveStaleSavingFiles(here);
  const SettingsFileRead read = ReadSettingsFiles(here, QDir::currentPath(), SettingsRecord, problems);
  RememberDescriptions();
  Keep(SettingsKept::No);
  if (read == SettingsFileRead::Unreadable) {
    Keep(SettingsKept::Unreadable);
    platform::message(problems.value(0) +
                          QCoreApplication::translate("SettingsFile", "\nBrushwell leaves %1 as it is and will not save over it. Make it "
                                         "readable again (or ask who set up this computer), then start Brushwell "
                                         "again.")
                              .arg(SettingsFilePath()),
                      platform::MessageIcon::Exclamation);
    return;
  }
  if (read == SettingsFileRead::Read && platform::IsReadOnlyFile(SettingsFilePath())) Keep(SettingsKept::Locked);
  const QString text = SettingsProblemMessage(problems);
  if (!text.isEmpty()) platform::message(text, platform::MessageIcon::Exclamation);
}

SettingsKept SettingsKeptAsTheyAre() { return KeptFile == SettingsFilePath() ? Kept : SettingsKept::No; }

QString SettingsKeptMessage() {
  switch (SettingsKeptAsTheyAre()) {
    case SettingsKept::No: return {};
    case SettingsKept::Unreadable:
      return QCoreApplication::translate("SettingsFile", "The settings were not saved: the settings file %1 could not be read when Brushwell "
                            "started, so it is left as it was.")
          .arg(SettingsFilePath());
    case SettingsKept::Locked:
      return QCoreApplication::translate("SettingsFile", "The settings are locked: the settings file %1 is read-only, so changes made since "
                            "Brushwell started were not saved.")
          .arg(SettingsFilePath());
  }
  return {};
}

void SaveSettings() {
  // A file made read-only while the program runs is a lock as well.
  if (SettingsKeptAsTheyAre() == SettingsKept::No && platform::IsReadOnlyFile(SettingsFilePath()))
    Keep(SettingsKept::Locked);
  if (SettingsKeptAsTheyAre() != SettingsKept::No) return;
  TakeOutsideDescriptionChanges();
  const QString why = WriteSettingsFile(FilesFolder(), SettingsRecord);
  if (why.isEmpty()) RememberDescriptions();
  if (!why.isEmpty()) {
    platform::message(QCoreApplication::translate("SettingsFile", "The settings could not be saved to %1 (%2).\nThe file on disk was left as it was.")
                          .arg(SettingsFilePath(), why),
                      platform::MessageIcon::Exclamation);
  }
}

}  // namespace settings
