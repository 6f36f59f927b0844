#include "ui/design/ShortcutRecorder.h"

#include "platform/Text.h"

#include "platform/KeyNames.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <unordered_map>

namespace tq {

RecorderOutcome recorderOutcome(std::uint16_t keyCode, ModifierSet modifiers, bool allowsClearing)
{
    if (keyCode == keycode::kEscape && modifiers.isEmpty())
        return RecorderOutcome::cancel;
    if (keyCode == keycode::kDelete && modifiers.isEmpty() && allowsClearing)
        return RecorderOutcome::clear;
    if (modifiers.contains(ModifierSet::command) || modifiers.contains(ModifierSet::option) ||
        modifiers.contains(ModifierSet::control))
        return RecorderOutcome::record;
    const bool plainKey = keyCode == keycode::kTab || keyCode == keycode::kAboveTab || keyCode == keycode::kEscape ||
                          keyCode == keycode::kRight || (keyCode >= 96 && keyCode <= 122);
    return plainKey ? RecorderOutcome::record : RecorderOutcome::warn;
}

namespace {
// Qt keys to key codes, for events without an X key code (tests, other platforms).
std::optional<std::uint16_t> codeFromQtKey(int key)
{
    static const std::unordered_map<int, std::uint16_t> table = [] {
        std::unordered_map<int, std::uint16_t> t = {
            {Qt::Key_Return, 36}, {Qt::Key_Enter, 76}, {Qt::Key_Tab, 48}, {Qt::Key_Backtab, 48}, {Qt::Key_Space, 49},
            {Qt::Key_QuoteLeft, 50}, {Qt::Key_AsciiTilde, 50}, {Qt::Key_Backspace, 51}, {Qt::Key_Escape, 53},
            {Qt::Key_Delete, 117}, {Qt::Key_Home, 115}, {Qt::Key_End, 119}, {Qt::Key_PageUp, 116},
            {Qt::Key_PageDown, 121}, {Qt::Key_Left, 123}, {Qt::Key_Right, 124}, {Qt::Key_Down, 125},
            {Qt::Key_Up, 126}, {Qt::Key_Comma, 43}, {Qt::Key_Period, 47}, {Qt::Key_Slash, 44},
            {Qt::Key_Semicolon, 41}, {Qt::Key_Apostrophe, 39}, {Qt::Key_BracketLeft, 33},
            {Qt::Key_BracketRight, 30}, {Qt::Key_Backslash, 42}, {Qt::Key_Minus, 27}, {Qt::Key_Equal, 24},
        };
        const std::uint16_t letters[26] = {0, 11, 8, 2, 14, 3, 5, 4, 34, 38, 40, 37, 46,
                                           45, 31, 35, 12, 15, 1, 17, 32, 9, 13, 7, 16, 6};
        for (int i = 0; i < 26; ++i)
            t[Qt::Key_A + i] = letters[i];
        const std::uint16_t digits[10] = {29, 18, 19, 20, 21, 23, 22, 26, 28, 25};
        for (int i = 0; i < 10; ++i)
            t[Qt::Key_0 + i] = digits[i];
        const std::uint16_t fkeys[12] = {122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111};
        for (int i = 0; i < 12; ++i)
            t[Qt::Key_F1 + i] = fkeys[i];
        return t;
    }();
    auto it = table.find(key);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}
} // namespace

std::optional<KeyCombo> comboFromKeyEvent(const QKeyEvent& event)
{
    const int key = event.key();
    if (isModifierKey(key))
        return std::nullopt;
    ModifierSet mods;
    const Qt::KeyboardModifiers m = event.modifiers();
    if (m & Qt::ControlModifier)
        mods.insert(ModifierSet::control);
    if (m & Qt::AltModifier)
        mods.insert(ModifierSet::option);
    if (m & Qt::ShiftModifier)
        mods.insert(ModifierSet::shift);
    if (m & Qt::MetaModifier)
        mods.insert(ModifierSet::command);
    if (key == Qt::Key_Backtab)
        mods.insert(ModifierSet::shift);
    std::optional<std::uint16_t> code;
    if (event.nativeScanCode() != 0)
        code = macKeyCodeFromX11(event.nativeScanCode());
    if (!code)
        code = codeFromQtKey(key);
    if (!code)
        return std::nullopt;
    return KeyCombo{*code, mods};
}

ShortcutRecorder::ShortcutRecorder(const KeyLayout& layout, std::optional<KeyCombo> combo, bool allowsClearing,
                                   QWidget* parent)
    : QWidget(parent), layout_(layout), combo_(combo), allowsClearing_(allowsClearing)
{
    auto* col = bareColumn(this, 4);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addStretch(1);
    button_ = new HandButton(QString(), this);
    button_->setMinimumWidth(116 + 2 * HandButton::kRingMargin);
    auto* inner = new QHBoxLayout(button_);
    const int m = HandButton::kRingMargin;
    inner->setContentsMargins(8 + m, 2 + m, 8 + m, 2 + m);
    caps_ = new KeyComboView(layout_, combo_, false, button_);
    caps_->setAttribute(Qt::WA_TransparentForMouseEvents);
    inner->addWidget(caps_, 0, Qt::AlignCenter);
    row->addWidget(button_);
    clear_ = new QToolButton(this);
    clear_->setAutoRaise(true);
    clear_->setCursor(Qt::PointingHandCursor);
    clear_->setIcon(symbols::icon(QStringLiteral("xmark.circle.fill"), palette::paperDim()));
    clear_->setToolTip(tq::text("Clear shortcut"));
    clear_->setAccessibleName(tq::text("Clear shortcut"));
    row->addWidget(clear_);
    col->addLayout(row);
    warningLabel_ = makeLabel(QString(), fonts::Role::caption, palette::orange(), true, this);
    warningLabel_->setAlignment(Qt::AlignRight);
    col->addWidget(warningLabel_);

    connect(button_, &QPushButton::clicked, this, [this] {
        if (recording_)
            stopRecording();
        else
            startRecording();
    });
    connect(clear_, &QToolButton::clicked, this, [this] { write(std::nullopt); });
    refresh();
}

ShortcutRecorder::~ShortcutRecorder()
{
    if (recording_)
        qApp->removeEventFilter(this);
}

void ShortcutRecorder::setCombo(std::optional<KeyCombo> combo)
{
    combo_ = combo;
    refresh();
}

void ShortcutRecorder::startRecording()
{
    warning_.clear();
    if (!recording_) {
        recording_ = true;
        qApp->installEventFilter(this);
        emit recordingChanged(true);
    }
    refresh();
}

void ShortcutRecorder::stopRecording()
{
    if (recording_) {
        recording_ = false;
        qApp->removeEventFilter(this);
        emit recordingChanged(false);
    }
    refresh();
}

void ShortcutRecorder::hideEvent(QHideEvent* event)
{
    stopRecording();
    QWidget::hideEvent(event);
}

bool ShortcutRecorder::eventFilter(QObject* watched, QEvent* event)
{
    if (!recording_)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Accepted: no shortcut of the application fires; the key press follows.
        event->accept();
        return true;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Filtered at its first receiver (the window), so it never reaches a widget.
        event->accept();
        handleKey(key);
        return true;
    }
    case QEvent::KeyRelease:
        event->accept();
        return true;
    default:
        return false;
    }
}

