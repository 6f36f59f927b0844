#pragma once
// The overview: today's words and the system's state, the setup checklist while anything is
// left (or the "all set" card when setup was just finished), and a practice field.

#include "ui/design/Animation.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Buttons.h"
#include "ui/settings/SettingsContext.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/SetupItems.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QBoxLayout;
class QLabel;
class QVBoxLayout;

namespace tq {

// The small turning arc of a step being checked.
class Spinner final : public QWidget {
public:
    Spinner(MotionContext& motion, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    MotionContext& motion_;
    FrameDriver driver_;
};

// One row of the setup card or the ready card: icon, title, detail, note and buttons, side by
// side when wide and stacked when narrow.
class SetupRowView final : public QWidget {
    Q_OBJECT
public:
    explicit SetupRowView(QWidget* parent = nullptr);
    void setIcon(QWidget* icon);
    void setTexts(const QString& title, const QString& detail, const QString& note);
    void setButtons(const QList<QAbstractButton*>& buttons);
    QString title() const;
    QList<QAbstractButton*> buttons() const { return buttons_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* iconSlot_;
    QLabel* title_;
    QLabel* detail_;
    QLabel* note_;
    QWidget* noteRow_;
    QWidget* actions_;
    QBoxLayout* outer_;
    QList<QAbstractButton*> buttons_;
};

class SetupCard final : public QWidget {
    Q_OBJECT
public:
    explicit SetupCard(SettingsContext& context, QWidget* parent = nullptr);
    void refresh();
    SetupRowView* row(SetupItem item) const;
    QString doneText() const;

private:
    void act(SetupAction action);
    struct RowState {
        SetupRowView* view = nullptr;
        std::optional<SetupProgress> shown;
        bool startedOpen = false;
    };
    SettingsContext& c_;
    QLabel* done_;
    InkProgressBar* bar_;
    QVBoxLayout* rows_;
    std::map<SetupItem, RowState> state_;
};

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
    QWidget* slot_ = nullptr;
    QWidget* slotRise_ = nullptr;
    QVBoxLayout* slotLayout_ = nullptr;
    QWidget* streakBox_ = nullptr;
    QLabel* stateSymbolText_ = nullptr;
    SymbolView* stateSymbol_ = nullptr;
    QLabel* stateText_ = nullptr;
    QLabel* stateSpeed_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QWidget* bestPill_ = nullptr;
    QLabel* caption_ = nullptr;
    SymbolView* flame_ = nullptr;
    QLabel* streak_ = nullptr;
    QList<QWidget*> days_;
    QWidget* heroText_ = nullptr;
    QPointer<SetupCard> setup_;
    QPointer<QWidget> ready_;
    QWidget* legend_ = nullptr;
    QLabel* playHint_ = nullptr;
};

} // namespace tq
