#include "records/gallery_booklet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "platform/safe_file.h"
#include "records/gallery_picture.h"

namespace records {

namespace {

struct Page {
  QImage image;
  GalleryFields fields;
};

void DrawPage(QPainter& painter, const QRect& area, const Page& page) {
  // The picture as large as the page's width allows, above its captions.
  const int captionHeight = area.height() / 6;
  const int side = std::min(area.width(), area.height() - captionHeight);
  const QRect pictureRect(area.x() + (area.width() - side) / 2, area.y(), side, side);
  painter.drawImage(pictureRect, page.image);
  painter.setPen(Qt::black);
  painter.drawRect(pictureRect);

  QFont title = painter.font();
  title.setPointSize(20);
  title.setBold(true);
  painter.setFont(title);
  const QRect titleRect(area.x(), pictureRect.bottom() + side / 20, area.width(), captionHeight / 2);
  painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   QFileInfo(page.fields.picture).completeBaseName());
  QFont small = title;
  small.setPointSize(14);
  small.setBold(false);
  painter.setFont(small);
  const QString date = QLocale().toString(page.fields.date.date(), QLocale::LongFormat) + QLatin1Char(' ') +
                       page.fields.date.time().toString(QStringLiteral("HH:mm"));
  const QString line =
      page.fields.user.isEmpty()
          ? date
          : QCoreApplication::translate("GalleryBooklet", "Coloured by %1 on %2").arg(page.fields.user, date);
  const QRect lineRect(area.x(), titleRect.bottom(), area.width(), captionHeight / 2);
  painter.drawText(lineRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, line);
}

}  // namespace

BookletOutcome WriteBooklet(const QString& pdfPath, const QStringList& pictures) {
  BookletOutcome out;
  std::vector<Page> pages;
  for (const QString& path : pictures) {
    const auto fields = ReadGalleryFields(path);
    QImage image;
    if (fields) image = QImageReader(path, "png").read();
    if (!fields || image.isNull()) {
      out.skipped << path;
      continue;
    }
    pages.push_back({image, *fields});
  }
  if (pages.empty()) {
    out.problem = QCoreApplication::translate("GalleryBooklet", "none of the chosen pictures could be read");
    return out;
  }

  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    writer.setResolution(150);
    writer.setTitle(QCoreApplication::translate("GalleryBooklet", "Pictures coloured with Brushwell"));
    writer.setCreator(QStringLiteral("Brushwell"));
    QPainter painter(&writer);
    for (size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) writer.newPage();
      DrawPage(painter, painter.viewport(), pages[i]);
    }
  }
  out.problem = platform::WriteFileVerified(pdfPath, pdf.data());
  if (out.problem.isEmpty()) out.pages = static_cast<int>(pages.size());
  return out;
}

}  // namespace records
