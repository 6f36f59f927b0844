#include "ui/menubar/StatusItem.h"

#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/Log.h"
#include "platform/StatusNotifierItem.h"
#include "platform/Text.h"
#include "platform/TrayHost.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Animation.h"
#include "ui/design/Theme.h"
#include "ui/menubar/MenuBarGlyph.h"
#include "ui/menubar/MenuContent.h"
#include "ui/menubar/MenuPanel.h"
#include "ui/menubar/PanelPlacement.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>

namespace tq::menu {

StatusItem::StatusItem(MenuServices services, MenuCallbacks callbacks, QObject* parent)
    : QObject(parent), s_(services), cb_(std::move(callbacks)), menu_(std::make_unique<QMenu>()),
      changeTimer_(services.clock)
{
    menu_->setAccessibleName(appName());
    applyInkTheme(menu_.get());
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] { buildContextMenu(); });
    buildContextMenu();

    const auto again = [this] { refresh(); };
    connect(&s_.prefs, &Preferences::changed, this, again);
    connect(&s_.stats, &StatsStore::daysChanged, this, again);
    connect(&s_.permissions, &Permissions::accessibilityChanged, this, again);
    connect(&s_.rivals, &RivalWatcher::runningChanged, this, again);
    connect(&s_.rules, &AppRules::globalPauseUntilChanged, this, again);
    connect(&s_.rules, &AppRules::pausesChanged, this, again);
    connect(&s_.trayHost, &TrayHost::kindChanged, this, [this] {
        // A tray that starts later takes the icon in: the StatusNotifierItem where its host
        // runs, else Qt's icon shown again.
        const bool wasQt = item_ != nullptr;
        refresh();
        if (wasQt && item_ && item_->isVisible()) {
            item_->hide();
            item_->show();
        }
    });
    connect(&s_.trayHost, &TrayHost::runningChanged, this, &StatusItem::trayHostChanged);
    StatusNotifierItem& notifier = s_.trayHost.statusNotifierItem();
    const auto open = [this](QPoint at) { toggle(at.isNull() ? QCursor::pos() : at); };
    connect(&notifier, &StatusNotifierItem::activated, this, open);
    connect(&notifier, &StatusNotifierItem::secondaryActivated, this, open);
    connect(&notifier, &StatusNotifierItem::contextMenuRequested, this, open);
}

StatusItem::~StatusItem()
{
    if (panel_)
        delete panel_.data();
    s_.trayHost.statusNotifierItem().withdraw();
}

MenuPanel* StatusItem::panel() const { return panel_.data(); }

QString StatusItem::toolTip() const
{
    return trayToolTip(s_.stats.day(s_.clock.now()).words, s_.prefs.showWordCountInMenuBar());
}

void StatusItem::refresh()
{
    const bool show = s_.prefs.showMenuBarIcon();
    StatusNotifierItem& notifier = s_.trayHost.statusNotifierItem();
    const bool viaNotifier = show && s_.trayHost.kind() == TrayKind::statusNotifier;
    // Qt's icon only where no StatusNotifierItem host runs: made then, Qt keeps to XEmbed.
    const bool viaQt = show && !viaNotifier;
    if (!show && (item_ || notifier.published()))
        closePanel();
    if (viaQt && !item_) {
        item_ = std::make_unique<QSystemTrayIcon>();
        item_->setContextMenu(menu_.get());
        connect(item_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                toggle(QCursor::pos());
        });
    } else if (!viaQt && item_) {
        item_.reset();
    }
    const State st = readState(s_, cb_);
    glyph_ = glyphVariant(st);
    if (item_) {
        item_->setIcon(glyphIcon(glyph_));
        item_->setToolTip(toolTip());
        if (!item_->isVisible())
            item_->show();
    }
    if (viaNotifier) {
        if (notifierGlyph_ != glyph_) {
            QList<QImage> sizes;
            for (int side : glyphSizes())
                sizes.append(renderGlyph(glyph_, side));
            notifier.setIcon(sizes);
            notifierGlyph_ = glyph_;
        }
        const QString tip = toolTip();
        const qsizetype lineBreak = tip.indexOf(QLatin1Char('\n'));
        notifier.setToolTip(tip.left(lineBreak), lineBreak < 0 ? QString() : tip.mid(lineBreak + 1));
        const TrayLabel label = trayLabel(s_.stats.day(st.now).words, s_.prefs.showWordCountInMenuBar());
        notifier.setLabel(label.text, label.guide);
        notifier.publish();
    } else if (notifier.published()) {
        notifier.withdraw();
    }
    armRefresh();
}

void StatusItem::armRefresh()
{
    const QDateTime now = s_.clock.now();
    const auto app = cb_.frontApp ? cb_.frontApp() : std::nullopt;
    std::optional<QDateTime> frontUntil;
    if (app && !app->bundleID.isEmpty())
        frontUntil = s_.rules.pausedUntil(AppRules::appKey(app->bundleID), now);
    const QDateTime next = nextChange(now, s_.rules.globalPauseUntil(), frontUntil);
    changeTimer_.start(std::chrono::milliseconds(std::max<qint64>(1, now.msecsTo(next))), [this] { refresh(); });
}

void StatusItem::frontAppChanged()
{
    armRefresh();
    if (panel_)
        panel_->content()->frontAppChanged();
}

void StatusItem::closePanel()
{
    if (panel_)
        panel_->close();
}

