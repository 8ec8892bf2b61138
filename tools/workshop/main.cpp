// brushwell-workshop: the carers' Picture Workshop. Makes colouring pictures
// from drawings and photos and edits the picture lists, in the program folder
// it is installed in (or the one given with --folder).

#include "workshop_window.h"
#include "new_picture_page.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brushwell-workshop"));
  QApplication::setApplicationDisplayName(QStringLiteral("Brushwell Picture Workshop"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Makes colouring pictures from drawings and photos, and edits picture lists."));
  parser.addHelpOption();
  const QCommandLineOption folderOpt(QStringLiteral("folder"), QStringLiteral("the program folder (default: the workshop's own)"),
                                     QStringLiteral("folder"));
  parser.addOption(folderOpt);
  parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("a drawing or photo to open"), QStringLiteral("[picture]"));
  parser.process(app);

  const QString folder = QDir(parser.isSet(folderOpt) ? parser.value(folderOpt) : QApplication::applicationDirPath()).absolutePath();
  if (!QFileInfo(folder).isDir()) {
    QMessageBox::critical(nullptr, QStringLiteral("Brushwell Picture Workshop"), QStringLiteral("The folder %1 does not exist.").arg(folder));
    return 1;
  }
  workshop::WorkshopWindow window(folder);
  window.show();
  if (!parser.positionalArguments().isEmpty()) window.newPicture()->OpenSource(parser.positionalArguments().first());
  return app.exec();
}