void ShortcutRecorder::handleKey(QKeyEvent* event)
{
    const std::optional<KeyCombo> combo = comboFromKeyEvent(*event);
    if (!combo)
        return; // a modifier on its own: wait for the key
    switch (recorderOutcome(combo->keyCode, combo->modifiers, allowsClearing_)) {
    case RecorderOutcome::cancel:
        stopRecording();
        break;
    case RecorderOutcome::clear:
        write(std::nullopt);
        stopRecording();
        break;
    case RecorderOutcome::record:
        write(combo);
        stopRecording();
        break;
    case RecorderOutcome::warn:
        warning_ = tq::text("Add Ctrl, Alt or Super so normal typing still works.");
        refresh();
        break;
    }
}

void ShortcutRecorder::write(std::optional<KeyCombo> combo)
{
    combo_ = combo;
    refresh();
    emit comboChanged(combo_);
}

void ShortcutRecorder::refresh()
{
    // The prompt while recording is in the secondary colour.
    static_cast<HandButton*>(button_)->setSecondaryText(recording_);
    if (recording_) {
        button_->setText(tq::text("Type a shortcut…"));
        caps_->hide();
        button_->setAccessibleName(tq::text("Recording shortcut"));
    } else if (combo_) {
        button_->setText(QString());
        caps_->setCombo(combo_);
        caps_->show();
        button_->setAccessibleName(tq::text("Shortcut %1").arg(combo_->displayText(layout_)));
    } else {
        button_->setText(tq::text("Record shortcut"));
        caps_->hide();
        button_->setAccessibleName(tq::text("Shortcut not set"));
    }
    button_->setAccessibleDescription(tq::text("Press to record a new shortcut. Escape cancels."));
    if (combo_ && !recording_) {
        const QSize caps = caps_->sizeHint();
        const int ring = 2 * HandButton::kRingMargin;
        button_->setMinimumSize(std::max(116, caps.width() + 20) + ring, std::max(caps.height() + 6, 24) + ring);
    }
    clear_->setVisible(allowsClearing_ && combo_ && !recording_);
    warningLabel_->setText(warning_);
    warningLabel_->setVisible(!warning_.isEmpty());
}

} // namespace tq
