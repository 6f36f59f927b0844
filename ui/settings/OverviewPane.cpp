#include "ui/settings/OverviewPane.h"

#include "services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "engines/ProviderHub.h"
#include "input/RivalWatcher.h"
#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "ui/design/GrantSeal.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/Text.h"
#include "ui/design/Theme.h"
#include "ui/settings/DayCell.h"
#include "ui/settings/Figures.h"
#include "ui/settings/OverviewText.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/SetupCard.h"
#include "ui/settings/SetupModel.h"
#include "ui/settings/SetupRowView.h"
#include "ui/settings/StoreProblems.h"
#include "ui/design/Formatters.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

QColor toneColour(StateTone tone)
{
    switch (tone) {
    case StateTone::warning: return palette::orange();
    case StateTone::muted: return palette::paperDim();
    case StateTone::good: return palette::green();
    }
    return palette::paper();
}
} // namespace

// The setup slot: its cards lie on top of one another, so a leaving card fades where it was
// while the next one fades in, and its height moves to what the staying card needs (with the
// gap above it; none when empty) along the same animation.
class SetupSlot final : public QWidget {
public:
    static constexpr int kGap = 20;

    SetupSlot(MotionContext& motion, QWidget* parent) : QWidget(parent), motion_(motion), mix_(motion.frames(), 1)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    ~SetupSlot() override
    {
        if (listener_)
            motion_.frames().unlisten(listener_);
    }

    void enter(QWidget* card, const Animation& animation)
    {
        auto* holder = new Presence(card, motion_, 1, this);
        holder->setPresent(false, Animation::none());
        holder->installEventFilter(this); // hears the card grow or shrink
        startMove(animation);
        staying_.append(holder);
        place();
        holder->setPresent(true, animation);
        moved();
    }

    void leave(QWidget* card, const Animation& animation)
    {
        auto* holder = card ? qobject_cast<Presence*>(card->parentWidget()) : nullptr;
        if (!holder || !staying_.contains(holder))
            return;
        startMove(animation);
        staying_.removeAll(holder);
        connect(holder, &Presence::settled, holder, [holder](bool present) {
            if (!present)
                holder->deleteLater();
        });
        holder->setPresent(false, animation);
        moved();
    }

    QSize sizeHint() const override
    {
        int w = 0;
        for (const Presence* p : staying_)
            w = std::max(w, p->sizeHint().width());
        return {w, heightForWidth(width() > 0 ? width() : w)};
    }
    QSize minimumSizeHint() const override
    {
        int w = 0;
        for (const Presence* p : staying_)
            w = std::max(w, p->minimumSizeHint().width());
        return {w, 0};
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        const int target = targetHeight(width);
        if (!mix_.isMoving())
            return target;
        return int(std::lround(from_ + (target - from_) * std::clamp(mix_.value(), 0.0, 1.0)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::LayoutRequest) {
            // A card that grows or shrinks (its note comes or goes) moves the slot's height
            // along the same curve as a card that comes or goes.
            if (isVisible() && !mix_.isMoving() && targetHeight(width()) != height())
                startMove(motion_.pick(Animation::timing(motion::standard())));
            place();
            moved();
        }
        return QWidget::eventFilter(watched, e);
    }
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        place();
    }

private:
    static int cardHeight(const QWidget* w, int width)
    {
        return w->hasHeightForWidth() ? w->heightForWidth(width) : w->sizeHint().height();
    }
    int targetHeight(int width) const
    {
        int h = 0;
        for (const Presence* p : staying_)
            h = std::max(h, cardHeight(p, width));
        return staying_.isEmpty() ? 0 : kGap + h;
    }
    // Each card at the top, under the gap, at its own height; the slot clips what overhangs.
    void place()
    {
        for (auto* p : findChildren<Presence*>(Qt::FindDirectChildrenOnly))
            p->setGeometry(0, kGap, width(), cardHeight(p, width()));
    }
    void startMove(const Animation& animation)
    {
        // From the height laid out now, mid-move included; at once when off screen.
        from_ = isVisible() ? height() : 0;
        if (animation.kind == Animation::Kind::none || !isVisible()) {
            mix_.setTo(1);
            return;
        }
        mix_.setTo(0);
        mix_.animateTo(1, animation);
        if (!listener_)
            listener_ = motion_.frames().listen([this] {
                moved();
                if (!mix_.isMoving()) {
                    motion_.frames().unlisten(listener_);
                    listener_ = 0;
                }
            });
    }
    // The slot sits in a holder without a layout: ask the column above it too.
    void moved()
    {
        updateGeometry();
        if (QWidget* up = parentWidget(); up && !up->layout())
            up->updateGeometry();
    }

