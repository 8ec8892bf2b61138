#include "settings/options_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>

#include "platform/host.h"
#include "platform/screen_language.h"
#include "platform/safe_file.h"
#include "settings/settings_file.h"

namespace settings {

SwitchOptions SwitchOptionsRecord;
VoiceOptions VoiceOptionsRecord;
DisplayOptions DisplayOptionsRecord;
SessionOptions SessionOptionsRecord;
CameraOptions CameraOptionsRecord;

namespace {

const QString Group = QStringLiteral("switch");

struct Number {
  const char* key;
  double lo, hi;
  bool whole;
};

// The value of a key as one string: an unquoted value with commas reaches
// QSettings as a list, which is joined again.
QString text(const QSettings& ini, const QString& key) {
  const QVariant v = ini.value(key);
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
  return v.toString().trimmed();
}

// Reads a number into `out` when it is present, a number and in range.
template <typename T>
void readNumber(const QSettings& ini, const Number& n, T& out, QStringList& problems) {
  const QString key = QString::fromLatin1(n.key);
  if (!ini.contains(key)) return;
  const QString raw = text(ini, key);
  bool ok = false;
  const double value = raw.toDouble(&ok);
  const QString standard = QString::number(out);
  if (!ok || (n.whole && value != static_cast<long long>(value))) {
    problems << (n.whole ? QCoreApplication::translate("OptionsFile", "%1 is \"%2\", which is not a whole number; %3 is used.")
                         : QCoreApplication::translate("OptionsFile", "%1 is \"%2\", which is not a number; %3 is used."))
                    .arg(key, raw.left(20), standard);
  } else if (value < n.lo || value > n.hi) {
    problems << QCoreApplication::translate("OptionsFile", "%1 is %2, outside %3 to %4; %5 is used.")
                    .arg(key, raw).arg(n.lo).arg(n.hi).arg(standard);
  } else {
    out = static_cast<T>(value);
  }
}

// Why the file at `path` is no text file (binary garbage, a file saved as
// UTF-16), or "". QSettings reads such bytes without complaint as odd keys
// nobody looks for, so the carer would never hear of it; the keys it does
// find are still checked and used as usual.
QString NotText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.read(1 << 20);
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<uchar>(bytes[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
      return QCoreApplication::translate("OptionsFile", "The file is damaged: it is not plain text (byte %1 is the control code %2). What could "
                            "be read of it is used.")
          .arg(i + 1)
          .arg(c);
  }
  return {};
}

}  // namespace

SwitchOptions ReadSwitchOptions(const QString& path, QStringList& problems) {
  SwitchOptions o;
  if (!QFile::exists(path)) return o;
  // In a file of binary garbage the odd keys are the damage itself: they
  // are not named one by one.
  const QString damage = NotText(path);
  QSettings ini(path, QSettings::IniFormat);
  if (!damage.isEmpty())
    problems << damage;
  else if (ini.status() == QSettings::FormatError)
    problems << QCoreApplication::translate("OptionsFile", "The file is damaged; what could be read of it is used.");
  else if (ini.status() == QSettings::AccessError)
    problems << QCoreApplication::translate("OptionsFile", "The file could not be read; the standard options are used.");
  ini.beginGroup(Group);
  readNumber(ini, {"AcceptanceMs", 0, 3000, true}, o.AcceptanceMs, problems);
  readNumber(ini, {"ReleaseMs", 0, 3000, true}, o.ReleaseMs, problems);
  readNumber(ini, {"FirstTubeFactor", 1.0, 5.0, false}, o.FirstTubeFactor, problems);
  readNumber(ini, {"ScanCycles", 0, 20, true}, o.ScanCycles, problems);
  readNumber(ini, {"DwellMs", 0, 5000, true}, o.DwellMs, problems);
  readNumber(ini, {"PointerScale", 1, 3, true}, o.PointerScale, problems);
  readNumber(ini, {"HoldRing", 0, 1, true}, o.HoldRing, problems);
  o.Switch1 = text(ini, QStringLiteral("Switch1"));
  o.Switch2 = text(ini, QStringLiteral("Switch2"));
  static const QStringList known = {"AcceptanceMs", "ReleaseMs", "FirstTubeFactor", "ScanCycles",
                                    "DwellMs",      "Switch1",   "Switch2",         "PointerScale",
                                    "HoldRing"};
  for (const QString& key : ini.childKeys())
    if (damage.isEmpty() && !known.contains(key)) problems << QCoreApplication::translate("OptionsFile", "[switch] has the unknown key %1; it is not used.").arg(key);
  return o;
}

namespace {

// Writes one group of `path` through `fill`, keeping every other group.
// QSettings writes the INI form (quoting, escapes) into a scratch file; its
// bytes then replace the real file through the verified writer.
QString WriteGroup(const QString& path, const QString& group, const std::function<void(QSettings&)>& fill) {
  QTemporaryDir scratch;
  if (!scratch.isValid()) return QCoreApplication::translate("OptionsFile", "no temporary folder: %1").arg(scratch.errorString());
  const QString draft = scratch.filePath(OptionsFileName);
  {
    QSettings out(draft, QSettings::IniFormat);
    if (QFile::exists(path)) {
      const QSettings old(path, QSettings::IniFormat);
      for (const QString& key : old.allKeys())
        if (!key.startsWith(group + QLatin1Char('/'))) out.setValue(key, old.value(key));
    }
    out.beginGroup(group);
    fill(out);
    out.endGroup();
    out.sync();
    if (out.status() != QSettings::NoError) return QCoreApplication::translate("OptionsFile", "the options could not be prepared");
  }
  QFile file(draft);
  if (!file.open(QIODevice::ReadOnly)) return file.errorString();
  return platform::WriteFileVerified(path, file.readAll());
}

// Writes `group` as WriteGroup does, keeping the keys of the group that
// `fill` does not set (those of other options, or of a newer program).
QString WriteGroupKeepingKeys(const QString& path, const QString& group, const std::function<void(QSettings&)>& fill) {
  return WriteGroup(path, group, [&](QSettings& out) {
    if (QFile::exists(path)) {
      const QSettings old(path, QSettings::IniFormat);
      for (const QString& key : old.allKeys())
        if (key.startsWith(group + QLatin1Char('/'))) out.setValue(key.mid(group.size() + 1), old.value(key));
    }
    fill(out);
  });
}

const QString VoiceGroup = QStringLiteral("voice");

}  // namespace

namespace {
void FillSwitchGroup(QSettings& out, const SwitchOptions& o) {
  out.setValue(QStringLiteral("AcceptanceMs"), o.AcceptanceMs);
  out.setValue(QStringLiteral("ReleaseMs"), o.ReleaseMs);
  out.setValue(QStringLiteral("FirstTubeFactor"), QString::number(o.FirstTubeFactor, 'f', 1));
  out.setValue(QStringLiteral("ScanCycles"), o.ScanCycles);
  out.setValue(QStringLiteral("DwellMs"), o.DwellMs);
  out.setValue(QStringLiteral("Switch1"), o.Switch1);
  out.setValue(QStringLiteral("Switch2"), o.Switch2);
  out.setValue(QStringLiteral("PointerScale"), o.PointerScale);
  out.setValue(QStringLiteral("HoldRing"), o.HoldRing);
}
void FillSessionGroup(QSettings& out, const SessionOptions& o) {
  out.setValue(QStringLiteral("ChoosePicture"), o.ChoosePicture);
  out.setValue(QStringLiteral("ChooseSection"), o.ChooseSection);
  out.setValue(QStringLiteral("Resume"), o.Resume);
}
const QString SessionGroup = QStringLiteral("session");
const QString DisplayGroup = QStringLiteral("display");
}  // namespace

QString WriteSwitchOptions(const QString& path, const SwitchOptions& o) {
  return WriteGroup(path, Group, [&o](QSettings& out) { FillSwitchGroup(out, o); });
}

VoiceOptions ReadVoiceOptions(const QString& path, QStringList& problems) {
  VoiceOptions o;
  if (!QFile::exists(path)) return o;
  // In a file of binary garbage the odd keys are the damage itself: they
  // are not named one by one.
  const QString damage = NotText(path);
  if (!damage.isEmpty()) problems << damage;
  QSettings ini(path, QSettings::IniFormat);
  ini.beginGroup(VoiceGroup);
  if (ini.contains(QStringLiteral("Language"))) {
    const QString code = text(ini, QStringLiteral("Language")).toLower();
    static const QRegularExpression languageCode(QStringLiteral("^[a-z]{2,3}$"));
    if (languageCode.match(code).hasMatch())
      o.Language = code;
    else
      problems << QCoreApplication::translate("OptionsFile", "[voice] Language is \"%1\", which is no language code such as en or fr; en is used.")
                      .arg(code.left(20));
  }
  for (const QString& key : ini.childKeys())
    if (damage.isEmpty() && key != QStringLiteral("Language")) problems << QCoreApplication::translate("OptionsFile", "[voice] has the unknown key %1; it is not used.").arg(key);
  return o;
}

QString WriteVoiceOptions(const QString& path, const VoiceOptions& o) {
  return WriteGroup(path, VoiceGroup, [&o](QSettings& out) { out.setValue(QStringLiteral("Language"), o.Language); });
}

SessionOptions ReadSessionOptions(const QString& path, QStringList& problems) {
  SessionOptions o;
  if (!QFile::exists(path)) return o;
  QSettings ini(path, QSettings::IniFormat);
  ini.beginGroup(SessionGroup);
  // Other keys of this group belong to other options of the session: kept, not read here.
  QStringList mine;
  readNumber(ini, {"ChoosePicture", 0, 1, true}, o.ChoosePicture, mine);
  readNumber(ini, {"ChooseSection", 0, 1, true}, o.ChooseSection, mine);
  readNumber(ini, {"Resume", 0, 1, true}, o.Resume, mine);
  for (const QString& p : mine) problems << QStringLiteral("[session] ") + p;
  return o;
}

QString WriteSessionOptions(const QString& path, const SessionOptions& o) {
  return WriteGroupKeepingKeys(path, SessionGroup, [&o](QSettings& out) { FillSessionGroup(out, o); });
}

DisplayOptions ReadDisplayOptions(const QString& path, QStringList& problems) {
  DisplayOptions o;
  if (!QFile::exists(path)) return o;
  QSettings ini(path, QSettings::IniFormat);
  ini.beginGroup(DisplayGroup);
  if (ini.contains(QStringLiteral("Language"))) {
    const QString code = text(ini, QStringLiteral("Language")).trimmed().toLower();
    if (platform::IsScreenLanguage(code))
      o.Language = code;
    else
      problems << QCoreApplication::translate("OptionsFile",
                                              "[display] Language is \"%1\"; the screens can be shown in en, nl, fr, es, "
                                              "de or he. en is used.")
                      .arg(code.left(20));
  }
  return o;
}

QString WriteDisplayOptions(const QString& path, const DisplayOptions& o) {
  return WriteGroupKeepingKeys(path, DisplayGroup,
                               [&o](QSettings& out) { out.setValue(QStringLiteral("Language"), o.Language); });
}

namespace {
const QString UsersGroup = QStringLiteral("users");
}  // namespace

QString ReadChosenUser(const QString& path) {
  if (!QFile::exists(path)) return {};
  QSettings ini(path, QSettings::IniFormat);
  ini.beginGroup(UsersGroup);
  return text(ini, QStringLiteral("Chosen")).trimmed();
}

QString WriteChosenUser(const QString& path, const QString& name) {
  return WriteGroupKeepingKeys(path, UsersGroup, [&name](QSettings& out) { out.setValue(QStringLiteral("Chosen"), name); });
}

QString OptionsProblemMessage(const QStringList& problems) {
  if (problems.isEmpty()) return {};
  QString text = QCoreApplication::translate("OptionsFile", "Brushwell found a problem in %1 and used standard values where needed:\n\n")
                     .arg(OptionsFileName);
  for (const QString& p : problems) text += QStringLiteral("- ") + p + QLatin1Char('\n');
  text += QCoreApplication::translate("OptionsFile", "\nCheck the \"Switch Timing\" and \"Test Switches\" screens (from \"Keyboard / Switch "
                         "Information\") and the language on \"Auditory Settings\"; the file is written again when you "
                         "change them.");
  return text;
}

bool ParseCameraRegion(const QString& text, CameraRegion& region) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    region = {};
    return true;
  }
  const QStringList parts = trimmed.split(QLatin1Char(','));
  if (parts.size() != 4) return false;
  double v[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    v[i] = parts[i].trimmed().toDouble(&ok);
    if (!ok || v[i] < 0 || v[i] > 1) return false;
  }
  // A rectangle of less than a hundredth of a side sees no movement at all.
  constexpr double Slack = 1e-6;
  if (v[2] < 0.01 || v[3] < 0.01 || v[0] + v[2] > 1 + Slack || v[1] + v[3] > 1 + Slack) return false;
  region = {v[0], v[1], std::min(v[2], 1 - v[0]), std::min(v[3], 1 - v[1])};
  return true;
}

