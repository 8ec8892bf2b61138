// The switch user's own choices ([session] ChooseSection, ChoosePicture) in
// each scanning method, through real key and mouse events on the scripted
// host's clock.

#include <QTest>

#include "pictures/picture_chooser.h"
#include "session_fixture.h"

using namespace session_tests;

namespace {

class UserChoiceTest : public SessionTest, public ::testing::WithParamInterface<int> {
protected:
  void SetUp() override {
    SessionTest::SetUp();
    settings::SettingsRecord.ScanType = static_cast<int16_t>(GetParam());
    settings::SettingsRecord.ScanSpeed = 1;
  }
  void TearDown() override {
    settings::SessionOptionsRecord = {};
    SessionTest::TearDown();
  }
  // Gives the press that takes what the scanning offers now (`wanted`) or
  // moves it on, in the method under test; without scanning a click on
  // `at` (window coordinates of a child) takes it.
  void Answer(bool wanted, QWidget* clickOn = nullptr, QPoint at = {}) {
    switch (GetParam()) {
      case 1: if (wanted) input::SwitchPressed = 1; break;
      case 2: if (!wanted) input::SwitchPressed = 1; break;  // left alone, it takes itself
      case 3: (wanted ? input::EnterPressed : input::SwitchPressed) = 1; break;
      default:
        if (clickOn) QTest::mouseClick(clickOn, Qt::LeftButton, {}, at);
        break;
    }
  }
  // Takes tube 1 (red) whenever it is offered.
  void TakeRed() {
    if (GetParam() == 4) {
      QTest::mouseClick(window->pb_tube[1], Qt::LeftButton);
      return;
    }
    if (TubeOut() == 1 && !window->pb3->isVisible()) Answer(true);
    else if (TubeOut() != 0 && !window->pb3->isVisible()) Answer(false);
  }
};

// The user colours the quarters in the order 4, 1, 3 (2 is left last and
// taken without asking), whatever the scanning method.
TEST_P(UserChoiceTest, TheUserPicksEachPartToColour) {
  settings::SessionOptionsRecord.ChooseSection = 1;
  const int order[] = {4, 1, 3, 2};
  std::vector<int> painted;
  host.everyPass = [&] {
    for (int k = 1; k <= 4; ++k)
      if (PixelAt(QuarterSeeds[k]) == RedDone && std::find(painted.begin(), painted.end(), k) == painted.end())
        painted.push_back(k);
    if (painted.size() == 4) window->ExitRequested = 1;
    const int want = order[std::min<size_t>(painted.size(), 3)];
    const bool choosingPart = TubeOut() == 0 && !window->pb3->isVisible();
    if (choosingPart && GetParam() != 4) Answer(pictures::CurrentSection == want);
    if (choosingPart && GetParam() == 4) Answer(true, window->PB1, QuarterSeeds[want]);
    if (!choosingPart || GetParam() == 4) TakeRed();
  };
  RunPicture();
  EXPECT_EQ(painted, (std::vector<int>{4, 1, 3, 2}));
}

// After the first picture the user takes the third of the list (the second
// is offered first); with narration on, each offered picture's name is
// spoken where there is a recording.
TEST_P(UserChoiceTest, TheUserPicksTheNextPicture) {
  settings::SessionOptionsRecord.ChoosePicture = 1;
  settings::SettingsRecord.SoundOption = 1;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) ASSERT_TRUE(QFile::copy(path(u"quarters.bmp"_s), path(name)));
  for (const char* name : {"aobj_name_b.wav", "aobj_name_c.wav"})
    ASSERT_TRUE(QFile::copy(path(u"aobj_voice_red.wav"_s), path(name)));
  WriteList(1, "a.bmp\nb.bmp\nc.bmp\n");
  settings::SettingsRecord.ActivePictureList = 1;
  settings::SettingsRecord.CurrentPictureIndex = 1;
  QStringList offered;
  host.everyPass = [&] {
    pictures::PictureChooser* chooser = window->picture_chooser;
    if (chooser->isVisible()) {
      offered = QStringList();
      for (int i = 0; i < chooser->count(); ++i) offered << QString::number(i);
      const int c = chooser->CardRect(1).center().x(), r = chooser->CardRect(1).center().y();
      if (GetParam() == 4) Answer(true, chooser, QPoint(c, r));
      else Answer(chooser->highlighted() == 1);
      return;
    }
    if (pictures::PictureName != u"a.bmp"_s) window->ExitRequested = 1;  // the chosen one has begun
    TakeRed();
  };
  session::RunColoringSession(*window);
  EXPECT_EQ(pictures::PictureName, u"c.bmp"_s);
  EXPECT_EQ(offered.size(), 2) << "b and c; a was finished";
  EXPECT_EQ(settings::SettingsRecord.CurrentPictureIndex, 1) << "the list goes on after c";
  if (GetParam() != 4) {
    EXPECT_TRUE(Played(u"aobj_name_"_s).contains(u"aobj_name_b.wav"_s));
    EXPECT_TRUE(Played(u"aobj_name_"_s).contains(u"aobj_name_c.wav"_s));
  }
}

std::string MethodName(const ::testing::TestParamInfo<int>& info) {
  static const char* const names[] = {"", "Timed", "StepOneSwitch", "StepTwoSwitches", "NoScanning"};
  return names[info.param];
}
INSTANTIATE_TEST_SUITE_P(EachScanningMethod, UserChoiceTest, ::testing::Values(1, 2, 3, 4), MethodName);

}  // namespace
