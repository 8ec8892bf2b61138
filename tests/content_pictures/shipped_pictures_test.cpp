// The pictures and picture lists shipped in content/: every listed picture is
// accepted by the colouring window's own scan, every fill stays inside its
// section, and the shipped files are what their drawings make.

#include "line_drawing.h"
#include "pictures/picture_list.h"
#include "picture_maker.h"
#include "pictures/section_scan.h"
#include "platform/raster.h"
#include "settings/settings_file.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString ContentDir() { return QStringLiteral(BRUSHWELL_SOURCE_DIR "/content"); }

// The settings shipped with the program: read without a problem, and
// written exactly as the program itself writes them.
settings::SettingsData ShippedSettings() {
  settings::SettingsData record;
  QStringList problems;
  settings::ReadSettingsFiles(ContentDir(), ContentDir(), record, problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  record.TextFolder = record.MediaFolder = QStringLiteral("./");
  EXPECT_EQ(testing_support::ReadFile(ContentDir() + QStringLiteral("/aobj_se1.cfg")), settings::SettingsFileImage(record));
  return record;
}

TEST(ShippedLists, EveryListIsDescribedAndEveryPictureIsAcceptedAndFillsStayInside) {
  const settings::SettingsData shipped = ShippedSettings();
  QStringList checked;
  int filledLists = 0;
  for (int n = 1; n <= 15; ++n) {
    QFile list(ContentDir() + QStringLiteral("/pictures_%1.pcf").arg(n));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "pictures_" << n << ".pcf is missing";
    const QStringList names = pictures::ParsePictureList(list.readAll(), 500).names;
    EXPECT_EQ(names.isEmpty(), shipped.PictureListDescription[n].isEmpty()) << "list " << n << " and its description disagree";
    if (!names.isEmpty()) ++filledLists;
    for (const QString& name : names) {
      if (checked.contains(name)) continue;
      checked << name;
      SCOPED_TRACE(name.toStdString());
      QImage image(ContentDir() + QLatin1Char('/') + name);
      ASSERT_FALSE(image.isNull()) << "cannot be read";
      const pictures::ScanResult scan = pictures::ScanPicture(image, name);
      ASSERT_EQ(scan.message, QString());
      ASSERT_EQ(static_cast<int>(scan.seeds.size()), scan.sectionCount);

      const auto stored = pictures::ReadSectionFile(ContentDir() + QLatin1Char('/') + pictures::SectionFileName(name), 400, 400);
      ASSERT_TRUE(stored.has_value()) << "section file missing or damaged";
      EXPECT_EQ(*stored, scan.seeds);

      for (size_t k = 0; k < scan.seeds.size(); ++k) {
        QImage painted = image;
        const pictures::Seed s = scan.seeds[k];
        ASSERT_TRUE(platform::FloodFill(painted, s.x, s.y, qRgb(0, 0, 0), {qRgb(255, 0, 0), platform::BrushStyle::Solid}));
        long long area = 0;
        for (int y = 0; y < 400; ++y)
          for (int x = 0; x < 400; ++x) area += painted.pixel(x, y) != image.pixel(x, y);
        EXPECT_GE(area, 100) << "section " << k + 1 << " is too small to see";
        EXPECT_LT(area * 2, 400 * 400) << "section " << k + 1 << " covers most of the picture";
        for (size_t j = 0; j < scan.seeds.size(); ++j) {
          if (j == k) continue;
          EXPECT_NE(painted.pixel(scan.seeds[j].x, scan.seeds[j].y), qRgb(255, 0, 0))
              << "the fill of section " << k + 1 << " reaches section " << j + 1;
        }
      }
    }
  }
  EXPECT_GE(filledLists, 8);
  EXPECT_GE(checked.size(), 36);
}

// A picture that no longer matches its drawing (or a drawing changed without
// running the script) shows up here.
TEST(ShippedPictures, AreExactlyWhatTheirDrawingsMake) {
  const QFileInfoList drawings = QDir(ContentDir() + QStringLiteral("/drawings")).entryInfoList({QStringLiteral("*.drawing")}, QDir::Files);
  ASSERT_GE(drawings.size(), 36);
  for (const QFileInfo& d : drawings) {
    SCOPED_TRACE(d.fileName().toStdString());
    const pictures::LineDrawingResult drawn = pictures::RenderLineDrawingFile(d.filePath());
    ASSERT_EQ(drawn.problem, QString());
    const pictures::MadePicture made = pictures::MakePicture(drawn.image);
    EXPECT_TRUE(made.Warnings({}).isEmpty()) << made.Warnings({}).join(QLatin1Char('\n')).toStdString();
    const QImage shipped(ContentDir() + QLatin1Char('/') + d.completeBaseName() + QStringLiteral(".bmp"));
    ASSERT_FALSE(shipped.isNull());
    EXPECT_EQ(shipped.convertToFormat(QImage::Format_RGB32), made.picture);
  }
}

}  // namespace
