#pragma once
// The borderless panel that drops from the tray icon. A popup window: it takes the pointer
// and keyboard while open without activating the program, closes on a click outside it
// (which then reaches nothing else, so a click on the icon only closes it), on Escape and on
// deactivation, and fades in over 0.12 s. Keeps its top edge when its content grows.

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
    void open(QPoint topLeft, bool still);
    QPoint anchor() const { return anchor_; }

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

    MenuContent* content_;
    Clock& clock_;
    Timer fade_;
    Nanos openedAt_{0};
    QPoint anchor_;
    bool painted_ = false;
};

} // namespace tq::menu
