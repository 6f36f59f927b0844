#include "ui/menubar/MenuContent.h"

#include "services/Permissions.h"
#include "platform/TrayHost.h"
#include "input/RivalWatcher.h"
#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Backdrop.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "ui/design/HandToggle.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Text.h"
#include "ui/menubar/PanelControls.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace tq::menu {

namespace {
QColor colourOf(StatusColour c)
{
    switch (c) {
    case StatusColour::orange: return palette::orange();
    case StatusColour::gold: return palette::gold();
    case StatusColour::dim: return palette::paperDim();
    case StatusColour::green: return palette::green();
    }
    return palette::paperDim();
}

QLabel* label(QWidget* parent, const QColor& colour, const QFont& font)
{
    return makeLabel(QString(), font, colour, false, parent);
}

QFont caption() { return fonts::font(fonts::Role::caption); }
QFont callout(QFont::Weight weight = QFont::Normal) { return fonts::font(fonts::Role::callout, weight); }
} // namespace

MenuContent::MenuContent(MenuServices services, MenuCallbacks callbacks, QWidget* parent)
    : QWidget(parent), s_(services), cb_(std::move(callbacks)), changeTimer_(services.clock)
{
    setObjectName(QStringLiteral("menuContent"));
    setAccessibleName(appName());
    setFixedWidth(kWidth);
    setFocusPolicy(Qt::StrongFocus);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(14, 14, 14, 14);
    root->setSpacing(12);

    // Header: the mark, the name and the status line.
    auto* headerRow = new QHBoxLayout;
    headerRow->setSpacing(10);
    headerRow->addWidget(new BrandMark(30, this), 0, Qt::AlignVCenter);
    auto* header = new QVBoxLayout;
    header->setSpacing(2);
    auto* name = label(this, palette::paper(), fonts::rounded(15, QFont::DemiBold));
    name->setText(appName());
    header->addWidget(name);
    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(5);
    statusDot_ = new StatusDot(this);
    markDecorative(statusDot_); // the status text says it all
    statusText_ = new ElidedLabel(QString(), caption(), palette::paperDim(), Qt::ElideRight, 1, this);
    statusText_->setObjectName(QStringLiteral("statusLine"));
    statusRow->addWidget(statusDot_);
    statusRow->addWidget(statusText_, 1);
    header->addLayout(statusRow);
    headerRow->addLayout(header, 1);
    root->addLayout(headerRow);

    card_ = new AttentionCard(s_.motion, this);
    connect(card_, &AttentionCard::triggered, this, [this] {
        if (cardKind_ == AttentionKind::access) {
            if (closePanel)
                closePanel();
            s_.permissions.requestAccessibility();
        } else if (cardKind_ == AttentionKind::rivals) {
            s_.rivals.quitRivals(forceQuit_);
        } else if (cardKind_ == AttentionKind::engine) {
            if (closePanel)
                closePanel();
            if (cb_.openEngineSettings)
                cb_.openEngineSettings();
        } else if (cardKind_ == AttentionKind::restartApp && cb_.copyText) {
            cb_.copyText(cardCopyText_);
        }
    });
    root->addWidget(card_);

    // Today card.
    auto* today = new Card(12, this);
    QVBoxLayout* todayLayout = today->contentLayout();
    todayLayout->setContentsMargins(12, 12, 12, 12);
    todayLayout->setSpacing(8);
    countLine_ = new QWidget(today);
    auto* countRow = new QHBoxLayout(countLine_);
    countRow->setContentsMargins(0, 0, 0, 0);
    countRow->setSpacing(8);
    count_ = new CountLabel(s_.motion, countLine_);
    count_->setFont(fonts::rounded(34, QFont::Bold));
    setLabelColour(count_, palette::gold());
    unit_ = label(countLine_, palette::paper(), callout(QFont::Medium));
    countRow->addWidget(count_, 0, Qt::AlignBaseline);
    countRow->addWidget(unit_, 1, Qt::AlignBaseline);
    groupForAccessibility(countLine_, QString());
    todayLayout->addWidget(countLine_);
    sentence_ = label(today, palette::paperDim(), caption());
    sentence_->setWordWrap(true);
    todayLayout->addWidget(sentence_);
    showCount_ = new HandToggle(text("Show Count in Tray"), s_.motion, today);
    showCount_->setCompact(true);
    auto* showText = label(today, palette::paperDim(), caption());
    showText->setText(text("Show Count in Tray"));
    showCount_->setLabelWidget(showText);
    todayLayout->addWidget(showCount_);
    connect(showCount_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on != s_.prefs.showWordCountInMenuBar())
            s_.prefs.setShowWordCountInMenuBar(on);
    });
    // The settings' own note, where the tray has no room for a label (KDE Plasma, XEmbed trays).
    showCountNote_ = label(today, palette::paperDim(), caption());
    showCountNote_->setObjectName(QStringLiteral("showCountNote"));
    showCountNote_->setWordWrap(true);
    showCountNote_->setText(text("This tray can't show text beside icons, so the count shows in the icon's tooltip."));
    todayLayout->addWidget(showCountNote_);
    connect(&s_.trayHost, &TrayHost::kindChanged, this, [this] { refresh(); });
    root->addWidget(today);

    pillBox_ = new QWidget(this);
    root->addWidget(pillBox_);

    root->addWidget(new Divider(Qt::Horizontal, this));

    auto* rows = new QVBoxLayout;
    rows->setSpacing(2);
    // Named as the Keys pane names them, not as Qt's own translation would.
    const QString ctrl = modifierKeycap(QChar(0x2303));
    const QKeySequence settingsKey(Qt::CTRL | Qt::Key_Comma);
    const QKeySequence quitKey(Qt::CTRL | Qt::Key_Q);
    const QString settingsKeyText = QStringList{ctrl, QStringLiteral(",")}.join(QLatin1Char('+'));
    const QString quitKeyText = QStringList{ctrl, QStringLiteral("Q")}.join(QLatin1Char('+'));
    playground_ = new PanelRow(QStringLiteral("pencil.and.scribble"), text("Open Playground"), QString(), s_.motion, this);
    settings_ = new PanelRow(QStringLiteral("gearshape"), text("Settings"), settingsKeyText, s_.motion, this);
    quit_ = new PanelRow(QStringLiteral("power"), text("Quit %app"), quitKeyText, s_.motion, this);
    for (PanelRow* r : {playground_, settings_, quit_})
        rows->addWidget(r);
    root->addLayout(rows);

    const auto closeThen = [this](const std::function<void()>& action) {
        return [this, action] {
            if (closePanel)
                closePanel();
            if (action)
                action();
        };
    };
    connect(playground_, &QAbstractButton::clicked, this, closeThen(cb_.openPlayground));
    connect(settings_, &QAbstractButton::clicked, this, closeThen(cb_.openSettings));
    connect(quit_, &QAbstractButton::clicked, this, [this] {
        if (cb_.quit)
            cb_.quit();
    });
    auto* settingsAction = new QAction(this);
    settingsAction->setShortcut(settingsKey);
    settingsAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(settingsAction, &QAction::triggered, settings_, &QAbstractButton::click);
    addAction(settingsAction);
    auto* quitAction = new QAction(this);
    quitAction->setShortcut(quitKey);
    quitAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(quitAction, &QAction::triggered, quit_, &QAbstractButton::click);
    addAction(quitAction);

    const auto again = [this] { refresh(); };
    connect(&s_.prefs, &Preferences::changed, this, again);
    connect(&s_.stats, &StatsStore::daysChanged, this, again);
    connect(&s_.permissions, &Permissions::accessibilityChanged, this, again);
    connect(&s_.rivals, &RivalWatcher::runningChanged, this, again);
    connect(&s_.rivals, &RivalWatcher::quitStateChanged, this, again);
    connect(&s_.rules, &AppRules::globalPauseUntilChanged, this, again);
    connect(&s_.rules, &AppRules::pausesChanged, this, again);
    // The download's progress ticks often: only a change of what the panel says re-reads it.
    if (cb_.watchEngines) {
        cb_.watchEngines(this, [this] {
            if ((cb_.engineSilent ? cb_.engineSilent() : std::nullopt) != shownSilence_)
                refresh();
        });
    }
    refresh();
}

