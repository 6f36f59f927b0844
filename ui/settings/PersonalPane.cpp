#include "ui/settings/PersonalPane.h"

#include "platform/Text.h"
#include "settings/Preferences.h"
#include "stores/WritingMemory.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Text.h"
#include "ui/design/Theme.h"
#include "ui/settings/PersonalPaneLogic.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/StoreProblems.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tq {

PersonalPane::PersonalPane(SettingsContext& context, int limit, QWidget* parent)
    : QWidget(parent), c_(context), limit_(limit)
{
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    // About you
    FormSection* about = form->addSection(text("About you"));
    auto* aboutBox = new QWidget(page);
    auto* aboutColumn = bareColumn(aboutBox, 8);
    editor_ = new QPlainTextEdit(aboutBox);
    editor_->setAccessibleName(text("About you"));
    editor_->setPlaceholderText(text("For example: I'm a product designer in Berlin. I write short, friendly emails in "
                                     "British English and sign off with Cheers."));
    editor_->setFont(fonts::system(13));
    editor_->setMinimumHeight(120);
    editor_->setMaximumHeight(260);
    editor_->setTabChangesFocus(true);
    markBareField(editor_);
    aboutColumn->addWidget(editor_);
    auto* line = bareRow(nullptr, 12);
    line->addWidget(makeLabel(text("Your role, the languages you write in, names you use often, how you like to sound."),
                              fonts::Role::callout, palette::paperDim(), true, aboutBox),
                    1, Qt::AlignVCenter);
    counter_ = new QLabel(aboutBox);
    counter_->setFont(fonts::tabularDigits(12));
    line->addWidget(counter_, 0, Qt::AlignVCenter);
    aboutColumn->addLayout(line);
    about->addRow(aboutBox);

    // Writing memory
    FormSection* memory = form->addSection(
        text("Writing memory"),
        text("You can switch memory off for single apps under Apps & Sites. The key that unlocks it lives in your keyring."));
    memory_ = new SettingToggle(text("Remember how I write"),
                                text("Keeps short passages from fields where you accepted a suggestion, encrypted on this "
                                     "computer, and shows them to the model as examples."),
                                c_.motion, page);
    StoreSet memoryFile;
    memoryFile.memory = &c_.memory;
    memory->addRow(makeStoreProblemLine(memoryFile, page));
    memory->addRow(memory_);
    recordAll_ = new SettingToggle(text("Also remember fields where I accept nothing"),
                                   text("%app learns your style sooner but keeps more of what you type."), c_.motion, page);
    memory->addRow(recordAll_);
    auto* strength = new ValueSlider(text("Influence"), 1, 6, page);
    strength->setEndLabels(text("Light"), text("Strong"));
    strength->showTicks();
    strength->setSliderWidth(130);
    slider_ = strength->slider();
    influenceRow_ = new SettingRow(text("Influence"), text("How many of your passages each suggestion can draw on."), strength, page);
    influenceRow_->titleLabel()->setBuddy(slider_);
    memory->addRow(influenceRow_);
    erase_ = makeButton(text("Erase All…"), false, c_.motion, page);
    erase_->setAccessibleName(text("Erase All…"));
    static_cast<HandButton*>(erase_)->setTone(ButtonTone::destructive);
    auto* passagesRow = new SettingRow(QString(), QString(), erase_, page);
    passages_ = passagesRow->titleLabel();
    memory->addRow(passagesRow);

    // Writes come only from the user: typing, clicks and moving the slider.
    connect(editor_, &QPlainTextEdit::textChanged, this, &PersonalPane::edited);
    connect(memory_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setMemoryEnabled(on); });
    connect(recordAll_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setMemoryRecordAll(on); });
    connect(slider_, &QSlider::valueChanged, this, [this](int v) {
        if (!filling_)
            c_.prefs.setMemoryStrength(double(v));
    });
    connect(erase_, &QAbstractButton::clicked, this, &PersonalPane::askErase);
    connect(&c_.prefs, &Preferences::changed, this, [this](const QString& key) {
        // Instructions set elsewhere while the pane is open are cut to the limit as well.
        if (key == QLatin1String("customInstructions"))
            if (const auto cut = cutInstructions(c_.prefs.customInstructions(), limit_)) {
                c_.prefs.setCustomInstructions(*cut);
                return;
            }
        refresh();
    });
    connect(&c_.memory, &WritingMemory::entriesChanged, this, &PersonalPane::refresh);
    refresh();
}

void PersonalPane::edited()
{
    if (filling_)
        return;
    const QString typed = editor_->toPlainText();
    QString kept = typed;
    if (const auto cut = cutInstructions(typed, limit_)) {
        kept = *cut;
        // Pasting past the limit leaves exactly the limit, the caret at its end.
        filling_ = true;
        editor_->setPlainText(kept);
        editor_->moveCursor(QTextCursor::End);
        filling_ = false;
    }
    if (kept != c_.prefs.customInstructions())
        c_.prefs.setCustomInstructions(kept);
    refreshCounter();
}

void PersonalPane::refreshCounter()
{
    const QString value = c_.prefs.customInstructions();
    counter_->setText(instructionsCounter(value, limit_));
    setLabelColour(counter_, instructionsOverLimit(value, limit_) ? palette::orange() : palette::paperDim());
}

void PersonalPane::refresh()
{
    filling_ = true;
    const QString stored = c_.prefs.customInstructions();
    if (editor_->toPlainText() != stored)
        editor_->setPlainText(stored);
    memory_->setChecked(c_.prefs.memoryEnabled());
    recordAll_->setChecked(c_.prefs.memoryRecordAll());
    recordAll_->setEnabled(c_.prefs.memoryEnabled());
    influenceRow_->setEnabled(c_.prefs.memoryEnabled());
    slider_->setValue(influenceStep(c_.prefs.memoryStrength()));
    const int count = int(c_.memory.entries().size());
    passages_->setText(passageCountText(count));
    erase_->setEnabled(count > 0);
    filling_ = false;
    refreshCounter();
}

void PersonalPane::askErase()
{
    if (dialog_ && dialog_->isVisible())
        return;
    dialog_ = Confirmation::ask(this, {text("Erase everything %app remembered?"), text("This can't be undone."), text("Erase All")},
                                [this] { eraseAll(); });
}

void PersonalPane::eraseAll()
{
    c_.memory.setEntries({});
    c_.memory.scheduleSave();
}

} // namespace tq
