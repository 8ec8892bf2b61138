#include "platform/screen_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace platform {

namespace {

QString current = QStringLiteral("en");
QStringList lastFolders;
std::unique_ptr<QTranslator> own;
std::unique_ptr<QTranslator> toolkit;

void removeTranslators() {
  for (auto* t : {own.get(), toolkit.get()})
    if (t) QCoreApplication::removeTranslator(t);
  own.reset();
  toolkit.reset();
}

}  // namespace

const std::vector<ScreenLanguageName>& ScreenLanguages() {
  static const std::vector<ScreenLanguageName> languages = {
      {"en", "English"}, {"nl", "Nederlands"}, {"fr", "Français"},
      {"es", "Español"}, {"de", "Deutsch"},    {"he", "עברית"},
  };
  return languages;
}

bool IsScreenLanguage(const QString& code) {
  for (const ScreenLanguageName& l : ScreenLanguages())
    if (code == QLatin1String(l.code)) return true;
  return false;
}

bool UseScreenLanguage(const QString& code) { return UseScreenLanguage(code, lastFolders); }

bool UseScreenLanguage(const QString& code, const QStringList& folders) {
  lastFolders = folders;
  removeTranslators();
  current = QStringLiteral("en");
  bool found = code == QLatin1String("en");
  if (!found && IsScreenLanguage(code)) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
      if (translator->load(QStringLiteral("brushwell_") + code, QDir(folder).filePath(QStringLiteral("translations")))) {
        found = true;
        break;
      }
    }
    if (found) {
      QCoreApplication::installTranslator(translator.get());
      own = std::move(translator);
      current = code;
      // The toolkit's own words (OK, Cancel, Yes, No, the file dialog);
      // without them the program's translation is still used.
      auto standard = std::make_unique<QTranslator>();
      if (standard->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(standard.get());
        toolkit = std::move(standard);
      }
    }
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    QGuiApplication::setLayoutDirection(current == QLatin1String("he") ? Qt::RightToLeft : Qt::LeftToRight);
  // Dates, months and decimal marks on the screens in the carer's
  // language; English keeps the system's way of writing them. (Files are
  // written with fixed formats, never through the default locale.)
  static const QLocale system = QLocale::system();
  QLocale::setDefault(current == QLatin1String("en") ? system : QLocale(current));
  return found;
}

QString ScreenLanguage() { return current; }

}  // namespace platform
