// make_images: writes every image file of the program folder.
//
//   make_images OUTPUT_FOLDER
//
// Tubes, easel, logo and calibration object are JPEG; the pointers and
// their masks are 24-bit BMP.

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

#include "drawings.h"
#include "pictures/session_tables.h"

namespace {

bool Save(const QDir& out, const QString& name, const QImage& image) {
  const QString path = out.filePath(name);
  const bool jpeg = name.endsWith(QStringLiteral(".jpg"));
  QImageWriter writer(path, jpeg ? "jpeg" : "bmp");
  if (jpeg) writer.setQuality(95);
  // BMP is written as 24-bit colour from an RGB888 image.
  const QImage data = jpeg ? image : image.convertToFormat(QImage::Format_RGB888);
  if (!writer.write(data)) {
    std::fprintf(stderr, "make_images: %s: %s\n", path.toLocal8Bit().constData(),
                 writer.errorString().toLocal8Bit().constData());
    return false;
  }
  std::printf("  %-28s %4d x %-4d\n", name.toLocal8Bit().constData(), image.width(), image.height());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: make_images OUTPUT_FOLDER\n");
    return 2;
  }
  QDir out(args[1]);
  if (!out.exists() && !QDir().mkpath(args[1])) {
    std::fprintf(stderr, "make_images: cannot create %s\n", args[1].toLocal8Bit().constData());
    return 1;
  }

  pictures::FillSessionTables();
  bool ok = true;
  for (int c = 1; c <= 10; ++c) {
    const QString name = pictures::ColorName[c];
    const QColor paint(pictures::ColorRGB[c][1], pictures::ColorRGB[c][2], pictures::ColorRGB[c][3]);
    ok &= Save(out, QStringLiteral("aobj_tube_%1.jpg").arg(name), art::DrawTube(art::NormalTube, paint, name));
    ok &= Save(out, QStringLiteral("aobj_small_tube_%1.jpg").arg(name),
               art::DrawTube(art::SmallTube, paint, name));
  }
  ok &= Save(out, QStringLiteral("aobj_tube_calibrate.jpg"),
             art::DrawTube(art::CalibrationTube, QColor(255, 153, 0), QStringLiteral("speed")));

  const struct {
    const char* image;
    const char* mask;
    art::Pointer (*draw)();
  } pointers[] = {{"aobj_pb.bmp", "aobj_pbm.bmp", art::DrawPaintbrush},
                  {"aobj_pb2.bmp", "aobj_pbm2.bmp", art::DrawRedArrow},
                  {"aobj_pb3.bmp", "aobj_pbm3.bmp", art::DrawColoredCones}};
  for (const auto& p : pointers) {
    const art::Pointer drawn = p.draw();
    ok &= Save(out, QString::fromLatin1(p.image), drawn.image);
    ok &= Save(out, QString::fromLatin1(p.mask), drawn.mask);
  }

  ok &= Save(out, QStringLiteral("aobj_easel_bot.jpg"), art::DrawEaselBar());
  ok &= Save(out, QStringLiteral("aobj_logo.jpg"), art::DrawBanner());
  return ok ? 0 : 1;
}
