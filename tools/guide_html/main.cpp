// brushwell-guide-html: writes the HTML edition of the user guide from its
// plain text, so both say the same. Usage: brushwell-guide-html IN.txt OUT.html
// The page's language is the one the text's name gives ("aobj_gid.he.txt":
// Hebrew, right to left).

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

#include "menu/guide_document.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "usage: brushwell-guide-html GUIDE.txt GUIDE.html\n");
    return 2;
  }
  QFile in(args[1]);
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s: %s\n", qUtf8Printable(args[1]), qUtf8Printable(in.errorString()));
    return 1;
  }
  const QString html =
      menu::GuideToHtml(menu::ParseGuide(QString::fromUtf8(in.readAll())), menu::GuideLanguage(args[1]));
  QSaveFile out(args[2]);
  if (!out.open(QIODevice::WriteOnly) || out.write(html.toUtf8()) < 0 || !out.commit()) {
    std::fprintf(stderr, "cannot write %s: %s\n", qUtf8Printable(args[2]), qUtf8Printable(out.errorString()));
    return 1;
  }
  return 0;
}
