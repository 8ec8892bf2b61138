#pragma once
// "Picture List": which of the fifteen picture lists the sessions use, the
// description of each, and a button to edit each list in a text editor.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace menu {

class PictureListsScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit PictureListsScreen(QWidget* parent);

  // Copies the fifteen descriptions of the record into the text boxes.
  void FillDescriptions();
  // Writes the fifteen descriptions and ActivePictureList; returns false
  // (after telling the carer) when the active list has no description.
  bool StoreSettings();

  std::array<QRadioButton*, 16> rad_active_list{};    // [1..15]
  QButtonGroup* active_list_group = nullptr;
  std::array<QLineEdit*, 16> inpbox_list_desc{};      // [1..15]
  std::array<QPushButton*, 16> but_pic_list{};        // [1..15]
  QPushButton* but_mysong_done = nullptr;
  // Opens the carers' Picture Workshop (an addition to the screen).
  QPushButton* but_workshop = nullptr;
};

// The file of picture list n: "pictures_" + n + ".pcf".
QString PictureListFileName(int n);

}  // namespace menu
