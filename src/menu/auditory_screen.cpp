#include "menu/auditory_screen.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "media/sound.h"
#include "platform/host.h"
#include "platform/screen_language.h"
#include "menu/screen_widgets.h"
#include "settings/options_file.h"
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

AuditoryScreen::AuditoryScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("AuditoryScreen", "Auditory / Print Settings"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(20, 20, 20, 16);
  outer->setSpacing(14);

  QGroupBox* sounds = optionFrame(QCoreApplication::translate("AuditoryScreen", "Music / Narration Options"), this);
  sound_option_group = new QButtonGroup(this);
  sound_option[1] = addOption(sounds, sound_option_group, 1, QCoreApplication::translate("AuditoryScreen", "**Auditory Narration of Colors"));
  sound_option[2] = addOption(sounds, sound_option_group, 2, QCoreApplication::translate("AuditoryScreen", "Music"));
  sound_option[3] = addOption(sounds, sound_option_group, 3, QCoreApplication::translate("AuditoryScreen", "No Sound"));
  outer->addWidget(sounds);

  QGroupBox* feedback = optionFrame(QCoreApplication::translate("AuditoryScreen", "Feedback when the user finished coloring the picture"), this);
  feedback_group = new QButtonGroup(this);
  rad_feedback[1] = addOption(feedback, feedback_group, 1, QCoreApplication::translate("AuditoryScreen", "**Human Voice Complimenting"));
  rad_feedback[3] = addOption(feedback, feedback_group, 3, QCoreApplication::translate("AuditoryScreen", "Nothing"));
  outer->addWidget(feedback);

  QGroupBox* printing = optionFrame(QCoreApplication::translate("AuditoryScreen", "Print Options"), this);
  print_option_group = new QButtonGroup(this);
  print_option[1] = addOption(printing, print_option_group, 1, QCoreApplication::translate("AuditoryScreen", "Show and Enable Print Button"));
  print_option[2] = addOption(printing, print_option_group, 2, QCoreApplication::translate("AuditoryScreen", "Hide and Disable Print Button"));
  outer->addWidget(printing);

  // The language of the colour names, compliments and reminder.
  {
    auto* row = new QHBoxLayout;
    const QString caption = QCoreApplication::translate("AuditoryScreen", "Language of the spoken words:");
    auto* label = new QLabel(caption, this);
    voice_language = new QComboBox(this);
    voice_language->setAccessibleName(QCoreApplication::translate("AuditoryScreen", "Language of the spoken words"));
    for (const media::VoiceLanguageName& l : media::VoiceLanguages()) voice_language->addItem(l.name, l.code);
    label->setBuddy(voice_language);
    row->addWidget(label);
    row->addWidget(voice_language, 1);
    outer->addLayout(row);
  }
  // The language of the carer's screens and messages, chosen apart from the
  // narration's.
  {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QCoreApplication::translate("AuditoryScreen", "Language of the screens:"), this);
    screen_language = new QComboBox(this);
    screen_language->setAccessibleName(QCoreApplication::translate("AuditoryScreen", "Language of the screens"));
    for (const platform::ScreenLanguageName& l : platform::ScreenLanguages())
      screen_language->addItem(QString::fromUtf8(l.ownName), QString::fromLatin1(l.code));
    label->setBuddy(screen_language);
    row->addWidget(label);
    row->addWidget(screen_language, 1);
    outer->addLayout(row);
  }

  outer->addWidget(wrappedLabel(
      QCoreApplication::translate("AuditoryScreen", "** The spoken color names and compliments are recordings in the program folder, in English, "
                     "Dutch, French, Spanish, German and Hebrew. For another language, record them with any sound "
                     "recorder, save them as WAV files with the names listed in the user guide and put them in the "
                     "folder voices/ followed by the language code (for example voices/it/); a missing one is "
                     "spoken in English."),
      this));

  auditory_button = mainMenuButton(this);
  outer->addWidget(auditory_button, 0, Qt::AlignHCenter);
  // The language comes last in the focus chain, after "Main Menu", so the
  // keys that reach the described controls reach them as before.
  setTabOrder(auditory_button, voice_language);
  setTabOrder(voice_language, screen_language);
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

  const QString language = voice_language->currentData().toString();
  media::SetVoiceLanguage(language);
  if (language != settings::VoiceOptionsRecord.Language) {
    settings::VoiceOptionsRecord.Language = language;
    settings::SaveVoiceOptions();
  }

  const QString screens = screen_language->currentData().toString();
  if (screens != settings::DisplayOptionsRecord.Language) {
    settings::DisplayOptionsRecord.Language = screens;
    settings::SaveDisplayOptions();
    // Messages follow at once; the screens are made in the language at the
    // start, so the carer is told, in the language chosen, when they follow.
    platform::UseScreenLanguage(screens);
    platform::message(QCoreApplication::translate("AuditoryScreen",
                                                  "The screens are shown in %1 from the next start of Brushwell; "
                                                  "messages are shown in it from now on.")
                          .arg(screen_language->currentText()),
                      platform::MessageIcon::Information);
  }
}

void AuditoryScreen::ShowScreenLanguage() {
  const int index = screen_language->findData(settings::DisplayOptionsRecord.Language);
  screen_language->setCurrentIndex(index < 0 ? 0 : index);
}

void AuditoryScreen::ShowVoiceLanguage() {
  const QString code = settings::VoiceOptionsRecord.Language;
  int index = voice_language->findData(code);
  if (index < 0) {
    voice_language->addItem(code, code);
    index = voice_language->count() - 1;
  }
  voice_language->setCurrentIndex(index);
  media::SetVoiceLanguage(code);
}

}  // namespace menu
