#pragma once
// "Session Statistics": what the user did in the session that just ended.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cstdint>

namespace menu {

class StatisticsScreen : public QGroupBox {
  Q_OBJECT
public:
  explicit StatisticsScreen(QWidget* parent);

  // Fills the value labels from the statistics and the settings record.
  void Fill();

  QLabel* stat_pics_used = nullptr;
  QLabel* stats_time_elapsed = nullptr;
  QLabel* stats_pics_completed = nullptr;
  QLabel* stats_segs_completed = nullptr;
  QLabel* stats_scan_type = nullptr;
  QPushButton* stat_frame_quit = nullptr;
};

// "2 minute(s) and 5 second(s)".
QString ElapsedTimeText(int32_t seconds);
// The name of a scanning type as the statistics show it; "" for no type.
QString ScanTypeName(int16_t scanType);

}  // namespace menu
