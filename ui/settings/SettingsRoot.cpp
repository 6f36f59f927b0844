#include "ui/settings/SettingsRoot.h"

#include "services/Permissions.h"
#include "engines/ProviderHub.h"
#include "input/RivalWatcher.h"
#include "settings/Preferences.h"
#include "ui/design/Backdrop.h"
#include "look/Palette.h"
#include "ui/design/Theme.h"
#include "ui/settings/SettingsSidebar.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/SetupModel.h"

#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tq {

namespace {
void setOpacity(QWidget* w, double opacity)
{
    if (!w)
        return;
    if (opacity >= 0.999) {
        w->setGraphicsEffect(nullptr);
        return;
    }
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(w->graphicsEffect());
    if (!effect) {
        effect = new QGraphicsOpacityEffect(w);
        w->setGraphicsEffect(effect);
    }
    effect->setOpacity(opacity);
}
} // namespace

PaneTransitionFrame paneTransitionAt(double t, bool reduceMotion)
{
    PaneTransitionFrame f;
    if (reduceMotion) {
        const double k = motion::curveProgress(motion::easeOut(150), t);
        f.incomingOpacity = k;
        f.outgoingOpacity = 1 - k;
        f.done = t >= 0.15;
        return f;
    }
    const double k = motion::curveProgress(motion::page(), t);
    f.incomingOpacity = k;
    f.incomingOffset = 14 * (1 - k);
    f.outgoingOpacity = 1 - motion::curveProgress(motion::easeOut(100), t);
    f.done = t >= motion::page().durationMs / 1000.0;
    return f;
}

SettingsRoot::SettingsRoot(SettingsContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), driver_(context_.motion.frames(), this)
{
    setObjectName(QStringLiteral("settingsRoot"));
    applyInkTheme(this);
    auto* row = bareRow(this);

    sidebar_ = new SettingsSidebar(context_.router, context_.motion, [this](SettingsPane p) { return badge(p); });
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(sidebar_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(190);
    scroll->setMaximumWidth(260);
    scroll->setFocusProxy(sidebar_);
    row->addWidget(scroll, 210);

    detail_ = new InkBackdrop(this);
    detail_->setMinimumWidth(480);
    auto* column = bareColumn(detail_);
    header_ = makeLabel(QString(), fonts::Role::body, palette::paperDim(), true, detail_);
    header_->setObjectName(QStringLiteral("paneHeader"));
    header_->setContentsMargins(20, 6, 20, 10);
    column->addWidget(header_);
    stage_ = new QWidget(detail_);
    stage_->installEventFilter(this);
    column->addWidget(stage_, 1);
    row->addWidget(detail_, 690);
    shade_ = new TitleShade(detail_);
    shade_->setTop(0);
    header_->raise();

    connect(&context_.router, &SettingsRouter::paneChanged, this, [this] { showPane(true); });
    connect(&context_.permissions, &Permissions::accessibilityChanged, this, &SettingsRoot::refreshBadges);
    connect(&context_.permissions, &Permissions::systemPredictionsOnChanged, this, &SettingsRoot::refreshBadges);
    connect(&context_.hub, &ProviderHub::statusChanged, this, &SettingsRoot::refreshBadges);
    connect(&context_.rivals, &RivalWatcher::runningChanged, this, &SettingsRoot::refreshBadges);
    connect(&context_.prefs, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("engine"))
            refreshBadges();
    });
    showPane(false);
}

SettingsRoot::~SettingsRoot() = default;

int SettingsRoot::badge(SettingsPane pane) const
{
    if (pane != SettingsPane::overview)
        return 0;
    return int(pendingSetupItems(setupInputs(context_)).size());
}

void SettingsRoot::refreshBadges()
{
    sidebar_->refreshBadges();
}

void SettingsRoot::showPane(bool animate)
{
    const SettingsPane pane = context_.router.pane();
    header_->setText(paneSubtitle(pane));
    window()->setWindowTitle(paneTitle(pane));
    if (leaving_)
        delete leaving_.data(); // a change during a change: the oldest goes at once
    leaving_ = current_;
    current_ = makeSettingsPane(pane, context_, stage_);
    current_->setObjectName(QStringLiteral("pane-") + settingsPaneName(pane));
    current_->show();
    if (!animate || !leaving_) {
        delete leaving_.data();
        started_ = -1;
        placePanes();
        return;
    }
    leaving_->setAttribute(Qt::WA_TransparentForMouseEvents);
    current_->raise();
    started_ = context_.motion.frames().seconds();
    frame();
    driver_.run([this] {
        frame();
        return started_ >= 0;
    });
}

void SettingsRoot::frame()
{
    if (started_ < 0)
        return;
    const PaneTransitionFrame f = paneTransitionAt(context_.motion.frames().seconds() - started_, context_.motion.reduceMotion());
    setOpacity(current_, f.incomingOpacity);
    setOpacity(leaving_, f.outgoingOpacity);
    if (current_)
        current_->setGeometry(stage_->rect().translated(0, int(std::lround(f.incomingOffset))));
    if (f.outgoingOpacity <= 0.001 || f.done)
        delete leaving_.data(); // faded out: its timers and late callbacks go with it
    if (f.done) {
        started_ = -1;
        setOpacity(current_, 1);
        placePanes();
    }
}

void SettingsRoot::placePanes()
{
    shade_->setTop(header_->height());
    shade_->raise();
    header_->raise();
    if (current_ && started_ < 0)
        current_->setGeometry(stage_->rect());
    if (leaving_)
        leaving_->setGeometry(stage_->rect());
}

void SettingsRoot::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePanes();
}

void SettingsRoot::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    window()->setWindowTitle(paneTitle(context_.router.pane()));
    placePanes();
    if (!window()->focusWidget())
        sidebar_->setFocus(); // the arrows move through the panes at once
}

bool SettingsRoot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == stage_ && event->type() == QEvent::Resize)
        placePanes();
    return QWidget::eventFilter(watched, event);
}

} // namespace tq
