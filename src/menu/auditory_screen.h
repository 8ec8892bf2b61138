#pragma once
// "Auditory / Print Settings": narration, music or silence; the compliment
// when a picture is finished; the print button.

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace menu {

class AuditoryScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit AuditoryScreen(QWidget* parent);

  // Writes PressReminderSeconds (always 0), SoundOption, FeedbackOption and
  // PrintOption from the controls.
  void StoreSettings();

  std::array<QRadioButton*, 4> sound_option{};   // [1..3]
  QButtonGroup* sound_option_group = nullptr;
  std::array<QRadioButton*, 4> rad_feedback{};   // [1] and [3]; there is no [2]
  QButtonGroup* feedback_group = nullptr;
  std::array<QRadioButton*, 3> print_option{};   // [1..2]
  QButtonGroup* print_option_group = nullptr;
  QPushButton* auditory_button = nullptr;
};

}  // namespace menu