QString FormatCameraRegion(const CameraRegion& r) {
  if (r.empty()) return {};
  auto n = [](double v) { return QString::number(v, 'f', 3); };
  return QStringLiteral("%1,%2,%3,%4").arg(n(r.x), n(r.y), n(r.w), n(r.h));
}

namespace {
const QString CameraGroup = QStringLiteral("camera");
}  // namespace

CameraOptions ReadCameraOptions(const QString& path, QStringList& problems) {
  CameraOptions o;
  if (!QFile::exists(path)) return o;
  QSettings ini(path, QSettings::IniFormat);
  ini.beginGroup(CameraGroup);
  QStringList mine;
  readNumber(ini, {"Enabled", 0, 1, true}, o.Enabled, mine);
  readNumber(ini, {"Sensitivity1", 1, 100, true}, o.Sensitivity1, mine);
  readNumber(ini, {"Sensitivity2", 1, 100, true}, o.Sensitivity2, mine);
  o.Device = text(ini, QStringLiteral("Device"));
  o.Source = text(ini, QStringLiteral("Source"));
  for (const char* key : {"Region1", "Region2"}) {
    const QString raw = text(ini, QString::fromLatin1(key));
    CameraRegion region;
    if (ParseCameraRegion(raw, region))
      (key[6] == '1' ? o.Region1 : o.Region2) = FormatCameraRegion(region);
    else
      mine << QCoreApplication::translate("OptionsFile",
                                          "%1 is \"%2\", which is not a rectangle x,y,w,h inside the image (each "
                                          "from 0 to 1); no rectangle is used.")
                  .arg(QString::fromLatin1(key), raw.left(40));
  }
  static const QStringList known = {"Enabled", "Device", "Region1", "Region2", "Sensitivity1", "Sensitivity2", "Source"};
  for (const QString& key : ini.childKeys())
    if (!known.contains(key))
      problems << QCoreApplication::translate("OptionsFile", "[camera] has the unknown key %1; it is not used.").arg(key);
  for (const QString& p : mine) problems << QStringLiteral("[camera] ") + p;
  return o;
}

