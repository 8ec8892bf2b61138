// The workshop's two pages on real widgets (offscreen), worked through
// their named controls as a carer or a screen reader would find them.

#include "list_page.h"
#include "new_picture_page.h"
#include "pictures/picture_list.h"
#include "pictures/section_scan.h"
#include "settings/settings_file.h"
#include "support/files.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProxyStyle>
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
    p.drawRect(185, 150, 15, 15);  // too small: red; against the middle line
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
  ListPage page(folder.path(), folder.path());
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

TEST(WorkshopPages, AChosenUsersDescriptionsAndOwnListAreEditedInTheirFolder) {
  TempProgramFolder folder({QStringLiteral("aobj_se*.cfg"), QStringLiteral("cat.bmp"), QStringLiteral("bus.bmp")});
  testing_support::WriteFile(folder.file(QStringLiteral("pictures_1.pcf")), "cat.bmp\r\n");
  testing_support::WriteFile(folder.file(QStringLiteral("pictures_2.pcf")), "cat.bmp\r\n");
  const QString user = folder.file(QStringLiteral("users/Noa"));
  ASSERT_TRUE(QDir().mkpath(user));
  ASSERT_TRUE(QFile::copy(folder.file(QStringLiteral("aobj_se1.cfg")), user + QStringLiteral("/aobj_se1.cfg")));
  testing_support::WriteFile(user + QStringLiteral("/pictures_2.pcf"), "bus.bmp\r\n");
  const QByteArray sharedSettings = testing_support::ReadFile(folder.file(QStringLiteral("aobj_se1.cfg")));

  ListPage page(folder.path(), user);
  auto* lists = Control<QListWidget>(&page, QStringLiteral("Picture lists"));
  auto* entries = Control<QListWidget>(&page, QStringLiteral("Pictures in colouring order"));
  auto* description = Control<QLineEdit>(&page, QStringLiteral("Description of this list"));
  lists->setCurrentRow(1);  // list 2: Noa's own copy
  ASSERT_EQ(entries->count(), 1);
  EXPECT_EQ(entries->item(0)->text(), QStringLiteral("bus.bmp"));
  description->selectAll();
  QTest::keyClicks(description, QStringLiteral("Noa's buses"));
  entries->setCurrentRow(0);
  Control<QPushButton>(&page, QStringLiteral("Remove"))->click();
  Control<QPushButton>(&page, QStringLiteral("Save List"))->click();
  ASSERT_FALSE(page.HasUnsavedChanges());

  EXPECT_EQ(testing_support::ReadFile(user + QStringLiteral("/pictures_2.pcf")), QByteArray());
  EXPECT_EQ(testing_support::ReadFile(folder.file(QStringLiteral("pictures_2.pcf"))), QByteArray("cat.bmp\r\n"));
  EXPECT_EQ(testing_support::ReadFile(folder.file(QStringLiteral("aobj_se1.cfg"))), sharedSettings);
  settings::SettingsData record;
  QStringList problems;
  settings::ReadSettingsFiles(user, user, record, problems);
  EXPECT_EQ(record.PictureListDescription[2], QStringLiteral("Noa's buses"));
}

namespace {

// Answers every message box that comes up with `answer`, keeping its text.
struct MessageBoxes {
  explicit MessageBoxes(QMessageBox::StandardButton answer) {
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [this, answer] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        if (QAbstractButton* b = box->button(answer)) b->click();
        else box->reject();
      }
    });
    timer.start();
  }
  QTimer timer;
  QStringList texts;
};

void Press(QWidget* w, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void Drag(QWidget* w, QPoint from, QPoint to) {
  Press(w, QEvent::MouseButtonPress, from);
  for (int k = 1; k <= 4; ++k) Press(w, QEvent::MouseMove, from + (to - from) * k / 4);
  Press(w, QEvent::MouseButtonRelease, to);
}

QString TwoBoxes(const TempProgramFolder& folder, const QString& name) {
  QImage drawing(400, 400, QImage::Format_RGB32);
  drawing.fill(Qt::white);
  QPainter p(&drawing);
  p.setPen(QPen(Qt::black, 2));
  p.drawRect(40, 80, 320, 240);
  p.drawLine(200, 80, 200, 320);
  p.end();
  EXPECT_TRUE(drawing.save(folder.file(name)));
  return folder.file(name);
}

}  // namespace

