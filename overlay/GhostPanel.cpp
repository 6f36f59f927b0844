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
}

GhostPanel::~GhostPanel() = default;

QWidget* GhostPanel::window() const { return view_.get(); }

const std::optional<GhostLayout>& GhostPanel::layout() const { return view_->layout; }

bool GhostPanel::isShowing() const { return view_->isVisible() && content_.has_value(); }

void GhostPanel::hide() { view_->hide(); }

void GhostPanel::show(const GhostContent& content)
{
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

    content_ = content;
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
    view_->update();
    // Raised on every show: windows activated since could otherwise cover it.
    overlay::orderFront(view_.get());
}

} // namespace tq
