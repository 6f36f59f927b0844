#pragma once
// The settings window's content: the sidebar, and the selected pane under its subtitle. Every
// change of pane builds the pane anew: the new one rises 14 pt while fading in, the old one
// fades out and is deleted once it has gone.

#include "ui/design/Animation.h"
#include "ui/settings/SettingsContext.h"

#include <QPointer>
#include <QWidget>

class QLabel;

namespace tq {

class SettingsSidebar;
class TitleShade;

// The pane widget of each pane; panes not built yet show their title only.
QWidget* makeSettingsPane(SettingsPane pane, SettingsContext& context, QWidget* parent);

// How far a pane change has got after `t` seconds.
struct PaneTransitionFrame {
    double incomingOpacity = 1;
    double incomingOffset = 0; // points below its place
    double outgoingOpacity = 0;
    bool done = true;
};
PaneTransitionFrame paneTransitionAt(double t, bool reduceMotion);

class SettingsRoot final : public QWidget {
    Q_OBJECT
public:
    explicit SettingsRoot(SettingsContext context, QWidget* parent = nullptr);
    ~SettingsRoot() override;

    SettingsContext& context() { return context_; }
    // The number on a sidebar row: the overview's pending setup steps, else 0.
    int badge(SettingsPane pane) const;
    QWidget* currentPane() const { return current_; }
    QWidget* leavingPane() const { return leaving_; }
    SettingsSidebar* sidebar() const { return sidebar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPane(bool animate);
    void frame();
    void placePanes();
    void refreshBadges();

    SettingsContext context_;
    SettingsSidebar* sidebar_ = nullptr;
    QWidget* detail_ = nullptr;
    QLabel* header_ = nullptr;
    TitleShade* shade_ = nullptr;
    QWidget* stage_ = nullptr;
    QPointer<QWidget> current_;
    QPointer<QWidget> leaving_;
    double started_ = -1; // frame-clock time of the running change
    FrameDriver driver_;
};

} // namespace tq
