// Validation on the colouring window and the section look-up: which file is
// trusted by its time stamp, what is rescanned, what ends the session.

#include <QFile>
#include <chrono>
#include <filesystem>

#include "pictures/section_scan.h"
#include "window_fixture.h"

using namespace window_tests;
using pictures::SectionLookUp;
using platform::GetPixel;
using testing_support::ReadFile;
using testing_support::WriteFile;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Moves a file's last-write time by `seconds` from `reference`'s.
void SetTimeRelativeTo(const QString& file, const QString& reference, int seconds) {
  namespace fs = std::filesystem;
  const auto base = fs::last_write_time(fs::path(reference.toStdString()));
  fs::last_write_time(fs::path(file.toStdString()), base + std::chrono::seconds(seconds));
}

class LookUpTest : public WindowTest {
protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->init_pictureboxes();
    window->show();
    window->ShowExitLink();
  }

  // Saves a picture as `name` in the program folder and loads it like the
  // session does.
  void UsePicture(const QString& name, const QImage& picture) {
    ASSERT_TRUE(picture.save(path(name), "BMP"));
    pictures::PictureName = name;
    ASSERT_TRUE(window->LoadSessionPicture());
    window->PB1->move(100, 100);
    window->PB1->show();
  }

  std::vector<QPoint> Seeds() const {
    std::vector<QPoint> out;
    for (int k = 1; k <= pictures::SectionCount; ++k)
      out.emplace_back(pictures::SectionSeedX[k], pictures::SectionSeedY[k]);
    return out;
  }
};

}  // namespace

TEST_F(LookUpTest, WithoutASectionFileThePictureIsScannedAndTheFileWritten) {
  UsePicture(QStringLiteral("pic.bmp"), PictureWithMarkers({{10, 300}, {11, 5}}));
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Known);
  EXPECT_EQ(Seeds(), (std::vector<QPoint>{{10, 300}, {11, 5}}));
  EXPECT_EQ(pictures::CurrentSection, 1);
  EXPECT_EQ(GetPixel(window->PB1->image(), 10, 300), White);
  EXPECT_EQ(ReadFile(path(QStringLiteral("pic.bmp.dat"))), QByteArray(" 10 \r\n 300 \r\n 11 \r\n 5 \r\n"));
  EXPECT_FALSE(window->lab_processing->isVisible());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LookUpTest, ASectionFileNotOlderThanThePictureIsTrustedWithoutAScan) {
  // The file names a seed where the picture has none: only the file can
  // have put it in the seed list.
  UsePicture(QStringLiteral("pic.bmp"), PictureWithMarkers({{50, 60}, {200, 200}}));
  const QByteArray stored(" 200 \r\n 200 \r\n");
  for (int offset : {0, 30}) {  // equal, then newer than the picture
    WriteFile(path(QStringLiteral("pic.bmp.dat")), stored);
    SetTimeRelativeTo(path(QStringLiteral("pic.bmp.dat")), path(QStringLiteral("pic.bmp")), offset);
    ASSERT_TRUE(window->LoadSessionPicture());
    EXPECT_EQ(window->LookUpSections(), SectionLookUp::Known) << offset;
    EXPECT_EQ(Seeds(), (std::vector<QPoint>{{200, 200}})) << offset;
    EXPECT_EQ(GetPixel(window->PB1->image(), 200, 200), White);
    EXPECT_EQ(GetPixel(window->PB1->image(), 50, 60), Black) << "no scan was made";
    EXPECT_EQ(ReadFile(path(QStringLiteral("pic.bmp.dat"))), stored);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LookUpTest, AnOlderOrDamagedSectionFileIsReplacedByAScan) {
  UsePicture(QStringLiteral("pic.bmp"), PictureWithMarkers({{120, 130}}));
  const QString dat = path(QStringLiteral("pic.bmp.dat"));
  const QByteArray fresh(" 120 \r\n 130 \r\n");

  WriteFile(dat, " 200 \r\n 200 \r\n");
  SetTimeRelativeTo(dat, path(QStringLiteral("pic.bmp")), -60);  // the picture changed since
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Known);
  EXPECT_EQ(Seeds(), (std::vector<QPoint>{{120, 130}}));
  EXPECT_EQ(ReadFile(dat), fresh);

  for (const QByteArray& damaged : {QByteArray("twelve\r\n"), QByteArray(" 5 \r\n"), QByteArray(" 900 \r\n 3 \r\n")}) {
    ASSERT_TRUE(window->LoadSessionPicture());
    WriteFile(dat, damaged);
    SetTimeRelativeTo(dat, path(QStringLiteral("pic.bmp")), 0);
    EXPECT_EQ(window->LookUpSections(), SectionLookUp::Known) << damaged.constData();
    EXPECT_EQ(Seeds(), (std::vector<QPoint>{{120, 130}})) << damaged.constData();
    EXPECT_EQ(ReadFile(dat), fresh);
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LookUpTest, AFileWhoseTimeCannotBeReadSkipsThePictureWithoutEndingTheSession) {
  UsePicture(QStringLiteral("pic.bmp"), PictureWithMarkers({{120, 130}}));
  // A folder where the section file should be cannot be opened as a file.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("pic.bmp.dat")));
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Skipped);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, QStringLiteral("Can't open the file"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Exclamation);
  EXPECT_EQ(host.messages[0].title, platform::AppTitle);
  EXPECT_EQ(window->ExitRequested, 0);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
}

