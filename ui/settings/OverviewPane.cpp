#include "ui/settings/OverviewPane.h"

#include "app/services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "engines/ProviderHub.h"
#include "input/RivalWatcher.h"
#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/GrantSeal.h"
#include "ui/design/Keycap.h"
#include "ui/design/Palette.h"
#include "ui/settings/OverviewText.h"
#include "ui/settings/SetupModel.h"
#include "ui/settings/StoreProblems.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace tq {

namespace {
const QString kCelebrationPlace = QStringLiteral("overview");

QColor toneColour(StateTone tone)
{
    switch (tone) {
    case StateTone::warning: return palette::orange();
    case StateTone::muted: return palette::paperDim();
    case StateTone::good: return palette::green();
    }
    return palette::paper();
}

// One day of the streak: its weekday letter over a dot, checked when words were saved.
class DayCell final : public QWidget {
public:
    DayCell(MotionContext& motion, QWidget* parent) : QWidget(parent), motion_(motion), scale_(motion.frames(), 1), driver_(motion.frames(), this)
    {
        setFixedSize(26, 40);
        setAttribute(Qt::WA_Hover);
    }
    void set(const QString& letter, qint64 words, bool today)
    {
        letter_ = letter;
        words_ = words;
        today_ = today;
        setToolTip(words == 1 ? text("1 word") : text("%1 words").arg(QLocale().toString(words)));
        update();
    }

protected:
    void enterEvent(QEnterEvent*) override { hover(true); }
    void leaveEvent(QEvent*) override { hover(false); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(settingsFont(10, QFont::DemiBold));
        p.setPen(today_ ? palette::gold() : palette::paperDim());
        p.drawText(QRectF(0, 0, width(), 12), Qt::AlignCenter, letter_);
        const QRectF dot(2, 16, 22, 22);
        const double s = scale_.value();
        p.translate(dot.center());
        p.scale(s, s);
        p.translate(-dot.center());
        if (words_ > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::gold());
            p.drawEllipse(dot);
            QPen check(palette::ink(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(check);
            p.drawPolyline(QPolygonF{dot.center() + QPointF(-4.5, 0.5), dot.center() + QPointF(-1.2, 3.8), dot.center() + QPointF(4.5, -3.2)});
        } else {
            p.setPen(today_ ? QPen(palette::withOpacity(palette::gold(), 0.7), 1.5) : Qt::NoPen);
            p.setBrush(QColor::fromRgbF(1, 1, 1, 0.07f));
            p.drawEllipse(dot.adjusted(0.75, 0.75, -0.75, -0.75));
        }
    }

private:
    void hover(bool on)
    {
        if (motion_.reduceMotion()) {
            scale_.setTo(1);
            return;
        }
        scale_.animateTo(on ? 1.15 : 1.0, Animation::springy(0.3, 0.5));
        driver_.run([this] { return scale_.isMoving(); });
    }
    MotionContext& motion_;
    QString letter_;
    qint64 words_ = 0;
    bool today_ = false;
    AnimatedValue scale_;
    FrameDriver driver_;
};

} // namespace

// ---- spinner

Spinner::Spinner(MotionContext& motion, QWidget* parent) : QWidget(parent), motion_(motion), driver_(motion.frames(), this)
{
    setFixedSize(16, 16);
    setAccessibleName(text("Checking…"));
}

void Spinner::showEvent(QShowEvent*)
{
    driver_.run([] { return true; });
}

void Spinner::hideEvent(QHideEvent*)
{
    driver_.stop();
}

void Spinner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = std::fmod(motion_.frames().seconds(), 1.0) * 360.0;
    p.setPen(QPen(palette::paperDim(), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(rect()).adjusted(2, 2, -2, -2), int(-turn * 16), 270 * 16);
}

// ---- setup rows

SetupRowView::SetupRowView(QWidget* parent) : QWidget(parent)
{
    iconSlot_ = new QWidget(this);
    iconSlot_->setFixedSize(22, 22);
    new QHBoxLayout(iconSlot_);
    iconSlot_->layout()->setContentsMargins(0, 0, 0, 0);

    title_ = makeLabel(QString(), 13, QFont::Medium, palette::paper(), this, true);
    detail_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), this, true);
    noteRow_ = new QWidget(this);
    auto* noteLine = new QHBoxLayout(noteRow_);
    noteLine->setContentsMargins(0, 4, 0, 0);
    noteLine->setSpacing(6);
    noteLine->addWidget(new SymbolView(QStringLiteral("info.circle"), 14, palette::paperDim(), noteRow_), 0, Qt::AlignTop);
    note_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), noteRow_, true);
    noteLine->addWidget(note_, 1);
    noteRow_->hide();

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 2, 0, 0);
    texts->setSpacing(3);
    texts->addWidget(title_);
    texts->addWidget(detail_);
    texts->addWidget(noteRow_);
    auto* head = new QHBoxLayout;
    head->setSpacing(14);
    head->addWidget(iconSlot_, 0, Qt::AlignTop);
    head->addLayout(texts, 1);

    actions_ = new QWidget(this);
    auto* actionRow = new QHBoxLayout(actions_);
    actionRow->setContentsMargins(0, 0, 0, 0);
    actionRow->setSpacing(8);
    actions_->hide();

    outer_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    outer_->setContentsMargins(0, 0, 0, 0);
    outer_->setSpacing(14);
    outer_->addLayout(head, 1);
    outer_->addWidget(actions_, 0, Qt::AlignVCenter);
}

