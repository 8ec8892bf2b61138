// The settings file: its exact image, reading it back, damaged files, and
// saving that never leaves a broken file behind.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "support/files.h"
#include "support/scripted_host.h"

using namespace settings;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

QList<QByteArray> lines(const QByteArray& image) {
  QList<QByteArray> out = image.split('\n');
  if (!out.isEmpty() && out.last().isEmpty()) out.removeLast();
  return out;
}

// A program folder may hold a comma; a description quotes and commas.
SettingsData unusualRecord() {
  const QString folder = QStringLiteral("/home/sam/Colour, book/Brushwell/");
  SettingsData d{.InputDevice = 3, .ReservedLine2 = -7, .SoundOption = 2, .PressReminderSeconds = 5,
                 .AnimationDelay = 2500.4, .TextFolder = folder, .MediaFolder = folder, .ReservedLine8 = 32767,
                 .ScanSeconds = 20, .CurrentPictureIndex = 42, .CurrentSongIndex = 6, .ReservedLine12 = -32768,
                 .ReservedLine13 = 13, .ReservedLine14 = -1, .FeedbackOption = 3, .SwitchWaitMode = 2,
                 .ColoringStyle = 6, .ScanType = 4, .ScanSpeed = 17, .RandomTubes = 1, .RandomTubeCount = 10,
                 .PrintOption = 2, .PointerType = 3, .ColorEnabled = {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1},
                 .ActivePictureList = 15};
  d.PictureListDescription = {QString(), QStringLiteral("Animals, farm and zoo"), QStringLiteral("   leading blanks"),
                              QString(), QStringLiteral("\"quoted\", with a comma")};
  d.PictureListDescription[15] = QStringLiteral("Zoë's list");
  return d;
}

class SettingsFile : public ::testing::Test {
protected:
  // Reads the settings files of the folder into `loaded`; the problems found.
  QStringList read(SettingsData& loaded, const QString& programFolder = {}) {
    QStringList problems;
    ReadSettingsFiles(dir.path(), programFolder.isEmpty() ? dir.path() : programFolder, loaded, problems);
    return problems;
  }
  void writeLines(const QList<QByteArray>& l) { WriteFile(dir.file(SettingsFileName), l.join('\n') + '\n'); }

  testing_support::ScriptedHost host;
  testing_support::TempProgramFolder dir;
};

}  // namespace

TEST_F(SettingsFile, FieldsAreWrittenExactly) {
  for (const auto& [value, text] : {std::pair{5, " 5 "}, {0, " 0 "}, {-1, "-1 "}, {-32768, "-32768 "}})
    EXPECT_EQ(FormatInteger(int16_t(value)), QByteArray(text)) << value;
  for (const auto& [value, text] : {std::pair{0.25, " .25 "}, {-0.25, "-.25 "}, {0.000015, " 1.5E-05 "},
                                    {2500.4, " 2500.4 "}, {0, " 0 "}, {700000, " 700000 "}, {1e15, " 1E+15 "},
                                    {1.0 / 3, " .333333333333333 "}})
    EXPECT_EQ(FormatDouble(value), QByteArray(text)) << value;
}

TEST_F(SettingsFile, EveryFieldComesBackUnchangedFromFortyNineCrLfLines) {
  SettingsData original = unusualRecord();
  // A pasted description may hold line breaks; each is stored as a blank.
  original.PictureListDescription[5] = QStringLiteral("Farm\r\nanimals\nand\rpets");
  ASSERT_EQ(WriteSettingsFile(dir.path(), original), QString());
  WriteFile(dir.file(FolderFileName), "x\r\ny\r\n");
  const QByteArray written = ReadFile(dir.file(SettingsFileName));
  EXPECT_EQ(written.count("\r\n"), 49);
  EXPECT_EQ(written.count('\n'), 49);
  const auto before = lines(written);
  ASSERT_EQ(before.size(), 49);
  EXPECT_EQ(before[0], QByteArray(" 3 \r"));
  EXPECT_EQ(before[5], QByteArray("/home/sam/Colour, book/Brushwell/\r"));
  EXPECT_EQ(before[36], QByteArray("\r"));  // empty description 3
  EXPECT_EQ(before[38], QByteArray("Farm animals and pets\r"));

  SettingsData loaded;
  const QStringList problems = read(loaded, QStringLiteral("/prog"));
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  SettingsData expected = original;
  expected.TextFolder = expected.MediaFolder = QStringLiteral("/prog/");
  expected.PictureListDescription[5] = QStringLiteral("Farm animals and pets");
  EXPECT_EQ(loaded, expected);

  // Saving what was loaded gives the same bytes, apart from the folder lines.
  ASSERT_EQ(WriteSettingsFile(dir.path(), loaded), QString());
  auto after = lines(ReadFile(dir.file(SettingsFileName)));
  ASSERT_EQ(after.size(), 49);
  EXPECT_EQ(after[5], QByteArray("/prog/\r"));
  EXPECT_EQ(after[6], QByteArray("/prog/\r"));
  after[5] = before[5];
  after[6] = before[6];
  EXPECT_EQ(after, before);
}

