// brushwell-picture-maker: makes colouring pictures from line drawings and
// checks existing pictures the way the colouring window sees them.

#include "line_drawing.h"
#include "picture_maker.h"
#include "pointer_shapes.h"
#include "pictures/section_scan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QTextStream>

namespace {

QTextStream& Out() {
  static QTextStream s(stdout);
  return s;
}
QTextStream& Err() {
  static QTextStream s(stderr);
  return s;
}

enum Exit { Ok = 0, Failed = 1, Warned = 2 };

QString WithoutSuffix(const QString& path) {
  const QFileInfo info(path);
  return info.path() + QLatin1Char('/') + info.completeBaseName();
}

bool SaveImage(const QImage& image, const QString& path, QString* problem) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  QImage out = image;
  const char* format = nullptr;
  if (suffix == QStringLiteral("bmp")) {
    out = image.convertToFormat(QImage::Format_RGB888);  // 24-bit BMP
    format = "BMP";
  } else if (suffix == QStringLiteral("png")) {
    format = "PNG";
  } else {
    *problem = QStringLiteral("%1: pictures must be saved as .bmp or .png, which keep every pixel exactly").arg(path);
    return false;
  }
  if (!out.save(path, format)) {
    *problem = QStringLiteral("%1 could not be written").arg(path);
    return false;
  }
  return true;
}

// The program's pointer masks, from `folder` (by default the tool's own
// folder, the program folder). Without them the check and the markers go by
// a 40 x 48 rectangle, which asks for more room than any pointer needs.
std::vector<QImage> PointerMasks(const QString& folder) {
  QString problem;
  std::vector<QImage> masks = pictures::LoadPointerMasks(folder, &problem);
  if (masks.empty()) {
    Err() << "The pointer masks cannot be read (" << problem << "); the check goes by a 40 x 48 rectangle.\n";
    masks = pictures::StandInPointerMasks();
  }
  return masks;
}

