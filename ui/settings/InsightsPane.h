#pragma once
// The statistics pane: six headline figures, the words chart over 14, 30 or 90 days, the
// applications with the most words, and "Reset Statistics…".

#include "platform/Clock.h"

#include <QPointer>
#include <QWidget>

class QGridLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace tq {

class AppRules;
class Confirmation;
class InstalledApps;
class MotionContext;
class RollingFigure;
class SegmentedControl;
class StatsStore;
class WordsChart;

class InsightsPane final : public QWidget {
    Q_OBJECT
public:
    // Under Reduce Motion values and bars show at once, nothing rolls or grows.
    InsightsPane(StatsStore& stats, AppRules& rules, InstalledApps& installed, MotionContext& motion, QWidget* parent = nullptr);

    int range() const { return range_; }
    void setRange(int days);
    int columns() const { return columns_; }
    WordsChart* chart() const { return chart_; }
    QPushButton* resetButton() const { return reset_; }
    // The value texts of the metric tiles as now drawn (rolled or not).
    QStringList shownValues() const;
    // Asks, then empties the statistics.
    void askReset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void rebuild();
    void layoutMetrics();
    void restartGrow();
    void rollIn();

    StatsStore& stats_;
    AppRules& rules_;
    InstalledApps& installed_;
    MotionContext& motion_;
    Clock& clock_;
    int range_ = 30;
    int columns_ = 3;
    QWidget* strip_ = nullptr;
    QGridLayout* stripGrid_ = nullptr;
    QList<QWidget*> tiles_;
    QList<RollingFigure*> values_;
    QStackedWidget* chartStack_ = nullptr;
    WordsChart* chart_ = nullptr;
    QVBoxLayout* apps_ = nullptr;
    QPushButton* reset_ = nullptr;
    SegmentedControl* ranges_ = nullptr;
    Timer growTimer_;
    Nanos growStart_{0};
    QPointer<Confirmation> dialog_;
};

} // namespace tq
