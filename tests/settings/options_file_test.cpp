// brushwell.ini [switch]: standard options without a file, one problem per
// bad value, and writing that keeps the other groups and never loses the
// file on a failed save.

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "settings/options_file.h"
#include "support/files.h"

using namespace settings;
using testing_support::ReadFile;
using testing_support::WriteFile;

TEST(OptionsFile, ReadsTheSwitchGroupAndFallsBackPerValueWithOneSentenceEach) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(OptionsFileName);
  QStringList problems;
  EXPECT_EQ(ReadSwitchOptions(ini, problems), SwitchOptions{}) << "no file: standard options";
  EXPECT_TRUE(problems.isEmpty());

  struct Row {
    const char* text;
    SwitchOptions expected;
    int problems;
  };
  const Row rows[] = {
      {"[switch]\nAcceptanceMs=400\nReleaseMs=3000\nFirstTubeFactor=2.5\nScanCycles=3\nDwellMs=800\n"
       "Switch1=\"Key:F5,Mouse:Right\"\nSwitch2=Joystick:1:2\nPointerScale=2\n",
       {.AcceptanceMs = 400, .ReleaseMs = 3000, .FirstTubeFactor = 2.5, .ScanCycles = 3, .DwellMs = 800,
        .Switch1 = "Key:F5,Mouse:Right", .Switch2 = "Joystick:1:2", .PointerScale = 2},
       0},
      // Unquoted commas reach QSettings as a list: joined again.
      {"[switch]\nSwitch1=Key:F5, Mouse:Right\n", {.Switch1 = "Key:F5,Mouse:Right"}, 0},
      {"[switch]\nAcceptanceMs=3001\nReleaseMs=-1\nFirstTubeFactor=0.5\nScanCycles=2.5\nDwellMs=soon\n"
       "PointerScale=4\nAcceptanceMS=1\n",
       {}, 7},
      {"[voice]\nRate=3\n", {}, 0},
      {"\xff\xfe[switch\nAcceptanceMs=1\x01\n", {}, 1},  // garbage: not text, told once
  };
  for (const Row& row : rows) {
    WriteFile(ini, row.text);
    problems.clear();
    EXPECT_EQ(ReadSwitchOptions(ini, problems), row.expected) << row.text;
    EXPECT_LE(std::abs(problems.size() - row.problems), row.problems == 0 ? 1 : 0)
        << row.text << "\n" << problems.join(QLatin1Char('\n')).toStdString();
  }
  const QString message = OptionsProblemMessage({QStringLiteral("AcceptanceMs is 3001, outside 0 to 3000; 0 is used.")});
  EXPECT_TRUE(message.contains(OptionsFileName) && message.contains(QStringLiteral("3001")));
}

TEST(OptionsFile, BinaryGarbageIsToldOnceAndWhatCanBeReadIsUsed) {
  testing_support::TempProgramFolder folder;
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919 + 13) % 251);
  garbage.insert(2000, "\n[switch]\nAcceptanceMs=400\n[voice]\nLanguage=fr\n");
  WriteFile(folder.file(OptionsFileName), garbage);
  QStringList problems;
  LoadSwitchOptions(problems);
  ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(problems[0].contains(QStringLiteral("not plain text")));
  EXPECT_EQ(SwitchOptionsRecord, SwitchOptions{.AcceptanceMs = 400});
  EXPECT_EQ(VoiceOptionsRecord.Language, QStringLiteral("fr"));
}

TEST(OptionsFile, WritingKeepsOtherGroupsAndAFailedWriteLeavesTheFileAsItWas) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(OptionsFileName);
  WriteFile(ini, "[voice]\nRate=3\n[switch]\nAcceptanceMs=100\nOldKey=1\n");
  const SwitchOptions o{.AcceptanceMs = 250, .FirstTubeFactor = 1.5, .Switch1 = "Key:F5,Mouse:Right"};
  ASSERT_EQ(WriteSwitchOptions(ini, o), QString());
  QStringList problems;
  EXPECT_EQ(ReadSwitchOptions(ini, problems), o);
  EXPECT_TRUE(problems.isEmpty()) << "the unknown old key is gone";
  EXPECT_TRUE(ReadFile(ini).contains("[voice]\nRate=3")) << ReadFile(ini).toStdString();

  // The disk fills up in the middle of the save: a reason, the file whole.
  const QByteArray before = ReadFile(ini);
  QString why;
  {
    testing_support::FileSizeLimit full(40);
    why = WriteSwitchOptions(ini, SwitchOptions{.AcceptanceMs = 900, .Switch2 = "Mouse:Middle"});
  }
  EXPECT_FALSE(why.isEmpty());
  EXPECT_EQ(ReadFile(ini), before);
}