TEST(WorkshopPages, TheCarerJoinsSplitsErasesUndoesAndRedoes) {
  TempProgramFolder folder;
  NewPicturePage page(folder.path());
  page.show();
  ASSERT_TRUE(page.OpenSource(TwoBoxes(folder, QStringLiteral("boxes.png"))));
  auto* sections = Control<QListWidget>(&page, QStringLiteral("Sections in colouring order"));
  auto* preview = Control<QLabel>(&page, QStringLiteral("Colouring picture preview"));
  auto* undo = Control<QPushButton>(&page, QStringLiteral("Undo"));
  auto* redo = Control<QPushButton>(&page, QStringLiteral("Redo"));
  ASSERT_EQ(sections->count(), 2);
  EXPECT_EQ(sections->item(0)->text(), QStringLiteral("Section 1"));  // measurements only in the tooltip
  // A marker moved with the arrow keys, press by press, is one step to undo.
  QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(100, 200));
  const QString placed = sections->item(0)->toolTip();
  for (int k = 0; k < 3; ++k) QTest::keyClick(preview, Qt::Key_Right);
  EXPECT_NE(sections->item(0)->toolTip(), placed);
  undo->click();
  EXPECT_EQ(sections->item(0)->toolTip(), placed);
  EXPECT_FALSE(undo->isEnabled());

  Control<QRadioButton>(&page, QStringLiteral("Two clicks join two regions"))->click();
  QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(100, 200));
  QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(300, 200));
  EXPECT_EQ(sections->count(), 1);
  undo->click();
  EXPECT_EQ(sections->count(), 2);
  redo->click();
  EXPECT_EQ(sections->count(), 1);

  Control<QRadioButton>(&page, QStringLiteral("A line drawn across a region splits it"))->click();
  Drag(preview, QPoint(120, 100), QPoint(120, 300));
  EXPECT_EQ(sections->count(), 2);
  Control<QRadioButton>(&page, QStringLiteral("A click or a stroke erases lines"))->click();
  QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(120, 200));
  EXPECT_EQ(sections->count(), 1);
  // Back through every step, and forward again.
  for (int expected : {2, 1, 2}) {
    undo->click();
    EXPECT_EQ(sections->count(), expected);
  }
  EXPECT_FALSE(undo->isEnabled());
  for (int expected : {1, 2, 1}) {
    redo->click();
    EXPECT_EQ(sections->count(), expected);
  }
  EXPECT_FALSE(redo->isEnabled());
}

TEST(WorkshopPages, EachNewSourceStartsWithAnEmptyNameAndOnlyATakenNameAsksToReplace) {
  TempProgramFolder folder;
  NewPicturePage page(folder.path());
  QSignalSpy saved(&page, &NewPicturePage::pictureSaved);
  auto* name = Control<QLineEdit>(&page, QStringLiteral("Picture name"));
  auto* save = Control<QPushButton>(&page, QStringLiteral("Save Picture"));
  MessageBoxes boxes(QMessageBox::No);
  ASSERT_TRUE(page.OpenSource(TwoBoxes(folder, QStringLiteral("house.png"))));
  EXPECT_EQ(name->text(), QString());
  name->setText(QStringLiteral("My house"));
  save->click();
  ASSERT_EQ(saved.count(), 1);
  ASSERT_TRUE(page.OpenSource(TwoBoxes(folder, QStringLiteral("garden.png"))));
  EXPECT_EQ(name->text(), QString());
  name->setText(QStringLiteral("garden"));
  save->click();
  EXPECT_EQ(saved.count(), 2);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(QLatin1Char('\n')).toStdString();
  name->setText(QStringLiteral("My house"));  // typed, and taken: asked, and left alone on "No"
  save->click();
  EXPECT_EQ(saved.count(), 2);
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("Replace it?")));
}

TEST(WorkshopPages, ListRowsKeepTheirHeightWithHeadingsAndMissingPictures) {
  TempProgramFolder folder({QStringLiteral("aobj_se*.cfg"), QStringLiteral("cat.bmp")});
  testing_support::WriteFile(folder.file(QStringLiteral("pictures_1.pcf")), "cat.bmp\r\n-- Pets --\r\ngone.bmp\r\n");
  // The last row sets the height of all when they are uniform: a missing
  // picture there, on a desktop whose warning sign is small (as many icon
  // themes have it), shrank every row.
  struct SmallSigns : QProxyStyle {
    QIcon standardIcon(StandardPixmap, const QStyleOption*, const QWidget*) const override {
      QPixmap sign(16, 16);
      sign.fill(Qt::yellow);
      return QIcon(sign);
    }
  };
  SmallSigns style;
  ListPage page(folder.path(), folder.path());
  page.setStyle(&style);
  page.RefreshFolder();
  page.resize(1000, 600);
  page.show();
  QCoreApplication::processEvents();
  auto* entries = Control<QListWidget>(&page, QStringLiteral("Pictures in colouring order"));
  ASSERT_EQ(entries->count(), 3);
  for (int row = 0; row < 3; ++row) {
    const QRect r = entries->visualItemRect(entries->item(row));
    EXPECT_GE(r.height(), entries->iconSize().height()) << "row " << row;
    if (row > 0) {
      EXPECT_GT(r.top(), entries->visualItemRect(entries->item(row - 1)).bottom()) << "rows overlap at " << row;
    }
  }
  // The missing picture has a placeholder as large as a picture.
  EXPECT_EQ(entries->item(2)->icon().actualSize(entries->iconSize()), entries->iconSize());
}