void StatusItem::toggle(QPoint click)
{
    if (panel_) {
        closePanel();
        return;
    }
    if (s_.clock.monotonic() - closedAt_ < kReopenGuard)
        return; // the click that just closed the panel
    auto* content = new MenuContent(s_, cb_);
    auto* panel = new MenuPanel(content, s_.clock);
    panel_ = panel;
    connect(panel, &MenuPanel::closed, this, [this] {
        closedAt_ = s_.clock.monotonic();
        emit panelOpenChanged(false);
    });

    PlacementInput in;
    if (item_) {
        const QRect icon = item_->geometry();
        if (icon.isValid() && !icon.isEmpty())
            in.icon = icon;
    }
    in.click = click;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        in.screens.append({primary->geometry(), primary->availableGeometry()});
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            in.screens.append({screen->geometry(), screen->availableGeometry()});
    }
    panel->adjustSize();
    in.panel = panel->sizeHint() - QSize(2, 2) * (panel->sizeHint().width() - MenuContent::kWidth) / 2;
    const bool still = s_.motion.reduceMotion();
    openClick_ = click;
    openedAt_ = s_.clock.monotonic();
    const QPoint at = placePanel(in);
    const QRect anchor = in.icon ? *in.icon : QRect(click, QSize(1, 1));
    emit panelOpenChanged(true);
    panel->open(at, still, at.y() + in.panel.height() <= anchor.top());
}

void StatusItem::pointerPressed(QPoint global)
{
    // A press anywhere but on the panel closes it, in this program or any other (the pointer
    // watcher sees every button press of the session, also while the panel is not the active
    // window).
    if (!panel_ || !panel_->isVisible() || panel_->justOpened())
        return;
    // The press that opened the panel may be reported after it opened (the tray host and the
    // key tap do not share one queue).
    if ((global - openClick_).manhattanLength() <= 4 && s_.clock.monotonic() - openedAt_ < std::chrono::milliseconds(1500))
        return;
    // A press on the icon is the icon's own: its click toggles the panel.
    if (item_ && item_->geometry().isValid() && item_->geometry().contains(global))
        return;
    // So is a press in one of the panel's own menus (its pause menu).
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!qobject_cast<QMenu*>(window) || !window->isVisible() || !window->geometry().contains(global))
            continue;
        for (QWidget* owner = window->parentWidget(); owner; owner = owner->parentWidget())
            if (owner == panel_.data())
                return;
    }
    if (!panel_->panelRect().contains(global))
        closePanel();
}

bool StatusItem::iconHidden() const
{
    std::optional<QRect> icon;
    if (item_ && item_->geometry().isValid())
        icon = item_->geometry();
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    return trayIconHidden(s_.trayHost.running(), icon, screens);
}

void StatusItem::buildContextMenu()
{
    for (QMenu* sub : menu_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        sub->deleteLater();
    menu_->clear();
    const State st = readState(s_, cb_);
    menu_->addAction(statusLine(st).text)->setEnabled(false);
    const TodayCard today = todayCard(s_.stats.day(st.now).words);
    menu_->addAction(today.count + QLatin1Char(' ') + today.label)->setEnabled(false);
    QAction* showCount = menu_->addAction(text("Show Count in Tray"));
    showCount->setCheckable(true);
    showCount->setChecked(s_.prefs.showWordCountInMenuBar());
    // This menu opens from an XEmbed tray, which shows no label: the count goes to the tooltip.
    if (!s_.trayHost.showsLabels()) {
        menu_->setToolTipsVisible(true);
        showCount->setToolTip(text("This tray can't show text beside icons, so the count shows in the icon's tooltip."));
    }
    connect(showCount, &QAction::toggled, this, [this](bool on) { s_.prefs.setShowWordCountInMenuBar(on); });
    menu_->addSeparator();

    const auto app = cb_.frontApp ? cb_.frontApp() : std::nullopt;
    const bool known = app && !app->bundleID.isEmpty();
    const QString key = known ? AppRules::appKey(app->bundleID) : QString();
    const auto pills = pausePills(known ? std::optional<QString>(app->name) : std::nullopt,
                                  known ? s_.rules.pausedUntil(key, st.now) : std::nullopt, s_.rules.globalPauseUntil(), st.now);
    for (const Pill& pill : pills) {
        const PillAction action = pill.action;
        const auto run = [this, action, key](std::optional<double> seconds) {
            switch (action) {
            case PillAction::pauseFrontApp:
                if (cb_.pauseFrontApp)
                    cb_.pauseFrontApp(seconds);
                return;
            case PillAction::resumeFrontApp:
                s_.rules.resume(key);
                break;
            case PillAction::pauseEverywhere:
                s_.rules.pauseEverywhere(seconds, s_.clock.now());
                break;
            case PillAction::resumeEverywhere:
                s_.rules.setGlobalPauseUntil(std::nullopt);
                s_.rules.scheduleSave();
                break;
            }
            if (cb_.refreshEngine)
                cb_.refreshEngine();
        };
        if (pill.lit) {
            menu_->addAction(pill.title, this, [run] { run(std::nullopt); });
            continue;
        }
        QMenu* sub = menu_->addMenu(pill.title);
        for (const PauseDuration& d : pauseDurations()) {
            if (d.dividerBefore)
                sub->addSeparator();
            const auto seconds = d.seconds;
            sub->addAction(d.title, this, [run, seconds] { run(seconds); });
        }
    }
    menu_->addSeparator();
    menu_->addAction(text("Open Playground"), this, [this] {
        if (cb_.openPlayground)
            cb_.openPlayground();
    });
    QAction* settings = menu_->addAction(text("Settings"), this, [this] {
        if (cb_.openSettings)
            cb_.openSettings();
    });
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    QAction* quit = menu_->addAction(text("Quit %app"), this, [this] {
        if (cb_.quit)
            cb_.quit();
    });
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

} // namespace tq::menu
