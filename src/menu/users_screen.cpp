#include "menu/users_screen.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "menu/screen_widgets.h"
#include "platform/host.h"
#include "settings/settings_file.h"
#include "users/active_user.h"
#include "users/user_names.h"

namespace menu {

UsersScreen::UsersScreen(QWidget* parent) : QGroupBox(tr("Users"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 24, 24, 18);
  outer->setSpacing(12);
  outer->addWidget(wrappedLabel(tr("Each user has their own settings, place in the picture lists, finished pictures "
                                   "and progress records. Choose who is colouring now."),
                                this));
  chosen_label = new QLabel(this);
  chosen_label->setTextFormat(Qt::PlainText);
  chosen_label->setWordWrap(true);
  outer->addWidget(chosen_label);

  user_list = new QListWidget(this);
  user_list->setAccessibleName(tr("Users"));
  user_list->setIconSize(QSize(48, 48));
  user_list->setMinimumHeight(180);
  outer->addWidget(user_list);

  auto* nameRow = new QHBoxLayout();
  auto* nameLabel = new QLabel(tr("Name:"), this);
  name_edit = new QLineEdit(this);
  name_edit->setAccessibleName(tr("Name"));
  name_edit->setMaxLength(users::MaxNameLength);
  nameLabel->setBuddy(name_edit);
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(name_edit, 1);
  outer->addLayout(nameRow);

  auto* buttons = new QHBoxLayout();
  but_choose = captionedButton(tr("Choose"), this);
  but_make = captionedButton(tr("Make User"), this);
  but_rename = captionedButton(tr("Rename"), this);
  but_remove = captionedButton(tr("Remove"), this);
  but_picture = captionedButton(tr("Picture..."), this);
  for (QPushButton* b : {but_choose, but_make, but_rename, but_remove, but_picture}) buttons->addWidget(b);
  outer->addLayout(buttons);

  confirm_box = new QWidget(this);
  auto* confirm = new QVBoxLayout(confirm_box);
  confirm->setContentsMargins(0, 0, 0, 0);
  confirm_text = wrappedLabel(QString(), confirm_box);
  confirm->addWidget(confirm_text);
  auto* answers = new QHBoxLayout();
  but_remove_yes = captionedButton(tr("Yes, Remove"), confirm_box);
  but_remove_no = captionedButton(tr("Keep"), confirm_box);
  answers->addWidget(but_remove_yes);
  answers->addWidget(but_remove_no);
  confirm->addLayout(answers);
  confirm_box->hide();
  outer->addWidget(confirm_box);

  users_back = mainMenuButton(this);
  outer->addWidget(users_back, 0, Qt::AlignHCenter);
  setFixedWidth(680);

  connect(but_choose, &QPushButton::clicked, this, [this] { ChooseSelected(); });
  connect(user_list, &QListWidget::itemActivated, this, [this] { ChooseSelected(); });
  connect(but_make, &QPushButton::clicked, this, [this] { MakeFromName(); });
  connect(but_rename, &QPushButton::clicked, this, [this] { RenameSelected(); });
  connect(but_remove, &QPushButton::clicked, this, [this] { AskToRemoveSelected(); });
  connect(but_remove_yes, &QPushButton::clicked, this, [this] { RemoveConfirmed(); });
  connect(but_remove_no, &QPushButton::clicked, this, [this] { KeepSelected(); });
  connect(but_picture, &QPushButton::clicked, this, [this] { PickPicture(); });
  connect(user_list, &QListWidget::currentRowChanged, this, [this] { showSelection(); });
}

void UsersScreen::fitAndCentre() {
  adjustSize();
  if (const QWidget* window = parentWidget())
    move(std::max(0, (window->width() - width()) / 2), std::max(0, (window->height() - height()) / 2));
}

QString UsersScreen::workFolder() const { return QDir::currentPath() + QLatin1Char('/'); }

void UsersScreen::Fill() {
  QStringList problems;
  users_ = users::ListUsers(workFolder(), &problems);
  const QString active = users::ActiveUserName().isEmpty() ? QString() : users::ActiveFolder();
  user_list->clear();
  auto* none = new QListWidgetItem(tr("No user (this folder's own settings)"), user_list);
  none->setData(Qt::UserRole, QString());
  for (const users::User& user : users_) {
    auto* item = new QListWidgetItem(user.name, user_list);
    item->setData(Qt::UserRole, user.folder);
    if (!user.picture.isEmpty()) item->setIcon(QIcon(user.picture));
  }
  for (int row = 0; row < user_list->count(); ++row) {
    QListWidgetItem* item = user_list->item(row);
    QFont font = item->font();
    font.setBold(item->data(Qt::UserRole).toString() == active);
    item->setFont(font);
  }
  chosen_label->setText(users::ActiveUserName().isEmpty()
                            ? tr("Colouring now: no user (this folder's own settings).")
                            : tr("Colouring now: %1").arg(users::ActiveUserName()));
  confirm_box->hide();
  removing_.reset();
  fitAndCentre();
  selectFolder(active);
  if (!problems.isEmpty()) platform::message(problems.join(QLatin1Char('\n')), platform::MessageIcon::Exclamation);
}

void UsersScreen::selectFolder(const QString& folder) {
  for (int row = 0; row < user_list->count(); ++row)
    if (user_list->item(row)->data(Qt::UserRole).toString() == folder) user_list->setCurrentRow(row);
  showSelection();
}

std::optional<users::User> UsersScreen::selectedUser() const {
  const QListWidgetItem* item = user_list->currentItem();
  if (!item) return std::nullopt;
  const QString folder = item->data(Qt::UserRole).toString();
  for (const users::User& user : users_)
    if (user.folder == folder) return user;
  return std::nullopt;
}

void UsersScreen::showSelection() {
  const std::optional<users::User> user = selectedUser();
  name_edit->setText(user ? user->name : QString());
  for (QPushButton* b : {but_rename, but_remove, but_picture}) b->setEnabled(user.has_value());
}

void UsersScreen::ChooseSelected() {
  const std::optional<users::User> user = selectedUser();
  if (SwitchTo) SwitchTo(user ? user->name : QString(), user ? user->folder : QString());
  Fill();
}

void UsersScreen::MakeFromName() {
  users::User made;
  const QString why = users::MakeUser(workFolder(), name_edit->text(), &made);
  if (!why.isEmpty()) {
    platform::message(why, platform::MessageIcon::Exclamation);
    name_edit->setFocus(Qt::OtherFocusReason);
    return;
  }
  Fill();
  selectFolder(made.folder);
  but_choose->setFocus(Qt::OtherFocusReason);
}

void UsersScreen::RenameSelected() {
  const std::optional<users::User> user = selectedUser();
  if (!user) return;
  const bool active = users::ActiveFolder() == user->folder && !users::ActiveUserName().isEmpty();
  users::User renamed;
  const QString why = users::RenameUser(workFolder(), *user, name_edit->text(), &renamed);
  if (!why.isEmpty()) {
    platform::message(why, platform::MessageIcon::Exclamation);
    return;
  }
  // The same files under the new folder: nothing to load again.
  if (active) {
    settings::MoveFilesFolder(renamed.folder);
    users::SetActiveUser(renamed.name, renamed.folder);
    users::TellNotRemembered(workFolder(), users::RememberActiveUser(workFolder()));
  }
  Fill();
  selectFolder(renamed.folder);
  but_rename->setFocus(Qt::OtherFocusReason);
}

void UsersScreen::AskToRemoveSelected() {
  removing_ = selectedUser();
  if (!removing_) return;
  confirm_text->setText(tr("Remove the user \"%1\"? This deletes the folder %2 and everything in it: the user's "
                           "settings and place in the picture lists, own picture lists, finished pictures and "
                           "progress records. This cannot be undone.")
                            .arg(removing_->name, removing_->folder));
  confirm_text->setAccessibleName(confirm_text->text());
  confirm_box->show();
  fitAndCentre();
  but_remove_no->setFocus(Qt::OtherFocusReason);
}

void UsersScreen::RemoveConfirmed() {
  if (!removing_) return;
  const users::User user = *removing_;
  // The user being removed is not colouring any more.
  if (!users::ActiveUserName().isEmpty() && users::ActiveFolder() == user.folder && SwitchTo) SwitchTo({}, {});
  const QString why = users::RemoveUser(workFolder(), user);
  Fill();
  if (!why.isEmpty()) platform::message(why, platform::MessageIcon::Exclamation);
  user_list->setFocus(Qt::OtherFocusReason);
}

void UsersScreen::KeepSelected() {
  removing_.reset();
  confirm_box->hide();
  fitAndCentre();
  but_remove->setFocus(Qt::OtherFocusReason);
}

void UsersScreen::PickPicture() {
  const std::optional<users::User> user = selectedUser();
  if (!user) return;
  QFileDialog dialog(this, tr("A Picture for %1").arg(user->name));
  dialog.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog everywhere, and keyboard-friendly
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
  dialog.setDirectory(QDir::homePath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  users::User updated;
  const QString why = users::SetUserPicture(*user, dialog.selectedFiles().constFirst(), &updated);
  if (!why.isEmpty()) platform::message(why, platform::MessageIcon::Exclamation);
  Fill();
  selectFolder(user->folder);
}

}  // namespace menu