    MotionContext& motion_;
    QList<Presence*> staying_;
    double from_ = 0;
    AnimatedValue mix_;
    FrameClock::ListenerId listener_ = 0;
};

OverviewPane::OverviewPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    auto* page = new QWidget;
    page->setAutoFillBackground(false);
    auto* centre = new QHBoxLayout(page);
    centre->setContentsMargins(24, 24, 24, 24);
    auto* body = new QWidget(page);
    body->setMaximumWidth(820);
    column_ = new QVBoxLayout(body);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(20);
    centre->addWidget(body, 1);
    scroll->setWidget(page);
    outer->addWidget(scroll);

    StoreSet files;
    files.settings = &c_.prefs;
    files.rules = &c_.rules;
    files.stats = &c_.stats;
    files.memory = &c_.memory;
    column_->addWidget(makeStoreProblemLine(files, body));
    // The three cards rise in, one after the other. The setup slot brings its own gap, so an
    // empty slot takes no room.
    auto* heroAndSlot = new QVBoxLayout;
    heroAndSlot->setSpacing(0);
    heroAndSlot->addWidget(new Rise(buildHero(), 0, c_.motion, body));
    slot_ = new SetupSlot(c_.motion, body);
    heroAndSlot->addWidget(new Rise(slot_, 1, c_.motion, body));
    column_->addLayout(heroAndSlot);
    column_->addWidget(new Rise(buildPlayground(), 2, c_.motion, body));
    column_->addStretch(1);

    auto refreshAll = [this] { refresh(); };
    connect(&c_.permissions, &Permissions::accessibilityChanged, this, refreshAll);
    connect(&c_.permissions, &Permissions::systemPredictionsOnChanged, this, refreshAll);
    connect(&c_.permissions, &Permissions::accessibilityLooksStuckChanged, this, refreshAll);
    connect(&c_.hub, &ProviderHub::statusChanged, this, refreshAll);
    connect(&c_.rivals, &RivalWatcher::runningChanged, this, refreshAll);
    connect(&c_.rivals, &RivalWatcher::quitStateChanged, this, refreshAll);
    connect(&c_.prefs, &Preferences::changed, this, refreshAll);
    connect(&c_.stats, &StatsStore::daysChanged, this, refreshAll);
    connect(&c_.stats, &StatsStore::latenciesChanged, this, refreshAll);
    connect(&c_.rules, &AppRules::globalPauseUntilChanged, this, refreshAll);
    connect(&c_.engine, &CompletionEngine::statusChanged, this, refreshAll);

    startedUnfinished_ = !pendingSetupItems(setupInputs(c_)).isEmpty();
    refresh();
}

QWidget* OverviewPane::buildHero()
{
    auto* card = new GradientCard(16, palette::inkRaised(), palette::ink(), this);
    card->setObjectName(QStringLiteral("heroCard"));
    auto* row = new QBoxLayout(QBoxLayout::LeftToRight, card);
    heroRow_ = row;
    row->setContentsMargins(24, 24, 24, 24);
    row->setSpacing(28);

    heroText_ = new QWidget(card);
    auto* texts = new QVBoxLayout(heroText_);
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(10);
    auto* state = new QHBoxLayout;
    state->setSpacing(6);
    stateSymbol_ = new SymbolView(QString(), 14, palette::green(), heroText_);
    stateText_ = makeLabel(QString(), fonts::font(fonts::Role::callout, QFont::Medium), palette::paper(), false, heroText_);
    stateSpeed_ = makeLabel(QString(), fonts::font(fonts::Role::callout, QFont::Medium), palette::paperDim(), false, heroText_);
    state->addWidget(stateSymbol_);
    state->addWidget(stateText_);
    state->addWidget(stateSpeed_);
    state->addStretch(1);
    texts->addLayout(state);

    auto* countBox = new QVBoxLayout;
    countBox->setSpacing(2);
    count_ = new RollingFigure(fonts::rounded(56, QFont::DemiBold), palette::gold(), 0.5, c_.motion, heroText_);
    count_->setObjectName(QStringLiteral("todayCount"));
    countBox->addWidget(count_);
    auto* labelLine = new QHBoxLayout;
    labelLine->setSpacing(8);
    countLabel_ = makeLabel(QString(), fonts::font(fonts::Role::title3, QFont::Medium), palette::paper(), false, heroText_);
    labelLine->addWidget(countLabel_);
    bestPill_ = new Presence(new Pill(text("Best day yet!"), palette::gold(), QStringLiteral("trophy.fill"), nullptr, Pill::Fill::solid),
                             c_.motion, 0.6, heroText_);
    bestPill_->setPresent(false, Animation::none());
    labelLine->addWidget(bestPill_);
    labelLine->addStretch(1);
    countBox->addLayout(labelLine);
    texts->addLayout(countBox);
    caption_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, heroText_);
    texts->addWidget(caption_);
    row->addWidget(heroText_, 1);

    auto* streakBox = new QWidget(card);
    streakBox_ = streakBox;
    auto* streakColumn = new QVBoxLayout(streakBox);
    streakColumn->setContentsMargins(0, 0, 0, 0);
    streakColumn->setSpacing(12);
    auto* streakLine = new QHBoxLayout;
    streakLine->setSpacing(8);
    flame_ = new SymbolView(QStringLiteral("flame.fill"), 22, palette::gold(), streakBox);
    // The rounded face of the count above; it counts up as the count does.
    streak_ = new RollingFigure(fonts::rounded(15, QFont::DemiBold), palette::paper(), 1, c_.motion, streakBox);
    streak_->setObjectName(QStringLiteral("streak"));
    streakLine->addWidget(flame_);
    streakLine->addWidget(streak_);
    streakLine->addStretch(1);
    streakColumn->addLayout(streakLine);
    auto* dayRow = new QHBoxLayout;
    dayRow->setSpacing(8);
    for (int i = 0; i < 7; ++i) {
        auto* cell = new DayCell(c_.motion, streakBox);
        days_.append(cell);
        dayRow->addWidget(cell);
    }
    dayRow->addStretch(1);
    streakColumn->addLayout(dayRow);
    row->addWidget(streakBox, 0, Qt::AlignLeft | Qt::AlignVCenter);
    // Each column is read as one element: its sentence, none of its parts.
    groupForAccessibility(heroText_, QString());
    groupForAccessibility(streakBox, QString());
    return card;
}

