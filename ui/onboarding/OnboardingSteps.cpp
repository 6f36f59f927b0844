#include "ui/onboarding/OnboardingSteps.h"

#include "services/Permissions.h"
#include "engines/ProviderHub.h"
#include "platform/Text.h"
#include "platform/TrayHost.h"
#include "settings/Preferences.h"
#include "ui/design/Animation.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/GrantSeal.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/Transition.h"
#include "ui/onboarding/GhostDemo.h"
#include "ui/download/ModelDownloadView.h"
#include "ui/onboarding/OnboardingFlow.h"
#include "ui/design/Formatters.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace tq {

using fonts::Role;

// ---- welcome

WelcomeStep::WelcomeStep(OnboardingServices& services, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("welcomeStep"));
    auto* c = bareColumn(this, 20);

    auto* brand = new QHBoxLayout;
    brand->setSpacing(12);
    brand->addWidget(new LiveBrandMark(38, services.motion, this), 0, Qt::AlignVCenter);
    brand->addWidget(makeLabel(QStringLiteral("Tessaquill"), fonts::font(Role::title, QFont::DemiBold), palette::paper()));
    brand->addStretch(1);
    c->addLayout(brand);

    c->addWidget(new StepHeader(
        tq::text("Finish your sentences in any app."),
        tq::text("%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one "
                 "word, or the key above Tab to take the rest. If you don't want it, keep typing."),
        this));

    demo_ = new GhostDemo(tq::text("Thanks for the notes. I'll send the revised deck"),
                          tq::text(" by Friday morning."), services.motion, this);
    c->addWidget(demo_);

    // The privacy row reads as one element.
    auto* privacy = new QWidget(this);
    auto* row = bareRow(privacy, 14);
    auto* tile = new QLabel(privacy);
    tile->setFixedSize(38, 38);
    {
        QPixmap pm(38 * devicePixelRatioF(), 38 * devicePixelRatioF());
        pm.setDevicePixelRatio(devicePixelRatioF());
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::withOpacity(palette::gold(), 0.12));
        p.drawPath(continuousRect(QRectF(0, 0, 38, 38), 10));
        symbols::paint(p, QStringLiteral("text.viewfinder"), QRectF(10, 10, 18, 18), palette::gold());
        p.end();
        tile->setPixmap(pm);
    }
    row->addWidget(tile, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(8);
    const QString seesTitle = tq::text("Sees what you see");
    const QString privateText = tq::text("Private");
    const QString explanation = tq::text("It reads the window you're typing in, like the chat you're answering, so "
                                         "suggestions fit. None of it goes online, to us or any server. It stays "
                                         "private on your computer.");
    titleRow->addWidget(makeLabel(seesTitle, fonts::font(Role::title3, QFont::DemiBold), palette::paper()));
    titleRow->addWidget(new Pill(privateText, palette::gold(), QStringLiteral("lock.fill"), privacy), 0, Qt::AlignVCenter);
    titleRow->addStretch(1);
    texts->addLayout(titleRow);
    texts->addWidget(makeLabel(explanation, Role::callout, palette::paperDim(), true));
    row->addLayout(texts, 1);
    groupForAccessibility(privacy, spokenParts({spokenList({seesTitle, privateText}), explanation}));
    c->addWidget(privacy);
}

// ---- access

GrantedPanel::GrantedPanel(bool celebrate, std::function<void()> onPlayed, MotionContext& motion, QWidget* parent)
    : QWidget(parent), celebrate_(celebrate), motion_(motion)
{
    setObjectName(QStringLiteral("grantedPanel"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 16, 16, 16);
    row->setSpacing(14);
    seal_ = new GrantSeal(36, celebrate, std::move(onPlayed), motion, this);
    row->addWidget(seal_, 0, Qt::AlignVCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    const QString title = tq::text("Accessibility is on");
    const QString detail = tq::text("%app can now read the field you're writing in and type suggestions for you.");
    texts->addWidget(makeLabel(title, fonts::system(16, QFont::DemiBold), palette::paper()));
    texts->addWidget(makeLabel(detail, Role::callout, palette::paperDim(), true));
    row->addLayout(texts, 1);
    groupForAccessibility(this, spokenParts({title, detail}));
}

void GrantedPanel::enter()
{
    if (motion_.reduceMotion())
        return;
    transitionIn(this, motion_, {Animation::timing(motion::standard()), 0.97, Qt::AlignLeading});
}

bool GrantedPanel::isEntering() const
{
    return inTransition(this);
}

void GrantedPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette::withOpacity(palette::green(), 0.28), 1));
    p.setBrush(palette::withOpacity(palette::green(), 0.09));
    p.drawPath(continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12));
}