void SetupRowView::setIcon(QWidget* icon)
{
    QLayoutItem* old = iconSlot_->layout()->takeAt(0);
    if (old) {
        delete old->widget();
        delete old;
    }
    icon->setParent(iconSlot_);
    iconSlot_->layout()->addWidget(icon);
    iconSlot_->layout()->setAlignment(icon, Qt::AlignCenter);
    icon->show();
}

void SetupRowView::setTexts(const QString& title, const QString& detail, const QString& note)
{
    title_->setText(title);
    detail_->setText(detail);
    detail_->setVisible(!detail.isEmpty());
    note_->setText(note);
    noteRow_->setVisible(!note.isEmpty());
}

QString SetupRowView::title() const
{
    return title_->text();
}

void SetupRowView::setButtons(const QList<QAbstractButton*>& buttons)
{
    for (QAbstractButton* b : buttons_)
        delete b;
    buttons_ = buttons;
    for (QAbstractButton* b : buttons_) {
        b->setParent(actions_);
        actions_->layout()->addWidget(b);
    }
    actions_->setVisible(!buttons_.isEmpty());
}

void SetupRowView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Side by side when the buttons fit beside the texts, else under them, indented.
    const bool narrow = !buttons_.isEmpty() && width() < 300 + actions_->sizeHint().width();
    const QBoxLayout::Direction dir = narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (outer_->direction() != dir) {
        outer_->setDirection(dir);
        outer_->setSpacing(narrow ? 10 : 14);
        actions_->setContentsMargins(narrow ? 36 : 0, 0, 0, 0);
        outer_->setAlignment(actions_, narrow ? Qt::AlignLeft : Qt::AlignVCenter);
    }
}

// ---- setup card

SetupCard::SetupCard(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    setObjectName(QStringLiteral("setupCard"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(14, this);
    outer->addWidget(card);
    QVBoxLayout* column = card->contentLayout();
    column->setSpacing(0);
    auto* head = new QHBoxLayout;
    head->addWidget(makeLabel(text("Finish setting up"), 13, QFont::DemiBold, palette::paper(), this));
    head->addStretch(1);
    done_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), this);
    head->addWidget(done_);
    column->addLayout(head);
    column->addSpacing(10);
    bar_ = new InkProgressBar(8, c_.motion, this);
    bar_->setAccessibleName(text("Setup progress"));
    column->addWidget(bar_);
    column->addSpacing(14);
    rows_ = new QVBoxLayout;
    rows_->setSpacing(0);
    column->addLayout(rows_);
    refresh();
}

SetupRowView* SetupCard::row(SetupItem item) const
{
    auto it = state_.find(item);
    return it == state_.end() ? nullptr : it->second.view;
}

QString SetupCard::doneText() const
{
    return done_->text();
}

