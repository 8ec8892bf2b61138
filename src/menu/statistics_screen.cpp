#include "menu/statistics_screen.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QVBoxLayout>

#include "menu/screen_widgets.h"
#include "session/statistics.h"
#include "settings/settings_record.h"

namespace menu {

QString ElapsedTimeText(int32_t seconds) {
  // Minutes rounded down; a negative time (a session past midnight) gives
  // negative minutes and seconds that add up to it.
  int32_t minutes = seconds / 60;
  if (seconds < 0 && seconds % 60 != 0) --minutes;
  const int32_t rest = seconds - 60 * minutes;
  return QCoreApplication::translate("StatisticsScreen", "%1 minute(s) and %2 second(s)").arg(minutes).arg(rest);
}

QString ScanTypeName(int16_t scanType) {
  switch (scanType) {
    case 1: return QCoreApplication::translate("StatisticsScreen", "Timed Scanning");
    case 2: return QCoreApplication::translate("StatisticsScreen", "Step Scanning - 1 switch");
    case 3: return QCoreApplication::translate("StatisticsScreen", "Step Scanning - 2 switches");
    case 4: return QCoreApplication::translate("StatisticsScreen", "No Scanning - Mouse click selects");
    default: return {};
  }
}

StatisticsScreen::StatisticsScreen(QWidget* parent) : QGroupBox(QCoreApplication::translate("StatisticsScreen", "Session Statistics"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 24, 24, 18);
  outer->setSpacing(18);
  auto* grid = new QGridLayout();
  grid->setHorizontalSpacing(20);
  grid->setVerticalSpacing(12);
  auto row = [this, grid](int r, const QString& caption) {
    grid->addWidget(headingLabel(caption, this), r, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* value = new QLabel(this);
    value->setTextFormat(Qt::PlainText);
    value->setWordWrap(true);
    value->setMinimumWidth(360);
    value->setAccessibleDescription(caption);
    grid->addWidget(value, r, 1);
    return value;
  };
  stat_pics_used = row(0, QCoreApplication::translate("StatisticsScreen", "Picture List Used:"));
  stats_time_elapsed = row(1, QCoreApplication::translate("StatisticsScreen", "Time Elapsed:"));
  stats_pics_completed = row(2, QCoreApplication::translate("StatisticsScreen", "Number of Pictures Completed: "));
  stats_segs_completed = row(3, QCoreApplication::translate("StatisticsScreen", "Number of Segments Colored:"));
  stats_scan_type = row(4, QCoreApplication::translate("StatisticsScreen", "Scanning Type:"));
  grid->setColumnStretch(1, 1);
  outer->addLayout(grid);
  stat_frame_quit = mainMenuButton(this);
  outer->addWidget(stat_frame_quit, 0, Qt::AlignHCenter);
  setFixedWidth(680);
}

void StatisticsScreen::Fill() {
  const auto& record = settings::SettingsRecord;
  stats_time_elapsed->setText(ElapsedTimeText(session::SessionElapsedSeconds));
  const int list = record.ActivePictureList;
  stat_pics_used->setText(list >= 1 && list <= 15 ? record.PictureListDescription[list] : QString());
  stats_pics_completed->setText(QString::number(session::PicturesCompleted));
  stats_segs_completed->setText(QString::number(session::SegmentsColored));
  const QString scanName = ScanTypeName(record.ScanType);
  if (!scanName.isEmpty()) stats_scan_type->setText(scanName);
}

}  // namespace menu
