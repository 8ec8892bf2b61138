#include "menu/picture_lists_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <limits>

#include "menu/screen_widgets.h"
#include "platform/host.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace menu {

QString PictureListFileName(int n) { return QStringLiteral("pictures_%1.pcf").arg(n); }

PictureListsScreen::PictureListsScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("PictureListsScreen", "Picture List"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(10);
  auto* columns = new QHBoxLayout();
  columns->setSpacing(24);

  auto* help = new QVBoxLayout();
  help->setSpacing(12);
  QLabel* first = wrappedLabel(
      QCoreApplication::translate("PictureListsScreen", "Brushwell allows you to save up to 15 different Picture Lists.  These lists contain the names of "
                     "the pictures that will be used by the program. The program will use the list that is checked off "
                     "under the Active Picture List heading. You can create lists for different students, create lists "
                     "for different holidays, ... Please refer to the users guide for instructions on how to create your "
                     "own pictures.  A few lists are already supplied with the program."),
      this);
  QLabel* second = wrappedLabel(
      QCoreApplication::translate("PictureListsScreen", "Clicking the Edit Picture List button will bring up \"Windows Notepad\" and present the list.  When "
                     "finished editing the file, just click save and exit from Notepad.  You can copy picture names from "
                     "one list to another by simply clicking on the old list and cutting and pasting the names into the "
                     "new list.  You can bypass a picture from being displayed by placing a dash before the picture name "
                     "in the list.  For example -ball.bmp will cause the ball picture to be bypassed. When a picture is "
                     "displayed on the screen for painting, the name of the picture is displayed in dark red right above "
                     "the picture that is being painted."),
      this);
  for (QLabel* label : {first, second}) help->addWidget(label);
  // Making pictures from drawings and photos, and editing the lists with
  // thumbnails, in the carers' Picture Workshop (a program of its own).
  but_workshop = new QPushButton(QCoreApplication::translate("PictureListsScreen", "Picture Workshop"), this);
  but_workshop->setAccessibleName(but_workshop->text());
  but_workshop->setToolTip(QCoreApplication::translate("PictureListsScreen", "Make pictures from drawings and photos, and edit the picture lists"));
  help->addWidget(but_workshop, 0, Qt::AlignLeft);
  help->addStretch(1);
  columns->addLayout(help);

  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(12);
  grid->setVerticalSpacing(3);
  QLabel* activeHeading = headingLabel(QCoreApplication::translate("PictureListsScreen", "Active Picture List"), this);
  activeHeading->setWordWrap(true);
  activeHeading->setFixedWidth(activeHeading->fontMetrics().horizontalAdvance(QCoreApplication::translate("PictureListsScreen", "Picture List")) + 12);
  grid->addWidget(activeHeading, 0, 0, Qt::AlignBottom | Qt::AlignHCenter);
  grid->addWidget(headingLabel(QCoreApplication::translate("PictureListsScreen", "Picture List Description"), this), 0, 1, Qt::AlignBottom);
  active_list_group = new QButtonGroup(this);
  for (int n = 1; n <= 15; ++n) {
    rad_active_list[n] = new QRadioButton(this);
    rad_active_list[n]->setAccessibleName(QCoreApplication::translate("PictureListsScreen", "Active Picture List %1").arg(n));
    active_list_group->addButton(rad_active_list[n], n);
    inpbox_list_desc[n] = new QLineEdit(this);
    inpbox_list_desc[n]->setMaxLength(std::numeric_limits<int>::max());
    inpbox_list_desc[n]->setAccessibleName(QCoreApplication::translate("PictureListsScreen", "Picture List Description %1").arg(n));
    inpbox_list_desc[n]->setMinimumWidth(230);
    but_pic_list[n] = new QPushButton(QCoreApplication::translate("PictureListsScreen", "Edit Picture List #%1").arg(n), this);
    but_pic_list[n]->setAccessibleName(but_pic_list[n]->text());
    grid->addWidget(rad_active_list[n], n, 0, Qt::AlignHCenter);
    grid->addWidget(inpbox_list_desc[n], n, 1);
    grid->addWidget(but_pic_list[n], n, 2);
  }
  grid->setColumnStretch(1, 1);
  // The help texts are 380 pixels wide, less when the list's captions are
  // longer (in another language), so the whole screen keeps its width.
  int buttons = 0;
  for (int n = 1; n <= 15; ++n) buttons = qMax(buttons, but_pic_list[n]->sizeHint().width());
  const int listWidth = activeHeading->width() + 230 + buttons + 2 * grid->horizontalSpacing();
  const int helpWidth = qBound(260, 980 - 2 * 20 - columns->spacing() - 16 - listWidth, 380);
  for (QLabel* label : {first, second}) label->setFixedWidth(helpWidth);
  auto* right = new QVBoxLayout();
  right->addLayout(grid);
  right->addStretch(1);
  columns->addLayout(right, 1);
  outer->addLayout(columns);

  but_mysong_done = mainMenuButton(this);
  outer->addWidget(but_mysong_done, 0, Qt::AlignHCenter);
  setFixedWidth(980);
}

void PictureListsScreen::FillDescriptions() {
  for (int n = 1; n <= 15; ++n) inpbox_list_desc[n]->setText(settings::SettingsRecord.PictureListDescription[n]);
}

bool PictureListsScreen::StoreSettings() {
  auto& record = settings::SettingsRecord;
  // A pasted text may hold line breaks; a description is one line of the
  // settings file.
  for (int n = 1; n <= 15; ++n) record.PictureListDescription[n] = settings::SingleLine(inpbox_list_desc[n]->text());
  for (int16_t n = 1; n <= 15; ++n)
    if (rad_active_list[n]->isChecked()) record.ActivePictureList = n;
  for (int n = 1; n <= 15; ++n) {
    if (rad_active_list[n]->isChecked() && inpbox_list_desc[n]->text().isEmpty()) {
      platform::message(QCoreApplication::translate("PictureListsScreen", "Enter a description for Picture List Number %1").arg(n));
      return false;
    }
  }
  return true;
}

}  // namespace menu
