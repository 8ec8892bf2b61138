// The settings screens on the real main window: the record shown on every
// control after loading, and what each "Main Menu" button stores or refuses.

#include "menu_fixture.h"
#include "media/sound.h"
#include "platform/port_io.h"
#include "settings/options_file.h"

#include <QComboBox>
#include <QListWidget>
#include <QSlider>
#include <QTest>
#include <QPlainTextEdit>
#include <QTextBrowser>

namespace {
// The modem control registers of COM 2 and COM 3: bit 1 is RTS, the adapter's power.
constexpr int kCom2ModemControl = 0x2FC, kCom3ModemControl = 0x1FC;
}  // namespace

TEST_F(MenuTest, LoadShowsTheRecordOnEveryControl) {
  settings::SettingsData record{.InputDevice = 3, .SoundOption = 0, .TextFolder = folder(), .MediaFolder = folder(),
                                .ScanSeconds = 7, .FeedbackOption = 3, .ColoringStyle = 4, .ScanType = 2,
                                .ScanSpeed = 13, .RandomTubes = 1, .RandomTubeCount = 6, .PrintOption = 2,
                                .PointerType = 3, .ColorEnabled = {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1},
                                .ActivePictureList = 7, .PictureListDescription = describedRecord().PictureListDescription};
  pictures::ColorPickList.fill(9);
  load(record);

  // The stored device is powered while loading.
  EXPECT_EQ(platform::agInp(kCom3ModemControl), 2);
  EXPECT_EQ(platform::agInp(kCom2ModemControl), 0);
  // Each group shows its one option (sound 0 shows as "No Sound"), each slider its value.
  const auto* auditory = banner->auditory_frame;
  const auto* coloring = banner->frame_coloring_option;
  const auto* scan = banner->frame_scan;
  const std::pair<QButtonGroup*, QAbstractButton*> checked[] = {
      {banner->device_frame->device_group, banner->device_frame->Option3},
      {auditory->sound_option_group, auditory->sound_option[3]},     {auditory->feedback_group, auditory->rad_feedback[3]},
      {auditory->print_option_group, auditory->print_option[2]},     {scan->scan_type_group, scan->rad_scan_type[2]},
      {coloring->coloring_style_group, coloring->coloring_style[4]}, {coloring->pointer_type_group, coloring->rad_pointer_type[3]},
      {banner->frame_MySongs->active_list_group, banner->frame_MySongs->rad_active_list[7]}};
  for (const auto& [group, option] : checked) EXPECT_EQ(group->checkedButton(), option) << option->text().toStdString();
  for (const auto& [slider, value] : {std::pair{scan->Seconds_Slider, 7}, {scan->scan_slider, 13},
                                      {coloring->slider_num_random_tubes, 6}})
    EXPECT_EQ(slider->value(), value) << slider->accessibleName().toStdString();
  EXPECT_TRUE(coloring->chk_random_tubes->isChecked());
  for (int c = 1; c <= 10; ++c) EXPECT_EQ(coloring->check_color[c]->isChecked(), c == 1 || c == 3 || c == 10) << c;
  // The enabled colours in ascending order; later elements untouched.
  EXPECT_EQ(picks(4), std::vector<int>({1, 3, 10, 9}));
}

