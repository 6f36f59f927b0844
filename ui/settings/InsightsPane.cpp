#include "ui/settings/InsightsPane.h"

#include "platform/Text.h"
#include "settings/AppRules.h"
#include "stores/StatsStore.h"
#include "ui/design/Components.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/Confirmation.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/Decoration.h"
#include "ui/settings/Figures.h"
#include "ui/settings/InsightsMetrics.h"
#include "ui/settings/RuleKeyIcon.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/StoreProblems.h"
#include "ui/settings/WordsChart.h"
#include "ui/design/Formatters.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>

namespace tq {

namespace {

constexpr int kRanges[] = {14, 30, 90};

// A rounded card on raised ink with a hairline border.
class CardFrame final : public QWidget {
public:
    explicit CardFrame(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paintCardBackground(p, QRectF(rect()), 14);
    }
};

// The metric strip: a card with hairlines between its rows and between the tiles of a row.
class MetricStrip final : public QWidget {
public:
    explicit MetricStrip(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paintCardBackground(p, QRectF(rect()), 14);
        p.setPen(QPen(palette::hairline(), 1));
        for (const QObject* child : children()) {
            const auto* tile = qobject_cast<const QWidget*>(child);
            if (!tile || !tile->isVisible())
                continue;
            const QRect g = tile->geometry();
            if (g.top() > 1)
                p.drawLine(QPointF(1, g.top() + 0.5), QPointF(width() - 1, g.top() + 0.5));
            const int edge = layoutDirection() == Qt::RightToLeft ? g.right() + 1 : g.left();
            if (edge > 1 && edge < width() - 1)
                p.drawLine(QPointF(edge + 0.5, g.top() + 1), QPointF(edge + 0.5, g.bottom()));
        }
    }
};

class Bar final : public QWidget {
public:
    Bar(double fraction, QWidget* parent) : QWidget(parent), fraction_(fraction)
    {
        setFixedHeight(8);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double w = std::max(4.0, width() * fraction_);
        QRectF r(0, 0, w, height());
        if (layoutDirection() == Qt::RightToLeft)
            r.moveRight(width());
        p.setPen(Qt::NoPen);
        p.setBrush(palette::withOpacity(palette::gold(), 0.8));
        p.drawRoundedRect(r, height() / 2.0, height() / 2.0);
    }

private:
    double fraction_;
};


} // namespace

InsightsPane::InsightsPane(StatsStore& stats, AppRules& rules, InstalledApps& installed, MotionContext& motion, QWidget* parent)
    : QWidget(parent), stats_(stats), rules_(rules), installed_(installed), motion_(motion), clock_(motion.frames().clock()),
      growTimer_(clock_)
{
    setObjectName(QStringLiteral("InsightsPane"));
    QScrollArea* scroll = fillWithScrollArea(this);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* host = new QWidget(scroll);
    auto* centre = new QHBoxLayout(host);
    auto* content = new QWidget(host);
    content->setMaximumWidth(860);
    centre->addWidget(content);
    scroll->setWidget(host);
    host->setAutoFillBackground(false);

    auto* stack = new QVBoxLayout(content);
    stack->setContentsMargins(24, 24, 24, 24);
    stack->setSpacing(20);

    StoreSet statsFile;
    statsFile.stats = &stats_;
    stack->addWidget(makeStoreProblemLine(statsFile, content));

    strip_ = new MetricStrip(content);
    strip_->installEventFilter(this); // the strip watches its own width
    stripGrid_ = new QGridLayout(strip_);
    stripGrid_->setContentsMargins(0, 0, 0, 0);
    stripGrid_->setSpacing(0);
    stack->addWidget(strip_);

    // Chart card.
    auto* chartCard = new CardFrame(content);
    auto* chartColumn = new QVBoxLayout(chartCard);
    chartColumn->setContentsMargins(18, 18, 18, 18);
    chartColumn->setSpacing(14);
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(text("Words saved"), fonts::Role::headline, palette::paper(), false, chartCard));
    header->addStretch(1);
    ranges_ = new SegmentedControl(text("Range"), chartCard);
    for (const int days : kRanges) {
        QAbstractButton* b = ranges_->addSegment(text("%Ln days", days));
        b->setAccessibleName(text("Range: %1").arg(b->text()));
    }
    ranges_->setCurrentIndex(int(std::find(std::begin(kRanges), std::end(kRanges), range_) - std::begin(kRanges)));
    header->addWidget(ranges_);
    connect(ranges_, &SegmentedControl::chosen, this, [this](int i) { setRange(kRanges[i]); });
    chartColumn->addLayout(header);
    chartStack_ = new QStackedWidget(chartCard);
    chartStack_->setFixedHeight(200);
    auto* empty = new EmptyState(QStringLiteral("chart.bar"), text("Nothing to chart yet"),
                                 text("Accept a few suggestions and your days show up here."), chartStack_);
    chart_ = new WordsChart(chartStack_);
    chartStack_->addWidget(empty);
    chartStack_->addWidget(chart_);
    chartColumn->addWidget(chartStack_);
    stack->addWidget(chartCard);