TEST_F(LookUpTest, ARefusedPictureEndsTheSessionWithItsMessage) {
  UsePicture(QStringLiteral("blank.bmp"), PictureWithMarkers({}));
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Refused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            QStringLiteral("The number of sections to color must be between 1 and 25. \n"
                           "The number of sections found in blank.bmp to color is 0.\n"
                           "Please check blank.bmp for accuracy"));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(window->ExitRequested, 1);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
  EXPECT_FALSE(QFile::exists(path(QStringLiteral("blank.bmp.dat"))));
  // The processing label stays above the picture behind the message.
  EXPECT_TRUE(window->lab_processing->isVisible());
  EXPECT_EQ(window->lab_processing->x(), 100);
  EXPECT_EQ(window->lab_processing->y(), 100 - window->lab_processing->height() - 10);
}

TEST_F(LookUpTest, ASectionFileThatCannotBeWrittenIsToldOnceAndThePictureIsColouredAnyway) {
  UsePicture(QStringLiteral("pic.bmp"), PictureWithMarkers({{120, 130}}));
  // A folder holding a file where the section file goes cannot be replaced.
  ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("pic.bmp.dat/inside")));
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_TRUE(window->LoadSessionPicture());
    window->ValidatePicture();
    EXPECT_TRUE(pictures::ValidationMessage.isEmpty());
    EXPECT_EQ(Seeds(), (std::vector<QPoint>{{120, 130}}));
    EXPECT_FALSE(window->lab_processing->isVisible());
  }
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("pic.bmp.dat")));
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Exclamation);
}

TEST_F(LookUpTest, APictureThatCannotBeShownEndsTheSessionNamingTheFileAndTheReason) {
  ASSERT_TRUE(platform::MakeSurface(5000, 3).save(path(QStringLiteral("banner.png"))));
  pictures::PictureName = QStringLiteral("banner.png");
  EXPECT_FALSE(window->LoadSessionPicture());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.startsWith(QStringLiteral("The picture file banner.png")));
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("5000 by 3")));
  EXPECT_EQ(window->ExitRequested, 1);
  EXPECT_FALSE(window->LabelExitLink->isVisible());
}

TEST_F(LookUpTest, APictureOfTheWrongSizeIsRefusedEvenWithASectionFile) {
  ASSERT_TRUE(platform::MakeSurface(800, 600).save(path(QStringLiteral("big.bmp")), "BMP"));
  WriteFile(path(QStringLiteral("big.bmp.dat")), " 10 \r\n 10 \r\n");
  SetTimeRelativeTo(path(QStringLiteral("big.bmp.dat")), path(QStringLiteral("big.bmp")), 60);
  pictures::PictureName = QStringLiteral("big.bmp");
  ASSERT_TRUE(window->LoadSessionPicture());
  EXPECT_EQ(window->LookUpSections(), SectionLookUp::Refused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("is 800 by 600.")));
}

TEST_F(LookUpTest, ATruncatedPictureIsNamedAsDamaged) {
  ASSERT_TRUE(PictureWithMarkers({{120, 130}}).save(path(QStringLiteral("cut.bmp")), "BMP"));
  WriteFile(path(QStringLiteral("cut.bmp")), ReadFile(path(QStringLiteral("cut.bmp"))).left(5000));
  pictures::PictureName = QStringLiteral("cut.bmp");
  EXPECT_FALSE(window->LoadSessionPicture());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(host.messages[0].text.contains(QStringLiteral("cut.bmp cannot be shown:\nthe file is damaged")));
}
