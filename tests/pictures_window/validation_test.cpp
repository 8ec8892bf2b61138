// Validation on the colouring window and the section look-up: which file is
// trusted by its time stamp, what is rescanned, what ends the session.

#include <QDir>
#include <QFile>
#include <chrono>
#include <filesystem>

#include "pictures/section_scan.h"
#include "window_fixture.h"

using namespace window_tests;
using pictures::SectionLookUp;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

class LookUpTest : public WindowTest {
protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->init_pictureboxes();
    window->show();
    window->ShowExitLink();
  }

  // Saves a picture as `name` in the program folder and loads it like the session does.
  void UsePicture(const QString& name, const QImage& picture) {
    ASSERT_TRUE(picture.save(path(name), "BMP"));
    pictures::PictureName = name;
    ASSERT_TRUE(window->LoadSessionPicture());
    window->PB1->move(100, 100);
    window->PB1->show();
  }
  // Writes the section file of `picture`, `seconds` newer than the picture.
  void WriteSectionFile(const QString& picture, const QByteArray& bytes, int seconds) {
    namespace fs = std::filesystem;
    WriteFile(path(picture + u".dat"_s), bytes);
    const auto base = fs::last_write_time(fs::path(path(picture).toStdString()));
    fs::last_write_time(fs::path(path(picture + u".dat"_s).toStdString()), base + std::chrono::seconds(seconds));
  }
  QByteArray SectionFile() const { return ReadFile(path(u"pic.bmp.dat"_s)); }
  std::vector<QPoint> Seeds() const {
    std::vector<QPoint> out;
    for (int k = 1; k <= pictures::SectionCount; ++k) out.emplace_back(pictures::SectionSeedX[k], pictures::SectionSeedY[k]);
    return out;
  }
  QRgb PixelAt(int x, int y) const { return *platform::GetPixel(window->PB1->image(), x, y); }
};

TEST_F(LookUpTest, ASectionFileNotOlderThanThePictureIsTrustedAnOlderOrDamagedOneIsReplacedByAScan) {
  // The file may name a seed where the picture has none: only the file can
  // have put it in the seed list.
  UsePicture(u"pic.bmp"_s, PictureWithMarkers({{120, 130}}));
  struct Case {
    const char* bytes;
    int newer;  // seconds; older: the picture changed since
    bool trusted;
  };
  for (const Case& c : {Case{" 200 \r\n 200 \r\n", 0, true}, {" 200 \r\n 200 \r\n", 30, true},
                        {" 200 \r\n 200 \r\n", -60, false}, {"twelve\r\n", 0, false}, {" 5 \r\n", 0, false},
                        {" 900 \r\n 3 \r\n", 0, false}}) {
    ASSERT_TRUE(window->LoadSessionPicture());
    WriteSectionFile(u"pic.bmp"_s, c.bytes, c.newer);
    EXPECT_EQ(window->LookUpSections(), SectionLookUp::Known) << c.bytes;
    EXPECT_EQ(Seeds(), std::vector<QPoint>{c.trusted ? QPoint(200, 200) : QPoint(120, 130)}) << c.bytes;
    EXPECT_EQ(PixelAt(120, 130), c.trusted ? Black : White) << "scanned only when not trusted";
    EXPECT_EQ(SectionFile(), c.trusted ? QByteArray(c.bytes) : QByteArray(" 120 \r\n 130 \r\n")) << c.bytes;
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LookUpTest, AFileWhoseTimeCannotBeReadSkipsThePictureWithoutEndingTheSession) {
  UsePicture(u"pic.bmp"_s, PictureWithMarkers({{120, 130}}));
  // A folder where the section file should be cannot be opened as a file.
  ASSERT_TRUE(QDir(folder.path()).mkdir(u"pic.bmp.dat"_s));
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Skipped);
  EXPECT_EQ(OnlyMessage().text, "Can't open the file");
  EXPECT_EQ(OnlyMessage().icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(OnlyMessage().title, platform::AppTitle);
  EXPECT_EQ(window->ExitRequested, 0);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
}

TEST_F(LookUpTest, ASectionFileThatCannotBeWrittenIsToldOnceAndThePictureIsColouredAnyway) {
  UsePicture(u"pic.bmp"_s, PictureWithMarkers({{120, 130}}));
  // A folder holding a file where the section file goes cannot be replaced.
  ASSERT_TRUE(QDir(folder.path()).mkpath(u"pic.bmp.dat/inside"_s));
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_TRUE(window->LoadSessionPicture());
    window->ValidatePicture();
    EXPECT_TRUE(pictures::ValidationMessage.isEmpty());
    EXPECT_EQ(Seeds(), (std::vector<QPoint>{{120, 130}}));
    EXPECT_FALSE(window->lab_processing->isVisible());
  }
  EXPECT_TRUE(OnlyMessage().text.contains(u"pic.bmp.dat"_s));
  EXPECT_EQ(OnlyMessage().icon, platform::MessageIcon::Exclamation);
}

TEST_F(LookUpTest, APictureWithoutSectionsEndsTheSessionWithItsMessage) {
  UsePicture(u"blank.bmp"_s, PictureWithMarkers({}));
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Refused);
  EXPECT_EQ(OnlyMessage().text,
            "The number of sections to color must be between 1 and 25. \nThe number of sections found in blank.bmp to "
            "color is 0.\nPlease check blank.bmp for accuracy");
  EXPECT_EQ(OnlyMessage().icon, platform::MessageIcon::None);
  EXPECT_EQ(window->ExitRequested, 1);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
  EXPECT_FALSE(QFile::exists(path(u"blank.bmp.dat"_s)));
  // The processing label stays above the picture behind the message.
  EXPECT_TRUE(window->lab_processing->isVisible());
  EXPECT_EQ(window->lab_processing->pos(), QPoint(100, 100 - window->lab_processing->height() - 10));
}

TEST_F(LookUpTest, APictureThatCannotBeShownOrHasTheWrongSizeEndsTheSessionNamingTheFileAndTheReason) {
  struct Case {
    QString name;
    QImage picture;
    int cutTo;  // bytes kept of the file, 0 for all
    bool shown;
    QStringList told;
  };
  const Case cases[] = {
      {u"banner.png"_s, platform::MakeSurface(5000, 3), 0, false, {u"The picture file banner.png"_s, u"5000 by 3"_s}},
      {u"cut.bmp"_s, PictureWithMarkers({{120, 130}}), 5000, false, {u"cut.bmp cannot be shown:\nthe file is damaged"_s}},
      // Refused even with a section file newer than the picture.
      {u"big.bmp"_s, platform::MakeSurface(800, 600), 0, true, {u"big.bmp  is 800 by 600."_s}},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    window->ExitRequested = 0;
    window->ShowExitLink();
    ASSERT_TRUE(c.picture.save(path(c.name)));
    if (c.cutTo) WriteFile(path(c.name), ReadFile(path(c.name)).left(c.cutTo));
    WriteSectionFile(c.name, " 10 \r\n 10 \r\n", 60);
    pictures::PictureName = c.name;
    ASSERT_EQ(window->LoadSessionPicture(), c.shown) << c.name.toStdString();
    if (c.shown) {
      EXPECT_EQ(window->LookUpSections(), SectionLookUp::Refused);
    }
    for (const QString& part : c.told) EXPECT_TRUE(OnlyMessage().text.contains(part)) << OnlyMessage().text.toStdString();
    EXPECT_EQ(window->ExitRequested, 1) << c.name.toStdString();
    EXPECT_FALSE(window->LabelExitLink->isVisible()) << c.name.toStdString();
  }
}

}  // namespace
