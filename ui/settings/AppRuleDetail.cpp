#include "ui/settings/AppRuleDetail.h"

#include "platform/Chars.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "ui/design/Buttons.h"
#include "ui/design/Confirmation.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Theme.h"
#include "ui/settings/AppsLogic.h"
#include "ui/settings/Figures.h"
#include "ui/settings/RuleKeyIcon.h"
#include "ui/settings/SettingsContext.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tq {

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
    icon->setPixmap(ruleKeyIcon(key_, c_.installedApps).pixmap(40, 40));
    icon->setFixedSize(40, 40);
    markDecorative(icon); // the name beside it says what it shows
    head->addWidget(icon);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    const QString name = c_.rules.displayName(key_);
    // Names come from outside: at most two lines, the identifier one line cut in the middle;
    // both whole in the tooltip.
    auto* title = new ElidedLabel(name, fonts::font(fonts::Role::title3, QFont::DemiBold), palette::paper(), Qt::ElideRight, 2, headRow);
    title->setToolTip(name);
    title->setObjectName(QStringLiteral("ruleName"));
    names->addWidget(title);
    auto* id = new ElidedLabel(ruleIdentifier(key_), fonts::monospaced(fonts::pixelSize(fonts::Role::caption)), palette::paperDim(),
                               Qt::ElideMiddle, 1, headRow);
    id->setToolTip(ruleIdentifier(key_));
    id->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    names->addWidget(id);
    head->addLayout(names, 1);
    header->addRow(headRow);
    wordsValue_ = makeLabel(QString(), fonts::Role::body, palette::paperDim(), false, page);
    wordsRow_ = new SettingRow(text("Words saved here"), QString(), wordsValue_, page);
    header->addRow(wordsRow_);

    // Suggestions
    FormSection* suggestions = form->addSection();
    mode_ = new QComboBox(page);
    mode_->setAccessibleName(text("Suggestions"));
    mode_->setCursor(Qt::PointingHandCursor);
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
        box->setCursor(Qt::PointingHandCursor);
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
    note_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, group_);
    note_->setContentsMargins(0, 4, 0, 4);
    groupColumn->addWidget(note_);
    suggestions->addRow(group_);

    // Pause
    FormSection* pauseSection = form->addSection(text("Pause", "section header"));
    auto* pauseControls = new QWidget(page);
    auto* pauseLine = new QHBoxLayout(pauseControls);
    pauseLine->setContentsMargins(0, 0, 0, 0);
    resume_ = makeButton(text("Resume"), false, c_.motion, pauseControls);
    pauseLine->addWidget(resume_);
    pause_ = new QToolButton(pauseControls);
    pause_->setText(text("Pause", "button"));
    pause_->setAccessibleName(text("Pause", "button"));
    pause_->setPopupMode(QToolButton::InstantPopup);
    pause_->setCursor(Qt::PointingHandCursor);
    setInkVariant(pause_, InkVariant::raised);
    auto* pauseMenu = new QMenu(pause_);
    applyInkTheme(pauseMenu);
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
    static_cast<HandButton*>(erase)->setTone(ButtonTone::destructive);
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
        Confirmation::ask(this, {text("Erase what %app remembered from %1?").arg(c_.rules.displayName(key_)), QString(), text("Erase")},
                          [this] { eraseMemory(); });
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
    resetRule(c_.rules, key_);
}

void AppRuleDetail::eraseMemory()
{
    c_.memory.forget(key_);
}

} // namespace tq