    // Apps card.
    auto* appsCard = new CardFrame(content);
    auto* appsColumn = new QVBoxLayout(appsCard);
    appsColumn->setContentsMargins(18, 18, 18, 18);
    appsColumn->setSpacing(14);
    appsColumn->addWidget(makeLabel(text("Where you write"), fonts::Role::headline, palette::paper(), false, appsCard));
    apps_ = new QVBoxLayout;
    apps_->setSpacing(10);
    appsColumn->addLayout(apps_);
    stack->addWidget(appsCard);

    auto* resetRow = new QHBoxLayout;
    resetRow->addStretch(1);
    reset_ = new HandButton(text("Reset Statistics…"), content, ButtonTone::destructive);
    connect(reset_, &QPushButton::clicked, this, [this] { askReset(); });
    resetRow->addWidget(reset_);
    stack->addLayout(resetRow);
    stack->addStretch(1);

    for (auto signal : {&StatsStore::daysChanged, &StatsStore::latenciesChanged, &StatsStore::appTotalsChanged})
        connect(&stats_, signal, this, [this] { rebuild(); });
    rebuild();
}

QStringList InsightsPane::shownValues() const
{
    QStringList out;
    for (RollingFigure* v : values_)
        out << v->shownText();
    return out;
}

void InsightsPane::rebuild()
{
    const QDateTime now = clock_.now();
    // Metrics: fresh tiles that roll in again.
    for (QWidget* t : tiles_)
        delete t;
    tiles_.clear();
    values_.clear();
    while (QLayoutItem* item = stripGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const insights::Metric& m : insights::metrics(stats_, now)) {
        auto* tile = new QWidget(strip_);
        auto* column = new QVBoxLayout(tile);
        column->setContentsMargins(18, 14, 18, 14);
        column->setSpacing(3);
        column->addWidget(makeLabel(m.title, fonts::Role::callout, palette::paperDim(), false, tile));
        auto* value = new RollingFigure(fonts::rounded(24, QFont::DemiBold), palette::paper(), 0.6, motion_, tile);
        value->setText(m.value);
        column->addWidget(value);
        column->addWidget(new ElidedLabel(m.unit, fonts::font(fonts::Role::caption), palette::paperDim(), Qt::ElideRight, 1, tile));
        groupForAccessibility(tile, spokenList({m.title, m.value, m.unit}));
        tile->setFocusPolicy(Qt::TabFocus);
        tiles_ << tile;
        values_ << value;
    }
    layoutMetrics();
    rollIn();

    // Chart.
    const auto days = stats_.history(range_, now);
    const bool any = std::any_of(days.cbegin(), days.cend(), [](const auto& d) { return d.second.words != 0; });
    chart_->setDays(days, now.toLocalTime().date());
    chart_->setAccessibleName(text("Words saved per day over the last %Ln days", range_));
    const bool wasEmpty = chartStack_->currentIndex() == 0;
    chartStack_->setCurrentIndex(any ? 1 : 0);
    if (any && wasEmpty && isVisible())
        restartGrow(); // the first words replace the empty state: the bars grow in

    // Apps.
    while (QLayoutItem* item = apps_->takeAt(0)) {
        if (QWidget* w = item->widget())
            delete w;
        delete item;
    }
    const auto top = insights::topApps(stats_.appTotals());
    if (top.isEmpty())
        apps_->addWidget(makeLabel(text("No apps yet"), fonts::Role::body, palette::paperDim()));
    for (const insights::AppUsage& a : top) {
        auto* row = new QWidget;
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(10);
        auto* icon = new QLabel(row);
        const QString name = rules_.displayName(a.key);
        icon->setPixmap(ruleKeyIcon(a.key, installed_).pixmap(18, 18));
        icon->setFixedSize(18, 18);
        h->addWidget(icon);
        QLabel* nameLabel = makeLabel(QString(), fonts::Role::body, palette::paper(), false, row);
        nameLabel->setFixedWidth(160);
        nameLabel->setText(nameLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, 160));
        h->addWidget(nameLabel);
        h->addWidget(new Bar(a.fraction, row), 1);
        auto* words = makeLabel(QLocale().toString(a.words), fonts::tabularDigits(13), palette::paperDim(), false, row);
        words->setMinimumWidth(56);
        words->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        h->addWidget(words);
        groupForAccessibility(row, spokenList({name, formatWordCount(a.words)}));
        apps_->addWidget(row);
    }
    reset_->setEnabled(insights::canReset(stats_));
}