MenuContent::~MenuContent() = default;

std::optional<QString> MenuContent::frontAppKey() const
{
    const auto app = cb_.frontApp ? cb_.frontApp() : std::nullopt;
    if (!app || app->bundleID.isEmpty())
        return std::nullopt;
    return AppRules::appKey(app->bundleID);
}

State readState(const MenuServices& s, const MenuCallbacks& cb)
{
    State st;
    st.accessibility = s.permissions.accessibility();
    for (const RivalApp& r : s.rivals.running())
        st.rivals.append(r.name);
    st.rivalsRefused = s.rivals.quitState() == RivalWatcher::QuitState::refused;
    st.globalPauseUntil = s.rules.globalPauseUntil();
    st.isEnabled = s.prefs.isEnabled();
    st.now = s.clock.now();
    if (cb.restartHint)
        st.restartHint = cb.restartHint();
    if (cb.engineSilent)
        st.engineSilent = cb.engineSilent();
    return st;
}

State MenuContent::state() const { return readState(s_, cb_); }

void MenuContent::refresh()
{
    const State st = state();
    const StatusLine line = statusLine(st);
    statusText_->setFullText(line.text);
    statusDot_->setColour(colourOf(line.colour));

    shownSilence_ = st.engineSilent;
    const AttentionText cardState = attentionText(st);
    cardKind_ = cardState.kind;
    forceQuit_ = cardState.forceQuit;
    cardCopyText_ = cardState.copyText;
    card_->set(cardState.text, cardState.button, cardState.buttonNames);
    card_->setVisible(cardState.kind != AttentionKind::none);

    const qint64 words = s_.stats.day(st.now).words;
    const TodayCard today = todayCard(words);
    count_->setCount(words, today.count);
    unit_->setText(today.label);
    sentence_->setText(today.sentence);
    countLine_->setAccessibleName(today.whole);
    const bool labelless = s_.trayHost.running() && !s_.trayHost.showsLabels();
    showCountNote_->setVisible(labelless);
    // Not blocked: the switch's knob follows its toggled signal.
    showCount_->setChecked(s_.prefs.showWordCountInMenuBar());

    rebuildPills();
    armRefresh();
    // Always 300 wide; the height follows the content (the sentence wraps).
    layout()->activate();
    setFixedHeight(layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(kWidth) : layout()->totalSizeHint().height());
    emit contentResized();
}

