#pragma once
// The control that records one keyboard shortcut. While recording it takes every key press of
// the application (Ctrl+Q is recorded, it does not quit). A shortcut without Ctrl, Alt or
// Super is kept only for a few keys ordinary typing does not produce; other keys leave a
// warning and recording goes on. Escape alone cancels; Delete alone clears when allowed.

#include "settings/KeyCombo.h"

#include <QWidget>

#include <optional>

class QKeyEvent;
class QLabel;
class QPushButton;
class QToolButton;

namespace tq {

class KeyLayout;

class KeyComboView;

enum class RecorderOutcome { cancel, clear, record, warn };

// What a key press does while recording.
RecorderOutcome recorderOutcome(std::uint16_t keyCode, ModifierSet modifiers, bool allowsClearing);
// The key code and modifiers of a Qt key event (Shift+Tab arrives as Backtab); none for
// modifier keys alone and keys without a code.
std::optional<KeyCombo> comboFromKeyEvent(const QKeyEvent& event);

class ShortcutRecorder final : public QWidget {
    Q_OBJECT
public:
    // `layout` names the keys (the session's keyboard in the program).
    ShortcutRecorder(const KeyLayout& layout, std::optional<KeyCombo> combo, bool allowsClearing,
                     QWidget* parent = nullptr);
    ~ShortcutRecorder() override;

    std::optional<KeyCombo> combo() const { return combo_; }
    // From outside (the settings changed): no signal.
    void setCombo(std::optional<KeyCombo> combo);
    bool isRecording() const { return recording_; }
    QString warning() const { return warning_; }
    void startRecording();
    void stopRecording();

    QPushButton* recordButton() const { return button_; }
    QToolButton* clearButton() const { return clear_; }

signals:
    // The user recorded or cleared a shortcut.
    void comboChanged(std::optional<KeyCombo> combo);
    void recordingChanged(bool recording);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void handleKey(QKeyEvent* event);
    void write(std::optional<KeyCombo> combo);
    void refresh();
    const KeyLayout& layout_;
    std::optional<KeyCombo> combo_;
    bool allowsClearing_;
    bool recording_ = false;
    QString warning_;
    QPushButton* button_;
    KeyComboView* caps_;
    QToolButton* clear_;
    QLabel* warningLabel_;
};

} // namespace tq
