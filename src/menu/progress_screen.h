#pragma once
// "Progress": the progress records of a user over days and weeks, for the
// carer and the therapist. Three charts (pictures finished, the median time
// to choose a tube, the share of presses counted), a table of the same, a
// date range, and two ways out of the program: the rows as CSV, and a
// one-page PDF report.

#include <QGroupBox>
#include <vector>

#include "records/progress_log.h"
#include "records/progress_stats.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPainter;
class QPushButton;
class QTableWidget;
class QChartView;

namespace menu {

class ProgressScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit ProgressScreen(QWidget* parent);

  // Lists the users with records (the working folder `workFolder` and its
  // users/*/), chooses the one whose folder is `activeFolder`, and shows
  // their records over the whole time they cover.
  void Open(const QString& workFolder, const QString& activeFolder);
  // Reads the progress file at `path` (one message when rows are left out)
  // and shows it.
  void LoadFile(const QString& path);
  // Sums up the records in the date range per the chosen period and
  // redraws the charts and the table.
  void Refresh();

  // The rows in the date range as CSV (the columns of progress.csv).
  // Returns "" or the reason it could not be written.
  QString ExportCsv(const QString& path) const;
  // The one-page report: user, range, charts, table.
  QString WriteReport(const QString& path);

  const std::vector<records::ProgressRow>& Rows() const { return rows_; }
  const std::vector<records::ProgressPoint>& Points() const { return points_; }
  // How long the last Refresh took, from the records to the charts drawn
  // (milliseconds).
  double LastRefreshMs() const { return lastRefreshMs_; }

  QComboBox* user_choice = nullptr;
  QDateEdit* from_date = nullptr;
  QDateEdit* to_date = nullptr;
  QComboBox* period_choice = nullptr;
  QChartView* finished_chart = nullptr;
  QChartView* choice_chart = nullptr;
  QChartView* counted_chart = nullptr;
  QTableWidget* progress_table = nullptr;
  QLabel* summary_label = nullptr;
  QPushButton* but_export_csv = nullptr;
  QPushButton* but_report = nullptr;
  QPushButton* progress_back = nullptr;

private:
  void chooseUser(int index);
  void fillCharts();
  void fillTable();
  void askExportCsv();
  void askReport();
  QString userCaption() const;
  QString rangeCaption() const;
  // Draws the report page on `painter` over `page` (device pixels).
  void paintReport(QPainter& painter, const QRect& page);

  QString path_;
  std::vector<records::ProgressRow> rows_;
  std::vector<records::ProgressPoint> points_;
  double lastRefreshMs_ = 0;
  bool filling_ = false;  // setting the controls: no Refresh per change
};

// The period's start as the table and the report show it.
QString PeriodCaption(const records::ProgressPoint& point, records::Period period);

}  // namespace menu
