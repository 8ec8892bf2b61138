#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <optional>

#include "app/credits_window.h"
#include "menu/banner.h"
#include "pictures/mainform.h"
#include "platform/host.h"
#include "session/session_driver.h"
#include "settings/options_file.h"
#include "users/active_user.h"
#include "users/user_store.h"

namespace app {

double ColorDepthCount(int planes, int bitsPerPixel) {
  return std::pow(2.0, static_cast<double>(planes) * bitsPerPixel);
}

DisplayVerdict CheckDisplay(double count) {
  const QString cr = QStringLiteral("\r");
  const QString first =
      QCoreApplication::translate("Startup", "Your screen settings are set to %1 colors.").arg(QString::number(count, 'f', 0));
  const QString guide = QCoreApplication::translate("Startup", "See the Brushwell User's Guide on how to change your screen color settings");
  if (count < 65536) {
    return {true, first + cr +
                      QCoreApplication::translate("Startup", "Brushwell requires that your screen setting colors are set to at least 65,536 colors.") +
                      cr + guide};
  }
  if (count < 100000) {
    // One sentence over two lines, as the message box shows it.
    return {false, first + cr +
                       QCoreApplication::translate("Startup", "Though Brushwell will run with these settings,\n"
                                                              "it is recommended that you set your colors to True Color (32 Bit)")
                           .replace(QLatin1Char('\n'), cr) +
                       cr + guide};
  }
  return {};
}

void CheckTheDisplay() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const DisplayVerdict verdict = CheckDisplay(ColorDepthCount(1, screen->depth()));
  if (verdict.stop) {
    platform::message(verdict.message, platform::MessageIcon::Stop);
    platform::host().endProgram(1);
  }
  if (!verdict.message.isEmpty()) platform::message(verdict.message, platform::MessageIcon::None);
}

bool ChooseUserFromArguments(const QString& workFolder, const QStringList& arguments) {
  const QString option = QStringLiteral("--user");
  std::optional<QString> wanted;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == option) {
      wanted = arguments.value(i + 1);
      ++i;
    } else if (arguments[i].startsWith(option + QLatin1Char('='))) {
      wanted = arguments[i].mid(option.size() + 1);
    }
  }
  if (!wanted) {
    const QString last = settings::ReadChosenUser(QDir(workFolder).filePath(settings::OptionsFileName));
    if (last.isEmpty()) return false;
    const std::optional<users::User> user = users::FindUser(users::ListUsers(workFolder), last);
    if (!user) {
      platform::message(QCoreApplication::translate("Startup", "The user who coloured last, \"%1\", is no longer in %2.\n"
                                                               "Brushwell starts with no user chosen; the carer can "
                                                               "choose one with \"User\" on the main menu.")
                            .arg(platform::NameForMessage(last), users::UsersFolder(workFolder)),
                        platform::MessageIcon::Exclamation);
      users::SetActiveUser({}, {});
      (void)users::RememberActiveUser(workFolder);
      return false;
    }
    users::SetActiveUser(user->name, user->folder);
    return true;
  }
  const std::optional<users::User> user = users::FindUser(users::ListUsers(workFolder), *wanted);
  if (!user) {
    platform::message(QCoreApplication::translate("Startup", "There is no user called \"%1\" in %2.\nBrushwell "
                                                             "starts with no user chosen; the carer can choose one "
                                                             "with \"User\" on the main menu.")
                          .arg(platform::NameForMessage(*wanted), users::UsersFolder(workFolder)),
                      platform::MessageIcon::Exclamation);
    return false;
  }
  users::SetActiveUser(user->name, user->folder);
  // Quietly: a child may be starting from a shortcut, with no carer to
  // answer a message; the user is chosen all the same.
  (void)users::RememberActiveUser(workFolder);
  return true;
}

namespace {
CreditsWindow* credits = nullptr;
}  // namespace

CreditsWindow* Credits() { return credits; }

void ConnectWindows(menu::Banner& banner) {
  banner.ShowColoringWindow = [] { pictures::ShowMainform(); };
  banner.UnloadColoringWindow = [] { pictures::UnloadMainform(); };
  banner.ShowCredits = [] {
    if (!credits) credits = new CreditsWindow();
    credits->ShowAndActivate();
  };
  pictures::ShowMainMenuHook = [&banner] { banner.ShowAndActivate(); };
  pictures::RunSessionHook = [](pictures::Mainform& w) { session::RunColoringSession(w); };
}

}  // namespace app
