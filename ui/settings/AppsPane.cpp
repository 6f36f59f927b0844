#include "ui/settings/AppsPane.h"

#include "platform/Text.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "ui/design/Components.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Theme.h"
#include "ui/settings/AddAppDialog.h"
#include "ui/settings/AddWebsiteDialog.h"
#include "ui/settings/AppRuleDetail.h"
#include "ui/settings/RuleKeyIcon.h"
#include "ui/settings/RuleRowDelegate.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/StoreProblems.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tq {

namespace {
QIcon symbolIcon(const QString& name)
{
    return symbols::icon(name, palette::paperDim());
}
} // namespace

AppsPane::AppsPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* left = new QWidget(this);
    left->setMinimumWidth(230);
    left->setMaximumWidth(300);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->setSpacing(0);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(10, 18, 10, 8);
    header->setSpacing(6);
    header->addWidget(new SymbolView(QStringLiteral("magnifyingglass"), 14, palette::paperDim(), left));
    searchField_ = new QLineEdit(left);
    searchField_->setPlaceholderText(text("Search"));
    searchField_->setAccessibleName(text("Search"));
    searchField_->setFrame(false);
    markBareField(searchField_);
    header->addWidget(searchField_, 1);
    clear_ = new QToolButton(left);
    clear_->setIcon(symbolIcon(QStringLiteral("xmark.circle.fill")));
    clear_->setAccessibleName(text("Clear search"));
    clear_->setAutoRaise(true);
    clear_->setCursor(Qt::PointingHandCursor);
    clear_->hide();
    header->addWidget(clear_);
    auto* add = new QToolButton(left);
    add->setObjectName(QStringLiteral("addMenu"));
    QPixmap plus(28, 28);
    plus.fill(Qt::transparent);
    {
        QPainter p(&plus);
        paintSymbol(p, QStringLiteral("plus"), QRectF(4, 4, 20, 20), palette::paper());
    }
    add->setIcon(QIcon(plus));
    add->setToolTip(text("Add an app or website"));
    add->setAccessibleName(text("Add an app or website"));
    add->setAutoRaise(true);
    add->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(add);
    applyInkTheme(menu);
    menu->addAction(text("Add App…"), this, &AppsPane::openAddApp);
    menu->addAction(text("Add Website…"), this, &AppsPane::openAddWebsite);
    add->setMenu(menu);
    header->addWidget(add);
    leftColumn->addLayout(header);
    leftColumn->addWidget(new Divider(Qt::Horizontal, left));
    StoreSet rulesFile;
    rulesFile.rules = &c_.rules;
    QLabel* storeProblem = makeStoreProblemLine(rulesFile, left);
    storeProblem->setContentsMargins(12, 8, 12, 8);
    leftColumn->addWidget(storeProblem);

    leftStack_ = new QStackedWidget(left);
    list_ = new QListWidget(leftStack_);
    list_->setObjectName(QStringLiteral("ruleList"));
    list_->setAccessibleName(text("Apps & Sites"));
    list_->setItemDelegate(new RuleRowDelegate(list_));
    list_->setMouseTracking(true);
    list_->setCursor(Qt::PointingHandCursor);
    list_->setSpacing(0);
    {
        // The list lies on the card colour at half strength, over the pane's ink.
        const QColor card = palette::withOpacity(palette::inkRaised(), 0.5);
        list_->setStyleSheet(QStringLiteral("QListWidget#ruleList { background: rgba(%1, %2, %3, %4); }")
                                 .arg(card.red())
                                 .arg(card.green())
                                 .arg(card.blue())
                                 .arg(card.alphaF(), 0, 'f', 3));
    }
    leftStack_->addWidget(list_);
    empty_ = new EmptyState(QString(), QString(), QString(), leftStack_);
    leftStack_->addWidget(empty_);
    leftColumn->addWidget(leftStack_, 1);
    row->addWidget(left, 260);

    row->addWidget(new Divider(Qt::Vertical, this));
    right_ = new QWidget(this);
    right_->setMinimumWidth(260);
    rightLayout_ = new QVBoxLayout(right_);
    rightLayout_->setContentsMargins(0, 0, 0, 0);
    row->addWidget(right_, 1000);

    connect(searchField_, &QLineEdit::textEdited, this, &AppsPane::setSearch);
    connect(clear_, &QToolButton::clicked, this, [this] { setSearch(QString()); });
    connect(list_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (rebuilding_ || !item || item->data(headerRole).toBool())
            return;
        select(item->data(keyRole).toString());
    });
    connect(&c_.rules, &AppRules::rulesChanged, this, &AppsPane::rebuild);
    connect(&c_.rules, &AppRules::pausesChanged, this, &AppsPane::rebuild);
    connect(&c_.rules, &AppRules::namesChanged, this, &AppsPane::rebuild);
    connect(&c_.stats, &StatsStore::appTotalsChanged, this, &AppsPane::rebuild);
    rebuild();
}

