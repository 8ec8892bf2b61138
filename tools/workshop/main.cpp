// brushwell-workshop: the carers' Picture Workshop. Makes colouring pictures
// from drawings and photos and edits the picture lists, in the program folder
// Brushwell works in (or the one given with --folder): its own folder when
// that is a portable program folder, else the per-user one.

#include "app/program_folder.h"
#include "workshop_window.h"
#include "new_picture_page.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brushwell-workshop"));
  QApplication::setDesktopFileName(QStringLiteral("org.brushwell.Brushwell.Workshop"));
  // Its own icon: installed in the icon theme, or beside the program in a program folder.
  QApplication::setWindowIcon(QIcon::fromTheme(
      QStringLiteral("org.brushwell.Brushwell.Workshop"),
      QIcon(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("brushwell-workshop.svg")))));

  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate("Main", "Makes colouring pictures from drawings and photos, and edits picture lists."));
  parser.addHelpOption();
  const QCommandLineOption folderOpt(QStringLiteral("folder"), QCoreApplication::translate("Main", "the program folder (default: the one Brushwell uses)"),
                                     QStringLiteral("folder"));
  parser.addOption(folderOpt);
  const QCommandLineOption settingsOpt(
      QStringLiteral("settings"),
      QCoreApplication::translate("Main", "the folder of the user colouring now, whose list descriptions and own lists are edited (default: the program folder)"),
      QStringLiteral("folder"));
  parser.addOption(settingsOpt);
  parser.addPositionalArgument(QStringLiteral("picture"), QCoreApplication::translate("Main", "a drawing or photo to open"), QStringLiteral("[picture]"));
  parser.process(app);

  const QString folder = QDir(parser.isSet(folderOpt) ? parser.value(folderOpt) : app::ProgramFolder()).absolutePath();
  // The carer's language, as Brushwell shows it in that folder.
  app::UseChosenScreenLanguage(folder);
  QApplication::setApplicationDisplayName(QCoreApplication::translate("Main", "Brushwell Picture Workshop"));
  if (!QFileInfo(folder).isDir()) {
    QMessageBox::critical(nullptr, QCoreApplication::translate("Main", "Brushwell Picture Workshop"), QCoreApplication::translate("Main", "The folder %1 does not exist.").arg(folder));
    return 1;
  }
  const QString settingsFolder = parser.isSet(settingsOpt) ? QDir(parser.value(settingsOpt)).absolutePath() : folder;
  if (!QFileInfo(settingsFolder).isDir()) {
    QMessageBox::critical(nullptr, QCoreApplication::translate("Main", "Brushwell Picture Workshop"), QCoreApplication::translate("Main", "The folder %1 does not exist.").arg(settingsFolder));
    return 1;
  }
  workshop::WorkshopWindow window(folder, settingsFolder);
  window.show();
  if (!parser.positionalArguments().isEmpty()) window.newPicture()->OpenSource(parser.positionalArguments().first());
  return app.exec();
}
