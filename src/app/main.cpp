// Brushwell: a colouring book worked with one or two switches, a key or a click.

#include <QApplication>
#include <QSessionManager>

#include "app/program_folder.h"
#include "app/single_program.h"
#include "app/startup.h"
#include "app/termination.h"
#include "input/key_repeat_guard.h"
#include "menu/banner.h"
#include "platform/host.h"
#include "settings/settings_file.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brushwell"));
  QFont font = QApplication::font();
  if (font.pointSizeF() < 11) font.setPointSizeF(11);
  QApplication::setFont(font);

  // One program per folder: a second start brings the first to the front.
  const QString folder = app::ProgramFolder();
  // The carer's language, before the first text of the folder's program is made.
  app::UseChosenScreenLanguage(folder);
  if (!app::OnlyProgramInFolder(folder)) return 0;
  // A held switch key is one press on every window, however busy the machine.
  input::InstallKeyRepeatGuard();
  app::CheckTheDisplay();
  // "--user NAME": that child's settings from the start.
  app::ChooseUserFromArguments(folder, QCoreApplication::arguments());
  menu::Banner banner;
  app::ConnectWindows(banner);
  banner.Load(folder);
  // Logging out or shutting down ends the program without "Exit": the
  // settings are saved as "Exit" would. Ready before the window shows, so
  // a signal that comes as soon as it can be seen is not lost.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, [](QSessionManager&) { settings::SaveSettings(); });
  app::CallOnTerminationSignal([] {
    settings::SaveSettings();
    platform::host().endProgram(0);
  });
  banner.ShowAndActivate();
  return QApplication::exec();
}