RuleKeyLists AppsPane::keys() const
{
    return ruleKeys(c_.rules, c_.stats.appTotals(), search_);
}

QString AppsPane::emptyTitle() const
{
    return leftStack_->currentIndex() == 1 ? empty_->title() : QString();
}

void AppsPane::setSearch(const QString& text)
{
    search_ = text;
    if (searchField_->text() != text)
        searchField_->setText(text);
    clear_->setVisible(!text.isEmpty());
    rebuild();
}

void AppsPane::select(const QString& key)
{
    if (selection_ == key)
        return;
    selection_ = key;
    rebuild();
    showDetail();
}

void AppsPane::rebuild()
{
    const RuleKeyLists lists = keys();
    rebuilding_ = true;
    list_->clear();
    const QDateTime now = c_.clock.now();
    auto section = [&](const QString& title, const QStringList& keys) {
        if (keys.isEmpty())
            return;
        auto* header = new QListWidgetItem(title, list_);
        header->setData(headerRole, true);
        header->setFlags(Qt::ItemIsEnabled);
        for (const QString& key : keys) {
            const QString name = c_.rules.displayName(key);
            auto* item = new QListWidgetItem(ruleKeyIcon(key, c_.installedApps), name, list_);
            const RowBadge badge = rowBadge(c_.rules, key, now);
            item->setData(keyRole, key);
            item->setData(badgeRole, int(badge));
            item->setData(wordsRole, c_.stats.appTotals().value(key, 0));
            item->setToolTip(name);
            // Read as its name, then the badge.
            if (badge == RowBadge::paused)
                item->setData(Qt::AccessibleDescriptionRole, text("Paused"));
            else if (badge == RowBadge::off)
                item->setData(Qt::AccessibleDescriptionRole, text("Off"));
            if (selection_ == key)
                list_->setCurrentItem(item);
        }
    };
    section(text("Apps"), lists.apps);
    section(text("Websites"), lists.sites);
    rebuilding_ = false;

    const bool searching = !search_.isEmpty();
    if (lists.isEmpty()) {
        empty_->setSymbol(searching ? QStringLiteral("magnifyingglass") : QStringLiteral("square.grid.2x2"));
        empty_->setTexts(searching ? text("No matches") : text("No apps yet"),
                         searching ? text("Nothing matches “%1”.").arg(search_)
                                   : text("Apps appear here once you accept a suggestion in them, or add one with +."));
        leftStack_->setCurrentIndex(1);
    } else {
        leftStack_->setCurrentIndex(0);
    }
    if (!detail_)
        showDetail();
}

void AppsPane::showDetail()
{
    if (detail_ && (!selection_ || detail_->key() != *selection_)) {
        delete detail_.data();
    }
    if (selection_) {
        delete rightEmpty_.data();
        if (!detail_) {
            detail_ = new AppRuleDetail(c_, *selection_, right_);
            rightLayout_->addWidget(detail_);
        }
        return;
    }
    const bool anyKeys = !keys().isEmpty();
    if (anyKeys && !rightEmpty_) {
        auto* empty = new EmptyState(QStringLiteral("square.grid.2x2"), text("Pick an app or site"),
                                     text("Each one can have its own rules. Anything you don't change follows General."),
                                     right_);
        rightEmpty_ = empty;
        rightLayout_->addWidget(empty);
    } else if (!anyKeys) {
        delete rightEmpty_.data();
    }
}

void AppsPane::addApp(const DesktopApp& app)
{
    const QString key = AppRules::appKey(app.id);
    c_.rules.rememberName(app.name, key);
    select(key);
}

bool AppsPane::addSite(const QString& typed)
{
    const std::optional<QString> domain = normalizedDomain(typed);
    if (!domain)
        return false;
    const QString key = AppRules::webKey(*domain);
    c_.rules.rememberName(*domain, key);
    select(key);
    newSite_.clear();
    return true;
}

void AppsPane::openAddApp()
{
    auto* dialog = new AddAppDialog(c_.installedApps.apps(), c_.motion, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<AppsPane> self(this);
    connect(dialog, &QDialog::accepted, this, [self, dialog] {
        if (self)
            if (const std::optional<DesktopApp> app = dialog->chosen())
                self->addApp(*app);
    });
    dialog->open();
}

void AppsPane::openAddWebsite()
{
    auto* dialog = new AddWebsiteDialog(newSite_, c_.motion, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<AppsPane> self(this);
    // Cancel keeps what was typed for the next time; Add empties it.
    connect(dialog->field(), &QLineEdit::textEdited, this, [this](const QString& t) { newSite_ = t; });
    connect(dialog, &QDialog::accepted, this, [self, dialog] {
        if (self)
            self->addSite(dialog->typed());
    });
    dialog->open();
}

} // namespace tq
