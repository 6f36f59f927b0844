#pragma once
// The content of the tray item's panel: the name and status line, a warning card when
// something blocks suggestions, today's count, the "Show Count in Tray" switch, the pause
// controls and the rows to the practice field, the settings and quitting. Follows the
// services' change signals, so every line updates while the panel is open, and re-reads
// itself when a timed pause ends or the day turns.

#include "platform/Clock.h"
#include "ui/design/Text.h"
#include "ui/menubar/MenuServices.h"
#include "ui/menubar/MenuState.h"
#include "ui/menubar/PanelControls.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace tq {
class HandToggle;
}

namespace tq::menu {

class AttentionCard;
class CountLabel;
class PanelRow;
class PillButton;
class StatusDot;

// The glyph's and status line's inputs as the services and the model hold them now.
State readState(const MenuServices& services, const MenuCallbacks& callbacks);

class MenuContent final : public QWidget {
    Q_OBJECT
public:
    MenuContent(MenuServices services, MenuCallbacks callbacks, QWidget* parent = nullptr);
    ~MenuContent() override;

    // Closes the hosting panel; run before the actions that open another window.
    std::function<void()> closePanel;

    // Reads everything again.
    void refresh();
    // The front application changed.
    void frontAppChanged() { refresh(); }

    State state() const;
    QLabel* statusLabel() const { return statusText_; }
    StatusDot* statusDot() const { return statusDot_; }
    AttentionCard* attentionCard() const { return card_; }
    QLabel* countLabel() const { return count_; }
    QLabel* countUnit() const { return unit_; }
    QLabel* sentenceLabel() const { return sentence_; }
    HandToggle* showCountSwitch() const { return showCount_; }
    // Why the count is not beside the icon, shown where the tray shows no labels.
    QLabel* showCountNote() const { return showCountNote_; }
    // The count and its unit, read as one element.
    QWidget* countLine() const { return countLine_; }
    const std::vector<PillButton*>& pills() const { return pills_; }
    bool pillsStacked() const { return stacked_; }
    PanelRow* playgroundRow() const { return playground_; }
    PanelRow* settingsRow() const { return settings_; }
    PanelRow* quitRow() const { return quit_; }

    static constexpr int kWidth = 300;

signals:
    // The content's height may have changed.
    void contentResized();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void rebuildPills();
    void pillAction(PillAction action, std::optional<double> seconds);
    void armRefresh();
    std::optional<QString> frontAppKey() const;

    MenuServices s_;
    MenuCallbacks cb_;
    ElidedLabel* statusText_ = nullptr;
    StatusDot* statusDot_ = nullptr;
    AttentionCard* card_ = nullptr;
    AttentionKind cardKind_ = AttentionKind::none;
    bool forceQuit_ = false;
    QString cardCopyText_;
    std::optional<EngineSilence> shownSilence_;
    CountLabel* count_ = nullptr;
    QLabel* unit_ = nullptr;
    QLabel* sentence_ = nullptr;
    HandToggle* showCount_ = nullptr;
    QLabel* showCountNote_ = nullptr;
    QWidget* countLine_ = nullptr;
    QWidget* pillBox_ = nullptr;
    std::vector<PillButton*> pills_;
    std::vector<Pill> shownPills_;
    bool stacked_ = false;
    PanelRow* playground_ = nullptr;
    PanelRow* settings_ = nullptr;
    PanelRow* quit_ = nullptr;
    Timer changeTimer_;
};

} // namespace tq::menu
