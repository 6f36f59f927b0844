#pragma once
// The overview: today's words and the system's state, the setup checklist while anything is
// left (or the "all set" card when setup was just finished), and a practice field.

#include "ui/settings/SettingsContext.h"
#include "ui/settings/SetupCard.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QBoxLayout;
class QLabel;
class QVBoxLayout;

namespace tq {

class Presence;
class RollingFigure;
class SetupSlot;
class SymbolView;

class OverviewPane final : public QWidget {
    Q_OBJECT
public:
    explicit OverviewPane(SettingsContext& context, QWidget* parent = nullptr);
    void refresh();
    SetupCard* setupCard() const { return setup_; }
    QWidget* readyCard() const { return ready_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refreshHero();
    void refreshSlot();
    QWidget* buildHero();
    QWidget* buildPlayground();

    SettingsContext& c_;
    std::optional<bool> startedUnfinished_;
    QVBoxLayout* column_ = nullptr;
    QBoxLayout* heroRow_ = nullptr;
    SetupSlot* slot_ = nullptr;
    QWidget* streakBox_ = nullptr;
    QLabel* stateSymbolText_ = nullptr;
    SymbolView* stateSymbol_ = nullptr;
    QLabel* stateText_ = nullptr;
    QLabel* stateSpeed_ = nullptr;
    RollingFigure* count_ = nullptr;
    QLabel* countLabel_ = nullptr;
    Presence* bestPill_ = nullptr;
    QLabel* caption_ = nullptr;
    SymbolView* flame_ = nullptr;
    RollingFigure* streak_ = nullptr;
    int streakShown_ = -1; // the streak the line counts from; none before the first refresh
    QList<QWidget*> days_;
    QWidget* heroText_ = nullptr;
    QPointer<SetupCard> setup_;
    QPointer<QWidget> ready_;
    QWidget* legend_ = nullptr;
    QBoxLayout* legendLayout_ = nullptr;
    QLabel* playHint_ = nullptr;
};

} // namespace tq
