#pragma once
// The click-through window that draws a suggestion at the caret of whatever application has
// focus. It never takes the focus and never activates this program.

#include "overlay/GhostContent.h"
#include "overlay/GhostLayout.h"

#include <QObject>

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

    // Places and shows the content; reuses the one window.
    void show(const GhostContent& content);
    // Takes the window off screen; the last content is kept.
    void hide();
    bool isShowing() const;

    const std::optional<GhostContent>& content() const { return content_; }
    const std::optional<GhostLayout>& layout() const;
    QWidget* window() const;

private:
    const OverlayScreens& screens_;
    std::optional<GhostContent> content_;
    std::unique_ptr<GhostView> view_;
};

} // namespace tq
