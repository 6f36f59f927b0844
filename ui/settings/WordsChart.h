#pragma once
// The insights pane's bar chart of words saved per day, painted here: one bar per day, each
// growing in with the pane's single `grow` progress, today's bar in full gold.

#include "stores/StatsStore.h"

#include <QDate>
#include <QWidget>

namespace tq {

class WordsChart final : public QWidget {
    Q_OBJECT
public:
    explicit WordsChart(QWidget* parent = nullptr);

    // Days oldest first; `today` is drawn in full gold.
    void setDays(const QList<QPair<QDateTime, DayStats>>& days, const QDate& today);
    void setGrow(double grow);
    double grow() const { return grow_; }
    // The largest word count of the days, at least 1: the top of the scale.
    qint64 scaleTop() const;

    QSize sizeHint() const override { return {480, 200}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QPair<QDateTime, DayStats>> days_;
    QDate today_;
    double grow_ = 0;
};

} // namespace tq
