// Picture lists written by the workshop read back by the program's own list
// reader, and descriptions saved through the program's settings writer.

#include "list_model.h"
#include "pictures/picture_list.h"
#include "settings/settings_file.h"
#include "support/files.h"

#include <gtest/gtest.h>

using namespace workshop;
using testing_support::ReadFile;
using testing_support::TempProgramFolder;

TEST(WorkshopLists, AListRoundTripsThroughTheProgramsReader) {
  TempProgramFolder folder;
  const ListEntries entries{Heading(QStringLiteral("Animals")),
                            {QStringLiteral("cat.bmp")},
                            {QStringLiteral("dog, brown.bmp")},   // a comma: quoted
                            {QStringLiteral(" leading space.bmp")},
                            Heading(QStringLiteral("Vehicles, big ones")),
                            {QStringLiteral("bus.bmp")}};
  ASSERT_EQ(WriteList(folder.path(), 4, entries), QString());
  const QByteArray bytes = ReadFile(folder.file(QStringLiteral("pictures_4.pcf")));
  EXPECT_TRUE(bytes.startsWith("-- Animals --\r\ncat.bmp\r\n\"dog, brown.bmp\"\r\n")) << bytes.toStdString();

  const pictures::PictureList read = pictures::ReadPictureList(4, 500);  // the program's reader, current folder
  EXPECT_EQ(read.names, (QStringList{QStringLiteral("cat.bmp"), QStringLiteral("dog, brown.bmp"),
                                     QStringLiteral(" leading space.bmp"), QStringLiteral("bus.bmp")}));
  // And the workshop reads back its own entries, headings included.
  QString problem;
  EXPECT_EQ(ReadList(folder.path(), 4, &problem), entries);
  EXPECT_EQ(problem, QString());
}

TEST(WorkshopLists, NamesNotInTheFolderAreFlaggedAndKept) {
  TempProgramFolder folder({QStringLiteral("cat.bmp"), QStringLiteral("bus.bmp")});
  testing_support::WriteFile(folder.file(QStringLiteral("pictures_2.pcf")),
                             "cat.bmp\r\n-- heading --\r\nnot_here.bmp, bus.bmp\r\n\r\nalso_gone.jpg\r\n");
  QString problem;
  const ListEntries entries = ReadList(folder.path(), 2, &problem);
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(MissingPictures(folder.path(), entries), (std::vector<int>{2, 4}));
  ASSERT_EQ(WriteList(folder.path(), 2, entries), QString());
  EXPECT_EQ(pictures::ReadPictureList(2, 500).names.size(), 4);  // nothing dropped
  EXPECT_FALSE(NameProblem(QStringLiteral("-ball.bmp")).isEmpty());
  EXPECT_FALSE(NameProblem(QStringLiteral("a\"b.bmp")).isEmpty());
  EXPECT_TRUE(FolderPictures(folder.path()).contains(QStringLiteral("cat.bmp")));
}

TEST(WorkshopLists, ADescriptionIsSavedThroughTheSettingsWriterAndNothingElseChanges) {
  TempProgramFolder folder({QStringLiteral("aobj_se1.cfg"), QStringLiteral("aobj_se2.cfg")});
  const QByteArray before = ReadFile(folder.file(QStringLiteral("aobj_se1.cfg")));
  Descriptions onFile{};
  ASSERT_EQ(ReadDescriptions(folder.path(), onFile), QString());
  Descriptions edited = onFile;
  edited[2] = QStringLiteral("Our dog, our house");
  ASSERT_EQ(SaveDescriptions(folder.path(), onFile, edited), QString());

  const QByteArray after = ReadFile(folder.file(QStringLiteral("aobj_se1.cfg")));
  const QList<QByteArray> a = before.split('\n'), b = after.split('\n');
  ASSERT_EQ(a.size(), b.size());
  for (int i = 0; i < a.size(); ++i) {
    // Lines 6 and 7 (folders) are the program folder, as the program writes them too.
    if (i == 35 || i == 5 || i == 6) continue;
    EXPECT_EQ(a[i], b[i]) << "line " << i + 1;
  }
  EXPECT_EQ(b[35], QByteArray("Our dog, our house\r"));
  settings::SettingsData record;
  QStringList problems;
  settings::ReadSettingsFiles(folder.path(), folder.path(), record, problems);
  EXPECT_TRUE(problems.isEmpty());
  EXPECT_EQ(record.PictureListDescription[2], QStringLiteral("Our dog, our house"));

  // A damaged settings file is not overwritten with standard values.
  testing_support::WriteFile(folder.file(QStringLiteral("aobj_se1.cfg")), " 6 \r\n");
  EXPECT_FALSE(SaveDescriptions(folder.path(), onFile, edited).isEmpty());
  EXPECT_EQ(ReadFile(folder.file(QStringLiteral("aobj_se1.cfg"))), QByteArray(" 6 \r\n"));
}
