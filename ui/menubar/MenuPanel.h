#pragma once
// The borderless panel that drops from the tray icon. It takes the keyboard when it opens,
// closes on Escape and when it loses activation (a click in another window), and fades in
// over 0.12 s. Keeps its top edge when its content grows. A top-level window of its own, not
// a popup, so that its controls are found and read over AT-SPI like any other window's.

#include "platform/Clock.h"

#include <QPoint>
#include <QWidget>

namespace tq::menu {

class MenuContent;

// Opacity of the panel `elapsed` after it opened: ease-out over 0.12 s.
double fadeOpacity(Nanos elapsed);
constexpr Nanos kFadeDuration = std::chrono::milliseconds(120);

class MenuPanel final : public QWidget {
    Q_OBJECT
public:
    MenuPanel(MenuContent* content, Clock& clock, QWidget* parent = nullptr);
    ~MenuPanel() override;

    MenuContent* content() const { return content_; }
    // Places the top-left corner and shows the panel, faded in unless `still`.
    // `topLeft` is the panel's own corner (its shadow lies around it); `above`: it opened above
    // its icon and keeps its bottom edge when it changes size.
    void open(QPoint topLeft, bool still, bool above = false);
    QPoint anchor() const { return anchor_; }
    // The panel on screen, without the shadow's margin.
    QRect panelRect() const;
    // A click that arrives this soon after opening is the one that opened it.
    bool justOpened() const;
    static constexpr int kShadowMargin = 18;

signals:
    void closed();
    // The first frame was painted.
    void painted();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void contentResized();
    void fadeStep();
    void place();
    int margin() const;
    int contentHeight() const;

    MenuContent* content_;
    Clock& clock_;
    Timer fade_;
    Nanos openedAt_{0};
    QPoint anchor_;
    int bottom_ = 0;
    bool above_ = false;
    bool painted_ = false;
};

} // namespace tq::menu
