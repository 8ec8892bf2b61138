// The Gallery screen: thousands of pictures listed at once, thumbnails read
// as they are shown, damaged files left out, filters, the booklet and
// deleting with the carer's confirmation.

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "menu/gallery_screen.h"
#include "menu_fixture.h"
#include "records/gallery_picture.h"

using namespace Qt::StringLiterals;

namespace {

class GalleryScreenTest : public MenuTest {
protected:
  void Save(const QString& folder, const QString& user, const QString& picture, const QDateTime& date, QRgb colour) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(colour);
    records::GalleryFields f;
    f.user = user;
    f.picture = picture;
    f.date = date;
    f.sections = 1;
    f.colours = {1};
    ASSERT_EQ(records::SaveGalleryPicture(QDir(folder).filePath(u"gallery"_s), image, f), QString());
  }
  void SetUp() override {
    MenuTest::SetUp();
    QStandardPaths::setTestModeEnabled(true);  // the main menu's gallery caches under ~/.qttest
    const QDateTime day(QDate(2026, 5, 4), QTime(9, 0));
    Save(folder(), {}, u"sun.bmp"_s, day, qRgb(255, 0, 0));
    Save(folder() + u"/users/anna"_s, u"Anna"_s, u"cat.bmp"_s, day.addDays(1), qRgb(0, 255, 0));
    Save(folder() + u"/users/anna"_s, u"Anna"_s, u"dog.bmp"_s, day.addDays(3), qRgb(0, 0, 255));
    // A picture cut short by a crash of some other program.
    testing_support::WriteFile(folder() + u"/users/anna/gallery/2026-05-06_090000_owl.png"_s,
                               testing_support::ReadFile(folder() + u"/users/anna/gallery/2026-05-07_090000_dog.png"_s).left(300));
    screen = std::make_unique<menu::GalleryScreen>(nullptr, thumbs.path());
    screen->resize(900, 700);
    screen->Fill(folder());
    screen->show();
  }
  QStringList Shown() {
    QApplication::processEvents();
    screen->model()->LoadPending();
    QStringList names;
    for (int r = 0; r < screen->model()->rowCount(); ++r) names << QFileInfo(screen->model()->PathAt(r)).fileName().mid(18);
    return names;
  }
  // Answers the next question box with `button`.
  void Answer(QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      box->button(button)->click();
    });
  }
  QTemporaryDir thumbs;
  std::unique_ptr<menu::GalleryScreen> screen;
};

TEST_F(GalleryScreenTest, NewestFirstDamagedLeftOutFilteredByUserAndDate) {
  EXPECT_EQ(Shown(), (QStringList{u"dog.png"_s, u"cat.png"_s, u"sun.png"_s})) << "owl.png is damaged";
  EXPECT_EQ(screen->count_label->text(), u"3 picture(s)"_s);
  EXPECT_EQ(screen->user_choice->count(), 3);  // everyone, without a user, Anna
  screen->user_choice->setCurrentIndex(screen->user_choice->findText(u"Anna"_s));
  EXPECT_EQ(Shown(), (QStringList{u"dog.png"_s, u"cat.png"_s}));
  screen->date_to->setDate(QDate(2026, 5, 6));
  EXPECT_EQ(Shown(), QStringList{u"cat.png"_s});
  EXPECT_TRUE(screen->model()->data(screen->model()->index(0), menu::GalleryModel::LoadedRole).toBool());
  // Thumbnails come from the cache the next time.
  EXPECT_FALSE(QDir(thumbs.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(GalleryScreenTest, BookletHasAPagePerChosenPictureAndAFullDiskLosesNothing) {
  Shown();
  screen->picture_list->selectAll();
  const QString pdf = folder() + u"/family.pdf"_s;
  screen->ExportChosenTo(pdf);
  const QByteArray bytes = testing_support::ReadFile(pdf);
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 3);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(u"3 picture(s)"_s)) << host.messages[0].text.toStdString();
  {
    testing_support::FileSizeLimit full(4000);
    screen->ExportChosenTo(pdf);
  }
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_TRUE(host.messages[1].text.contains(u"could not be saved"_s));
  EXPECT_EQ(testing_support::ReadFile(pdf), bytes) << "the earlier booklet stays as it was";
}

TEST_F(GalleryScreenTest, DeletingAsksFirstAndTheKeyboardReachesIt) {
  Shown();
  screen->picture_list->setFocus();
  screen->picture_list->setCurrentIndex(screen->model()->index(1));  // cat
  Answer(QMessageBox::No);
  QTest::keyClick(screen->picture_list, Qt::Key_Delete);
  EXPECT_EQ(Shown().size(), 3);
  Answer(QMessageBox::Yes);
  QTest::keyClick(screen->picture_list, Qt::Key_Delete);
  EXPECT_EQ(Shown(), (QStringList{u"dog.png"_s, u"sun.png"_s}));
  EXPECT_FALSE(QFile::exists(folder() + u"/users/anna/gallery/2026-05-05_090000_cat.png"_s));
}

TEST_F(GalleryScreenTest, TheMainMenuOpensTheGalleryAndEscapeComesBack) {
  load();
  QTest::mouseClick(banner->but_gallery, Qt::LeftButton);
  ASSERT_TRUE(banner->gallery_frame->isVisible());
  EXPECT_FALSE(menuShown());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(banner->gallery_frame->isVisible());
  EXPECT_TRUE(menuShown()) << "Escape leaves the gallery, not the program";
  EXPECT_EQ(QApplication::focusWidget(), banner->but_gallery);
}

}  // namespace
