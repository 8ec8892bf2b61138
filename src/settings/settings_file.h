#pragma once
// The settings files aobj_se1.cfg (49 lines) and aobj_se2.cfg (two folder
// lines), their exact file image, and what happens when they are damaged.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "settings/settings_record.h"

namespace settings {

inline const QString SettingsFileName = QStringLiteral("aobj_se1.cfg");
inline const QString FolderFileName = QStringLiteral("aobj_se2.cfg");

// The file image of one field: " 5 " / "-1 ", ".25 ", " 1.5E-05 ".
QByteArray FormatInteger(int16_t value);
QByteArray FormatDouble(double value);

// A picture list description as it may be stored: each line break (CR LF,
// CR or LF) becomes one blank, since every description is one line of the file.
QString SingleLine(QString text);

// The whole 49-line file image of a record, CR LF line ends.
QByteArray SettingsFileImage(const SettingsData& record);

// How reading aobj_se1.cfg went: read (perhaps with damaged lines), not
// there, or there but not readable (no permission, a folder in its place).
enum class SettingsFileRead { Read, Missing, Unreadable };

// Reads both files from `folder` into `record`. Fields that are missing,
// unreadable or out of range keep a standard value; each problem is added to
// `problems` as one sentence naming the file and the line. Afterwards
// TextFolder and MediaFolder are `programFolder` (ending in "/").
SettingsFileRead ReadSettingsFiles(const QString& folder, const QString& programFolder, SettingsData& record,
                       QStringList& problems);

// Writes the record to `folder`/aobj_se1.cfg atomically and verified: a
// crash or a full disk while saving leaves the old file whole. A read-only
// file is a carer's lock and is not replaced. Returns an empty string, or
// why it failed.
QString WriteSettingsFile(const QString& folder, const SettingsData& record);

// The carer's message for the problems found while loading ("" when none).
QString SettingsProblemMessage(const QStringList& problems);

// The folder that holds aobj_se1.cfg and brushwell.ini, ending in "/": the
// current folder (the program folder) unless a user's folder is set. The
// pictures, lists, sounds and the guide are read from the current folder
// whichever it is (TextFolder and MediaFolder stay the program folder).
QString FilesFolder();
// Sets that folder; an empty one is the current folder again.
void SetFilesFolder(const QString& folder);
// The folder in use was renamed to `folder`: the same files, so what is
// known of them (a file kept as it is, the descriptions last read) goes
// with them.
void MoveFilesFolder(const QString& folder);

// Fills SettingsRecord from the files in FilesFolder() and tells the carer
// once about any damage.
void LoadSettings();
// Writes SettingsRecord to aobj_se1.cfg in FilesFolder(); tells the
// carer when that fails. Descriptions that the Picture Workshop changed in
// the file meanwhile are taken in first (see below), so saving keeps them.
// Writes nothing, and says nothing, while the file is kept (below).
void SaveSettings();

// Why aobj_se1.cfg is left as it is for the rest of this run: it was there
// but could not be read at start (saving would put standard values over the
// carer's settings), or it is read-only (the carer has locked the settings).
enum class SettingsKept { No, Unreadable, Locked };
SettingsKept SettingsKeptAsTheyAre();
// What "Exit" tells the carer when the settings were kept ("" when not).
QString SettingsKeptMessage();

// The carers' Picture Workshop writes list descriptions into aobj_se1.cfg
// while the program may be running. This takes into SettingsRecord every
// description that differs in the file from what this process last read
// from or wrote to it, unless the record's own description changed since
// then too (the carer's latest word here wins). Nothing is taken from a
// file that is missing or damaged. Returns the list numbers taken.
std::vector<int> TakeOutsideDescriptionChanges();

}  // namespace settings
