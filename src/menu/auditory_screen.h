#pragma once
// "Auditory / Print Settings": narration, music or silence; the compliment
// when a picture is finished; the print button; the language of the spoken
// words; the language of the screens.

#include <QButtonGroup>
#include <QComboBox>
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
  // PrintOption from the controls; the narration language goes to
  // VoiceOptionsRecord, the sound players and brushwell.ini (when changed),
  // the screens' language to DisplayOptionsRecord and brushwell.ini (when
  // changed): messages use it at once, the screens from the next start.
  void StoreSettings();
  // Shows the language of VoiceOptionsRecord (a code the program brings no
  // narration for is listed by its code, so it is kept).
  void ShowVoiceLanguage();
  // Shows the language of DisplayOptionsRecord.
  void ShowScreenLanguage();

  std::array<QRadioButton*, 4> sound_option{};   // [1..3]
  QButtonGroup* sound_option_group = nullptr;
  std::array<QRadioButton*, 4> rad_feedback{};   // [1] and [3]; there is no [2]
  QButtonGroup* feedback_group = nullptr;
  std::array<QRadioButton*, 3> print_option{};   // [1..2]
  QButtonGroup* print_option_group = nullptr;
  QComboBox* voice_language = nullptr;  // item data: the language code
  QComboBox* screen_language = nullptr;  // item data: the language code
  QPushButton* auditory_button = nullptr;
};

}  // namespace menu
