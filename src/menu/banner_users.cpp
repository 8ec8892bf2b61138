// The main window's part in choosing who colours: the "User" control below
// the described ones, the Users screen, and switching between users.

#include "menu/banner.h"

#include <QDir>

#include "menu/screen_widgets.h"
#include "settings/settings_file.h"
#include "users/active_user.h"

namespace menu {

void Banner::buildUsers() {
  but_users = captionedButton(tr("User"), settings_frame);
  user_label = new QLabel(settings_frame);
  user_label->setTextFormat(Qt::PlainText);
  // First in the row, then who is colouring, then the gallery and progress.
  classroom_row->insertWidget(0, but_users);
  classroom_row->insertWidget(1, user_label, 1);
  QWidget::setTabOrder(but2_quit, but_users);
  QWidget::setTabOrder(but_users, but_gallery);
  QWidget::setTabOrder(but_gallery, but_progress);
  users_frame = new UsersScreen(this);
  users_frame->setAutoFillBackground(true);
  users_frame->hide();
  users_frame->SwitchTo = [this](const QString& name, const QString& folder) { SwitchUser(name, folder); };
  connect(but_users, &QPushButton::clicked, this, [this] { OpenUsersScreen(); });
  connect(users_frame->users_back, &QPushButton::clicked, this, [this] { LeaveUsersScreen(); });
  ShowChosenUser();
}

void Banner::ShowChosenUser() {
  const QString name = users::ActiveUserName();
  user_label->setText(name.isEmpty() ? tr("No user chosen") : tr("Colouring now: %1").arg(name));
  user_label->setAccessibleName(user_label->text());
}

void Banner::OpenUsersScreen() {
  openedBy_ = but_users;
  HideMainMenu();
  users_frame->Fill();
  showFrame(users_frame);
  users_frame->user_list->setFocus(Qt::OtherFocusReason);
}

void Banner::LeaveUsersScreen() {
  users_frame->hide();
  ShowMainMenu();
}

void Banner::SwitchUser(const QString& name, const QString& folder) {
  // The settings in use are saved as "Exit" saves them, kept files and all.
  settings::SaveSettings();
  tellSettingsKept();
  users::SetActiveUser(name, folder);
  // The next start goes on with this user.
  users::TellNotRemembered(QDir::currentPath(), users::RememberActiveUser(QDir::currentPath()));
  settings::LoadSettings();
  LoadOptions();
  // Every control shows the new settings: the colour boxes are only ever
  // checked from the record, so they start empty as at the first load.
  for (int c = 1; c <= 10; ++c) frame_coloring_option->check_color[c]->setChecked(false);
  frame_coloring_option->chk_random_tubes->setChecked(false);
  applySettingsToControls();
  ShowChosenUser();
}

}  // namespace menu
