#include "ui/settings/AppsPane.h"

#include "platform/Chars.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "settings/SiteNames.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "ui/design/Buttons.h"
#include "ui/design/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Symbols.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/StoreProblems.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>

namespace tq {

namespace {
enum Role { keyRole = Qt::UserRole + 1, badgeRole, wordsRole, headerRole };

QIcon symbolIcon(const QString& name)
{
    return symbols::icon(name, palette::paperDim());
}

QString listStyle()
{
    return QStringLiteral("QListWidget { background: %1; border: none; color: %2; outline: none; }"
                          "QListWidget::item { border-radius: 6px; padding: 0px; }"
                          "QListWidget::item:selected { background: %3; }")
        .arg(palette::withOpacity(palette::inkRaised(), 0.5).name(QColor::HexArgb), palette::paper().name(),
             palette::inkHighlight().name());
}

// The sheet's Cancel and, its default, Add at the bottom right of `column`; Cancel rejects.
QPushButton* addSheetButtons(QDialog* sheet, QVBoxLayout* column, MotionContext& motion)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QAbstractButton* cancel = makeButton(text("Cancel"), false, motion, sheet);
    auto* add = new QPushButton(text("Add"), sheet);
    add->setCursor(Qt::PointingHandCursor);
    add->setDefault(true);
    add->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 7px; padding: 5px 16px;"
                                      " font-weight: 600; } QPushButton:disabled { background: %3; color: %4; }")
                           .arg(palette::gold().name(), palette::ink().name(), palette::inkHighlight().name(),
                                palette::paperDim().name(QColor::HexArgb)));
    buttons->addWidget(cancel);
    buttons->addWidget(add);
    column->addLayout(buttons);
    QObject::connect(cancel, &QAbstractButton::clicked, sheet, &QDialog::reject);
    return add;
}

// A row of the list: icon, name, badge and words saved.
class RuleRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return {200, index.data(headerRole).toBool() ? 26 : 30};
    }
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QRect r = option.rect.adjusted(6, 0, -6, 0);
        if (index.data(headerRole).toBool()) {
            p->setFont(settingsFont(11, QFont::DemiBold));
            p->setPen(palette::paperDim());
            p->drawText(r.adjusted(4, 6, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
            p->restore();
            return;
        }
        if (option.state & QStyle::State_Selected) {
            p->setPen(Qt::NoPen);
            p->setBrush(palette::inkHighlight());
            p->drawRoundedRect(QRectF(r), 6, 6);
        } else if (option.state & QStyle::State_MouseOver) {
            p->setPen(Qt::NoPen);
            p->setBrush(QColor::fromRgbF(1, 1, 1, 0.05f));
            p->drawRoundedRect(QRectF(r), 6, 6);
        }
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        icon.paint(p, QRect(r.left() + 6, r.center().y() - 9, 18, 18));
        double right = r.right() - 6;
        p->setFont(settingsFont(12, QFont::Normal));
        const qint64 words = index.data(wordsRole).toLongLong();
        if (words > 0) {
            const QString n = compactCount(words);
            const int w = p->fontMetrics().horizontalAdvance(n);
            p->setPen(palette::paperDim());
            p->drawText(QRectF(right - w, r.top(), w, r.height()), Qt::AlignVCenter | Qt::AlignRight, n);
            right -= w + 6;
        }
        const int badge = index.data(badgeRole).toInt();
        if (badge != int(RowBadge::none)) {
            paintSymbol(*p, badge == int(RowBadge::paused) ? QStringLiteral("pause.circle") : QStringLiteral("nosign"),
                        QRectF(right - 13, r.center().y() - 6.5, 13, 13), palette::paperDim());
            right -= 19;
        }
        const QString key = index.data(keyRole).toString();
        p->setFont(settingsFont(13, QFont::Normal));
        p->setPen(palette::paper());
        const QRectF nameRect(r.left() + 32, r.top(), std::max(0.0, right - 4 - (r.left() + 32)), r.height());
        const QString name = p->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(),
                                                         isWebKey(key) ? Qt::ElideMiddle : Qt::ElideRight, int(nameRect.width()));
        p->drawText(nameRect, Qt::AlignVCenter | Qt::AlignLeft, name);
        p->restore();
    }
};

