#include <algorithm>
// Each picture kept in the gallery: finished, or left with its colours so
// that Start can go on with it when [session] Resume is set; and a gallery
// that cannot be written never stops the colouring.

#include <QDir>
#include <QRegularExpression>

#include "records/gallery_index.h"
#include "records/gallery_picture.h"
#include "session/picture_run.h"
#include "session_fixture.h"

using namespace session_tests;

namespace {

class GalleryKeepingTest : public SessionTest {
protected:
  QStringList Kept() const { return QDir(path(u"gallery"_s)).entryList({u"*.png"_s}, QDir::Files, QDir::Name); }
  records::GalleryFields Fields(const QString& name) const {
    const auto f = records::ReadGalleryFields(path(u"gallery/"_s + name));
    EXPECT_TRUE(f.has_value()) << name.toStdString();
    return f.value_or(records::GalleryFields{});
  }
  QImage Image(const QString& name) const { return QImage(path(u"gallery/"_s + name)); }
};

TEST_F(GalleryKeepingTest, AFinishedPictureIsKeptAsColouredWithItsFields) {
  settings::SettingsRecord.ActivePictureList = 3;
  PaintWith(1);
  const QStringList kept = Kept();
  ASSERT_EQ(kept.size(), 1);
  EXPECT_TRUE(QRegularExpression(u"^\\d{4}-\\d\\d-\\d\\d_\\d{6}_quarters\\.png$"_s).match(kept[0]).hasMatch()) << kept[0].toStdString();
  const records::GalleryFields f = Fields(kept[0]);
  EXPECT_EQ(f.picture, u"quarters.bmp"_s);
  EXPECT_EQ(f.list, 3);
  EXPECT_EQ(f.sections, 4);
  EXPECT_TRUE(f.finished);
  EXPECT_EQ(f.colours, (std::vector<int>{1, 1, 1, 1}));
  EXPECT_LE(qAbs(f.date.secsTo(QDateTime::currentDateTime())), 5);
  const QImage image = Image(kept[0]);
  ASSERT_EQ(image.size(), QSize(400, 400));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(image.pixel(QuarterSeeds[k]), RedDone) << k;
}

TEST_F(GalleryKeepingTest, ALeftPictureIsKeptWithoutThePointerAndResumeGivesItsColoursBackOnlyWhenSet) {
  settings::SettingsRecord.ActivePictureList = 1;
  // Two sections red, then Escape while the pointer stands on the third.
  host.everyPass = [this] {
    if (session::SegmentsColored == 2 && window->PointerOnPicture()) window->ExitRequested = 1;
  };
  PaintWith(1);
  ASSERT_EQ(Kept().size(), 1);
  const QString left = Kept()[0];
  records::GalleryFields f = Fields(left);
  EXPECT_FALSE(f.finished);
  EXPECT_EQ(f.colours, (std::vector<int>{1, 1, 0, 0}));
  EXPECT_EQ(Image(left).pixel(QuarterSeeds[3]), White) << "no pointer in the kept picture";
  EXPECT_EQ(Image(left).pixel(QuarterSeeds[3] + QPoint(0, 30)), White);

  // Resume off (as described): the position stays and the picture starts white.
  const QStringList names{u"other.bmp"_s, u"quarters.bmp"_s};
  int16_t index = 1;
  session::ChooseUnfinishedToTakeUp(1, names, index);
  EXPECT_EQ(index, 1);
  settings::SessionOptionsRecord.Resume = 1;
  session::ChooseUnfinishedToTakeUp(2, names, index);
  EXPECT_EQ(index, 1) << "a picture of another list is not taken up";

  session::ChooseUnfinishedToTakeUp(1, names, index);
  EXPECT_EQ(index, 2);
  QRgb firstSectionWhenPointed = 0;
  host.everyPass = [&] {
    if (firstSectionWhenPointed == 0 && window->PointerOnPicture()) firstSectionWhenPointed = PixelAt(QuarterSeeds[1]);
  };

  PaintWith(2);  // green for the rest
  EXPECT_EQ(firstSectionWhenPointed, RedDone) << "the colours were back before the first choice";
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(PixelAt(QuarterSeeds[k]), k <= 2 ? RedDone : GreenDone) << k;
  EXPECT_EQ(session::SegmentsColored, 4) << "two painted before, two now";
  ASSERT_EQ(Kept().size(), 1) << "the finished picture replaces the one it was taken up from";
  f = Fields(Kept()[0]);
  EXPECT_TRUE(f.finished);
  EXPECT_EQ(f.colours, (std::vector<int>{1, 1, 3, 3}));
}

TEST_F(GalleryKeepingTest, AGalleryThatCannotBeWrittenIsToldOnceAndColouringGoesOn) {
  // A full disk: an earlier picture stays whole, no half file is left.
  PaintWith(1);
  ASSERT_EQ(Kept().size(), 1);
  const QByteArray earlier = testing_support::ReadFile(path(u"gallery/"_s + Kept()[0]));
  {
    testing_support::FileSizeLimit full(300);
    PaintWith(1);
    PaintWith(2);
  }
  EXPECT_EQ(session::PicturesCompleted, 3);
  // The progress record meets the same full disk and says so on its own.
  EXPECT_EQ(std::count_if(host.messages.begin(), host.messages.end(),
                          [](const auto& m) { return m.text.contains(u"could not be kept in the gallery"_s); }),
            1);
  EXPECT_EQ(QDir(path(u"gallery"_s)).entryList(QDir::Files).size(), 1) << "no .saving file left";
  EXPECT_EQ(testing_support::ReadFile(path(u"gallery/"_s + Kept()[0])), earlier);

  // A gallery that is no folder (root writes into a read-only one): no
  // further message this run, and the session still goes on.
  const size_t told = host.messages.size();
  ASSERT_TRUE(QDir(path(u"gallery"_s)).removeRecursively());
  testing_support::WriteFile(path(u"gallery"_s), "not a folder");
  PaintWith(1);
  EXPECT_EQ(session::PicturesCompleted, 4);
  EXPECT_EQ(host.messages.size(), told);
}

}  // namespace
