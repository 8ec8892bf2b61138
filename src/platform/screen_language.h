#pragma once
// The language of everything the carer reads: the program's own texts (the
// translations made with Qt Linguist, brushwell_<code>.qm) and the toolkit's
// standard dialogs (qtbase_<code>.qm). English is the program's own text and
// needs no translation. Hebrew lays the whole application out right to left.

#include <QString>
#include <QStringList>
#include <vector>

namespace platform {

struct ScreenLanguageName {
  const char* code;     // "en", "nl", ...
  const char* ownName;  // the language's name in itself (UTF-8), for the chooser
};

// The languages the carer's screens can be shown in; English first.
const std::vector<ScreenLanguageName>& ScreenLanguages();
bool IsScreenLanguage(const QString& code);

// Shows every text translated from now on in `code`, looking for the
// program's translation in each of `folders` (their translations/ subfolder)
// and for the toolkit's in its own translations folder. "en", or a language
// whose translation is not found, removes the translations: English, left to
// right. Returns whether the program's translation was found ("en" always is).
bool UseScreenLanguage(const QString& code, const QStringList& folders);
// The same, with the folders of the last call (a language chosen later).
bool UseScreenLanguage(const QString& code);
// The language in use ("en" until another is used).
QString ScreenLanguage();

}  // namespace platform