QHash<QString, QIcon>& iconCache()
{
    static QHash<QString, QIcon> cache;
    return cache;
}
} // namespace

QIcon ruleKeyIcon(const QString& key, const std::function<QList<DesktopApp>()>& installed)
{
    QHash<QString, QIcon>& cache = iconCache();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QIcon icon;
    if (isWebKey(key)) {
        icon = symbolIcon(QStringLiteral("globe"));
    } else {
        const QString id = ruleIdentifier(key);
        if (installed) {
            for (const DesktopApp& app : installed()) {
                if (app.id == id) {
                    icon = desktopIcon(app.icon);
                    break;
                }
            }
        }
        if (icon.isNull())
            icon = symbolIcon(QStringLiteral("app.dashed"));
    }
    cache.insert(key, icon);
    return icon;
}

// ---- dialogs

AddWebsiteDialog::AddWebsiteDialog(const QString& typed, MotionContext& motion, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(text("Add a website"));
    applyInkPalette(this);
    setWindowModality(Qt::WindowModal);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(14);
    column->addWidget(makeLabel(text("Add a website"), 13, QFont::DemiBold, palette::paper(), this));
    field_ = new QLineEdit(typed, this);
    field_->setAccessibleName(text("Domain"));
    field_->setPlaceholderText(QStringLiteral("wikipedia.org"));
    field_->setFixedWidth(300);
    field_->setStyleSheet(lineEditStyle());
    column->addWidget(field_);
    problem_ = makeLabel(QString(), 12, QFont::Normal, palette::orange(), this, true);
    problem_->setObjectName(QStringLiteral("siteProblem"));
    problem_->setFixedWidth(300);
    problem_->hide();
    column->addWidget(problem_);
    column->addWidget(makeLabel(text("Rules for a site apply in any browser %app can read."), 12, QFont::Normal,
                                palette::paperDim(), this, true));
    add_ = addSheetButtons(this, column, motion);
    auto check = [this] {
        const SiteName site = checkSiteName(field_->text());
        add_->setEnabled(site.host.has_value());
        problem_->setText(site.problem.isEmpty() ? QString() : QStringLiteral("⚠ ") + site.problem);
        problem_->setAccessibleName(site.problem);
        problem_->setVisible(!site.problem.isEmpty());
    };
    connect(field_, &QLineEdit::textChanged, this, check);
    connect(add_, &QPushButton::clicked, this, [this] {
        if (normalizedDomain(field_->text()))
            accept();
    });
    check();
}

QString AddWebsiteDialog::typed() const
{
    return field_->text();
}

AddAppDialog::AddAppDialog(const QList<DesktopApp>& apps, MotionContext& motion, QWidget* parent)
    : QDialog(parent), apps_(apps)
{
    setWindowTitle(text("Add App…"));
    applyInkPalette(this);
    setWindowModality(Qt::WindowModal);
    resize(360, 440);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(12);
    column->addWidget(makeLabel(text("Add an app"), 13, QFont::DemiBold, palette::paper(), this));
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(text("Search"));
    search_->setAccessibleName(text("Search"));
    search_->setStyleSheet(lineEditStyle());
    column->addWidget(search_);
    list_ = new QListWidget(this);
    list_->setAccessibleName(text("Applications"));
    list_->setIconSize(QSize(20, 20));
    list_->setStyleSheet(listStyle() + QStringLiteral("QListWidget::item { padding: 4px; }"));
    column->addWidget(list_, 1);
    add_ = addSheetButtons(this, column, motion);
    connect(search_, &QLineEdit::textChanged, this, &AddAppDialog::filter);
    connect(add_, &QPushButton::clicked, this, [this] {
        if (chosen())
            accept();
    });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { add_->setEnabled(chosen().has_value()); });
    filter();
}