TEST_F(MenuTest, ColoringOptionsRefuseFewerThanTwoOwnColorsAfterAPartialStoreUnlessRandom) {
  settings::SettingsData record = describedRecord();
  record.PointerType = 1;
  record.RandomTubeCount = 3;
  load(record);
  auto* screen = banner->frame_coloring_option;
  auto& stored = settings::SettingsRecord;
  banner->but_direc->click();
  ASSERT_TRUE(screen->isVisible());
  for (int c = 1; c <= 10; ++c) screen->check_color[c]->setChecked(c == 4);
  screen->coloring_style[5]->click();
  screen->rad_pointer_type[2]->click();
  screen->slider_num_random_tubes->setValue(8);
  screen->anim_direc_done->click();

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("At least 2 colors must be selected"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(host.messages[0].title, platform::AppTitle);
  EXPECT_TRUE(screen->isVisible());
  EXPECT_FALSE(menuShown());
  // Stored before the refusal: random flag, style, colours; not stored: tube count and pointer.
  EXPECT_EQ(stored.RandomTubes, 0);
  EXPECT_EQ(stored.ColoringStyle, 5);
  EXPECT_EQ(stored.ColorEnabled, (std::array<int16_t, 11>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(picks(1), std::vector<int>({4}));
  EXPECT_EQ(stored.RandomTubeCount, 3);
  EXPECT_EQ(stored.PointerType, 1);

  // Blue, Red and Tan are enough.
  screen->check_color[1]->setChecked(true);
  screen->check_color[10]->setChecked(true);
  screen->anim_direc_done->click();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(picks(3), std::vector<int>({1, 4, 10}));
  EXPECT_EQ(stored.RandomTubeCount, 8);
  EXPECT_EQ(stored.PointerType, 2);

  // Random colours need none of the user's own.
  banner->but_direc->click();
  for (int c = 1; c <= 10; ++c) screen->check_color[c]->setChecked(false);
  screen->chk_random_tubes->setChecked(true);
  screen->anim_direc_done->click();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(stored.RandomTubes, 1);
  EXPECT_EQ(stored.ColorEnabled, (std::array<int16_t, 11>{}));
}

TEST_F(MenuTest, EditorsAreStartedOnFullPathsAndTheirAbsenceIsExplained) {
  load();
  banner->but2_users_guide->click();
  banner->but_MySongs->click();
  for (int n : {12, 1}) banner->frame_MySongs->but_pic_list[n]->click();
  EXPECT_EQ(host.editorStarts, QStringList({folder() + QStringLiteral("aobj_gid.txt"),
                                            folder() + QStringLiteral("pictures_12.pcf"),
                                            folder() + QStringLiteral("pictures_1.pcf")}));
  EXPECT_TRUE(host.messages.empty());

  host.editorName.clear();
  // Nothing opens it: the program's own window does, the list editable.
  testing_support::WriteFile(folder() + QStringLiteral("pictures_4.pcf"), "cat.bmp\n- later\n");
  ASSERT_TRUE(QFile::copy(QStringLiteral(BRUSHWELL_DIR "/aobj_gid.txt"), folder() + QStringLiteral("aobj_gid.txt")));
  banner->frame_MySongs->but_pic_list[4]->click();
  banner->but2_users_guide->click();
  EXPECT_TRUE(host.messages.empty());
  const auto viewers = banner->findChildren<menu::FileViewer*>();
  ASSERT_EQ(viewers.size(), 2);
  menu::FileViewer* list = viewers[0]->editor ? viewers[0] : viewers[1];
  menu::FileViewer* guide = viewers[0]->editor ? viewers[1] : viewers[0];
  EXPECT_TRUE(list->isVisible() && guide->isVisible());
  EXPECT_EQ(list->editor->toPlainText(), QStringLiteral("cat.bmp\n- later\n"));
  list->editor->appendPlainText(QStringLiteral("dog.bmp"));
  list->saveButton->click();
  EXPECT_EQ(testing_support::ReadFile(folder() + QStringLiteral("pictures_4.pcf")), "cat.bmp\n- later\n\ndog.bmp\n");
  EXPECT_FALSE(list->Modified());
  // The guide read-only, its chapters as the contents list.
  EXPECT_EQ(guide->editor, nullptr);
  ASSERT_GE(guide->contents->count(), 11);
  EXPECT_EQ(guide->contents->item(0)->text(), QStringLiteral("1. First start and the speed calibration"));
  EXPECT_TRUE(guide->guide->isReadOnly());
}

TEST_F(MenuTest, DescriptionsTheWorkshopSavesReachTheScreenAndSurviveExit) {
  load();
  auto* screen = banner->frame_MySongs;
  banner->but_MySongs->click();
  screen->inpbox_list_desc[3]->setText(QStringLiteral("Typed here"));
  // The workshop saves descriptions 2 and 3 while the screen is open.
  settings::SettingsData outside = describedRecord();
  outside.PictureListDescription[2] = QStringLiteral("From the workshop");
  outside.PictureListDescription[3] = QStringLiteral("Also the workshop");
  ASSERT_TRUE(settings::WriteSettingsFile(folder(), outside).isEmpty());
  banner->TakeWorkshopDescriptions();  // run when the workshop process ends
  EXPECT_EQ(screen->inpbox_list_desc[2]->text(), QStringLiteral("From the workshop"));
  EXPECT_EQ(screen->inpbox_list_desc[3]->text(), QStringLiteral("Typed here"));  // the carer's latest word
  screen->but_mysong_done->click();

  // Changed again in the file after that, while the menu is shown: Exit keeps it.
  outside.PictureListDescription[5] = QStringLiteral("Later, from the workshop");
  ASSERT_TRUE(settings::WriteSettingsFile(folder(), outside).isEmpty());
  banner->but2_quit->click();
  settings::SettingsData saved;
  QStringList problems;
  settings::ReadSettingsFiles(folder(), folder(), saved, problems);
  EXPECT_EQ(saved.PictureListDescription[2], QStringLiteral("From the workshop"));
  EXPECT_EQ(saved.PictureListDescription[3], QStringLiteral("Typed here"));
  EXPECT_EQ(saved.PictureListDescription[5], QStringLiteral("Later, from the workshop"));
  EXPECT_EQ(saved.PictureListDescription[1], QStringLiteral("List 1"));
}

TEST_F(MenuTest, AMissingWorkshopProgramIsExplained) {
  load();
  banner->but_MySongs->click();
  EXPECT_EQ(banner->frame_MySongs->but_workshop->accessibleName(), QStringLiteral("Picture Workshop"));
  banner->frame_MySongs->but_workshop->click();  // the tests' folder has no workshop program
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("brushwell-workshop is missing"))) << host.messages[0].text.toStdString();
  EXPECT_TRUE(banner->frame_MySongs->isVisible());
}

TEST_F(MenuTest, ReturnPressesTheFocusedButtonAndARingShowsTheFocus) {
  load();
  banner->activateWindow();
  QApplication::setActiveWindow(banner.get());
  banner->but2_auditory->setFocus();
  QTest::keyClick(banner->but2_auditory, Qt::Key_Return);
  QTest::qWait(200);  // the click is animated
  ASSERT_TRUE(banner->auditory_frame->isVisible()) << "Return opened the screen";
  // The ring stands round whichever control has the focus, a slider too.
  QSlider* slider = banner->frame_scan->scan_slider;
  banner->auditory_frame->auditory_button->click();
  banner->but2_duration->click();
  slider->setFocus();
  const platform::FocusRing* ring = banner->focus_ring;
  EXPECT_EQ(ring->target(), slider);
  EXPECT_TRUE(ring->isVisible());
  const QRect around(slider->mapTo(banner.get(), QPoint(0, 0)), slider->size());
  EXPECT_TRUE(ring->geometry().contains(around.adjusted(-5, -5, 5, 5)));
  // A check box toggles with Return, as with the space bar.
  QAbstractButton* random = banner->frame_coloring_option->chk_random_tubes;
  banner->frame_scan->but_scan_frame_done->click();
  banner->but_direc->click();
  random->setFocus();
  const bool before = random->isChecked();
  QTest::keyClick(random, Qt::Key_Return);
  QTest::qWait(200);  // the click is animated
  EXPECT_NE(random->isChecked(), before);
}

// The narration language: shown from brushwell.ini on loading, chosen on the
// Auditory Settings screen, and saved (with the other groups) on leaving it.
TEST_F(MenuTest, TheLanguageOfTheSpokenWordsIsChosenOnTheAuditoryScreen) {
  testing_support::WriteFile(dir.path() + QStringLiteral("/brushwell.ini"), "[switch]\nAcceptanceMs=200\n[voice]\nLanguage=fr\n");
  load();
  QComboBox* language = banner->auditory_frame->voice_language;
  EXPECT_EQ(language->accessibleName(), QStringLiteral("Language of the spoken words"));
  EXPECT_EQ(language->currentData().toString(), QStringLiteral("fr"));
  EXPECT_EQ(media::VoiceLanguage(), QStringLiteral("fr"));

  banner->but2_auditory->click();
  language->setCurrentIndex(language->findData(QStringLiteral("de")));
  banner->auditory_frame->auditory_button->click();
  EXPECT_EQ(settings::VoiceOptionsRecord.Language, QStringLiteral("de"));
  EXPECT_EQ(media::VoiceLanguage(), QStringLiteral("de"));
  const QByteArray ini = testing_support::ReadFile(dir.path() + QStringLiteral("/brushwell.ini"));
  EXPECT_TRUE(ini.contains("Language=de") && ini.contains("AcceptanceMs=200")) << ini.toStdString();
  media::SetVoiceLanguage(QStringLiteral("en"));
  settings::VoiceOptionsRecord = {};
}