void MenuContent::rebuildPills()
{
    const auto app = cb_.frontApp ? cb_.frontApp() : std::nullopt;
    const auto key = frontAppKey();
    const QDateTime now = s_.clock.now();
    const std::optional<QString> name = key ? std::optional<QString>(app->name) : std::nullopt;
    const std::optional<QDateTime> frontUntil = key ? s_.rules.pausedUntil(*key, now) : std::nullopt;
    const std::vector<Pill> pills = pausePills(name, frontUntil, s_.rules.globalPauseUntil(), now);
    const bool same = pills.size() == shownPills_.size() &&
                      std::equal(pills.begin(), pills.end(), shownPills_.begin(), [](const Pill& a, const Pill& b) {
                          return a.action == b.action && a.title == b.title;
                      });
    if (same && pillBox_->layout())
        return;
    shownPills_ = pills;
    // Keep the focus on the pill row when a pill is replaced under the keyboard.
    const bool hadFocus = pillBox_->isAncestorOf(QApplication::focusWidget());
    for (PillButton* b : pills_)
        b->deleteLater();
    pills_.clear();
    delete pillBox_->layout();

    std::vector<int> widths;
    for (const Pill& p : pills) {
        auto* b = new PillButton(QString::fromLatin1(p.symbol), p.title, p.lit, s_.motion, pillBox_);
        const PillAction action = p.action;
        if (p.lit)
            connect(b, &QAbstractButton::clicked, this, [this, action] { pillAction(action, std::nullopt); });
        else
            connect(b, &PillButton::durationChosen, this, [this, action](std::optional<double> s) { pillAction(action, s); });
        widths.push_back(b->fullWidth());
        pills_.push_back(b);
    }
    stacked_ = !pillsFitInRow(widths, kWidth - 28);
    QBoxLayout* layout = stacked_ ? static_cast<QBoxLayout*>(new QVBoxLayout(pillBox_)) : new QHBoxLayout(pillBox_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kPillSpacing);
    for (PillButton* b : pills_)
        layout->addWidget(b, 1);
    if (hadFocus && !pills_.empty())
        pills_.front()->setFocus();
}

void MenuContent::pillAction(PillAction action, std::optional<double> seconds)
{
    const QDateTime now = s_.clock.now();
    switch (action) {
    case PillAction::pauseFrontApp:
        if (cb_.pauseFrontApp)
            cb_.pauseFrontApp(seconds);
        break;
    case PillAction::resumeFrontApp:
        if (const auto key = frontAppKey()) {
            s_.rules.resume(*key);
            if (cb_.refreshEngine)
                cb_.refreshEngine();
        }
        break;
    case PillAction::pauseEverywhere:
        s_.rules.pauseEverywhere(seconds, now);
        if (cb_.refreshEngine)
            cb_.refreshEngine();
        break;
    case PillAction::resumeEverywhere:
        s_.rules.setGlobalPauseUntil(std::nullopt);
        s_.rules.scheduleSave();
        if (cb_.refreshEngine)
            cb_.refreshEngine();
        break;
    }
    refresh();
}

void MenuContent::armRefresh()
{
    const QDateTime now = s_.clock.now();
    const auto key = frontAppKey();
    const QDateTime next = nextChange(now, s_.rules.globalPauseUntil(), key ? s_.rules.pausedUntil(*key, now) : std::nullopt);
    changeTimer_.start(std::chrono::milliseconds(std::max<qint64>(1, now.msecsTo(next))), [this] { refresh(); });
}

void MenuContent::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(continuousRect(QRectF(rect()), 14));
    paintInkBackdrop(p, QRectF(rect()));
    p.setClipping(false);
    p.setPen(QPen(palette::washStrong(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 13.5));
}

} // namespace tq::menu
