#pragma once
// Which folder the program works in. A portable program folder (the
// executable beside its data files, as built in build/Brushwell/) is used as
// it is while it can be written. An installed program, or a portable folder
// on a medium that cannot be written, works in a per-user program folder
// instead: the user's own copies of the settings files and picture lists,
// and a link to every other data file of the installed folder. A file the
// user puts there (a picture, a list, a sound) is never replaced by a link,
// so it takes the place of the installed one of the same name; section files
// the program writes replace their link.

#include <QString>
#include <QStringList>

namespace app {

struct ProgramFolderPlan {
  QString dataFolder;    // where the shipped data files are read from
  QString workFolder;    // the program folder the program runs in, ending in "/"
  bool perUser = false;  // workFolder is the per-user folder
};

// `executableFolder` is where the program runs from; `installedData` the
// shipped data folder of an installed program (empty when not installed);
// `userDataHome` is $XDG_DATA_HOME or its default. A folder counts as
// portable when it holds the settings file.
ProgramFolderPlan PlanProgramFolder(const QString& executableFolder, const QString& installedData,
                                    const QString& userDataHome, bool (*writable)(const QString& folder));

// Creates or brings up to date the per-user program folder: copies the
// settings files and the picture lists that are not there yet, links every
// other data file that is not there yet, and makes anew each of its links
// whose target has gone (a file dropped from a newer installation) or lies
// outside `dataFolder` (the data folder moved). The user's own files and
// links are never touched. Returns the problems met, for the carer; what
// could be done is done.
QStringList PrepareUserFolder(const QString& userFolder, const QString& dataFolder);

// The folder the program runs in, prepared. Problems are told to the carer;
// when no per-user folder can be made the shipped folder is used, and saving
// will say why it fails.
QString ProgramFolder();

// Shows the carer's screens in the language `[display] Language` of
// brushwell.ini in `folder` names (English when it names none), with the
// translations of the program folder or the installed data folder. The
// system's own language never changes it. Problems with the file are told
// when the settings are loaded, not here.
void UseChosenScreenLanguage(const QString& folder);
// Where the program's translations may be (each with a translations/ subfolder).
QStringList TranslationFolders(const QString& folder);

}  // namespace app
