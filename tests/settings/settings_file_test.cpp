// The settings file: its exact image, reading it back, and damaged files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "support/files.h"
#include "support/scripted_host.h"

using namespace settings;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

// Reads the settings files of `dir` into `loaded`; the problems found.
QStringList read(const QString& dir, SettingsData& loaded, const QString& programFolder = {}) {
  QStringList problems;
  ReadSettingsFiles(dir, programFolder.isEmpty() ? dir : programFolder, loaded, problems);
  return problems;
}

QList<QByteArray> lines(const QByteArray& image) {
  QList<QByteArray> out = image.split('\n');
  if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
  return out;
}

SettingsData unusualRecord() {
  SettingsData d = DefaultSettings();
  d.InputDevice = 3;
  d.ReservedLine2 = -7;
  d.SoundOption = 2;
  d.PressReminderSeconds = 5;
  d.AnimationDelay = 2500.4;
  d.ReservedLine8 = 32767;
  d.ScanSeconds = 20;
  d.CurrentPictureIndex = 42;
  d.CurrentSongIndex = 6;
  d.ReservedLine12 = -32768;
  d.ReservedLine13 = 13;
  d.ReservedLine14 = -1;
  d.FeedbackOption = 3;
  d.SwitchWaitMode = 2;
  d.ColoringStyle = 6;
  d.ScanType = 4;
  d.ScanSpeed = 17;
  d.RandomTubes = 1;
  d.RandomTubeCount = 10;
  d.PrintOption = 2;
  d.PointerType = 3;
  d.ColorEnabled = {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
  d.ActivePictureList = 15;
  d.PictureListDescription[1] = QStringLiteral("Animals, farm and zoo");
  d.PictureListDescription[2] = QStringLiteral("   leading blanks");
  d.PictureListDescription[3] = QString();
  d.PictureListDescription[4] = QStringLiteral("\"quoted\", with a comma");
  d.PictureListDescription[15] = QStringLiteral("Zoë's list");
  // A program folder may hold a comma.
  d.TextFolder = d.MediaFolder = QStringLiteral("/home/sam/Colour, book/Brushwell/");
  return d;
}

}  // namespace

TEST(SettingsFileImage, FieldsAreWrittenExactly) {
  for (const auto& [value, text] : std::initializer_list<std::pair<int, const char*>>{
           {5, " 5 "}, {0, " 0 "}, {-1, "-1 "}, {-32768, "-32768 "}})
    EXPECT_EQ(FormatInteger(value), QByteArray(text)) << value;
  for (const auto& [value, text] : std::initializer_list<std::pair<double, const char*>>{
           {0.25, " .25 "}, {-0.25, "-.25 "}, {0.000015, " 1.5E-05 "}, {2500.4, " 2500.4 "}, {0, " 0 "},
           {700000, " 700000 "}, {1e15, " 1E+15 "}, {1.0 / 3, " .333333333333333 "}})
    EXPECT_EQ(FormatDouble(value), QByteArray(text)) << value;
}

TEST(SettingsFileImage, FortyNineCrLfLinesInTableOrder) {
  SettingsData d = DefaultSettings();
  d.InputDevice = 6;
  d.PictureListDescription[1] = QString();
  d.TextFolder = QStringLiteral("/opt/brushwell/");
  d.MediaFolder = QStringLiteral("/opt/brushwell/");
  const QByteArray image = SettingsFileImage(d);
  EXPECT_EQ(image.count("\r\n"), 49);
  EXPECT_EQ(image.count('\n'), 49);
  const auto l = lines(image);
  ASSERT_EQ(l.size(), 49);
  EXPECT_EQ(l[0], QByteArray(" 6 \r"));
  EXPECT_EQ(l[5], QByteArray("/opt/brushwell/\r"));
  EXPECT_EQ(l[34], QByteArray("\r"));  // empty description 1
}