AccessStep::AccessStep(OnboardingServices& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("accessStep"));
    auto* c = bareColumn(this, 24);
    c->addWidget(new StepHeader(tq::text("Let %app see what you type."),
                                tq::text("%app reads and types into text fields through the desktop's accessibility support, "
                                         "which some desktops leave off. %app uses it only for the field you're writing in."),
                                this));
    auto* bullets = new QWidget(this);
    auto* b = bareColumn(bullets, 12);
    b->addWidget(new Bullet(QStringLiteral("lock"),
                            tq::text("%app reads your text when you pause and forgets it after one suggestion, unless "
                                     "you turn on writing memory."),
                            bullets));
    b->addWidget(new Bullet(QStringLiteral("eye.slash"),
                            tq::text("%app skips password fields and anything else the system marks as secure."), bullets));
    // The on-device model keeps text local too, where the system has one that answers.
    b->addWidget(new Bullet(QStringLiteral("network.slash"),
                            services_.hub.apple().currentStatus().isReady()
                                ? tq::text("There's no account and no analytics. With the %app model or the on-device "
                                           "model, your text stays on this computer.")
                                : tq::text("There's no account and no analytics. With the %app model, your text stays "
                                           "on this computer."),
                            bullets));
    c->addWidget(bullets);

    // The button block and the granted panel share one place, so one can fade out while the
    // other comes in.
    accessHost_ = new QWidget(this);
    auto* host = new QGridLayout(accessHost_);
    host->setContentsMargins(0, 0, 0, 0);
    missing_ = new QWidget(accessHost_);
    auto* m = bareColumn(missing_, 8);
    auto* open = new PrimaryButton(tq::text("Open Accessibility Settings"), services_.motion, missing_);
    open_ = open;
    connect(open, &QAbstractButton::clicked, this, [this] { services_.permissions.requestAccessibility(); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(open);
    buttonRow->addStretch(1);
    m->addLayout(buttonRow);
    m->addWidget(makeLabel(tq::text("The button switches the desktop's accessibility support on. If the desktop's settings open "
                                    "instead, turn accessibility on there, then come back. This page updates by itself."),
                           Role::callout, palette::paperDim(), true, missing_));
    stuck_ = makeLabel(tq::text("Still off? Some desktops start their accessibility service only when you log in. "
                                "Log out and back in, then try again."),
                       Role::callout, palette::paperDim(), true, missing_);
    // The hint with its "info.circle" symbol, 4 points below the line above.
    stuckRow_ = new QWidget(missing_);
    auto* hint = bareRow(stuckRow_, 6);
    stuckRow_->setContentsMargins(0, 4, 0, 0);
    auto* info = new QLabel(stuckRow_);
    info->setPixmap(symbols::pixmap(QStringLiteral("info.circle"), 13, palette::paperDim(), devicePixelRatioF()));
    markDecorative(info);
    hint->addWidget(info, 0, Qt::AlignTop);
    stuck_->setParent(stuckRow_);
    hint->addWidget(stuck_, 1);
    m->addWidget(stuckRow_);
    host->addWidget(missing_, 0, 0, Qt::AlignTop);
    c->addWidget(accessHost_);
    c->addStretch(1);

    startedOff_ = !services_.permissions.accessibility();
    connect(&services_.permissions, &Permissions::accessibilityChanged, this, [this] { follow(true); });
    connect(&services_.permissions, &Permissions::accessibilityLooksStuckChanged, this, [this] { follow(false); });
    follow(false);
}

void AccessStep::follow(bool animate)
{
    Permissions& permissions = services_.permissions;
    const bool granted = permissions.accessibility();
    stuckRow_->setVisible(permissions.accessibilityLooksStuck());
    // The swap follows the standard curve, and none under Reduce Motion.
    animate = animate && !services_.motion.reduceMotion() && isVisible();
    const TransitionSpec fade{animate ? Animation::timing(motion::standard()) : Animation::none()};
    if (granted && !granted_) {
        // A new panel each time access turns on; its seal plays at most once a run.
        const QString place = QStringLiteral("onboarding");
        const bool celebrate =
            accessSealCelebrates(startedOff_, permissions.justGranted(place), permissions.celebrated().contains(place));
        granted_ = new GrantedPanel(celebrate, [&permissions, place] { permissions.markCelebrated(place); },
                                    services_.motion, accessHost_);
        static_cast<QGridLayout*>(accessHost_->layout())->addWidget(granted_, 0, 0, Qt::AlignTop);
        QWidget* missing = missing_;
        transitionOut(missing_, services_.motion, fade, [missing] { missing->hide(); });
        // Granted while the step is shown: the panel comes in; on arrival it is simply there.
        if (startedOff_.value_or(false))
            granted_->enter();
    } else if (!granted) {
        if (granted_) {
            GrantedPanel* old = granted_;
            granted_ = nullptr;
            transitionOut(old, services_.motion, fade, [old] { old->deleteLater(); });
        }
        transitionIn(missing_, services_.motion, fade);
    }
}

// ---- engine

EngineCard::EngineCard(EngineKind kind, MotionContext& motion, QWidget* parent) : QAbstractButton(parent), kind_(kind)
{
    setObjectName(QStringLiteral("engineCard-") + rawValue(kind));
    setCursor(Qt::PointingHandCursor);
    setCheckable(true);
    setAutoExclusive(false);
    markSelectable(this); // read as a selected card, not a checked box
    // Children read the window's text colours, not a button's.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 14, 14, 14);
    row->setSpacing(12);
    symbol_ = new QLabel(this);
    symbol_->setFixedWidth(24);
    symbol_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    symbol_->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(symbol_, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    const QString name = title(kind);
    auto* t = makeLabel(name, fonts::font(Role::title3, QFont::DemiBold), palette::paper(), false, this);
    auto* d = makeLabel(detail(kind), Role::callout, palette::paperDim(), true, this);
    status_ = new StatusLine(motion, this);
    for (QWidget* w : {static_cast<QWidget*>(t), static_cast<QWidget*>(d), static_cast<QWidget*>(status_)}) {
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
        texts->addWidget(w);
    }
    row->addLayout(texts, 1);
    check_ = new QLabel(this);
    check_->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(check_, 0, Qt::AlignTop);
    setAccessibleName(name);
    setAccessibleDescription(detail(kind));
    setStatus(ProviderStatus::unknown());
    setSelected(false);
}

void EngineCard::setStatus(const ProviderStatus& status) { status_->setStatus(status); }

void EngineCard::setSelected(bool selected)
{
    if (selected != isChecked()) {
        setChecked(selected);
        selectionChanged(this);
    }
    const QColor tint = selected ? palette::gold() : palette::paperDim();
    const QString symbol = kind_ == EngineKind::builtIn ? QStringLiteral("cpu")
                           : kind_ == EngineKind::apple  ? QStringLiteral("apple.intelligence")
                           : kind_ == EngineKind::ollama ? QStringLiteral("shippingbox")
                                                         : QStringLiteral("server.rack");
    symbol_->setPixmap(symbols::pixmap(symbol, 18, tint, devicePixelRatioF()));
    check_->setPixmap(symbols::pixmap(selected ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("circle"), 18,
                                      tint, devicePixelRatioF()));
    update();
}

void EngineCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool selected = isChecked();
    p.setPen(QPen(selected ? palette::withOpacity(palette::gold(), 0.6) : palette::hairline(), 1));
    p.setBrush(selected ? palette::withOpacity(palette::gold(), 0.1) : palette::inkRaised());
    p.drawPath(continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12));
    if (hasFocus()) {
        p.setPen(QPen(palette::gold(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(continuousRect(QRectF(rect()).adjusted(1, 1, -1, -1), 12));
    }
}

QList<EngineKind> EngineStep::offered() { return {EngineKind::builtIn, EngineKind::apple}; }

EngineStep::EngineStep(OnboardingServices& services, QWidget* parent) : QWidget(parent), services_(services)
{
    setObjectName(QStringLiteral("engineStep"));
    auto* c = bareColumn(this, 22);
    c->addWidget(new StepHeader(tq::text("Pick what writes your suggestions."),
                                tq::text("You can change this any time in Settings."), this));
    auto* cards = new QWidget(this);
    auto* list = bareColumn(cards, 10);
    for (EngineKind kind : offered()) {
        auto* card = new EngineCard(kind, services_.motion, cards);
        connect(card, &QAbstractButton::clicked, this, [this, kind] {
            services_.prefs.setEngine(kind);
            follow();
        });
        cards_[kind] = card;
        list->addWidget(card);
    }
    c->addWidget(cards);

    downloadCard_ = new InkCard(12, this);
    auto* inner = new QVBoxLayout(downloadCard_);
    inner->setContentsMargins(14, 14, 14, 14);
    download_ = new ModelDownloadView(services_.modelStore, services_.hub, services_.motion, true, downloadCard_);
    inner->addWidget(download_);
    c->addWidget(downloadCard_);
    c->addStretch(1);

    connect(&services_.prefs, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("engine"))
            follow();
    });
    connect(&services_.hub, &ProviderHub::statusChanged, this, [this](EngineKind) { follow(); });
    follow();
}

EngineCard* EngineStep::card(EngineKind kind) const
{
    const auto it = cards_.find(kind);
    return it == cards_.end() ? nullptr : it->second;
}

void EngineStep::follow()
{
    const EngineKind chosen = services_.prefs.engine();
    for (auto& [kind, card] : cards_) {
        card->setSelected(kind == chosen);
        card->setStatus(services_.hub.status(kind));
    }
    downloadCard_->setVisible(chosen == EngineKind::builtIn);
}

void EngineStep::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    checkEngines();
}

