#include "menu/auditory_screen.h"

#include <QVBoxLayout>

#include "menu/screen_widgets.h"
#include "settings/settings_record.h"

namespace menu {

namespace {

QGroupBox* optionFrame(const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setAccessibleName(caption);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(16, 12, 16, 12);
  column->setSpacing(8);
  return frame;
}

QRadioButton* addOption(QGroupBox* frame, QButtonGroup* group, int id, const QString& caption) {
  QRadioButton* button = optionButton(caption, frame);
  group->addButton(button, id);
  frame->layout()->addWidget(button);
  return button;
}

}  // namespace

AuditoryScreen::AuditoryScreen(QWidget* parent) : QGroupBox(QStringLiteral("Auditory / Print Settings"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(14);

  QGroupBox* sounds = optionFrame(QStringLiteral("Music / Narration Options"), this);
  sound_option_group = new QButtonGroup(this);
  sound_option[1] = addOption(sounds, sound_option_group, 1, QStringLiteral("**Auditory Narration of Colors"));
  sound_option[2] = addOption(sounds, sound_option_group, 2, QStringLiteral("Music"));
  sound_option[3] = addOption(sounds, sound_option_group, 3, QStringLiteral("No Sound"));
  outer->addWidget(sounds);

  QGroupBox* feedback = optionFrame(QStringLiteral("Feedback when the user finished coloring the picture"), this);
  feedback_group = new QButtonGroup(this);
  rad_feedback[1] = addOption(feedback, feedback_group, 1, QStringLiteral("**Human Voice Complimenting"));
  rad_feedback[3] = addOption(feedback, feedback_group, 3, QStringLiteral("Nothing"));
  outer->addWidget(feedback);

  QGroupBox* printing = optionFrame(QStringLiteral("Print Options"), this);
  print_option_group = new QButtonGroup(this);
  print_option[1] = addOption(printing, print_option_group, 1, QStringLiteral("Show and Enable Print Button"));
  print_option[2] = addOption(printing, print_option_group, 2, QStringLiteral("Hide and Disable Print Button"));
  outer->addWidget(printing);

  outer->addWidget(wrappedLabel(
      QStringLiteral("** The spoken color names and compliments are recordings in the program folder. For another "
                     "language, record them with any sound recorder, save them as WAV files with the names listed in "
                     "the user guide and put them in the program folder in place of the English ones."),
      this));

  auditory_button = mainMenuButton(this);
  outer->addWidget(auditory_button, 0, Qt::AlignHCenter);
  setFixedWidth(680);
}

void AuditoryScreen::StoreSettings() {
  auto& record = settings::SettingsRecord;
  record.PressReminderSeconds = 0;
  for (int16_t i = 1; i <= 3; ++i)
    if (sound_option[i]->isChecked()) record.SoundOption = i;
  if (rad_feedback[1]->isChecked()) record.FeedbackOption = 1;
  if (rad_feedback[3]->isChecked()) record.FeedbackOption = 3;
  if (print_option[1]->isChecked()) record.PrintOption = 1;
  if (print_option[2]->isChecked()) record.PrintOption = 2;
}

}  // namespace menu
