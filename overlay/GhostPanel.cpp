#include "overlay/GhostPanel.h"

#include "overlay/GhostView.h"
#include "platform/ColourScheme.h"
#include "platform/Log.h"
#include "platform/OverlayWindow.h"

#include <cmath>

namespace tq {

GhostPanel::GhostPanel(const OverlayScreens& screens, QObject* parent) : QObject(parent), screens_(screens), view_(std::make_unique<GhostView>())
{
    overlay::prepare(view_.get());
    view_->setWindowTitle(QStringLiteral("Tessaquill ghost"));
    if (const ColourScheme* scheme = screens_.colourScheme()) {
        connect(scheme, &ColourScheme::changed, view_.get(), [this](bool dark) {
            view_->desktopDark = dark;
            view_->update();
        });
    }
    keysWait_.setSingleShot(true);
    keysWait_.setInterval(kKeysWait);
    connect(&keysWait_, &QTimer::timeout, this, [this] {
        log::warning(QStringLiteral("ghost: its keys are not held after %1 ms, drawn all the same").arg(kKeysWait.count()));
        draw();
    });
}

GhostPanel::~GhostPanel() = default;

QWidget* GhostPanel::window() const { return view_.get(); }

const std::optional<GhostLayout>& GhostPanel::layout() const { return view_->layout; }

bool GhostPanel::isShowing() const { return showing_ && content_.has_value(); }

bool GhostPanel::isDrawn() const { return isShowing() && view_->isVisible(); }

void GhostPanel::hide()
{
    showing_ = false;
    keysWait_.stop();
    view_->hide();
}

void GhostPanel::waitForKeys(std::function<bool()> held) { keysHeld_ = std::move(held); }

void GhostPanel::keysChanged()
{
    if (keysWait_.isActive() && showing_ && keysHeld_ && keysHeld_())
        draw();
}

void GhostPanel::draw()
{
    keysWait_.stop();
    if (!showing_)
        return;
    view_->update();
    // Raised on every show: windows activated since could otherwise cover it.
    overlay::orderFront(view_.get());
}

void GhostPanel::show(const GhostContent& content)
{
    content_ = content;
    showing_ = true;
    if (!keysHeld_ || keysHeld_()) {
        keysWait_.stop();
    } else {
        // The last content is not left on screen while this one waits (within the first wait).
        view_->hide();
        if (!keysWait_.isActive())
            keysWait_.start();
    }
    const QRectF& caret = content.caretRect;
    const std::optional<ScreenArea> screen = screens_.screenFor(caret.topLeft());
    QRectF area = content.fieldFrame.value_or(caret);
    if (!content.anchored)
        area = area.united(caret);
    const QRectF bounds = screen ? GhostLayout::usableBounds(screen->frame, screen->visibleFrame, area) : GhostLayout::unbounded();
    const GhostLayout layout = GhostLayout::make(content, bounds);

    if (layout.container) {
        const bool above = layout.container->y() + layout.container->height() > caret.y();
        log::info(QStringLiteral("layout: box %1 the row, rows %2, area bottom %3, screen bottom %4")
                      .arg(above ? QStringLiteral("above") : QStringLiteral("below"))
                      .arg(layout.boxRowCount())
                      .arg(qint64(std::llround(bounds.y())))
                      .arg(screen ? qint64(std::llround(screen->visibleFrame.y())) : 0));
    }

    view_->layout = layout;
    view_->content = content;
    overlay::setFrame(view_.get(), layout.frame);
    const bool blended = overlay::compositing();
    view_->flat = !blended;
    view_->desktopDark = screens_.prefersDark();
    // The field's colour under the ghost, read from the screen around the ghost still shown:
    // blended over it, and the fix's label drawn on it (unboxed, it lies on the field itself).
    // A blended window hides nothing of what is under it, so the field is read around it too.
    const bool onField = content.kind.isFix() && !content.anchored;
    const QRectF around = onField ? layout.frame.adjusted(-8, -8, 8, 8) : layout.frame;
    view_->backdrop = blended && !onField ? std::nullopt : overlay::screenColour(around, view_.get());
    overlay::applyShape(view_.get(), blended ? QRegion() : view_->drawnRegion());
    if (!keysWait_.isActive())
        draw();
}

} // namespace tq