TEST(SettingsFileRoundTrip, EveryFieldComesBackUnchanged) {
  testing_support::ScriptedHost host;
  QTemporaryDir dir;
  SettingsData original = unusualRecord();
  // A pasted description may hold line breaks; each is stored as a blank.
  original.PictureListDescription[5] = QStringLiteral("Farm\r\nanimals\nand\rpets");
  ASSERT_EQ(WriteSettingsFile(dir.path(), original), QString());
  WriteFile(dir.filePath(FolderFileName), "x\r\ny\r\n");
  const QByteArray written = ReadFile(dir.filePath(SettingsFileName));

  SettingsData loaded;
  const QStringList problems = read(dir.path(), loaded, QStringLiteral("/prog"));
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  SettingsData expected = original;
  expected.TextFolder = expected.MediaFolder = QStringLiteral("/prog/");
  expected.PictureListDescription[5] = QStringLiteral("Farm animals and pets");
  EXPECT_EQ(loaded, expected);

  // Saving what was loaded gives the same bytes, apart from the folder lines.
  ASSERT_EQ(WriteSettingsFile(dir.path(), loaded), QString());
  auto before = lines(written), after = lines(ReadFile(dir.filePath(SettingsFileName)));
  ASSERT_EQ(before.size(), 49);
  ASSERT_EQ(after.size(), 49);
  for (int i = 0; i < 49; ++i) {
    if (i == 5 || i == 6) continue;
    EXPECT_EQ(before[i], after[i]) << "line " << i + 1;
  }
}

TEST(SettingsFileReading, HandWrittenFieldsAreRead) {
  testing_support::ScriptedHost host;
  QTemporaryDir dir;
  QByteArray image = SettingsFileImage(unusualRecord());
  auto l = lines(image);
  l[0] = "3\r";                       // no blanks
  l[4] = "  2.5E+03  \r";             // exponent form with extra blanks
  l[5] = "\"C:\\Program Files, old\\\"\r";  // quoted folder with a comma
  l[8] = " 7 , 8\r";                 // two fields on one line: 7, then 8
  l.removeAt(9);
  l[15] = "\t5\r";                    // a tab before the number (ColoringStyle)
  QByteArray changed = l.join('\n') + '\n';
  // The second settings file may end its last line without a line break.
  WriteFile(dir.filePath(SettingsFileName), changed);
  WriteFile(dir.filePath(FolderFileName), "a\r\nb");

  SettingsData loaded;
  const QStringList problems = read(dir.path(), loaded);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(loaded.InputDevice, 3);
  EXPECT_DOUBLE_EQ(loaded.AnimationDelay, 2500);
  EXPECT_EQ(loaded.ScanSeconds, 7);
  EXPECT_EQ(loaded.CurrentPictureIndex, 8);
  EXPECT_EQ(loaded.ColoringStyle, 5);
  EXPECT_EQ(loaded.PictureListDescription[1], QStringLiteral("Animals, farm and zoo"));
}