TEST_F(SettingsFile, HandWrittenFieldsAreRead) {
  auto l = lines(SettingsFileImage(unusualRecord()));
  l[0] = "3\r";                       // no blanks
  l[4] = "  2.5E+03  \r";             // exponent form with extra blanks
  l[5] = "\"C:\\Program Files, old\\\"\r";  // quoted folder with a comma
  l[8] = " 7 , 8\r";                 // two fields on one line: 7, then 8
  l.removeAt(9);
  l[15] = "\t5\r";                    // a tab before the number (ColoringStyle)
  writeLines(l);
  // The second settings file may end its last line without a line break.
  WriteFile(dir.file(FolderFileName), "a\r\nb");

  SettingsData loaded;
  const QStringList problems = read(loaded);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(loaded.InputDevice, 3);
  EXPECT_DOUBLE_EQ(loaded.AnimationDelay, 2500);
  EXPECT_EQ(loaded.ScanSeconds, 7);
  EXPECT_EQ(loaded.CurrentPictureIndex, 8);
  EXPECT_EQ(loaded.ColoringStyle, 5);
  EXPECT_EQ(loaded.PictureListDescription[1], QStringLiteral("Animals, farm and zoo"));
}

TEST_F(SettingsFile, DamagedFilesKeepWhatCouldBeReadAndNameTheLine) {
  WriteFile(dir.file(FolderFileName), "a\r\nb\r\n");
  const SettingsData standard = DefaultSettings();
  SettingsData loaded;

  // A missing file: standard settings, one problem naming the file.
  QStringList problems = read(loaded);
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].contains(SettingsFileName));
  SettingsData expected = standard;
  expected.TextFolder = expected.MediaFolder = dir.path();
  EXPECT_EQ(loaded, expected);

  // A short file: the lines that are there are kept.
  auto l = lines(SettingsFileImage(unusualRecord()));
  writeLines(l.mid(0, 12));
  problems = read(loaded);
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].contains(QStringLiteral("line 13"))) << problems[0].toStdString();
  EXPECT_EQ(loaded.InputDevice, 3);
  EXPECT_EQ(loaded.CurrentSongIndex, 6);
  EXPECT_EQ(loaded.ScanType, standard.ScanType);
  EXPECT_EQ(loaded.ActivePictureList, standard.ActivePictureList);

  // Garbled and out-of-range values fall back field by field.
  l[8] = "abc\r";      // ScanSeconds
  l[16] = " 9 \r";     // ColoringStyle
  l[33] = " 0 \r";     // ActivePictureList
  l[4] = " -3 \r";     // AnimationDelay
  l[17] = " 2.5 \r";   // ScanType, not whole
  writeLines(l);
  problems = read(loaded);
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

TEST_F(SettingsFile, TheCarerIsToldOnceAndSavingIsAtomic) {
  WriteFile(dir.file(SettingsFileName), "garbage\r\n");
  // What a program killed while saving left behind goes at the next start;
  // the second settings file is not needed, so its absence is not reported.
  WriteFile(dir.file(SettingsFileName + QStringLiteral(".saving")), " 1 \r\n");
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

TEST_F(SettingsFile, AFullDiskLeavesTheOldFileWholeAndSaysWhy) {
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
