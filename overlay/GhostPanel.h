#pragma once
// The click-through window that draws a suggestion at the caret of whatever application has
// focus. It never takes the focus and never activates this program.

#include "overlay/GhostContent.h"
#include "overlay/GhostLayout.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tq {

class OverlayScreens;

class GhostView;

class GhostPanel : public QObject {
    Q_OBJECT
public:
    // `screens` places the panel at the caret.
    explicit GhostPanel(const OverlayScreens& screens, QObject* parent = nullptr);
    ~GhostPanel() override;

    // Places and shows the content; reuses the one window. It is drawn once the keys it
    // offers are held (see waitForKeys), and is on show from now on all the same.
    void show(const GhostContent& content);
    // Takes the window off screen; the last content is kept.
    void hide();
    bool isShowing() const;
    // The window is on screen (a content on show may still wait for its keys).
    bool isDrawn() const;

    // A content is drawn only once `held` tells that the keys it offers are held: Tab pressed
    // under a ghost that shows it taken must not reach the application. `held` is asked after
    // the content is on show, so it may ask for those keys first. Unset: drawn at once.
    void waitForKeys(std::function<bool()> held);
    // The keys held changed: a content waiting for them is drawn if they are held now.
    void keysChanged();
    // The longest wait for the keys; the content is drawn after it anyway.
    static constexpr std::chrono::milliseconds kKeysWait{1000};

    const std::optional<GhostContent>& content() const { return content_; }
    const std::optional<GhostLayout>& layout() const;
    QWidget* window() const;

private:
    void draw();

    const OverlayScreens& screens_;
    std::optional<GhostContent> content_;
    std::unique_ptr<GhostView> view_;
    bool showing_ = false;
    std::function<bool()> keysHeld_;
    QTimer keysWait_; // runs while a content waits for its keys
};

} // namespace tq