QString WriteCameraOptions(const QString& path, const CameraOptions& o) {
  return WriteGroup(path, CameraGroup, [&o](QSettings& out) {
    out.setValue(QStringLiteral("Enabled"), o.Enabled);
    out.setValue(QStringLiteral("Device"), o.Device);
    out.setValue(QStringLiteral("Region1"), o.Region1);
    out.setValue(QStringLiteral("Region2"), o.Region2);
    out.setValue(QStringLiteral("Sensitivity1"), o.Sensitivity1);
    out.setValue(QStringLiteral("Sensitivity2"), o.Sensitivity2);
    out.setValue(QStringLiteral("Source"), o.Source);
  });
}

bool SaveCameraOptions() {
  const QString path = FilesFolder() + OptionsFileName;
  const QString why = WriteCameraOptions(path, CameraOptionsRecord);
  if (why.isEmpty()) return true;
  platform::message(QCoreApplication::translate("OptionsFile",
                                                "The camera options could not be saved to %1 (%2).\nThe file on disk "
                                                "was left as it was; the options are used until Brushwell is closed.")
                        .arg(path, why),
                    platform::MessageIcon::Exclamation);
  return false;
}

void LoadSwitchOptions(QStringList& problems) {
  QStringList found;
  SwitchOptionsRecord = ReadSwitchOptions(FilesFolder() + OptionsFileName, found);
  VoiceOptionsRecord = ReadVoiceOptions(FilesFolder() + OptionsFileName, found);
  SessionOptionsRecord = ReadSessionOptions(FilesFolder() + OptionsFileName, found);
  CameraOptionsRecord = ReadCameraOptions(FilesFolder() + OptionsFileName, found);
  // The screens' language is the carer's, one for every user: it stays in
  // the working folder's brushwell.ini.
  DisplayOptionsRecord = ReadDisplayOptions(QDir::current().filePath(OptionsFileName), found);
  found.removeDuplicates();  // a damaged file is told once, not once per group
  problems << found;
}

