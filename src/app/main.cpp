// Brushwell: a colouring book worked with one or two switches, a key or a click.

#include <QApplication>

#include "app/startup.h"
#include "menu/banner.h"
#include "pictures/mainform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brushwell"));
  QFont font = QApplication::font();
  if (font.pointSizeF() < 11) font.setPointSizeF(11);
  QApplication::setFont(font);

  menu::Banner banner;
  banner.ShowColoringWindow = [] { pictures::ShowMainform(); };
  banner.UnloadColoringWindow = [] { pictures::UnloadMainform(); };
  banner.Load(app::ProgramFolder());
  banner.ShowAndActivate();
  return QApplication::exec();
}
