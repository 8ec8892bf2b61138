#include "menu/progress_screen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "menu/screen_widgets.h"
#include "platform/host.h"

namespace menu {

using records::Period;
using records::ProgressPoint;

namespace {

QPushButton* shortcutButton(const QString& caption, QWidget* parent) {
  auto* b = captionedButton(caption, parent);
  b->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
  return b;
}

QChartView* chartView(const QString& title, QWidget* parent) {
  auto* chart = new QChart();
  chart->setTitle(title);
  chart->legend()->hide();
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  auto* view = new QChartView(chart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(300, 220);
  view->setAccessibleName(title);
  view->setFocusPolicy(Qt::NoFocus);
  return view;
}

Period PeriodOf(const QComboBox* box) { return static_cast<Period>(box->currentData().toInt()); }

}  // namespace

QString PeriodCaption(const ProgressPoint& point, Period period) {
  switch (period) {
    case Period::Session: return QLocale().toString(point.start, QLocale::ShortFormat);
    case Period::Day: return QLocale().toString(point.start.date(), QLocale::ShortFormat);
    case Period::Week:
      return QCoreApplication::translate("ProgressScreen", "week of %1")
          .arg(QLocale().toString(point.start.date(), QLocale::ShortFormat));
  }
  return {};
}

ProgressScreen::ProgressScreen(QWidget* parent) : QGroupBox(tr("Progress"), parent) {
  setAccessibleName(title());
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(16, 16, 16, 12);
  outer->setSpacing(10);

  auto* choices = new QHBoxLayout();
  choices->setSpacing(8);
  auto labelFor = [this, choices](const QString& caption, QWidget* w) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(w);
    w->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    choices->addWidget(label);
    choices->addWidget(w);
  };
  user_choice = new QComboBox(this);
  user_choice->setMinimumWidth(160);
  labelFor(tr("&User:"), user_choice);
  from_date = new QDateEdit(this);
  to_date = new QDateEdit(this);
  for (QDateEdit* d : {from_date, to_date}) {
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  }
  choices->addSpacing(8);
  labelFor(tr("&From:"), from_date);
  labelFor(tr("&To:"), to_date);
  period_choice = new QComboBox(this);
  period_choice->addItem(tr("Session"), static_cast<int>(Period::Session));
  period_choice->addItem(tr("Day"), static_cast<int>(Period::Day));
  period_choice->addItem(tr("Week"), static_cast<int>(Period::Week));
  period_choice->setCurrentIndex(1);
  choices->addSpacing(8);
  labelFor(tr("&Per:"), period_choice);
  choices->addStretch(1);
  outer->addLayout(choices);

  auto* charts = new QHBoxLayout();
  finished_chart = chartView(tr("Pictures finished"), this);
  choice_chart = chartView(tr("Median time to choose (seconds)"), this);
  counted_chart = chartView(tr("Presses counted (%)"), this);
  charts->addWidget(finished_chart);
  charts->addWidget(choice_chart);
  charts->addWidget(counted_chart);
  outer->addLayout(charts, 3);

  progress_table = new QTableWidget(this);
  progress_table->setAccessibleName(tr("Progress table"));
  progress_table->setColumnCount(7);
  progress_table->setHorizontalHeaderLabels({tr("Period"), tr("Pictures started"), tr("Finished"),
                                             tr("Time to choose"), tr("Presses counted"),
                                             tr("Presses ignored"), tr("Sections cleared")});
  progress_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  progress_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  progress_table->verticalHeader()->hide();
  // Stretched, not sized to contents: sizing measures every row.
  progress_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  progress_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
  progress_table->setColumnWidth(0, 150);
  progress_table->setMinimumHeight(160);
  outer->addWidget(progress_table, 2);

  summary_label = new QLabel(this);
  summary_label->setTextFormat(Qt::PlainText);
  summary_label->setWordWrap(true);
  outer->addWidget(summary_label);

  auto* buttons = new QHBoxLayout();
  but_export_csv = shortcutButton(tr("&Export CSV..."), this);
  but_report = shortcutButton(tr("PDF &Report..."), this);
  progress_back = mainMenuButton(this);
  buttons->addWidget(but_export_csv);
  buttons->addWidget(but_report);
  buttons->addStretch(1);
  buttons->addWidget(progress_back);
  outer->addLayout(buttons);

  setMinimumSize(960, 640);

  connect(user_choice, &QComboBox::activated, this, [this](int index) { chooseUser(index); });
  for (QDateEdit* d : {from_date, to_date})
    connect(d, &QDateEdit::dateChanged, this, [this] {
      if (!filling_) Refresh();
    });
  connect(period_choice, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) Refresh();
  });
  connect(but_export_csv, &QPushButton::clicked, this, [this] { askExportCsv(); });
  connect(but_report, &QPushButton::clicked, this, [this] { askReport(); });
}

void ProgressScreen::Open(const QString& workFolder, const QString& activeFolder) {
  filling_ = true;
  user_choice->clear();
  const QDir work(workFolder);
  const QString own = work.filePath(records::ProgressFileName);
  user_choice->addItem(tr("Without a user (the program's folder)"), own);
  const QDir usersDir(work.filePath(QStringLiteral("users")));
  for (const QFileInfo& d : usersDir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const QString file = QDir(d.filePath()).filePath(records::ProgressFileName);
    if (QFileInfo::exists(file) || QDir(d.filePath()) == QDir(activeFolder)) user_choice->addItem(d.fileName(), file);
  }
  int chosen = 0;
  const QString activeFile = QDir(activeFolder).filePath(records::ProgressFileName);
  for (int k = 0; k < user_choice->count(); ++k)
    if (QFileInfo(user_choice->itemData(k).toString()) == QFileInfo(activeFile)) chosen = k;
  user_choice->setCurrentIndex(chosen);
  filling_ = false;
  chooseUser(chosen);
}

