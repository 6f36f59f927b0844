#pragma once
// Shortcuts as rows of small keycaps: one cap per modifier ("Ctrl", "Alt", "Shift", "Super",
// always in that order) and one for the key; "Not set" when there is none.

#include "settings/KeyCombo.h"

#include <QWidget>

#include <optional>

namespace tq {

class KeyLayout;

class Keycap final : public QWidget {
    Q_OBJECT
public:
    Keycap(const QString& text, bool onInk, QWidget* parent = nullptr);
    QString text() const { return text_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // 0…1: how far the cap is pressed (smaller, a point lower, brighter); its frame stays.
    void setPressed(double amount);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool onInk_;
    double pressed_ = 0;
};

class KeyComboView final : public QWidget {
    Q_OBJECT
public:
    // `layout` names the key of a combo (the session's keyboard in the program).
    KeyComboView(const KeyLayout& layout, std::optional<KeyCombo> combo, bool onInk, QWidget* parent = nullptr);
    void setCombo(std::optional<KeyCombo> combo);
    std::optional<KeyCombo> combo() const { return combo_; }
    // The caps' texts in order (empty when no shortcut is set).
    QStringList capTexts() const;

private:
    void rebuild();
    const KeyLayout& layout_;
    std::optional<KeyCombo> combo_;
    bool onInk_;
};

} // namespace tq