void SetupCard::refresh()
{
    const SetupInputs in = setupInputs(c_);
    const QList<SetupItem> items = setupCardItems(in);

    // Rows come and go with their items (the competing applications' row).
    for (auto it = state_.begin(); it != state_.end();) {
        if (!items.contains(it->first)) {
            delete it->second.view;
            it = state_.erase(it);
        } else {
            ++it;
        }
    }
    while (QLayoutItem* item = rows_->takeAt(0)) {
        if (item->widget() && item->widget()->objectName() == QLatin1String("divider"))
            delete item->widget();
        delete item;
    }

    int done = 0;
    bool firstRow = true;
    for (SetupItem item : items) {
        const SetupProgress progress = setupProgress(item, in);
        if (progress == SetupProgress::done)
            ++done;
        RowState& st = state_[item];
        if (!st.view) {
            st.view = new SetupRowView(this);
            st.startedOpen = progress != SetupProgress::done;
        }
        if (!firstRow) {
            auto* line = new QFrame(this);
            line->setObjectName(QStringLiteral("divider"));
            line->setFixedHeight(25);
            line->setStyleSheet(QStringLiteral("QFrame#divider { background: transparent; border: none;"
                                               " border-image: none; }"));
            line->setFrameShape(QFrame::NoFrame);
            auto* l = new QVBoxLayout(line);
            l->setContentsMargins(0, 12, 0, 12);
            auto* hair = new QWidget(line);
            hair->setFixedHeight(1);
            hair->setAutoFillBackground(true);
            QPalette pal = hair->palette();
            pal.setColor(QPalette::Window, palette::hairline());
            hair->setPalette(pal);
            l->addWidget(hair);
            rows_->addWidget(line);
        }
        firstRow = false;
        rows_->addWidget(st.view);

        const SetupRowText t = setupRowText(item, progress, in);
        st.view->setTexts(t.title, t.detail, t.note);
        st.view->setAccessibleName(progress == SetupProgress::done ? text("Done: %1").arg(t.title) : t.title);
        if (st.shown != progress) {
            st.shown = progress;
            QWidget* icon = nullptr;
            if (progress == SetupProgress::done) {
                const bool celebrate = st.startedOpen
                                       || (item == SetupItem::accessibility && c_.permissions.justGranted(QStringLiteral("overview")));
                std::function<void()> played;
                if (item == SetupItem::accessibility)
                    played = [this] { c_.permissions.markCelebrated(QStringLiteral("overview")); };
                icon = new GrantSeal(20, celebrate, played, c_.motion);
            } else if (progress == SetupProgress::checking) {
                icon = new Spinner(c_.motion);
            } else {
                icon = new SymbolView(t.symbol, 18, palette::paperDim());
            }
            st.view->setIcon(icon);
        }
        QList<QAbstractButton*> buttons;
        for (const SetupButton& b : t.buttons) {
            QAbstractButton* button = makeButton(b.title, b.primary, c_.motion);
            button->setEnabled(b.enabled);
            const SetupAction action = b.action;
            connect(button, &QAbstractButton::clicked, this, [this, action] { act(action); });
            buttons.append(button);
        }
        // Keep the buttons when nothing about them changed, so focus stays put.
        bool same = buttons.size() == st.view->buttons().size();
        for (int i = 0; same && i < buttons.size(); ++i)
            same = buttons[i]->text() == st.view->buttons()[i]->text()
                   && buttons[i]->isEnabled() == st.view->buttons()[i]->isEnabled();
        if (same)
            qDeleteAll(buttons);
        else
            st.view->setButtons(buttons);
    }
    const int total = int(items.size());
    done_->setText(setupDoneText(done, total));
    bar_->setValue(double(done) / std::max(1, total));
}

void SetupCard::act(SetupAction action)
{
    switch (action) {
    case SetupAction::requestAccessibility: c_.permissions.requestAccessibility(); break;
    case SetupAction::openEngine: c_.router.setPane(SettingsPane::engine); break;
    case SetupAction::openKeyboardSettings: c_.permissions.openKeyboardSettings(); break;
    case SetupAction::turnOffPredictions:
        if (c_.hooks.turnOffSystemPredictions)
            c_.hooks.turnOffSystemPredictions();
        c_.permissions.refresh();
        break;
    case SetupAction::quitRivals: c_.rivals.quitRivals(false); break;
    case SetupAction::forceQuitRivals: c_.rivals.quitRivals(true); break;
    }
}

// ---- overview

