// Picture boxes, the window's size and drawing surface, the exit link and
// the mouse areas of the colouring window.

#include <QTest>

#include "window_fixture.h"

using namespace window_tests;
using platform::PictureBox;

namespace {

TEST(PictureBoxTest, RefusesMissingUndecodableAndHugeFilesAndStaysAsItWas) {
  QTemporaryDir dir;
  testing_support::WriteFile(dir.filePath(u"notes.bmp"_s), "this is not a picture\n");
  // A long thin PNG: the header alone tells its size, so it is refused
  // before its pixels are decoded.
  ASSERT_TRUE(platform::MakeSurface(PictureBox::MaxPictureSide + 1, 2).save(dir.filePath(u"wide.png"_s)));
  // A PNG signature followed by rubbish: recognised, but not decodable.
  testing_support::WriteFile(dir.filePath(u"cut.png"_s), QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(300, 'x'));

  PictureBox box;
  box.SetSurfaceSize(30, 20);
  const std::pair<const char*, const char*> cases[] = {
      {"absent.jpg", "does not exist"}, {"notes.bmp", "not a picture"}, {"wide.png", "4001 by 2"}, {"cut.png", ""}};
  for (const auto& [name, problemPart] : cases) {
    QString problem;
    EXPECT_FALSE(box.LoadPicture(dir.filePath(name), &problem)) << name;
    EXPECT_TRUE(!problem.isEmpty() && problem.contains(problemPart)) << name << ": " << problem.toStdString();
  }
  EXPECT_EQ(box.surfaceSize(), QSize(30, 20));
}

TEST_F(WindowTest, WorkSurfacesAndOccasionalControlsStartHiddenAndNoButtonTakesTheKeys) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           window->pbwork1, window->pbwork2, window->pbwork3, window->pb3, window->Slider1, window->Test,
           window->done_calib, window->Slider_label_1, window->slider1_label_fast, window->slider1_label_slow,
           window->lab_processing, window->LabelExitLink, window->but_print})
    EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  // The space bar is the main switch: it must never press a button.
  for (QWidget* w : std::initializer_list<QWidget*>{window->but_print, window->Test, window->done_calib, window->Slider1})
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
}

TEST_F(WindowTest, TheExitLinkSitsInTheTopRightCornerAndNeedsADoubleClickThatIsNeverASwitchPress) {
  settings::SettingsRecord.InputDevice = 6;
  window->init_pictureboxes();
  window->show();
  window->ShowExitLink();
  const QLabel* link = window->LabelExitLink;
  EXPECT_GT(link->width(), 20);
  EXPECT_EQ(link->pos(), QPoint(pictures::ScreenWidthPx - link->width() - 2, 0));
  EXPECT_EQ(link->text(), "Double-tap here \nfor main menu");
  EXPECT_TRUE(link->isVisible());

  QTest::mouseClick(window->LabelExitLink, Qt::LeftButton);
  EXPECT_EQ(window->ExitRequested, 0);
  QTest::mouseDClick(window->LabelExitLink, Qt::LeftButton);
  EXPECT_EQ(window->ExitRequested, 1);
  EXPECT_EQ(input::SwitchPressed, 0);
  window->HideExitLink();
  EXPECT_FALSE(link->isVisible());
}

TEST_F(WindowTest, APressIsASwitchOnlyWithTheMouseDeviceCountsOnceUntilReleasedAndATubeClickNamesItsTube) {
  settings::SettingsRecord.InputDevice = 6;
  window->init_pictureboxes();
  window->PB1->SetPicture(platform::MakeSurface(400, 400));
  window->PB1->move(100, 100);
  window->PB1->show();
  for (int i = 3; i <= 4; ++i) {
    window->pb_tube[i]->SetSurfaceSize(150, 44);
    window->pb_tube[i]->move(600, 60 * i);
    window->pb_tube[i]->show();
  }
  window->show();

  QTest::mousePress(window->PB1, Qt::LeftButton);
  EXPECT_EQ(input::SwitchPressed, 1);
  EXPECT_EQ(input::MouseReleased, input::False);
  // Held: the loop clears the flag; another press before a release is
  // ignored, but a tube pressed meanwhile is still named.
  input::SwitchPressed = 0;
  QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(input::SwitchPressed, 0);
  QTest::mousePress(window->pb_tube[4], Qt::LeftButton);
  EXPECT_EQ(input::ClickedTubeIndex, 4);
  EXPECT_EQ(input::SwitchPressed, 0);
  QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(input::MouseReleased, input::True);
  QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(5, 5));  // the background counts too
  EXPECT_EQ(input::SwitchPressed, 1);
  input::SwitchPressed = 0;
  QTest::mouseClick(window->pb_tube[3], Qt::MiddleButton);  // any button
  EXPECT_EQ(input::ClickedTubeIndex, 3);
  EXPECT_EQ(input::SwitchPressed, 1);

  // Boxes that are no mouse area do nothing.
  input::SwitchPressed = 0;
  window->pb_target->SetSurfaceSize(20, 20);
  window->pb_target->move(10, 10);
  window->pb_target->show();
  QTest::mouseClick(window->pb_target, Qt::LeftButton);
  EXPECT_EQ(input::SwitchPressed, 0);
  EXPECT_EQ(input::MouseReleased, input::True);

  // With a switch adapter a click only clears the flag.
  settings::SettingsRecord.InputDevice = 1;
  input::SwitchPressed = 1;
  QTest::mouseClick(window->PB1, Qt::LeftButton);
  EXPECT_EQ(input::SwitchPressed, 0);
  EXPECT_EQ(input::MouseReleased, input::True);
}

}  // namespace