void AddAppDialog::filter()
{
    const QString q = search_->text().trimmed().toLower();
    list_->clear();
    for (int i = 0; i < apps_.size(); ++i) {
        const DesktopApp& app = apps_[i];
        if (!q.isEmpty() && !app.name.toLower().contains(q) && !app.id.toLower().contains(q))
            continue;
        QIcon icon = desktopIcon(app.icon);
        if (icon.isNull())
            icon = symbolIcon(QStringLiteral("app.dashed"));
        auto* item = new QListWidgetItem(icon, app.name, list_);
        item->setData(keyRole, i);
        item->setToolTip(app.id);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    add_->setEnabled(chosen().has_value());
}

std::optional<DesktopApp> AddAppDialog::chosen() const
{
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return std::nullopt;
    return apps_.value(item->data(keyRole).toInt());
}

// ---- pane

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
    searchField_->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; color: %1; border: none; }").arg(palette::paper().name())
                                + palette::menuStyleSheet());
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
    add->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    auto* menu = new QMenu(add);
    applyInkPalette(menu);
    menu->addAction(text("Add App…"), this, &AppsPane::openAddApp);
    menu->addAction(text("Add Website…"), this, &AppsPane::openAddWebsite);
    add->setMenu(menu);
    header->addWidget(add);
    leftColumn->addLayout(header);
    auto* divider = new QWidget(left);
    divider->setFixedHeight(1);
    divider->setStyleSheet(QStringLiteral("background: %1;").arg(palette::hairline().name(QColor::HexArgb)));
    leftColumn->addWidget(divider);
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
    list_->setStyleSheet(listStyle());
    list_->setMouseTracking(true);
    list_->setCursor(Qt::PointingHandCursor);
    list_->setSpacing(0);
    styleScrollBars(list_);
    leftStack_->addWidget(list_);
    auto* empty = new QWidget(leftStack_);
    auto* emptyColumn = new QVBoxLayout(empty);
    emptyColumn->addStretch(1);
    emptyTitle_ = makeLabel(QString(), 15, QFont::DemiBold, palette::paper(), empty, true);
    emptyTitle_->setAlignment(Qt::AlignCenter);
    emptyText_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), empty, true);
    emptyText_->setAlignment(Qt::AlignCenter);
    emptyColumn->addWidget(emptyTitle_);
    emptyColumn->addWidget(emptyText_);
    emptyColumn->addStretch(2);
    leftStack_->addWidget(empty);
    leftColumn->addWidget(leftStack_, 1);
    row->addWidget(left, 260);

    auto* divider2 = new QWidget(this);
    divider2->setFixedWidth(1);
    divider2->setStyleSheet(QStringLiteral("background: %1;").arg(palette::hairline().name(QColor::HexArgb)));
    row->addWidget(divider2);
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
    return leftStack_->currentIndex() == 1 ? emptyTitle_->text() : QString();
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
            auto* item = new QListWidgetItem(ruleKeyIcon(key, c_.hooks.installedApps), name, list_);
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
        emptyTitle_->setText(searching ? text("No matches") : text("No apps yet"));
        emptyText_->setText(searching ? text("Nothing matches “%1”.").arg(search_)
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
        auto* empty = new QWidget(right_);
        auto* column = new QVBoxLayout(empty);
        column->addStretch(1);
        auto* symbol = new SymbolView(QStringLiteral("square.grid.2x2"), 30, palette::paperDim(), empty);
        column->addWidget(symbol, 0, Qt::AlignHCenter);
        QLabel* title = makeLabel(text("Pick an app or site"), 15, QFont::DemiBold, palette::paper(), empty, true);
        title->setAlignment(Qt::AlignCenter);
        column->addWidget(title);
        QLabel* body = makeLabel(text("Each one can have its own rules. Anything you don't change follows General."), 9.5,
                                 QFont::Normal, palette::paperDim(), empty, true);
        body->setAlignment(Qt::AlignCenter);
        column->addWidget(body);
        column->addStretch(2);
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
    auto* dialog = new AddAppDialog(c_.hooks.installedApps ? c_.hooks.installedApps() : QList<DesktopApp>(), c_.motion, this);
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

// ---- rule editor

AppRuleDetail::AppRuleDetail(SettingsContext& context, const QString& key, QWidget* parent)
    : QWidget(parent), c_(context), key_(key)
{
    setObjectName(QStringLiteral("ruleDetail"));
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    // Header: icon, name and identifier, and the words saved here.
    FormSection* header = form->addSection();
    auto* headRow = new QWidget(page);
    auto* head = new QHBoxLayout(headRow);
    head->setContentsMargins(0, 6, 0, 6);
    head->setSpacing(12);
    auto* icon = new QLabel(headRow);
    icon->setPixmap(ruleKeyIcon(key_, c_.hooks.installedApps).pixmap(40, 40));
    icon->setFixedSize(40, 40);
    head->addWidget(icon);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    const QString name = c_.rules.displayName(key_);
    // Names come from outside: a long one is cut short, whole in the tooltip.
    constexpr int kShownName = 60;
    const QString shownName =
        chars::count(name) > kShownName ? chars::first(name, kShownName - 1).toString() + QStringLiteral("…") : name;
    QLabel* title = makeLabel(shownName, 20, QFont::DemiBold, palette::paper(), headRow, true);
    title->setAccessibleName(name);
    title->setToolTip(name);
    title->setObjectName(QStringLiteral("ruleName"));
    names->addWidget(title);
    const QString identifier = ruleIdentifier(key_);
    QLabel* id = makeLabel(chars::count(identifier) > kShownName ? chars::first(identifier, kShownName - 1).toString()
                                                                     + QStringLiteral("…")
                                                               : identifier,
                           11, QFont::Normal, palette::paperDim(), headRow);
    id->setToolTip(identifier);
    QFont mono(QStringLiteral("monospace"));
    mono.setPointSizeF(10);
    id->setFont(mono);
    id->setTextInteractionFlags(Qt::TextSelectableByMouse);
    names->addWidget(id);
    head->addLayout(names, 1);
    header->addRow(headRow);
    wordsValue_ = makeLabel(QString(), 13, QFont::Normal, palette::paperDim(), page);
    wordsRow_ = new SettingRow(text("Words saved here"), QString(), wordsValue_, page);
    header->addRow(wordsRow_);

    // Suggestions
    FormSection* suggestions = form->addSection();
    mode_ = new QComboBox(page);
    mode_->setAccessibleName(text("Suggestions"));
    styleComboBox(mode_);
    mode_->addItems({QString(), text("On"), text("Off")});
    auto* modeRow = new SettingRow(text("Suggestions"), QString(), mode_, page);
    modeRow->titleLabel()->setBuddy(mode_);
    suggestions->addRow(modeRow);
    group_ = new QWidget(page);
    auto* groupColumn = new QVBoxLayout(group_);
    groupColumn->setContentsMargins(0, 0, 0, 0);
    groupColumn->setSpacing(0);
    auto* tab = new SettingToggle(text("Tab accepts suggestions"),
                                  text("Turn off where Tab already means something, like indenting. The other accept key still works."),
                                  c_.motion, group_);
    tab_ = tab;
    groupColumn->addWidget(tab);
    auto picker = [&](const QString& label, const QStringList& options) {
        auto* box = new QComboBox(group_);
        box->setAccessibleName(label);
        styleComboBox(box);
        box->addItems(options);
        auto* row = new SettingRow(label, QString(), box, group_);
        row->titleLabel()->setBuddy(box);
        groupColumn->addWidget(row);
        return box;
    };
    QStringList methods{text("Default")};
    for (InsertionMethod m : allCases<InsertionMethod>())
        methods.append(shortLabel(m));
    insertion_ = picker(text("Insert by"), methods);
    QStringList lengths{text("Default")};
    for (CompletionLength l : allCases<CompletionLength>())
        lengths.append(label(l));
    length_ = picker(text("Length"), lengths);
    note_ = makeLabel(QString(), 12, QFont::Normal, palette::paperDim(), group_, true);
    note_->setContentsMargins(0, 4, 0, 4);
    groupColumn->addWidget(note_);
    suggestions->addRow(group_);

    // Pause
    FormSection* pauseSection = form->addSection(text("Pause"));
    auto* pauseControls = new QWidget(page);
    auto* pauseLine = new QHBoxLayout(pauseControls);
    pauseLine->setContentsMargins(0, 0, 0, 0);
    resume_ = makeButton(text("Resume"), false, c_.motion, pauseControls);
    pauseLine->addWidget(resume_);
    pause_ = new QToolButton(pauseControls);
    pause_->setText(text("Pause"));
    pause_->setAccessibleName(text("Pause"));
    pause_->setPopupMode(QToolButton::InstantPopup);
    pause_->setCursor(Qt::PointingHandCursor);
    pause_->setStyleSheet(QStringLiteral("QToolButton { background: %1; color: %2; border: 1px solid %3; border-radius: 7px;"
                                         " padding: 5px 14px; } QToolButton::menu-indicator { image: none; width: 0; }")
                              .arg(palette::inkHighlight().name(), palette::paper().name(), palette::hairline().name(QColor::HexArgb)));
    auto* pauseMenu = new QMenu(pause_);
    applyInkPalette(pauseMenu);
    const std::pair<QString, std::optional<double>> durations[] = {
        {text("For 15 Minutes"), 900.0}, {text("For 1 Hour"), 3600.0}, {text("Until I Resume"), std::nullopt}};
    for (const auto& [label, seconds] : durations) {
        const std::optional<double> s = seconds;
        pauseMenu->addAction(label, this, [this, s] { c_.rules.pause(key_, s, c_.clock.now()); });
    }
    pause_->setMenu(pauseMenu);
    pauseLine->addWidget(pause_);
    auto* pauseRow = new SettingRow(text("Pause here"), QString(), pauseControls, page);
    pauseTitle_ = pauseRow->titleLabel();
    pauseSection->addRow(pauseRow);
    connect(resume_, &QAbstractButton::clicked, this, [this] { c_.rules.resume(key_); });

    // Memory
    FormSection* memory = form->addSection(text("Memory"));
    auto* record = new SettingToggle(text("Remember my writing here"), text("Writing memory is off in Your Voice."), c_.motion, page);
    record_ = record;
    recordDetail_ = record->detailLabel();
    memory->addRow(record);
    QAbstractButton* erase = makeButton(text("Erase…"), false, c_.motion, page);
    erase->setStyleSheet(erase->styleSheet() + QStringLiteral("QPushButton { color: #ff6b5e; }"));
    auto* passagesRow = new SettingRow(QString(), QString(), erase, page);
    passages_ = passagesRow->titleLabel();
    passagesRow_ = passagesRow;
    memory->addRow(passagesRow);

    reset_ = makeButton(text("Reset to Defaults"), false, c_.motion, page);
    auto* resetLine = new QWidget(page);
    auto* resetLayout = new QHBoxLayout(resetLine);
    resetLayout->setContentsMargins(0, 0, 0, 0);
    resetLayout->addWidget(reset_);
    resetLayout->addStretch(1);
    form->addWidget(resetLine);

    // Writes happen only on the user's own actions.
    connect(mode_, &QComboBox::activated, this, [this](int i) {
        AppRule r = rule();
        r.mode = allCases<RuleMode>()[std::size_t(std::clamp(i, 0, 2))];
        write(r);
    });
    connect(tab, &QAbstractButton::clicked, this, [this](bool on) {
        AppRule r = rule();
        r.tabAccepts = on;
        write(r);
    });
    connect(insertion_, &QComboBox::activated, this, [this](int i) {
        AppRule r = rule();
        r.insertion = i <= 0 ? std::nullopt : std::optional(allCases<InsertionMethod>()[std::size_t(i - 1)]);
        write(r);
    });
    connect(length_, &QComboBox::activated, this, [this](int i) {
        AppRule r = rule();
        r.length = i <= 0 ? std::nullopt : std::optional(allCases<CompletionLength>()[std::size_t(i - 1)]);
        write(r);
    });
    connect(record, &QAbstractButton::clicked, this, [this](bool on) {
        AppRule r = rule();
        r.recordWriting = on;
        write(r);
    });
    connect(erase, &QAbstractButton::clicked, this, [this] {
        QMessageBox box(QMessageBox::Warning, QString(),
                        text("Erase what %app remembered from %1?").arg(c_.rules.displayName(key_)), QMessageBox::NoButton, this);
        applyInkPalette(&box);
        QPushButton* eraseButton = box.addButton(text("Erase"), QMessageBox::DestructiveRole);
        box.addButton(text("Cancel"), QMessageBox::RejectRole);
        box.exec();
        if (box.clickedButton() == eraseButton)
            eraseMemory();
    });
    connect(reset_, &QAbstractButton::clicked, this, &AppRuleDetail::reset);

    connect(&c_.rules, &AppRules::rulesChanged, this, &AppRuleDetail::refresh);
    connect(&c_.rules, &AppRules::pausesChanged, this, &AppRuleDetail::refresh);
    connect(&c_.prefs, &Preferences::changed, this, &AppRuleDetail::refresh);
    connect(&c_.memory, &WritingMemory::entriesChanged, this, &AppRuleDetail::refresh);
    connect(&c_.stats, &StatsStore::appTotalsChanged, this, &AppRuleDetail::refresh);
    refresh();
}

AppRule AppRuleDetail::rule() const
{
    return c_.rules.rule(key_);
}

void AppRuleDetail::write(const AppRule& rule)
{
    c_.rules.setRule(rule, key_);
}

int AppRuleDetail::passageCount() const
{
    int n = 0;
    for (const MemoryEntry& e : c_.memory.entries())
        n += e.appKey == key_ ? 1 : 0;
    return n;
}

void AppRuleDetail::refresh()
{
    const AppRule r = rule();
    const bool defaultOn = defaultEnabled(key_, c_.prefs.enabledByDefault(), c_.prefs.codeEditorsEnabled());
    const qint64 words = c_.stats.appTotals().value(key_, 0);
    wordsRow_->setVisible(words > 0);
    wordsValue_->setText(QLocale().toString(words));

    mode_->setItemText(0, defaultModeLabel(defaultOn));
    mode_->setCurrentIndex(int(r.mode));
    group_->setEnabled(ruleGroupEnabled(r.mode, defaultOn));
    static_cast<QAbstractButton*>(tab_)->setChecked(r.tabAccepts);
    insertion_->setCurrentIndex(r.insertion ? int(*r.insertion) + 1 : 0);
    length_->setCurrentIndex(r.length ? int(*r.length) + 1 : 0);
    const QString note = defaultNote(r, c_.prefs.insertion(), c_.prefs.length());
    note_->setText(note);
    note_->setVisible(!note.isEmpty());

    const std::optional<QDateTime> paused = c_.rules.pausedUntil(key_, c_.clock.now());
    pauseTitle_->setText(paused ? pausedTitle(*paused) : text("Pause here"));
    resume_->setVisible(paused.has_value());
    pause_->setVisible(!paused);

    auto* record = static_cast<QAbstractButton*>(record_);
    record->setChecked(r.recordWriting);
    record->setEnabled(c_.prefs.memoryEnabled());
    recordDetail_->setText(c_.prefs.memoryEnabled() ? text("Passages from this app can shape suggestions everywhere.")
                                                    : text("Writing memory is off in Your Voice."));
    const int count = passageCount();
    passagesRow_->setVisible(count > 0);
    passages_->setText(passagesText(count));
    reset_->setVisible(showsReset(c_.rules.rules().value(key_, AppRule{}), paused.has_value()));
}

void AppRuleDetail::reset()
{
    resetRule(c_.rules, key_, c_.stats.appTotals().value(key_, 0) > 0, passageCount() > 0);
}

void AppRuleDetail::eraseMemory()
{
    c_.memory.forget(key_);
}

} // namespace tq
