#include "ui/settings/KeysPane.h"

#include "platform/Text.h"
#include "settings/Preferences.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/ShortcutRecorder.h"
#include "ui/settings/KeysPaneLogic.h"
#include "ui/design/Fonts.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {
using Setter = void (Preferences::*)(const Shortcut&);
constexpr Setter kSetters[6] = {&Preferences::setAcceptWordKey, &Preferences::setAcceptAllKey,
                                &Preferences::setTriggerKey,    &Preferences::setAlternativesKey,
                                &Preferences::setToggleAppKey,  &Preferences::setToggleGlobalKey};
} // namespace

KeysPane::KeysPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();
    const ShortcutSet now = shortcutsOf(c_.prefs);

    auto recorderRow = [&](FormSection* section, int index, const QString& title, const QString& detail) {
        auto* recorder = new ShortcutRecorder(c_.keyLayout, now[std::size_t(index)], true, page);
        recorder->setAccessibleName(title);
        recorder->recordButton()->setAccessibleName(title);
        recorders_[std::size_t(index)] = recorder;
        section->addRow(new SettingRow(title, detail, recorder, page));
        // Recorded or cleared by the user; setCombo() from the settings sends nothing.
        connect(recorder, &ShortcutRecorder::comboChanged, this,
                [this, set = kSetters[index]](std::optional<KeyCombo> combo) { (c_.prefs.*set)(combo); });
    };

    FormSection* accepting = form->addSection(text("Accepting"));
    recorderRow(accepting, 0, text("Take the next word"), text("Press again for each following word."));
    recorderRow(accepting, 1, text("Take the whole suggestion"), text("The key above Tab is easy to reach on most keyboards."));
    space_ = new SettingToggle(text("Include the space after a word"), QString(), c_.motion, page);
    accepting->addRow(space_);
    punctuation_ = new SettingToggle(text("Include punctuation right after a word"), QString(), c_.motion, page);
    accepting->addRow(punctuation_);
    escape_ = new QComboBox(page);
    escape_->setAccessibleName(text("When you press Escape"));
    escape_->setCursor(Qt::PointingHandCursor);
    for (EscapeBehavior b : allCases<EscapeBehavior>())
        escape_->addItem(label(b), int(b));
    auto* escapeRow = new SettingRow(text("When you press Escape"), QString(), escape_, page);
    escapeRow->titleLabel()->setBuddy(escape_);
    accepting->addRow(escapeRow);

    shortcuts_ = form->addSection(text("Shortcuts"));
    recorderRow(shortcuts_, 2, text("Suggest now"), text("Asks for a suggestion right away, even where %app would normally wait."));
    recorderRow(shortcuts_, 3, text("Other suggestions"),
                text("Lists a few different ways to continue. Choose with the arrow keys, then press Tab."));
    recorderRow(shortcuts_, 4, text("Pause or resume in this app"), text("Pauses for 15 minutes."));
    recorderRow(shortcuts_, 5, text("Turn %app on or off"), text("Everywhere, until you press it again."));
    warningRow_ = new QWidget(page);
    auto* warningLine = new QHBoxLayout(warningRow_);
    warningLine->setContentsMargins(0, 2, 0, 2);
    warningLine->setSpacing(6);
    warningLine->addWidget(new SymbolView(QStringLiteral("exclamationmark.triangle.fill"), 14, palette::orange(), warningRow_), 0,
                           Qt::AlignTop);
    warning_ = makeLabel(QString(), fonts::Role::callout, palette::orange(), true, warningRow_);
    warningLine->addWidget(warning_, 1);
    shortcuts_->addRow(warningRow_);
    // The same look for shortcuts another program holds.
    takenRow_ = new QWidget(page);
    auto* takenLine = new QHBoxLayout(takenRow_);
    takenLine->setContentsMargins(0, 2, 0, 2);
    takenLine->setSpacing(6);
    takenLine->addWidget(new SymbolView(QStringLiteral("exclamationmark.triangle.fill"), 14, palette::orange(), takenRow_), 0,
                         Qt::AlignTop);
    taken_ = makeLabel(QString(), fonts::Role::callout, palette::orange(), true, takenRow_);
    takenLine->addWidget(taken_, 1);
    shortcuts_->addRow(takenRow_);
    if (c_.hooks.watchTakenKeys)
        c_.hooks.watchTakenKeys(this, [this] { refresh(); });

    connect(space_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setTrailingSpace(on); });
    connect(punctuation_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setTrailingPunctuation(on); });
    connect(escape_, &QComboBox::activated, this, [this](int i) {
        c_.prefs.setEscapeBehavior(EscapeBehavior(escape_->itemData(i).toInt()));
    });
    connect(&c_.prefs, &Preferences::changed, this, &KeysPane::refresh);
    refresh();
}

void KeysPane::refresh()
{
    const ShortcutSet now = shortcutsOf(c_.prefs);
    for (std::size_t i = 0; i < recorders_.size(); ++i) {
        if (recorders_[i]->combo() != now[i])
            recorders_[i]->setCombo(now[i]);
    }
    space_->setChecked(c_.prefs.trailingSpace());
    punctuation_->setChecked(c_.prefs.trailingPunctuation());
    escape_->setCurrentIndex(escape_->findData(int(c_.prefs.escapeBehavior())));
    const QString warning = duplicateWarning(now);
    warning_->setText(warning);
    warningRow_->setAccessibleName(warning);
    shortcuts_->setRowVisible(warningRow_, !warning.isEmpty());
    const QString taken = takenWarning(now, c_.hooks.takenKeys ? c_.hooks.takenKeys() : QList<KeyCombo>{}, c_.keyLayout);
    taken_->setText(taken);
    takenRow_->setAccessibleName(taken);
    shortcuts_->setRowVisible(takenRow_, !taken.isEmpty());
}

} // namespace tq
