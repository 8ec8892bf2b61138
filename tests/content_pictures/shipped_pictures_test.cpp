// The pictures and picture lists shipped in content/: every picture is what its
// drawing makes, the colouring window's own scan accepts it and every fill
// stays inside its section; every list is described and names such pictures.

#include "line_drawing.h"
#include "picture_maker.h"
#include "pointer_shapes.h"
#include "pictures/picture_list.h"
#include "settings/settings_file.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString Content = QStringLiteral(BRUSHWELL_SOURCE_DIR "/content/");

// Every picture is what its drawing makes (a picture changed by hand, or a
// drawing changed without running the script, shows up here), the colouring
// window accepts it, its section file holds the seeds the scan finds, and
// each section's fill stays inside it, is big enough to see and no sliver,
// and the program's pointers mark it without ambiguity: at their own size
// wholly over the section, enlarged whole inside the picture with the tip in it.
TEST(ShippedPictures, AreWhatTheirDrawingsMakeAndFillsStayInside) {
  const std::vector<QImage> pointers = pictures::LoadPointerMasks(Content);
  ASSERT_EQ(pointers.size(), 3u);
  const QFileInfoList drawings = QDir(Content + QStringLiteral("drawings")).entryInfoList({QStringLiteral("*.drawing")}, QDir::Files);
  ASSERT_GE(drawings.size(), 60);
  for (const QFileInfo& d : drawings) {
    SCOPED_TRACE(d.fileName().toStdString());
    const pictures::LineDrawingResult drawn = pictures::RenderLineDrawingFile(d.filePath());
    ASSERT_EQ(drawn.problem, QString());
    const pictures::MakerOptions options = pictures::ShippedPictureOptions(pointers);
    const pictures::MadePicture made = pictures::MakePicture(drawn.image, options);
    EXPECT_TRUE(made.Warnings(options).isEmpty()) << made.Warnings(options).join(QLatin1Char('\n')).toStdString();
    const QString name = d.completeBaseName() + QStringLiteral(".bmp");
    const QImage shipped(Content + name);
    ASSERT_FALSE(shipped.isNull()) << "cannot be read";
    EXPECT_EQ(shipped.convertToFormat(QImage::Format_RGB32), made.picture);

    const pictures::PictureCheck check = pictures::CheckPicture(shipped, name, pointers);
    ASSERT_EQ(check.scan.message, QString());
    ASSERT_EQ(static_cast<int>(check.scan.seeds.size()), check.scan.sectionCount);
    const auto stored = pictures::ReadSectionFile(Content + pictures::SectionFileName(name), 400, 400);
    ASSERT_TRUE(stored.has_value()) << "section file missing or damaged";
    EXPECT_EQ(*stored, check.scan.seeds);
    EXPECT_GE(check.sections.size(), 3u);
    EXPECT_TRUE(check.Problems().isEmpty()) << check.Problems().join(QLatin1Char('\n')).toStdString();
  }
}

// Every list has a description exactly when it names pictures, and names
// only pictures shipped with their drawings.
TEST(ShippedLists, EveryListIsDescribedAndNamesShippedPictures) {
  // The shipped settings read without a problem and are written exactly as
  // the program itself writes them.
  settings::SettingsData shipped;
  QStringList problems;
  settings::ReadSettingsFiles(Content, Content, shipped, problems);
  EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
  shipped.TextFolder = shipped.MediaFolder = QStringLiteral("./");
  EXPECT_EQ(testing_support::ReadFile(Content + QStringLiteral("aobj_se1.cfg")), settings::SettingsFileImage(shipped));

  QStringList named;
  int filledLists = 0;
  for (int n = 1; n <= 15; ++n) {
    QFile list(Content + QStringLiteral("pictures_%1.pcf").arg(n));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << "pictures_" << n << ".pcf is missing";
    const QStringList names = pictures::ParsePictureList(list.readAll(), 500).names;
    EXPECT_EQ(names.isEmpty(), shipped.PictureListDescription[n].isEmpty()) << "list " << n << " and its description disagree";
    filledLists += !names.isEmpty();
    for (const QString& name : names) {
      const QString drawing = QString(name).replace(QStringLiteral(".bmp"), QStringLiteral(".drawing"));
      EXPECT_TRUE(QFileInfo::exists(Content + QStringLiteral("drawings/") + drawing)) << name.toStdString() << " is no shipped picture";
      if (!named.contains(name)) named << name;
    }
  }
  EXPECT_GE(filledLists, 12);
  EXPECT_GE(named.size(), 60);
}

}  // namespace
