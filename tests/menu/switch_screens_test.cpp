// The two switch screens on the real main window: brushwell.ini read once
// with one message, stored when "Switch Timing" is left; "Test Switches"
// counting through the same press filter as a session, and Learn; "Camera
// Switch" with a video file.

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include "camera/camera_switch.h"

#include "input/switch_inputs.h"
#include "menu_fixture.h"
#include "settings/options_file.h"

using testing_support::ReadFile;
using testing_support::WriteFile;

TEST_F(MenuTest, SwitchTimingShowsTheFileAndStoresWhatTheCarerSetsWhenLeft) {
  WriteFile(dir.file(settings::OptionsFileName),
            "[voice]\nRate=2\n[switch]\nAcceptanceMs=250\nReleaseMs=9000\nDwellMs=often\nSwitch1=Key:NoSuchKey\n");
  ASSERT_TRUE(settings::WriteSettingsFile(dir.path(), describedRecord()).isEmpty());
  banner = std::make_unique<menu::Banner>();
  banner->Load(folder());
  ASSERT_EQ(host.messages.size(), 1u) << "one message for the whole file";
  const QString text = host.messages[0].text;
  for (const char* part : {"brushwell.ini", "ReleaseMs", "DwellMs", "NoSuchKey"})
    EXPECT_TRUE(text.contains(QLatin1String(part))) << part << "\n" << text.toStdString();
  EXPECT_EQ(input::Presses().timing().acceptanceMs, 250);
  EXPECT_EQ(input::Presses().timing().releaseMs, 0);

  banner->ShowAndActivate();
  banner->but2_input_device->click();
  banner->device_frame->but_switch_timing->click();
  auto* timing = banner->switch_timing_frame;
  ASSERT_TRUE(timing->isVisible());
  EXPECT_EQ(timing->acceptance_slider->value(), 250);
  timing->acceptance_slider->setValue(520);  // snaps to its steps of 50
  timing->dwell_slider->setValue(1500);
  timing->first_tube_slider->setValue(25);
  QTest::keyClick(timing->dwell_slider, Qt::Key_Escape);  // back, as the button
  EXPECT_TRUE(banner->device_frame->isVisible());
  EXPECT_FALSE(timing->isVisible());
  EXPECT_EQ(input::Presses().timing().acceptanceMs, 500);
  const QByteArray ini = ReadFile(dir.file(settings::OptionsFileName));
  for (const char* line : {"AcceptanceMs=500", "DwellMs=1500", "FirstTubeFactor=2.5", "Rate=2"})
    EXPECT_TRUE(ini.contains(line)) << line << "\n" << ini.toStdString();
}

TEST_F(MenuTest, TestSwitchesCountsAndIgnoresPressesByTheTimingAndLearnsASwitch) {
  WriteFile(dir.file(settings::OptionsFileName), "[switch]\nAcceptanceMs=400\n");
  load();
  banner->but2_input_device->click();
  banner->device_frame->but_test_switches->click();
  auto* test = banner->test_switches_frame;
  ASSERT_TRUE(test->isVisible());
  QWidget* at = test->test_back;
  // Space held 0.2 s, then 0.5 s; the screen polls as its timer would.
  for (double hold : {0.2, 0.5}) {
    QTest::keyPress(at, Qt::Key_Space);
    host.clock += hold;
    test->Poll();
    EXPECT_EQ(test->lamp[0]->palette().color(QPalette::Window) != QColor(200, 200, 200), true) << "lit while held";
    QTest::keyRelease(at, Qt::Key_Space);
  }
  EXPECT_EQ(input::Presses().counts(0).ignored, 1);
  EXPECT_EQ(input::Presses().counts(0).counted, 1);
  EXPECT_TRUE(test->counts_label->text().contains(QStringLiteral("1 counted, 1 ignored, last hold 500 ms")))
      << test->counts_label->text().toStdString();
  EXPECT_TRUE(test->isVisible()) << "space tested the switch, it did not press Back";

  test->learn_button[1]->click();
  QTest::keyClick(at, Qt::Key_F7);
  EXPECT_EQ(settings::SwitchOptionsRecord.Switch2, QStringLiteral("Key:F7"));
  EXPECT_EQ(input::ExtraSwitchForKey(Qt::Key_F7), 2);
  // An input that cannot be taken says why, after the input it names.
  test->learn_button[1]->click();
  QTest::mouseClick(test->lamp[0], Qt::LeftButton);
  EXPECT_EQ(test->learn_status->text(),
            QStringLiteral("Not taken: Mouse:Left is the left mouse button, which is already switch 1; it is not used."));
  QTest::keyClick(at, Qt::Key_Escape);
  EXPECT_TRUE(banner->device_frame->isVisible());
  EXPECT_TRUE(ReadFile(dir.file(settings::OptionsFileName)).contains("Switch2=Key:F7"));
  banner->device_frame->but_test_switches->click();
  test->forget_button[1]->click();
  test->test_back->click();
  EXPECT_EQ(input::ExtraSwitchForKey(Qt::Key_F7), 0);
  EXPECT_TRUE(ReadFile(dir.file(settings::OptionsFileName)).contains("Switch2=\n"));
}

TEST_F(MenuTest, CameraSwitchShowsTheVideoTakesRectanglesFromTheKeyboardAndStoresThemWhenLeft) {
  const QString video = dir.file(QStringLiteral("grey.avi"));
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"), {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc=s=320x240:r=30:d=2", "-c:v",
                                          "mjpeg", video});
  ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
  WriteFile(dir.file(settings::OptionsFileName),
            QStringLiteral("[camera]\nRegion1=\"0.1,0.1,0.3,0.3\"\nSource=%1\n").arg(video).toUtf8());
  load();
  banner->but2_input_device->click();
  banner->device_frame->but_test_switches->click();
  banner->test_switches_frame->camera_button->click();
  menu::CameraScreen* screen = banner->camera_frame;
  ASSERT_TRUE(screen->isVisible());
  camera::CameraSwitch& cam = camera::CameraSwitch::instance();
  QElapsedTimer waited;
  waited.start();
  while (cam.framesSeen() < 3 && waited.elapsed() < 15000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_GE(cam.framesSeen(), 3) << "not enabled, yet shown while the carer sets it up";
  EXPECT_TRUE(screen->camera_status->text().contains(QStringLiteral("grey.avi")));

  // 2 chooses switch 2, whose first arrow places a rectangle; Delete on 1
  // removes switch 1's.
  screen->preview->setFocus();
  for (int key : {Qt::Key_2, Qt::Key_Right, Qt::Key_Right, Qt::Key_1, Qt::Key_Delete})
    QTest::keyClick(screen->preview, static_cast<Qt::Key>(key));
  EXPECT_TRUE(screen->draw_for[0]->isChecked());
  EXPECT_TRUE(screen->preview->region(0).empty());
  EXPECT_NEAR(screen->preview->region(1).x, 0.37, 1e-9);
  QTest::keyClick(screen->preview, Qt::Key_Escape);
  EXPECT_TRUE(banner->test_switches_frame->isVisible());
  EXPECT_EQ(cam.state(), camera::CameraSwitch::State::Off) << "closed again when left";
  const QByteArray ini = ReadFile(dir.file(settings::OptionsFileName));
  for (const char* line : {"Region1=\n", "Region2=\"0.370,0.350,0.300,0.300\"", "Enabled=0"})
    EXPECT_TRUE(ini.contains(line)) << line << "\n" << ini.toStdString();
}