TEST(SettingsFileReading, DamagedFilesKeepWhatCouldBeReadAndNameTheLine) {
  testing_support::ScriptedHost host;
  QTemporaryDir dir;
  WriteFile(dir.filePath(FolderFileName), "a\r\nb\r\n");
  const SettingsData standard = DefaultSettings();

  {  // missing file: standard settings, one problem naming the file
    SettingsData loaded;
    const QStringList problems = read(dir.path(), loaded);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(SettingsFileName));
    SettingsData expected = standard;
    expected.TextFolder = expected.MediaFolder = dir.path() + QLatin1Char('/');
    EXPECT_EQ(loaded, expected);
  }
  {  // short file: the lines that are there are kept
    auto l = lines(SettingsFileImage(unusualRecord()));
    WriteFile(dir.filePath(SettingsFileName), l.mid(0, 12).join('\n') + '\n');
    SettingsData loaded;
    const QStringList problems = read(dir.path(), loaded);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].contains(QStringLiteral("line 13"))) << problems[0].toStdString();
    EXPECT_EQ(loaded.InputDevice, 3);
    EXPECT_EQ(loaded.CurrentSongIndex, 6);
    EXPECT_EQ(loaded.ScanType, standard.ScanType);
    EXPECT_EQ(loaded.ActivePictureList, standard.ActivePictureList);
  }
  {  // garbled and out-of-range values fall back field by field
    auto l = lines(SettingsFileImage(unusualRecord()));
    l[8] = "abc\r";      // ScanSeconds
    l[16] = " 9 \r";     // ColoringStyle
    l[33] = " 0 \r";     // ActivePictureList
    l[4] = " -3 \r";     // AnimationDelay
    l[17] = " 2.5 \r";   // ScanType, not whole
    WriteFile(dir.filePath(SettingsFileName), l.join('\n') + '\n');
    SettingsData loaded;
    const QStringList problems = read(dir.path(), loaded);
    EXPECT_EQ(problems.size(), 5);
    const QString all = problems.join(QLatin1Char('\n'));
    for (const char* line : {"Line 9 ", "Line 17 ", "Line 34 ", "Line 5 ", "Line 18 "})
      EXPECT_TRUE(all.contains(QLatin1String(line))) << line;
    EXPECT_EQ(loaded.ScanSeconds, standard.ScanSeconds);
    EXPECT_EQ(loaded.ColoringStyle, 0);
    EXPECT_EQ(loaded.ActivePictureList, 1);
    EXPECT_EQ(loaded.AnimationDelay, 0);
    EXPECT_EQ(loaded.ScanType, standard.ScanType);
    EXPECT_EQ(loaded.ScanSpeed, 17);  // the neighbours are untouched
    EXPECT_EQ(loaded.PictureListDescription[4], QStringLiteral("\"quoted\", with a comma"));
  }
}

TEST(SettingsFileLoading, TheCarerIsToldOnceAndSavingIsAtomic) {
  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder dir;
  WriteFile(dir.file(SettingsFileName), "garbage\r\n");
  // What a program killed while saving left behind goes at the next start;
  // the second settings file is not needed, so its absence is not reported.
  WriteFile(dir.file(SettingsFileName + QStringLiteral(".saving")), " 1 \r\n");
  QFile::remove(dir.file(FolderFileName));
  LoadSettings();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(SettingsFileName));
  EXPECT_FALSE(host.messages[0].text.contains(FolderFileName));
  EXPECT_EQ(host.messages[0].title, QStringLiteral("Brushwell Version 2"));

  // A save replaces the file whole and leaves no temporary file behind.
  SaveSettings();
  const QByteArray saved = ReadFile(dir.file(SettingsFileName));
  EXPECT_EQ(saved, SettingsFileImage(SettingsRecord));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

  // A save that cannot be made says so and leaves the old file alone.
  EXPECT_NE(WriteSettingsFile(dir.file(QStringLiteral("missing/folder")), SettingsRecord), QString());
  EXPECT_EQ(ReadFile(dir.file(SettingsFileName)), saved);
}

TEST(SettingsFileLoading, AFullDiskLeavesTheOldFileWholeAndSaysWhy) {
  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder dir;
  LoadSettings();
  SaveSettings();
  const QByteArray saved = ReadFile(dir.file(SettingsFileName));
  host.messages.clear();

  // No file may grow past 100 bytes: the disk is full in the middle of the save.
  SettingsRecord.PictureListDescription[1] = QStringLiteral("changed");
  {
    testing_support::FileSizeLimit full(100);
    SaveSettings();
  }
  EXPECT_EQ(ReadFile(dir.file(SettingsFileName)), saved);
  EXPECT_FALSE(QFile::exists(dir.file(SettingsFileName + QStringLiteral(".saving"))));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("could not be saved")));
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("too large"))) << host.messages[0].text.toStdString();
}
