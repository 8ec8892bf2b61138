// The settings screens on the real main window: the record shown on every
// control after loading, and what each "Main Menu" button stores or refuses.

#include "menu_fixture.h"
#include "platform/port_io.h"

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

TEST_F(MenuTest, DeviceScreenPowersAndStoresTheChosenDeviceOnlyWhenLeft) {
  load();  // device 6: no port
  auto* screen = banner->device_frame;
  banner->but2_input_device->click();
  ASSERT_TRUE(screen->isVisible());
  EXPECT_TRUE(screen->device_description[2]->isVisible());
  EXPECT_FALSE(screen->device_description[2]->text().isEmpty());

  screen->Option2->click();
  EXPECT_EQ(settings::SettingsRecord.InputDevice, 6);
  EXPECT_EQ(platform::agInp(kCom2ModemControl), 0);
  screen->device_button_done->click();
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(settings::SettingsRecord.InputDevice, 2);
  EXPECT_EQ(platform::agInp(kCom2ModemControl), 2);
  EXPECT_TRUE(screen->Option2->isChecked());

  // Keys and mouse touch no port.
  banner->but2_input_device->click();
  screen->Option6->click();
  const long long portAccesses = platform::PortAccessCount();
  screen->device_button_done->click();
  EXPECT_EQ(platform::PortAccessCount(), portAccesses);
  EXPECT_EQ(settings::SettingsRecord.InputDevice, 6);

  // A device outside the range checks none; the options still exclude each other afterwards.
  screen->SelectInputDevice(9);
  EXPECT_EQ(settings::SettingsRecord.InputDevice, 9);
  EXPECT_EQ(screen->device_group->checkedButton(), nullptr);
  screen->SelectInputDevice(4);
  screen->Option5->click();
  EXPECT_FALSE(screen->Option4->isChecked());
  EXPECT_EQ(screen->CheckedDevice(), 5);
}

// Leaving with a described list and the saved descriptions are checked on
// the real program by tests/e2e/test_menu_screens.sh.
TEST_F(MenuTest, PictureListsRefuseAnActiveListWithoutDescriptionAfterStoringEverything) {
  settings::SettingsData record = describedRecord();
  record.PictureListDescription[7].clear();
  load(record);
  auto* screen = banner->frame_MySongs;
  auto& stored = settings::SettingsRecord;
  // Opening the screen copies the descriptions of the record as it is then.
  stored.PictureListDescription[2] = QStringLiteral("Changed since loading");
  banner->but_MySongs->click();
  EXPECT_EQ(screen->inpbox_list_desc[2]->text(), QStringLiteral("Changed since loading"));

  screen->inpbox_list_desc[1]->clear();  // not active: accepted
  screen->inpbox_list_desc[5]->setText(QStringLiteral("  "));
  screen->rad_active_list[7]->click();
  screen->but_mysong_done->click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("Enter a description for Picture List Number 7"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::None);
  EXPECT_TRUE(screen->isVisible());
  EXPECT_FALSE(menuShown());
  EXPECT_EQ(stored.ActivePictureList, 7);
  EXPECT_EQ(stored.PictureListDescription[1], QString());
  EXPECT_EQ(stored.PictureListDescription[5], QStringLiteral("  "));

  screen->inpbox_list_desc[7]->setText(QStringLiteral("Seasons"));
  screen->but_mysong_done->click();
  EXPECT_TRUE(menuShown());
  EXPECT_EQ(stored.PictureListDescription[7], QStringLiteral("Seasons"));
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
  banner->frame_MySongs->but_pic_list[4]->click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(folder() + QStringLiteral("pictures_4.pcf")));
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("gedit")));
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