OverviewPane::OverviewPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    styleScrollBars(scroll);
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

    // The three cards rise in, one after the other.
    slot_ = new QWidget(body);
    slotLayout_ = new QVBoxLayout(slot_);
    slotLayout_->setContentsMargins(0, 0, 0, 0);
    StoreSet files;
    files.settings = &c_.prefs;
    files.rules = &c_.rules;
    files.stats = &c_.stats;
    files.memory = &c_.memory;
    column_->addWidget(makeStoreProblemLine(files, body));
    column_->addWidget(new Rise(buildHero(), 0, c_.motion, body));
    slotRise_ = new Rise(slot_, 1, c_.motion, body);
    column_->addWidget(slotRise_);
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
    stateText_ = makeLabel(QString(), 12, QFont::Medium, palette::paper(), heroText_);
    stateSpeed_ = makeLabel(QString(), 12, QFont::Medium, palette::paperDim(), heroText_);
    state->addWidget(stateSymbol_);
    state->addWidget(stateText_);
    state->addWidget(stateSpeed_);
    state->addStretch(1);
    texts->addLayout(state);

    auto* countBox = new QVBoxLayout;
    countBox->setSpacing(2);
    count_ = makeLabel(QString(), 56, QFont::DemiBold, palette::gold(), heroText_);
    count_->setObjectName(QStringLiteral("todayCount"));
    countBox->addWidget(count_);
    auto* labelLine = new QHBoxLayout;
    labelLine->setSpacing(8);
    countLabel_ = makeLabel(QString(), 15, QFont::Medium, palette::paper(), heroText_);
    labelLine->addWidget(countLabel_);
    bestPill_ = new QWidget(heroText_);
    bestPill_->setStyleSheet(QStringLiteral("background: %1; border-radius: 9px;").arg(palette::gold().name()));
    auto* pill = new QHBoxLayout(bestPill_);
    pill->setContentsMargins(8, 3, 8, 3);
    pill->setSpacing(4);
    pill->addWidget(new SymbolView(QStringLiteral("trophy.fill"), 12, palette::ink(), bestPill_));
    QLabel* best = makeLabel(text("Best day yet!"), 12, QFont::Bold, palette::ink(), bestPill_);
    best->setStyleSheet(QStringLiteral("background: transparent;"));
    pill->addWidget(best);
    labelLine->addWidget(bestPill_);
    labelLine->addStretch(1);
    countBox->addLayout(labelLine);
    texts->addLayout(countBox);
    caption_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), heroText_, true);
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
    streak_ = makeLabel(QString(), 15, QFont::DemiBold, palette::paper(), streakBox);
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
    head->addWidget(makeLabel(text("Try it here"), 13, QFont::DemiBold, palette::paper(), card));
    playHint_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), card, true);
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
    field->setMinimumHeight(120);
    field->setStyleSheet(QStringLiteral("QPlainTextEdit, QTextEdit { background: %1; color: %2; border: 1px solid %3;"
                                        " border-radius: 10px; padding: 8px; }")
                             .arg(palette::ink().name(), palette::paper().name(), palette::hairline().name(QColor::HexArgb))
                         + palette::menuStyleSheet());
    column->addWidget(field);

    legend_ = new QWidget(card);
    auto* legend = new QHBoxLayout(legend_);
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
        entry->addWidget(new KeyComboView(c_.keyLayout, combo, true, legend_));
        entry->addWidget(makeLabel(label, 12, QFont::Normal, palette::paperDim(), legend_));
        legend->addLayout(entry);
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
    count_->setText(QLocale().toString(today));
    countLabel_->setText(wordsSavedLabel(today));
    bestPill_->setVisible(c_.stats.isBestDayYet());
    caption_->setText(heroCaption(today, weekWords));
    heroText_->setAccessibleName(s.text + QStringLiteral(". ") + count_->text() + QLatin1Char(' ') + countLabel_->text()
                                 + QStringLiteral(". ") + caption_->text());

    const int streak = c_.stats.streak();
    flame_->setSymbol(QStringLiteral("flame.fill"), streak >= 1 ? palette::gold() : palette::withOpacity(palette::paperDim(), 0.5));
    streak_->setText(streakText(streak));
    QPalette pal = streak_->palette();
    pal.setColor(QPalette::WindowText, streak >= 1 ? palette::paper() : palette::paperDim());
    streak_->setPalette(pal);
    for (int i = 0; i < days_.size() && i < week.size(); ++i) {
        const QDate date = week[i].first.toLocalTime().date();
        // The C locale names days by number; English letters read better there.
        const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
        static_cast<DayCell*>(days_[i])->set(locale.dayName(date.dayOfWeek(), QLocale::NarrowFormat), week[i].second.words,
                                             i == int(week.size()) - 1);
    }
    playHint_->setText(c_.permissions.accessibility()
                           ? text("This field runs the real engine. Start typing and grey words show up as you go.")
                           : text("This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go."));
}

void OverviewPane::refreshSlot()
{
    const bool ready = pendingSetupItems(setupInputs(c_)).isEmpty();
    const bool showReady = ready && (startedUnfinished_.value_or(false) || c_.permissions.justGranted(QStringLiteral("overview")));
    if (!ready) {
        delete ready_.data();
        slotRise_->setVisible(true);
        if (!setup_) {
            setup_ = new SetupCard(c_, slot_);
            slotLayout_->addWidget(setup_);
        } else {
            setup_->refresh();
        }
        return;
    }
    delete setup_.data();
    slotRise_->setVisible(showReady || ready_);
    if (showReady && !ready_) {
        auto* card = new Card(14, slot_);
        card->setObjectName(QStringLiteral("readyCard"));
        QVBoxLayout* l = card->contentLayout();
        auto* row = new SetupRowView(card);
        row->setIcon(new GrantSeal(22, true, [this] { c_.permissions.markCelebrated(QStringLiteral("overview")); }, c_.motion));
        row->setTexts(text("You're all set"),
                      text("Accessibility is on and %1 is ready. %app works in every app you type in.").arg(title(c_.prefs.engine())),
                      QString());
        l->addWidget(row);
        ready_ = card;
        slotLayout_->addWidget(card);
    }
}

} // namespace tq