// [voice] Language: English unless a language code is given; writing it keeps
// the [switch] group, and writing [switch] keeps it.
TEST(OptionsFile, TheVoiceLanguageIsACodeAndLivesBesideTheSwitchGroup) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(OptionsFileName);
  QStringList problems;
  EXPECT_EQ(ReadVoiceOptions(ini, problems).Language, QStringLiteral("en")) << "no file";
  WriteFile(ini, "[switch]\nAcceptanceMs=100\n[voice]\nLanguage=fr\n");
  EXPECT_EQ(ReadVoiceOptions(ini, problems).Language, QStringLiteral("fr"));
  ASSERT_EQ(WriteVoiceOptions(ini, VoiceOptions{.Language = QStringLiteral("he")}), QString());
  ASSERT_EQ(WriteSwitchOptions(ini, SwitchOptions{.AcceptanceMs = 250}), QString());
  EXPECT_EQ(ReadVoiceOptions(ini, problems).Language, QStringLiteral("he"));
  EXPECT_EQ(ReadSwitchOptions(ini, problems).AcceptanceMs, 250);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();

  WriteFile(ini, "[voice]\nLanguage=../../etc\n");
  EXPECT_EQ(ReadVoiceOptions(ini, problems).Language, QStringLiteral("en"));
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].startsWith(QStringLiteral("[voice] Language is \"../../etc\""))) << problems[0].toStdString();
}

TEST(OptionsFile, CameraGroupReadsRectanglesAndKeepsTheOtherGroups) {
  QTemporaryDir dir;
  const QString ini = dir.filePath(OptionsFileName);
  QStringList problems;
  EXPECT_EQ(ReadCameraOptions(ini, problems), CameraOptions{}) << "no file: no camera";
  EXPECT_EQ(CameraOptions{}.Enabled, 0);

  WriteFile(ini, "[switch]\nAcceptanceMs=400\n[camera]\nEnabled=1\nDevice=/dev/video2\nRegion1=0.1,0.2,0.3,0.4\n"
                 "Region2=0.8,0.1,0.5,0.5\nSensitivity1=80\nSensitivity2=0\nSource=wave.avi\nZoom=2\n");
  const CameraOptions read = ReadCameraOptions(ini, problems);
  EXPECT_EQ(read.Enabled, 1);
  EXPECT_EQ(read.Device, QStringLiteral("/dev/video2"));
  EXPECT_EQ(read.Region1, QStringLiteral("0.100,0.200,0.300,0.400"));
  EXPECT_EQ(read.Region2, QString()) << "a rectangle reaching out of the picture is not used";
  EXPECT_EQ(read.Sensitivity1, 80);
  EXPECT_EQ(read.Sensitivity2, 50);
  EXPECT_EQ(read.Source, QStringLiteral("wave.avi"));
  EXPECT_EQ(problems.size(), 3) << problems.join(QLatin1Char('\n')).toStdString();  // Region2, Sensitivity2, Zoom

  CameraRegion r;
  for (const char* bad : {"1,2,3", "a,b,c,d", "0.5,0.5,0.6,0.1", "0,0,0,0.5", "-0.1,0,0.5,0.5"})
    EXPECT_FALSE(ParseCameraRegion(QString::fromLatin1(bad), r)) << bad;
  EXPECT_TRUE(ParseCameraRegion(QStringLiteral(" "), r) && r.empty());

  ASSERT_EQ(WriteCameraOptions(ini, read), QString());
  problems.clear();
  EXPECT_EQ(ReadCameraOptions(ini, problems), read);
  EXPECT_EQ(ReadSwitchOptions(ini, problems).AcceptanceMs, 400) << "the other groups are kept";
}
