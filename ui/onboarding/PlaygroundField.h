#pragma once
// The practice field: a multi-line text field in our own windows that feeds the completion
// engine without the accessibility interface. While it has the keyboard focus it is the
// engine's field source; it offers its own key presses to the engine before it handles them,
// and re-reads itself when its text or caret changes. Main thread only.

#include "field/FieldSource.h"

#include <QTextEdit>
#include <QPointer>
#include <QString>

#include <functional>

namespace tq {

class CompletionEngine;

class PlaygroundField final : public QTextEdit, public FieldSource {
    Q_OBJECT
public:
    // Told when the field gains or loses the keyboard focus; the application makes the field
    // the engine's source on focus and takes it back on loss when it is still the source.
    using FocusHandler = std::function<void(FieldSource* field, bool focused)>;

    PlaygroundField(CompletionEngine& engine, FocusHandler focusChanged, QWidget* parent = nullptr);
    ~PlaygroundField() override;

    // A fresh id per field, so every new field is a new field for the engine.
    const QString& fieldID() const { return fieldID_; }
    QString fieldKey() const { return QStringLiteral("playground:") + fieldID_; }

    std::optional<FieldSnapshot> snapshot() override;
    // Through the field's own editing, so Undo takes the text back; the method is ignored.
    void insert(const QString& text, InsertionMethod mode) override;
    void deleteBackward(int count) override;

    static constexpr double kFontSize = 15;
    static constexpr int kInset = 10;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool isSource() const;
    void hidePanels();
    // Re-reads the field from the event loop (never from inside the engine's own insertion).
    void scheduleReread();
    void reread();

    QPointer<CompletionEngine> engine_;
    FocusHandler focusChanged_;
    QString fieldID_;
    bool selecting_ = false;     // a mouse drag is under way
    bool rereadPending_ = false; // asked for during the drag
    bool rereadQueued_ = false;
};

} // namespace tq