int Check(const QString& path, const QString& previewPath, const std::vector<QImage>& masks) {
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    Err() << path << ": not a picture that can be read (" << reader.errorString() << ")\n";
    return Failed;
  }
  const QString name = QFileInfo(path).fileName();
  const pictures::PictureCheck check = pictures::CheckPicture(image, name, masks);
  for (const QString& line : pictures::DescribeCheck(check)) Out() << line << '\n';
  if (!check.scan.message.isEmpty()) return Warned;

  const QString datPath = pictures::SectionFileName(path);
  if (QFileInfo::exists(datPath)) {
    QString problem;
    const auto stored = pictures::ReadSectionFile(datPath, image.width(), image.height(), &problem);
    const auto order = pictures::CompareFileTimes(path, datPath);
    const bool used = order == pictures::FileTimeOrder::Earlier || order == pictures::FileTimeOrder::Equal;
    if (!stored) {
      Out() << "The section file " << datPath << " is damaged (" << problem << "); the picture will be scanned again.\n";
    } else if (*stored == check.scan.seeds) {
      Out() << "The section file " << datPath << " lists the same seeds.\n";
    } else {
      Out() << "The section file " << datPath << " lists " << stored->size() << " different seed(s); "
            << (used ? "it is not older than the picture, so the colouring window will use it. Delete it.\n"
                     : "the picture is newer, so it will be scanned again.\n");
    }
  }
  if (!previewPath.isEmpty()) {
    QString problem;
    if (!SaveImage(check.preview, previewPath, &problem)) {
      Err() << problem << '\n';
      return Failed;
    }
    Out() << "Preview: " << previewPath << '\n';
  }
  if (check.Leaks()) Out() << "Some fill spreads beyond its section: close the gaps in the outlines.\n";
  return check.Problems().isEmpty() ? Ok : Warned;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("brushwell-picture-maker"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Makes a colouring picture (400 x 400, black outlines, one marker dot per section) from a "
      "line drawing: an image file or a .drawing text file. With --check, tells what the "
      "colouring window will make of an existing picture."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("drawing"), QStringLiteral("the line drawing, or with --check the picture"));
  const QCommandLineOption outputOpt({QStringLiteral("o"), QStringLiteral("output")},
                                     QStringLiteral("the picture to write, .bmp or .png (default: the drawing's name with .bmp)"),
                                     QStringLiteral("file"));
  const QCommandLineOption previewOpt(QStringLiteral("preview"),
                                      QStringLiteral("the preview to write (default: the picture's name with -preview.png)"),
                                      QStringLiteral("file"));
  const QCommandLineOption noPreviewOpt(QStringLiteral("no-preview"), QStringLiteral("write no preview"));
  const QCommandLineOption noDatOpt(QStringLiteral("no-section-file"), QStringLiteral("write no section file beside the picture"));
  const QCommandLineOption backgroundOpt(QStringLiteral("background"),
                                         QStringLiteral("regions touching the picture's edge become sections too"));
  const QCommandLineOption replaceOpt(QStringLiteral("replace-markers"),
                                      QStringLiteral("ignore the marker dots already in the drawing"));
  const QCommandLineOption minAreaOpt(QStringLiteral("min-area"),
                                      QStringLiteral("regions smaller than this many pixels get no marker (default 150)"),
                                      QStringLiteral("pixels"), QStringLiteral("150"));
  const QCommandLineOption gapOpt(QStringLiteral("gap"),
                                  QStringLiteral("report necks up to about twice this wide as gaps (default 3)"),
                                  QStringLiteral("pixels"), QStringLiteral("3"));
  const QCommandLineOption detailsOpt(QStringLiteral("details"),
                                      QStringLiteral("regions under --min-area are details meant to stay white: no warning"));
  const QCommandLineOption checkOpt(QStringLiteral("check"), QStringLiteral("check an existing picture instead of making one"));
  const QCommandLineOption pointersOpt(QStringLiteral("pointers"),
                                       QStringLiteral("the folder with the pointer masks aobj_pbm*.bmp (default: the tool's own folder)"),
                                       QStringLiteral("folder"));
  const QCommandLineOption roomOpt(QStringLiteral("pointer-room"),
                                   QStringLiteral("regions the pointer cannot stand in without covering an outline get no marker"));
  parser.addOptions({outputOpt, previewOpt, noPreviewOpt, noDatOpt, backgroundOpt, replaceOpt, minAreaOpt, gapOpt, detailsOpt, checkOpt,
                     pointersOpt, roomOpt});
  parser.process(app);

  const QStringList args = parser.positionalArguments();
  if (args.size() != 1) {
    Err() << "Give one drawing (or, with --check, one picture). See --help.\n";
    return Failed;
  }
  const QString input = args.first();
  const std::vector<QImage> masks =
      PointerMasks(parser.isSet(pointersOpt) ? parser.value(pointersOpt) : QCoreApplication::applicationDirPath());
  if (parser.isSet(checkOpt)) return Check(input, parser.value(previewOpt), masks);

  pictures::MakerOptions options;
  options.markBackground = parser.isSet(backgroundOpt);
  options.keepMarkers = !parser.isSet(replaceOpt);
  options.smallAreDetails = parser.isSet(detailsOpt);
  options.pointerMustFit = parser.isSet(roomOpt);
  options.pointerMasks = masks;
  bool ok1 = false, ok2 = false;
  options.minArea = parser.value(minAreaOpt).toInt(&ok1);
  options.gapRadius = parser.value(gapOpt).toInt(&ok2);
  if (!ok1 || !ok2 || options.minArea < 1 || options.gapRadius < 1 || options.gapRadius > 20) {
    Err() << "--min-area needs a number above 0 and --gap a number from 1 to 20.\n";
    return Failed;
  }

  QImage drawing;
  if (QFileInfo(input).suffix().toLower() == QStringLiteral("drawing")) {
    const pictures::LineDrawingResult r = pictures::RenderLineDrawingFile(input);
    if (!r.problem.isEmpty()) {
      Err() << r.problem << '\n';
      return Failed;
    }
    drawing = r.image;
  } else {
    QImageReader reader(input);
    reader.setAllocationLimit(256);  // megabytes; a drawing is far smaller
    drawing = reader.read();
    if (drawing.isNull()) {
      Err() << input << ": not an image that can be read (" << reader.errorString() << ")\n";
      return Failed;
    }
  }

  const QString output = parser.isSet(outputOpt) ? parser.value(outputOpt) : WithoutSuffix(input) + QStringLiteral(".bmp");
  const pictures::MadePicture made = pictures::MakePicture(drawing, options);
  if (made.picture.isNull()) {
    Err() << input << ": the drawing is empty\n";
    return Failed;
  }
  QString problem;
  if (!SaveImage(made.picture, output, &problem)) {
    Err() << problem << '\n';
    return Failed;
  }

  Out() << input << " -> " << output << '\n';
  if (made.scaled) Out() << "  scaled from " << drawing.width() << " x " << drawing.height() << " to fit 400 x 400\n";
  if (made.thickened) Out() << "  thin outlines thickened (" << made.thickened << " pixels added)\n";
  if (made.specksFilled) Out() << "  tiny specks between lines filled in (" << made.specksFilled << " pixels)\n";
  const QStringList warnings = made.Warnings(options);
  for (const QString& w : warnings) Out() << "  WARNING: " << w << '\n';

  // Read the written file back and look at it with the colouring window's eyes.
  QImage written(output);
  const pictures::PictureCheck check = pictures::CheckPicture(written, QFileInfo(output).fileName(), masks);
  for (const QString& line : pictures::DescribeCheck(check)) Out() << "  " << line << '\n';

  if (check.scan.message.isEmpty() && !parser.isSet(noDatOpt)) {
    if (!pictures::WriteSectionFile(pictures::SectionFileName(output), check.scan.seeds, &problem)) {
      Err() << problem << '\n';
      return Failed;
    }
  }
  if (!parser.isSet(noPreviewOpt)) {
    const QString previewPath = parser.isSet(previewOpt) ? parser.value(previewOpt) : WithoutSuffix(output) + QStringLiteral("-preview.png");
    QImage shown = made.picture;
    pictures::ScanPicture(shown, QString());  // erases the marker dots, as on screen
    if (!SaveImage(pictures::MakePreview(shown, made.seeds, made.gaps), previewPath, &problem)) {
      Err() << problem << '\n';
      return Failed;
    }
    Out() << "  preview: " << previewPath << '\n';
  }
  return warnings.isEmpty() && check.Problems().isEmpty() ? Ok : Warned;
}
