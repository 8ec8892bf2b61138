#pragma once
// "Users": the carer makes, renames and removes the users of this folder,
// gives each a picture, and chooses who colours now (or no user: the
// folder's own settings, as without users). Choosing goes through
// SwitchTo, which the main window sets: it saves the settings in use and
// loads the chosen user's.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <optional>
#include <vector>

#include "users/user_store.h"

namespace menu {

class UsersScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit UsersScreen(QWidget* parent);

  // Fills the list from users/ of the current folder; the user chosen now
  // is selected and marked.
  void Fill();

  // What the buttons do.
  void ChooseSelected();
  void MakeFromName();
  void RenameSelected();
  void AskToRemoveSelected();
  void RemoveConfirmed();
  void KeepSelected();
  void PickPicture();

  // Saves the settings in use and loads those of user `name` in `folder`
  // (no user when `name` is empty).
  std::function<void(const QString& name, const QString& folder)> SwitchTo;

  QLabel* chosen_label = nullptr;
  QListWidget* user_list = nullptr;  // row 0 is "No user"
  QLineEdit* name_edit = nullptr;
  QPushButton* but_choose = nullptr;
  QPushButton* but_make = nullptr;
  QPushButton* but_rename = nullptr;
  QPushButton* but_remove = nullptr;
  QPushButton* but_picture = nullptr;
  QPushButton* users_back = nullptr;
  // Shown by "Remove": what will be deleted, and the two answers.
  QWidget* confirm_box = nullptr;
  QLabel* confirm_text = nullptr;
  QPushButton* but_remove_yes = nullptr;
  QPushButton* but_remove_no = nullptr;

private:
  std::optional<users::User> selectedUser() const;
  void selectFolder(const QString& folder);
  void showSelection();
  QString workFolder() const;
  // The question shown or hidden: the screen takes its new size, centred.
  void fitAndCentre();

  std::vector<users::User> users_;
  std::optional<users::User> removing_;
};

}  // namespace menu