bool SaveSwitchOptions() {
  const QString path = FilesFolder() + OptionsFileName;
  // Both groups in one writing: the file is either all new or as it was.
  // (The session group's other keys were kept with every other group.)
  const QString why = WriteGroup(path, Group, [](QSettings& out) {
    FillSwitchGroup(out, SwitchOptionsRecord);
    out.endGroup();
    out.beginGroup(SessionGroup);
    FillSessionGroup(out, SessionOptionsRecord);
  });
  if (why.isEmpty()) return true;
  platform::message(QCoreApplication::translate("OptionsFile", "The switch options could not be saved to %1 (%2).\nThe file on disk was left as "
                                   "it was; the options are used until Brushwell is closed.")
                        .arg(path, why),
                    platform::MessageIcon::Exclamation);
  return false;
}

bool SaveVoiceOptions() {
  const QString path = FilesFolder() + OptionsFileName;
  const QString why = WriteVoiceOptions(path, VoiceOptionsRecord);
  if (why.isEmpty()) return true;
  platform::message(QCoreApplication::translate("OptionsFile", "The narration language could not be saved to %1 (%2).\nThe file on disk was left as "
                                   "it was; the language is used until Brushwell is closed.")
                        .arg(path, why),
                    platform::MessageIcon::Exclamation);
  return false;
}

}  // namespace settings

namespace settings {

bool SaveDisplayOptions() {
  const QString path = QDir::current().filePath(OptionsFileName);
  const QString why = WriteDisplayOptions(path, DisplayOptionsRecord);
  if (why.isEmpty()) return true;
  platform::message(QCoreApplication::translate("OptionsFile", "The language of the screens could not be saved to %1 (%2).\nThe file "
                                                               "on disk was left as it was; the language is used until Brushwell is "
                                                               "closed.")
                        .arg(path, why),
                    platform::MessageIcon::Exclamation);
  return false;
}

}  // namespace settings
