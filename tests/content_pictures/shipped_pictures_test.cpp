// The pictures and picture lists shipped in content/: every listed picture is
// accepted by the colouring window's own scan, every fill stays inside its
// section, and the shipped files are what their drawings make.

#include "pictures/line_drawing.h"
#include "pictures/picture_maker.h"
#include "pictures/section_scan.h"
#include "platform/raster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString ContentDir() { return QStringLiteral(BRUSHWELL_SOURCE_DIR "/content"); }

// The names of a picture list: fields end at a line end or a comma, blanks
// before a field are skipped, empty fields and fields starting with "-" are
// no pictures, and a double-quoted field may hold commas.
QStringList ListNames(const QByteArray& text) {
  QStringList names;
  QString field;
  bool quoted = false;
  auto finish = [&]() {
    const QString name = field.trimmed();
    if (!name.isEmpty() && !name.startsWith(QLatin1Char('-'))) names << name;
    field.clear();
  };
  for (const QChar c : QString::fromLatin1(text)) {
    if (c == QLatin1Char('"')) {
      quoted = !quoted;
    } else if (!quoted && (c == QLatin1Char(',') || c == QLatin1Char('\n'))) {
      finish();
    } else if (c != QLatin1Char('\r')) {
      field += c;
    }
  }
  finish();
  return names;
}

QStringList Descriptions() {
  QFile f(ContentDir() + QStringLiteral("/aobj_se1.cfg"));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QList<QByteArray> lines = f.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  EXPECT_EQ(lines.size(), 49);
  QStringList out;
  for (int i = 34; i < lines.size(); ++i) {
    EXPECT_TRUE(lines[i].endsWith('\r')) << "line " << i + 1 << " must end with CR LF";
    out << QString::fromLatin1(lines[i]).chopped(lines[i].endsWith('\r') ? 1 : 0);
  }
  return out;
}

TEST(ShippedLists, EveryListIsDescribedAndEveryPictureIsAcceptedAndFillsStayInside) {
  const QStringList descriptions = Descriptions();
  ASSERT_EQ(descriptions.size(), 15);
  QStringList checked;
  int filledLists = 0;
  for (int n = 1; n <= 15; ++n) {
    QFile list(ContentDir() + QStringLiteral("/pictures_%1.pcf").arg(n));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "pictures_" << n << ".pcf is missing";
    const QStringList names = ListNames(list.readAll());
    EXPECT_EQ(names.isEmpty(), descriptions[n - 1].isEmpty()) << "list " << n << " and its description disagree";
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