void ProgressScreen::chooseUser(int index) {
  if (index >= 0) LoadFile(user_choice->itemData(index).toString());
}

void ProgressScreen::LoadFile(const QString& path) {
  path_ = path;
  QString problem;
  records::ProgressFile file = records::ReadProgressFile(path, &problem);
  rows_ = std::move(file.rows);
  if (!problem.isEmpty())
    platform::message(tr("The progress file %1 cannot be read: %2.").arg(path, problem),
                      platform::MessageIcon::Exclamation);
  const QString damaged = records::DamagedRowsMessage(path, file);
  if (!damaged.isEmpty()) platform::message(damaged, platform::MessageIcon::Exclamation);
  // The whole time the records cover.
  const auto [first, last] = records::ProgressDays(rows_);
  filling_ = true;
  const QDate today = QDate::currentDate();
  from_date->setDate(first.isValid() ? first : today);
  to_date->setDate(last.isValid() ? last : today);
  filling_ = false;
  Refresh();
}

void ProgressScreen::Refresh() {
  QElapsedTimer timer;
  timer.start();
  points_ = records::SumProgress(rows_, PeriodOf(period_choice), from_date->date(), to_date->date());
  fillCharts();
  fillTable();
  int pictures = 0, finished = 0;
  for (const ProgressPoint& p : points_) {
    pictures += p.pictures;
    finished += p.finished;
  }
  summary_label->setText(rows_.empty() ? tr("No pictures have been recorded for this user yet.")
                                       : tr("%n picture(s) started in this range, %1 finished.", nullptr, pictures)
                                             .arg(finished));
  lastRefreshMs_ = timer.nsecsElapsed() / 1e6;
}

void ProgressScreen::fillCharts() {
  const bool dots = points_.size() <= 60;
  auto fill = [this, dots](QChartView* view, auto value, double top, bool wholeNumbers) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
      chart->removeAxis(axis);
      delete axis;
    }
    auto* series = new QLineSeries();
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(points_.size()));
    double most = 0;
    for (const ProgressPoint& p : points_) {
      const double v = value(p);
      if (v < 0) continue;  // nothing to show for this period
      points.append(QPointF(static_cast<double>(p.start.toMSecsSinceEpoch()), v));
      most = std::max(most, v);
    }
    series->replace(points);
    series->setPointsVisible(dots);
    chart->addSeries(series);
    auto* x = new QDateTimeAxis();
    const QDate from = from_date->date(), to = to_date->date();
    // Over months the year matters more than the day.
    x->setFormat(from.daysTo(to) > 120 ? QStringLiteral("MMM yy") : QStringLiteral("MMM d"));
    x->setTickCount(4);
    x->setRange(QDateTime(from, QTime(0, 0)), QDateTime(to.addDays(1), QTime(0, 0)));
    auto* y = new QValueAxis();
    // At least 0..4, so a few pictures still give whole-numbered steps.
    y->setRange(0, top > 0 ? top : std::max(4.0, std::ceil(most * 1.1)));
    y->setTickCount(5);
    if (top <= 0) y->applyNiceNumbers();
    y->setLabelFormat(wholeNumbers || y->max() >= 10 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
  };
  fill(finished_chart, [](const ProgressPoint& p) { return double(p.finished); }, 0, true);
  fill(choice_chart, [](const ProgressPoint& p) { return p.medianChoiceMs < 0 ? -1.0 : p.medianChoiceMs / 1000.0; },
       0, false);
  fill(counted_chart, [](const ProgressPoint& p) { return p.CountedShare() < 0 ? -1.0 : 100.0 * p.CountedShare(); },
       100, true);
}

void ProgressScreen::fillTable() {
  const Period period = PeriodOf(period_choice);
  progress_table->setUpdatesEnabled(false);
  progress_table->clearContents();
  progress_table->setRowCount(static_cast<int>(points_.size()));
  // Newest first: what the therapist looks for.
  int r = 0;
  for (auto it = points_.rbegin(); it != points_.rend(); ++it, ++r) {
    const ProgressPoint& p = *it;
    const QString cells[] = {
        PeriodCaption(p, period),
        QString::number(p.pictures),
        QString::number(p.finished),
        p.medianChoiceMs < 0 ? QString() : tr("%1 s").arg(QLocale().toString(p.medianChoiceMs / 1000.0, 'f', 1)),
        p.CountedShare() < 0 ? QString() : tr("%1 (%2 %)").arg(p.counted).arg(qRound(100 * p.CountedShare())),
        QString::number(p.ignored),
        QString::number(p.cleared)};
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      progress_table->setItem(r, c, item);
    }
  }
  progress_table->setUpdatesEnabled(true);
}

QString ProgressScreen::userCaption() const {
  // The name as the carer typed it, from the records; else the folder's.
  for (auto it = rows_.rbegin(); it != rows_.rend(); ++it)
    if (!it->user.isEmpty()) return it->user;
  return user_choice->currentText();
}

QString ProgressScreen::rangeCaption() const {
  return tr("%1 to %2").arg(QLocale().toString(from_date->date(), QLocale::ShortFormat),
                            QLocale().toString(to_date->date(), QLocale::ShortFormat));
}

}  // namespace menu