QWidget* OverviewPane::buildPlayground()
{
    auto* card = new Card(14, this);
    card->setObjectName(QStringLiteral("playgroundCard"));
    QVBoxLayout* column = card->contentLayout();
    column->setSpacing(12);
    auto* head = new QVBoxLayout;
    head->setSpacing(3);
    head->addWidget(makeLabel(text("Try it here"), fonts::font(fonts::Role::body, QFont::DemiBold), palette::paper(), false, card));
    playHint_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, card);
    head->addWidget(playHint_);
    column->addLayout(head);

    const QString placeholder = text("Thanks for sending the draft over. I had a look and");
    QWidget* field = c_.hooks.practiceField ? c_.hooks.practiceField(placeholder, card) : nullptr;
    if (!field) {
        // Until the practice field is there: a plain field that runs nothing.
        auto* plain = new QPlainTextEdit(card);
        plain->setPlaceholderText(placeholder);
        plain->setAccessibleName(text("Practice field"));
        field = plain;
    }
    field->setMinimumHeight(120); // 140 when there is room
    field->setMaximumHeight(140);
    setInkVariant(field, InkVariant::card);
    column->addWidget(field);

    legend_ = new QWidget(card);
    auto* legend = new QBoxLayout(QBoxLayout::LeftToRight, legend_);
    legendLayout_ = legend;
    legend->setContentsMargins(0, 0, 0, 0);
    legend->setSpacing(18);
    const std::pair<Shortcut, QString> entries[] = {{c_.prefs.acceptWordKey(), text("next word")},
                                                    {c_.prefs.acceptAllKey(), text("whole suggestion")},
                                                    {KeyCombo{keycode::kEscape, {}}, text("hide it")}};
    for (const auto& [combo, label] : entries) {
        if (!combo)
            continue;
        auto* entry = new QHBoxLayout;
        entry->setSpacing(6);
        entry->addWidget(new KeyComboView(c_.keyLayout, combo, false, legend_));
        entry->addWidget(makeLabel(label, fonts::Role::callout, palette::paperDim(), false, legend_));
        legend->addLayout(entry);
        legend->setAlignment(entry, Qt::AlignLeading | Qt::AlignVCenter);
    }
    legend->addStretch(1);
    column->addWidget(legend_);
    return card;
}

void OverviewPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The streak beside the count when both fit, else under it.
    const int inner = std::min(width() - 48, 820) - 48;
    const bool wide = 300 + 28 + streakBox_->sizeHint().width() <= inner;
    const QBoxLayout::Direction dir = wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (heroRow_->direction() != dir) {
        heroRow_->setDirection(dir);
        heroRow_->setSpacing(wide ? 28 : 20);
    }
    // The key legend in one row when it fits the playground card, else one entry a line.
    int legendWidth = 0;
    for (int i = 0; i < legendLayout_->count(); ++i)
        if (QLayout* entry = legendLayout_->itemAt(i)->layout())
            legendWidth += entry->sizeHint().width() + (legendWidth > 0 ? 18 : 0);
    const bool row = legendWidth <= std::min(width() - 48, 820) - 36;
    const QBoxLayout::Direction legendDir = row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (legendLayout_->direction() != legendDir) {
        legendLayout_->setDirection(legendDir);
        legendLayout_->setSpacing(row ? 18 : 8);
    }
}

