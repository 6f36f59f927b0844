#pragma once
// Draws a suggestion as ghost text at the caret through the ghost panel, moves it on as the
// caret advances, and learns how far each field's caret really moves for a measured width.

#include "field/FieldSnapshot.h"
#include "overlay/GhostContent.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace tq {

class GhostPanel;
class KeyLayout;
class OverlayScreens;
class Preferences;

class GhostPresenter {
public:
    GhostPresenter(Preferences& prefs, const KeyLayout& keys, const OverlayScreens& screens);
    ~GhostPresenter();

    GhostPanel& panel() { return *panel_; }
    bool isShowing() const;
    // The content while it is showing.
    std::optional<GhostContent> shown() const;

    // Shows `text` at the caret of `s`, or as a pill at the field when the caret's place is
    // unknown. The field's advance scale is learnt first, when `injected` (the last text
    // inserted) ends the text before the caret. False when `s` tells neither caret nor field
    // frame: the ghost is hidden.
    bool present(const QString& text, const FieldSnapshot& s, const std::optional<QString>& injected);
    // Shows the content as it is (a spelling fix).
    void show(const GhostContent& content);
    void hide();
    // The caret moved on by `typed`: the shown completion moves right by its measured width
    // (times `fieldKey`'s learnt scale) and shows `rest`, or hides when `rest` is empty.
    // A fix or nothing on show is left alone.
    void advance(const QString& typed, const QString& rest, const std::optional<QString>& fieldKey);
    // `text` is about to be inserted at the shown ghost: the next presentation for `fieldKey`
    // compares the caret's move with the width measured now.
    void expectAdvance(const QString& fieldKey, const QString& text);

    // Field font or caret height, times the text scale, within 8 to 72.
    double fontSize(const FieldSnapshot& s) const;

    // The key hint shows while fewer suggestions than this have carried it.
    static constexpr int kKeyHintLimit = 41;

private:
    struct AdvanceCheck {
        QString fieldKey;
        double from = 0;
        double estimated = 0;
        bool rightToLeft = false;
    };

    std::optional<double> measure(const QString& text) const;
    void learnAdvanceScale(const FieldSnapshot& s, const std::optional<QString>& injected);

    Preferences& prefs_;
    const KeyLayout& keys_;
    std::unique_ptr<GhostPanel> panel_;
    std::optional<AdvanceCheck> advanceCheck_;
    QHash<QString, double> advanceScale_;
};

} // namespace tq
