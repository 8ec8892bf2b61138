// The workshop's two pages on real widgets (offscreen), worked through
// their named controls as a carer or a screen reader would find them.

#include "list_page.h"
#include "new_picture_page.h"
#include "pictures/picture_list.h"
#include "pictures/section_scan.h"
#include "settings/settings_file.h"
#include "support/files.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace workshop;
using testing_support::TempProgramFolder;

namespace {

// The control of kind T whose accessible name is `name`; fails the test when
// there is none.
template <typename T>
T* Control(QWidget* root, const QString& name) {
  for (T* w : root->findChildren<T*>())
    if (w->accessibleName() == name) return w;
  ADD_FAILURE() << "no control named " << name.toStdString();
  return nullptr;
}

}  // namespace

TEST(WorkshopPages, ADrawingBecomesASavedPictureThatTheProgramScansAlike) {
  TempProgramFolder folder;
  QImage drawing(400, 400, QImage::Format_RGB32);
  drawing.fill(Qt::white);
  {
    QPainter p(&drawing);
    p.drawRect(40, 80, 320, 240);
    p.drawLine(200, 80, 200, 320);
    p.drawRect(100, 150, 15, 15);  // too small: red
  }
  ASSERT_TRUE(drawing.save(folder.file(QStringLiteral("boxes.png"))));
  NewPicturePage page(folder.path());
  QSignalSpy saved(&page, &NewPicturePage::pictureSaved);
  ASSERT_TRUE(page.OpenSource(folder.file(QStringLiteral("boxes.png"))));
  auto* remarks = Control<QLabel>(&page, QStringLiteral("Remarks"));
  auto* sections = Control<QListWidget>(&page, QStringLiteral("Sections in colouring order"));
  EXPECT_TRUE(remarks->text().contains(QStringLiteral("1 region(s) in red")));
  EXPECT_EQ(sections->count(), 2);

  Control<QPushButton>(&page, QStringLiteral("Merge Small Regions"))->click();
  EXPECT_FALSE(remarks->text().contains(QStringLiteral("in red")));
  Control<QPushButton>(&page, QStringLiteral("Undo"))->click();
  EXPECT_TRUE(remarks->text().contains(QStringLiteral("1 region(s) in red")));
  Control<QPushButton>(&page, QStringLiteral("Drop Small Regions"))->click();

  Control<QLineEdit>(&page, QStringLiteral("Picture name"))->setText(QStringLiteral("two boxes"));
  Control<QPushButton>(&page, QStringLiteral("Save Picture"))->click();
  ASSERT_EQ(saved.count(), 1);
  EXPECT_EQ(saved.at(0).at(0).toString(), QStringLiteral("two boxes.bmp"));
  QImage written(folder.file(QStringLiteral("two boxes.bmp")));
  ASSERT_EQ(written.size(), QSize(400, 400));
  const pictures::ScanResult scan = pictures::ScanPicture(written, QStringLiteral("two boxes.bmp"));
  EXPECT_EQ(scan.message, QString());
  EXPECT_EQ(scan.sectionCount, 2);
  EXPECT_EQ(pictures::ReadSectionFile(folder.file(QStringLiteral("two boxes.bmp.dat")), 400, 400), scan.seeds);
  EXPECT_FALSE(page.HasUnsavedPicture());
}

TEST(WorkshopPages, AListIsEditedUndoneAndSavedWithItsDescription) {
  TempProgramFolder folder({QStringLiteral("aobj_se*.cfg"), QStringLiteral("cat.bmp"), QStringLiteral("bus.bmp")});
  testing_support::WriteFile(folder.file(QStringLiteral("pictures_1.pcf")), "-- Pets --\r\ncat.bmp\r\ngone.bmp\r\n");
  ListPage page(folder.path());
  auto* entries = Control<QListWidget>(&page, QStringLiteral("Pictures in colouring order"));
  ASSERT_EQ(entries->count(), 3);
  EXPECT_TRUE(entries->item(2)->text().contains(QStringLiteral("not in the folder")));
  EXPECT_EQ(entries->item(0)->text(), QStringLiteral("—— Pets ——"));

  entries->setCurrentRow(2);
  Control<QPushButton>(&page, QStringLiteral("Remove"))->click();
  EXPECT_EQ(entries->count(), 2);
  Control<QPushButton>(&page, QStringLiteral("Undo"))->click();
  ASSERT_EQ(entries->count(), 3);
  entries->setCurrentRow(1);
  Control<QPushButton>(&page, QStringLiteral("Move Down"))->click();  // cat after gone
  auto* folderView = Control<QListWidget>(&page, QStringLiteral("Pictures in the folder"));
  const auto bus = folderView->findItems(QStringLiteral("bus.bmp"), Qt::MatchExactly);
  ASSERT_EQ(bus.size(), 1);
  entries->setCurrentRow(0);
  bus[0]->setSelected(true);
  Control<QPushButton>(&page, QStringLiteral("Add to List"))->click();  // after the heading
  auto* description = Control<QLineEdit>(&page, QStringLiteral("Description of this list"));
  description->selectAll();
  QTest::keyClicks(description, QStringLiteral("Pets, old and new"));
  EXPECT_TRUE(page.HasUnsavedChanges());
  Control<QPushButton>(&page, QStringLiteral("Save List"))->click();
  EXPECT_FALSE(page.HasUnsavedChanges());

  const pictures::PictureList read = pictures::ReadPictureList(1, 500);
  EXPECT_EQ(read.names, (QStringList{QStringLiteral("bus.bmp"), QStringLiteral("gone.bmp"), QStringLiteral("cat.bmp")}));
  settings::SettingsData record;
  QStringList problems;
  settings::ReadSettingsFiles(folder.path(), folder.path(), record, problems);
  EXPECT_EQ(record.PictureListDescription[1], QStringLiteral("Pets, old and new"));
}