void OverviewPane::refresh()
{
    refreshHero();
    refreshSlot();
}

void OverviewPane::refreshHero()
{
    const StateLineText s = stateLine(stateInputs(c_));
    stateSymbol_->setSymbol(s.symbol, toneColour(s.tone));
    stateText_->setText(s.text);
    stateSpeed_->setText(s.speed.isEmpty() ? QString() : QStringLiteral("·  ") + s.speed);
    stateSpeed_->setVisible(!s.speed.isEmpty());

    const QDateTime now = c_.clock.now();
    const qint64 today = c_.stats.day(now).words;
    const auto week = c_.stats.history(7, now);
    qint64 weekWords = 0;
    for (const auto& d : week)
        weekWords += d.second.words;
    count_->countTo(today, c_.motion.pick(Animation::springy(motion::spring())));
    countLabel_->setText(wordsSavedLabel(today));
    const bool reduce = c_.motion.reduceMotion();
    bestPill_->setFromScale(reduce ? 1 : 0.6);
    bestPill_->setPresent(c_.stats.isBestDayYet(),
                          c_.motion.pick(Animation::springy(0.45, 0.55), Animation::timing(motion::easeOut(150))));
    caption_->setText(heroCaption(today, weekWords));
    heroText_->setAccessibleName(spokenParts({s.text, wordsSavedText(today),
                                              c_.stats.isBestDayYet() ? text("Best day yet!") : QString(), caption_->text()}));

    const int streak = c_.stats.streak();
    flame_->setSymbol(QStringLiteral("flame.fill"), streak >= 1 ? palette::gold() : palette::withOpacity(palette::paperDim(), 0.5));
    // Only day counts roll; the sentence of no streak comes and goes whole (its frames would be
    // clipped to the width of "1 day streak").
    if (streakShown_ < 1 || streak < 1 || streakShown_ == streak) {
        streak_->setText(streakText(streak));
    } else {
        const int from = streakShown_;
        streak_->roll(streakText(streak), [from, streak](double p) { return streakText(int(std::lround(from + (streak - from) * p))); },
                      c_.motion.pick(Animation::springy(motion::spring())));
    }
    streakShown_ = streak;
    streak_->setColour(streak >= 1 ? palette::paper() : palette::paperDim());
    // The C locale names days by number; English ones read better there.
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QStringList spokenDays;
    for (int i = 0; i < days_.size() && i < week.size(); ++i) {
        const QDate date = week[i].first.toLocalTime().date();
        static_cast<DayCell*>(days_[i])->set(locale.dayName(date.dayOfWeek(), QLocale::NarrowFormat), week[i].second.words,
                                             i == int(week.size()) - 1);
        spokenDays << text("%1: %2", "screen-reader name: a day of the week, then the words saved that day")
                          .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat), formatWordCount(week[i].second.words));
    }
    streakBox_->setAccessibleName(spokenParts({streak_->text(), spokenList(spokenDays)}));
    playHint_->setText(c_.permissions.accessibility()
                           ? text("This field runs the real engine. Start typing and grey words show up as you go.")
                           : text("This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go."));
}

void OverviewPane::refreshSlot()
{
    const bool ready = pendingSetupItems(setupInputs(c_)).isEmpty();
    const bool showReady = ready && (startedUnfinished_.value_or(false) || c_.permissions.justGranted(QStringLiteral("overview")));
    // The cards cross-fade and the column follows (at once under Reduce Motion).
    const Animation move = c_.motion.pick(Animation::timing(motion::standard()));
    if (!ready) {
        slot_->leave(ready_, move);
        ready_ = nullptr;
        if (!setup_) {
            setup_ = new SetupCard(c_);
            slot_->enter(setup_, move);
        } else {
            setup_->refresh();
        }
        return;
    }
    if (setup_) {
        slot_->leave(setup_, move);
        setup_ = nullptr;
    }
    if (showReady && !ready_) {
        auto* card = new Card(14);
        card->setObjectName(QStringLiteral("readyCard"));
        QVBoxLayout* l = card->contentLayout();
        auto* row = new SetupRowView(card);
        row->setIcon(new GrantSeal(22, true, [this] { c_.permissions.markCelebrated(QStringLiteral("overview")); }, c_.motion));
        row->setTexts(text("You're all set"),
                      text("Accessibility is on and %1 is ready. %app works in every app you type in.").arg(title(c_.prefs.engine())),
                      QString());
        l->addWidget(row);
        ready_ = card;
        slot_->enter(card, move);
    }
}

} // namespace tq