void EngineStep::hideEvent(QHideEvent* event)
{
    ++round_; // the check under way stops after its current engine
    QWidget::hideEvent(event);
}

void EngineStep::checkEngines() { checkFrom(0, ++round_); }

void EngineStep::checkFrom(int index, int round)
{
    static const EngineKind order[] = {EngineKind::builtIn, EngineKind::apple, EngineKind::ollama, EngineKind::openAI};
    if (round != round_ || index >= int(std::size(order)))
        return;
    services_.hub.refresh(order[index]).then(this, [this, index, round](const Outcome<Done>&) {
        checkFrom(index + 1, round);
    });
}

// ---- practice

PracticeStep::PracticeStep(OnboardingServices& services, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("practiceStep"));
    auto* c = bareColumn(this, 20);
    c->addWidget(new StepHeader(tq::text("Give it a try."),
                                tq::text("Start typing a sentence. When grey words appear, press Tab for one word or the "
                                         "key above Tab for all of them."),
                                this));
    auto* card = new InkCard(12, this);
    card->setFixedHeight(150);
    auto* inner = new QVBoxLayout(card);
    inner->setContentsMargins(1, 1, 1, 1);
    field_ = new PlaygroundField(services.engine, services.playgroundFocusChanged, card);
    field_->setPlaceholderText(tq::text("Hi Orlenn, thanks for the quick reply. I think we should"));
    inner->addWidget(field_);
    c->addWidget(card);
    c->addWidget(makeLabel(tq::text("%app lives in your system tray from now on. Click its icon to pause it in an app or "
                                    "open Settings."),
                           Role::callout, palette::paperDim(), true, this));
    // Where no tray runs the icon cannot show: the note says why and what brings one.
    if (TrayHost* tray = services.trayHost) {
        note_ = new QWidget(this);
        note_->setObjectName(QStringLiteral("noTrayNote"));
        auto* row = bareRow(note_, 8);
        auto* icon = new QLabel(note_);
        icon->setPixmap(symbols::pixmap(QStringLiteral("eye.slash"), 14, palette::gold(), devicePixelRatioF()));
        markDecorative(icon);
        row->addWidget(icon, 0, Qt::AlignTop);
        auto* noteText = makeLabel(QString(), Role::callout, palette::paperDim(), true, note_);
        row->addWidget(noteText, 1);
        c->addWidget(note_);
        const auto follow = [this, tray, noteText] {
            noteText->setText(noTrayText(tray->help()));
            note_->setVisible(!tray->running());
        };
        follow();
        connect(tray, &TrayHost::kindChanged, this, follow);
    }
    c->addStretch(1);
}

} // namespace tq