void InsightsPane::layoutMetrics()
{
    for (int i = 0; i < tiles_.size(); ++i) {
        stripGrid_->removeWidget(tiles_[i]);
        stripGrid_->addWidget(tiles_[i], i / columns_, i % columns_);
    }
    for (int c = 0; c < 3; ++c)
        stripGrid_->setColumnStretch(c, c < columns_ ? 1 : 0);
}

bool InsightsPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == strip_ && event->type() == QEvent::Resize) {
        const int columns = insights::columnsFor(strip_->width());
        if (columns != columns_) {
            columns_ = columns;
            layoutMetrics();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void InsightsPane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    restartGrow();
}

void InsightsPane::setRange(int days)
{
    if (days == range_)
        return;
    range_ = days;
    if (const auto* at = std::find(std::begin(kRanges), std::end(kRanges), days); at != std::end(kRanges))
        ranges_->setCurrentIndex(int(at - std::begin(kRanges)));
    rebuild();
    restartGrow();
}

void InsightsPane::rollIn()
{
    if (motion_.reduceMotion())
        return;
    // Zeros for 0.12 s, then every digit counts up to its own on one critically damped spring.
    Animation spring = Animation::springy(0.8, 1.0);
    spring.delay = 0.12;
    for (RollingFigure* v : values_) {
        const QString value = v->text();
        v->roll(value, [value](double p) { return insights::unrolled(value, p); }, spring);
    }
}

void InsightsPane::restartGrow()
{
    if (motion_.reduceMotion()) {
        growTimer_.cancel();
        chart_->setGrow(1);
        return;
    }
    chart_->setGrow(0);
    growStart_ = clock_.monotonic() + std::chrono::milliseconds(30);
    growTimer_.startRepeating(std::chrono::milliseconds(16), [this] {
        const double t = std::chrono::duration<double>(clock_.monotonic() - growStart_).count() / insights::kGrowSeconds;
        chart_->setGrow(std::clamp(t, 0.0, 1.0));
        if (t >= 1)
            growTimer_.cancel();
    });
}

void InsightsPane::askReset()
{
    if (dialog_ && dialog_->isVisible())
        return;
    dialog_ = Confirmation::ask(
        this, {text("Reset all statistics?"), text("This clears words saved, acceptance and timing history."), text("Reset")},
        [this] { insights::reset(stats_); });
}

} // namespace tq
