#include "completion/GhostPresenter.h"

#include "overlay/GhostLayout.h"
#include "overlay/GhostPanel.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "settings/KeyCombo.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

// A whole number for the log line; non-finite values read "nan".
QString whole(double v)
{
    return std::isfinite(v) ? QString::number(qint64(std::trunc(v))) : QStringLiteral("nan");
}

QString rectDescription(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(whole(r.x()), whole(r.y()), whole(r.width()), whole(r.height()));
}

int lineBreakCount(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        if (chars::isLineBreak(c.unicode()))
            ++n;
    return n;
}

} // namespace

GhostPresenter::GhostPresenter(Preferences& prefs, const KeyLayout& keys, const OverlayScreens& screens)
    : prefs_(prefs), keys_(keys), panel_(std::make_unique<GhostPanel>(screens))
{
}

GhostPresenter::~GhostPresenter() = default;

bool GhostPresenter::isShowing() const { return panel_->isShowing(); }

std::optional<GhostContent> GhostPresenter::shown() const
{
    if (!panel_->isShowing())
        return std::nullopt;
    return panel_->content();
}

void GhostPresenter::show(const GhostContent& content) { panel_->show(content); }

void GhostPresenter::hide() { panel_->hide(); }

double GhostPresenter::fontSize(const FieldSnapshot& s) const
{
    double size = 13;
    if (s.fontSize) {
        size = *s.fontSize;
    } else if (s.caretRect && s.caretRect->height() > 0) {
        size = std::max(10.0, 0.78 * s.caretRect->height());
    }
    size *= prefs_.textScale();
    if (!std::isfinite(size))
        size = 13;
    return std::clamp(size, 8.0, 72.0);
}

bool GhostPresenter::present(const QString& text, const FieldSnapshot& s, const std::optional<QString>& injected)
{
    learnAdvanceScale(s, injected);
    QRectF caret;
    if (s.caretRect) {
        caret = *s.caretRect;
    } else if (s.fieldFrame) {
        caret = QRectF(s.fieldFrame->x(), s.fieldFrame->y(), 1, 0);
    } else {
        hide();
        return false;
    }
    const bool hintAllowed = prefs_.showKeyHint() && prefs_.keyHintsShown() < kKeyHintLimit;
    const double size = fontSize(s);

    GhostContent content;
    content.kind = GhostContent::Kind::completion(text);
    content.caretRect = caret;
    content.lineStartX = s.lineStartX;
    content.fieldFrame = s.fieldFrame;
    content.fontSize = size;
    content.fontName = s.fontName;
    content.allowWrap = s.afterIsBlank();
    if (hintAllowed && prefs_.acceptWordKey())
        content.hint = KeyCombo::keyName(prefs_.acceptWordKey()->keyCode, keys_).toLower();
    content.tinted = prefs_.ghostStyle() == GhostStyle::tinted;
    content.verticalNudge = prefs_.verticalNudge();
    content.anchored = !s.caretRect.has_value();
    content.rightToLeft = GhostLayout::runsRightToLeft(chars::lastLine(s.before), text);

    log::info(QStringLiteral("present: caret %1,%2 h%3, field %4, line start %5, font %6, wrap %7, lines before %8")
                  .arg(whole(caret.x()), whole(caret.y()), whole(caret.height()),
                       s.fieldFrame ? rectDescription(*s.fieldFrame) : QStringLiteral("none"),
                       s.lineStartX ? whole(*s.lineStartX) : QStringLiteral("none"), whole(size),
                       content.allowWrap ? QStringLiteral("true") : QStringLiteral("false"))
                  .arg(lineBreakCount(s.before)));
    panel_->show(content);
    return true;
}

void GhostPresenter::learnAdvanceScale(const FieldSnapshot& s, const std::optional<QString>& injected)
{
    if (!advanceCheck_ || advanceCheck_->fieldKey != s.fieldKey)
        return;
    const AdvanceCheck check = *advanceCheck_;
    advanceCheck_.reset();
    if (!injected)
        return;
    if (!s.before.endsWith(*injected) || !s.caretRect || !(check.estimated > 0))
        return;
    const double moved = s.caretRect->x() - check.from;
    const double ratio = (check.rightToLeft ? -moved : moved) / check.estimated;
    if (ratio >= 0.6 && ratio <= 1.6)
        advanceScale_.insert(s.fieldKey, ratio);
}

void GhostPresenter::expectAdvance(const QString& fieldKey, const QString& text)
{
    const std::optional<GhostContent> content = shown();
    if (!content || content->anchored)
        return;
    if (const std::optional<double> width = measure(text))
        advanceCheck_ = AdvanceCheck{fieldKey, content->caretRect.x(), *width, content->rightToLeft};
}

void GhostPresenter::advance(const QString& typed, const QString& rest, const std::optional<QString>& fieldKey)
{
    std::optional<GhostContent> content = shown();
    if (!content || content->kind.isFix())
        return;
    if (rest.isEmpty()) {
        hide();
        return;
    }
    if (!content->anchored) {
        if (const std::optional<double> w = measure(typed)) {
            const double scale = fieldKey ? advanceScale_.value(*fieldKey, 1.0) : 1.0;
            // Right to left the caret moves towards the left.
            const double step = std::trunc(scale * *w);
            content->caretRect.moveLeft(content->caretRect.x() + (content->rightToLeft ? -step : step));
        }
    }
    content->kind = GhostContent::Kind::completion(rest);
    content->hint.reset();
    panel_->show(*content);
}

std::optional<double> GhostPresenter::measure(const QString& text) const
{
    const std::optional<GhostContent> content = shown();
    if (!content || content->anchored)
        return std::nullopt;
    const double w = GhostMetrics::qt().textWidth(text, GhostLayout::fontFor(*content));
    if (!std::isfinite(w))
        return std::nullopt;
    return std::ceil(w);
}

} // namespace tq
