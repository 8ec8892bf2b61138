// The Progress screen's ways out: the rows of the date range as CSV, and a
// one-page PDF report for the therapist.

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtCharts/QChartView>
#include <algorithm>

#include "menu/progress_screen.h"
#include "platform/host.h"
#include "platform/safe_file.h"

namespace menu {

using records::ProgressPoint;

QString ProgressScreen::ExportCsv(const QString& path) const {
  QByteArray data = records::ProgressColumns().join(QLatin1Char(',')).toUtf8() + '\n';
  const QDate from = from_date->date(), to = to_date->date();
  for (const records::ProgressRow& row : rows_) {
    const QDate day = row.started.date();
    if (day < from || day > to) continue;
    data += records::FormatProgressRow(row) + '\n';
  }
  return platform::WriteFileVerified(path, data);
}

QString ProgressScreen::WriteReport(const QString& path) {
  // Written beside the file first and put in place by the verified writer,
  // so a full disk leaves no half report.
  QTemporaryDir scratch(QFileInfo(path).absolutePath() + QStringLiteral("/.report-XXXXXX"));
  if (!scratch.isValid()) return scratch.errorString();
  const QString draft = scratch.filePath(QStringLiteral("report.pdf"));
  {
    QPdfWriter pdf(draft);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(150);
    pdf.setTitle(tr("Progress report"));
    pdf.setCreator(QStringLiteral("Brushwell"));
    QPainter painter;
    if (!painter.begin(&pdf)) return tr("the PDF file could not be started");
    paintReport(painter, QRect(QPoint(0, 0), QSize(pdf.width(), pdf.height())));
    painter.end();
  }
  QFile made(draft);
  if (!made.open(QIODevice::ReadOnly)) return made.errorString();
  return platform::WriteFileVerified(path, made.readAll());
}

void ProgressScreen::paintReport(QPainter& painter, const QRect& page) {
  const int w = page.width();
  const double dot = page.width() / 1000.0;  // layout unit: a thousandth of the page's width
  int y = 0;
  auto font = [&painter, dot](double size, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(size * dot)));
    f.setBold(bold);
    painter.setFont(f);
    return QFontMetrics(f).height();
  };
  auto line = [&](const QString& text, double size, bool bold) {
    const int h = font(size, bold);
    painter.drawText(QRect(0, y, w, h), Qt::AlignLeft | Qt::AlignVCenter, text);
    y += h;
  };
  line(tr("Brushwell progress report"), 30, true);
  y += static_cast<int>(8 * dot);
  line(tr("User: %1").arg(userCaption()), 18, false);
  line(tr("Dates: %1").arg(rangeCaption()), 18, false);
  line(tr("Per: %1").arg(period_choice->currentText()), 18, false);
  line(summary_label->text(), 18, false);
  line(tr("Made on %1").arg(QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)), 14, false);
  y += static_cast<int>(12 * dot);

  // The three charts side by side, drawn at their screen size and scaled.
  const int gap = static_cast<int>(10 * dot);
  const int chartW = (w - 2 * gap) / 3;
  const int chartH = chartW * 3 / 4;
  int x = 0;
  for (QChartView* view : {finished_chart, choice_chart, counted_chart}) {
    const QSize size = view->size().isEmpty() ? QSize(400, 300) : view->size();
    const QRect target(x, y, chartW, chartH);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(double(chartW) / size.width(), double(chartH) / size.height());
    view->render(&painter, QRect(QPoint(0, 0), size), QRect(QPoint(0, 0), size));
    painter.restore();
    painter.drawRect(target);
    x += chartW + gap;
  }
  y += chartH + static_cast<int>(16 * dot);

  // The table, newest first, as many rows as the page holds.
  const int columns = progress_table->columnCount();
  const int rowH = font(14, true) + static_cast<int>(4 * dot);
  const int colW = w / columns;
  auto cell = [&](int c, int top, const QString& text) {
    const QRect r(c * colW, top, colW, rowH);
    painter.drawText(r.adjusted(static_cast<int>(3 * dot), 0, -static_cast<int>(3 * dot), 0),
                     (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter | Qt::TextWordWrap, text);
  };
  const int headerH = rowH * 2;
  for (int c = 0; c < columns; ++c) {
    const QRect r(c * colW, y, colW, headerH);
    painter.drawText(r.adjusted(static_cast<int>(3 * dot), 0, -static_cast<int>(3 * dot), 0),
                     Qt::AlignCenter | Qt::TextWordWrap, progress_table->horizontalHeaderItem(c)->text());
  }
  y += headerH;
  painter.drawLine(0, y, w, y);
  font(14, false);
  const int noteH = rowH * 2;
  const int room = std::max(0, (page.height() - y - noteH) / rowH);
  const int rows = std::min(room, progress_table->rowCount());
  for (int r = 0; r < rows; ++r, y += rowH)
    for (int c = 0; c < columns; ++c) cell(c, y, progress_table->item(r, c) ? progress_table->item(r, c)->text() : QString());
  painter.drawLine(0, y, w, y);
  if (rows < progress_table->rowCount()) {
    font(13, false);
    painter.drawText(QRect(0, y, w, noteH), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     tr("Only the latest %n period(s) fit on this page; the CSV export holds every picture.", nullptr,
                        rows));
  }
}

void ProgressScreen::askExportCsv() {
  const QString suggested = QFileInfo(path_).absoluteDir().filePath(
      QStringLiteral("progress_%1_%2.csv")
          .arg(from_date->date().toString(Qt::ISODate), to_date->date().toString(Qt::ISODate)));
  const QString path = QFileDialog::getSaveFileName(this, tr("Export CSV"), suggested, tr("CSV files (*.csv)"));
  if (path.isEmpty()) return;
  const QString problem = ExportCsv(path);
  if (!problem.isEmpty())
    platform::message(tr("The file %1 could not be saved: %2.").arg(path, problem), platform::MessageIcon::Exclamation);
  else
    platform::message(tr("The progress records were saved as %1.").arg(QDir::toNativeSeparators(path)),
                      platform::MessageIcon::Information);
}

void ProgressScreen::askReport() {
  const QString suggested = QFileInfo(path_).absoluteDir().filePath(
      QStringLiteral("progress_report_%1_%2.pdf")
          .arg(from_date->date().toString(Qt::ISODate), to_date->date().toString(Qt::ISODate)));
  const QString path = QFileDialog::getSaveFileName(this, tr("PDF Report"), suggested, tr("PDF files (*.pdf)"));
  if (path.isEmpty()) return;
  const QString problem = WriteReport(path);
  if (!problem.isEmpty())
    platform::message(tr("The file %1 could not be saved: %2.").arg(path, problem), platform::MessageIcon::Exclamation);
  else
    platform::message(tr("The report was saved as %1.").arg(QDir::toNativeSeparators(path)),
                      platform::MessageIcon::Information);
}

}  // namespace menu
