#include "MonitorPaneWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "model/Texts.h"
#include "monitor/TrendModel.h"
#include "monitor/qt/TrendWindow.h"
#include "pages/qt/ControlMirror.h"
#include "pages/qt/GridAdapter.h"
#include "widgets/GridView.h"

namespace gw::monitor {

using pages::Translated;

CMonitorPaneWindow::CMonitorPaneWindow(CDeviceMonitorPane& pane, QWidget* parent)
    : QWidget(parent),
      pane_(pane),
      addressView_(new widgets::CGridView(this)),
      statusView_(new widgets::CGridView(this)),
      start_(new QPushButton(this)),
      trend_(new QPushButton(Translated(text::kTrend), this)),
      log_(new QPushButton(Translated(text::kLogToCsv), this)),
      statusLine_(new QLabel(this)) {
  addressAdapter_ = std::make_unique<pages::CGridAdapter>(pane_.AddressGrid(), addressView_);
  statusAdapter_ = std::make_unique<pages::CGridAdapter>(pane_.StatusGrid(), statusView_);
  start_->setCheckable(true);
  log_->setCheckable(true);
  // Named for scripts that drive the window (the documentation's pictures).
  start_->setObjectName(QStringLiteral("startMonitor"));
  trend_->setObjectName(QStringLiteral("trend"));
  log_->setObjectName(QStringLiteral("logToCsv"));
  statusView_->setObjectName(QStringLiteral("statusGrid"));
  auto* grids = new QHBoxLayout;
  // Each grid's share of the width follows its columns.
  const auto width = [](const widgets::CGridView* view) {
    return view->verticalHeader()->width() + view->horizontalHeader()->length();
  };
  grids->addWidget(addressView_, width(addressView_));
  grids->addWidget(statusView_, width(statusView_));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(start_);
  buttons->addWidget(trend_);
  buttons->addWidget(log_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grids, 1);
  layout->addWidget(statusLine_);
  layout->addLayout(buttons);

  connect(start_, &QPushButton::clicked, this, [this](bool pressed) {
    pane_.OnStartMonitor(pressed);
    Mirror();
  });
  connect(trend_, &QPushButton::clicked, this, [this] { OpenTrend(); });
  connect(log_, &QPushButton::clicked, this, [this] {
    pane_.OnLogToCsv();
    Mirror();
  });
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  connect(&poll_, &QFutureWatcher<PollReplies>::finished, this, [this] { PollDone(); });
  pane_.SetChangeListener([this] { Mirror(); });
  pane_.SetTickListener([this](const MonitorTick& tick) { FeedTrends(tick); });
  Mirror();
}

CMonitorPaneWindow::~CMonitorPaneWindow() {
  pane_.SetChangeListener({});
  pane_.SetTickListener({});
  timer_.stop();
  if (pane_.PollOut()) {
    // The exchange uses the Modbus link: it must be back before the link closes.
    poll_.waitForFinished();
    pane_.FinishPoll(poll_.result());
  }
  pane_.OnDestroy();
}

std::vector<CTrendWindow*> CMonitorPaneWindow::Trends() const {
  std::vector<CTrendWindow*> open;
  for (const auto& trend : trends_) open.push_back(trend.get());
  return open;
}

void CMonitorPaneWindow::Mirror() {
  const CDeviceMonitorPane::Controls& c = pane_.Ctl();
  pages::Show(start_, c.startMonitor);
  start_->setText(Translated(c.startCaption));
  pages::Show(log_, c.logToCsv);
  trend_->setEnabled(!pane_.TrendPoints().empty());
  const auto notShown = text::FilledValue(text::kPointsNotShown, c.statusLine.text);
  statusLine_->setText(
      notShown ? Translated(text::kPointsNotShown).replace("%1", QString::fromStdString(*notShown))
               : QString());
  statusLine_->setVisible(!c.statusLine.text.empty());
  if (pane_.Monitoring() && !timer_.isActive()) {
    timer_.start(static_cast<int>(pane_.Interval().count()));
  } else if (!pane_.Monitoring()) {
    timer_.stop();
  }
}

void CMonitorPaneWindow::Tick() {
  if (auto exchange = pane_.BeginPoll()) poll_.setFuture(QtConcurrent::run(std::move(*exchange)));
}

void CMonitorPaneWindow::PollDone() {
  if (!pane_.PollOut()) return;
  pane_.FinishPoll(poll_.result());
  Mirror();
}

void CMonitorPaneWindow::OpenTrend() {
  std::vector<PointId> points;
  for (const PointReading& point : pane_.TrendPoints()) points.push_back(PointId::Of(point));
  if (points.empty()) return;
  auto trend = std::make_unique<CTrendWindow>(std::move(points));
  trend->setAttribute(Qt::WA_DeleteOnClose, false);
  trend->show();
  trends_.push_back(std::move(trend));
}

void CMonitorPaneWindow::FeedTrends(const MonitorTick& tick) {
  // A closed trend goes; the others take the tick.
  std::erase_if(trends_, [](const auto& trend) { return !trend->isVisible(); });
  for (const auto& trend : trends_) trend->AddTick(tick);
}

}  // namespace gw::monitor
