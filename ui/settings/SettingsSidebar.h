#pragma once
// The settings window's left column: the panes under their section headers, a highlight that
// glides to the selected row, the overview's badge of setup steps to do, Up/Down moves.

#include "ui/design/Animation.h"
#include "ui/settings/SettingsPane.h"

#include <QAbstractButton>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace tq {

class SettingsRouter;

class SidebarRow final : public QAbstractButton {
    Q_OBJECT
public:
    SidebarRow(SettingsPane pane, MotionContext& motion, QWidget* parent = nullptr);
    SettingsPane pane() const { return pane_; }
    void setSelected(bool selected);
    void setCount(int count);
    int count() const { return count_; }
    // Plays the symbol's bounce.
    void bounce();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override;

private:
    void updateName();
    SettingsPane pane_;
    MotionContext& motion_;
    bool selected_ = false;
    int count_ = 0;
    AnimatedValue hover_;
    AnimatedValue press_;
    AnimatedValue badge_;
    AnimatedValue bounce_;
    FrameDriver driver_;
};

class SettingsSidebar final : public QWidget {
    Q_OBJECT
public:
    using Badge = std::function<int(SettingsPane)>;
    SettingsSidebar(SettingsRouter& router, MotionContext& motion, Badge badge, QWidget* parent = nullptr);

    // A user's choice: nothing when already selected; counts a hop and bounces the symbol
    // while motion is on.
    void select(SettingsPane pane);
    // -1 up, +1 down; no wrapping.
    void moveSelection(int step);
    // Re-reads every row's badge.
    void refreshBadges();
    int hops(SettingsPane pane) const { return hops_.value(pane, 0); }
    SidebarRow* row(SettingsPane pane) const;
    // The highlight as drawn now, and where it is going.
    QRectF highlight() const;
    QRectF targetHighlight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void paneChanged(bool animate);

    SettingsRouter& router_;
    MotionContext& motion_;
    Badge badge_;
    std::vector<SidebarRow*> rows_;
    QMap<SettingsPane, int> hops_;
    AnimatedValue top_;
    AnimatedValue height_;
    FrameDriver driver_;
    bool placed_ = false;
    bool choosing_ = false; // inside the user's own choice
};

} // namespace tq
