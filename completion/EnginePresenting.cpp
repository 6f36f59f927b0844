// Drawing the suggestion as ghost text at the caret, moving it on as the caret advances, and
// learning how far each field's caret really moves for a measured width.

#include "completion/CompletionEngine.h"

#include "platform/Platform.h"

#include "overlay/GhostLayout.h"
#include "overlay/GhostPanel.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "settings/Preferences.h"

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr int kKeyHintLimit = 41;

// A whole number for the log line; non-finite values read "nan".
QString whole(double v)
{
    return std::isfinite(v) ? QString::number(qint64(std::trunc(v))) : QStringLiteral("nan");
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

double CompletionEngine::presentedFontSize(const FieldSnapshot& s) const
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

QString CompletionEngine::rectDescription(const QRectF& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(whole(r.x()), whole(r.y()), whole(r.width()), whole(r.height()));
}

void CompletionEngine::present(const Suggestion& suggestion, const FieldSnapshot& s)
{
    learnAdvanceScale(s);
    QRectF caret;
    if (s.caretRect) {
        caret = *s.caretRect;
    } else if (s.fieldFrame) {
        caret = QRectF(s.fieldFrame->x(), s.fieldFrame->y(), 1, 0);
    } else {
        hideGhost();
        setStatus(Status::blocked(tq::text("This app doesn't report where the caret is")));
        return;
    }
    const bool hintAllowed = prefs_.showKeyHint() && prefs_.keyHintsShown() < kKeyHintLimit;
    const double fontSize = presentedFontSize(s);

    GhostContent content;
    content.kind = GhostContent::Kind::completion(suggestion.remaining());
    content.caretRect = caret;
    content.lineStartX = s.lineStartX;
    content.fieldFrame = s.fieldFrame;
    content.fontSize = fontSize;
    content.fontName = s.fontName;
    content.allowWrap = s.afterIsBlank();
    if (hintAllowed && prefs_.acceptWordKey())
        content.hint = KeyCombo::keyName(prefs_.acceptWordKey()->keyCode, platform_.keyLayout()).toLower();
    content.tinted = prefs_.ghostStyle() == GhostStyle::tinted;
    content.verticalNudge = prefs_.verticalNudge();
    content.anchored = !s.caretRect.has_value();

    log::info(QStringLiteral("present: caret %1,%2 h%3, field %4, line start %5, font %6, wrap %7, lines before %8")
                  .arg(whole(caret.x()), whole(caret.y()), whole(caret.height()),
                       s.fieldFrame ? rectDescription(*s.fieldFrame) : QStringLiteral("none"),
                       s.lineStartX ? whole(*s.lineStartX) : QStringLiteral("none"), whole(fontSize),
                       content.allowWrap ? QStringLiteral("true") : QStringLiteral("false"))
                  .arg(lineBreakCount(s.before)));
    ghost_->show(content);
    setStatus(Status::showing());
}

void CompletionEngine::learnAdvanceScale(const FieldSnapshot& s)
{
    if (!advanceCheck_ || advanceCheck_->fieldKey != s.fieldKey)
        return;
    const AdvanceCheck check = *advanceCheck_;
    advanceCheck_.reset();
    if (!lastInjection_)
        return;
    if (!s.before.endsWith(lastInjection_->text) || !s.caretRect || !(check.estimated > 0))
        return;
    const double ratio = (s.caretRect->x() - check.from) / check.estimated;
    if (ratio >= 0.6 && ratio <= 1.6)
        advanceScale_.insert(s.fieldKey, ratio);
}

std::optional<GhostContent> CompletionEngine::shownGhost() const
{
    if (!ghost_->isShowing())
        return std::nullopt;
    return ghost_->content();
}

void CompletionEngine::hideGhost() { ghost_->hide(); }

void CompletionEngine::presentAfterAdvance(const QString& typed, const QString& rest)
{
    std::optional<GhostContent> content = shownGhost();
    if (!content || content->kind.isFix())
        return;
    if (rest.isEmpty()) {
        hideGhost();
        return;
    }
    if (!content->anchored) {
        if (const std::optional<double> w = measureText(typed)) {
            const double scale = snapshot() ? advanceScale_.value(snapshot()->fieldKey, 1.0) : 1.0;
            content->caretRect.moveLeft(content->caretRect.x() + std::trunc(scale * *w));
        }
    }
    content->kind = GhostContent::Kind::completion(rest);
    content->hint.reset();
    ghost_->show(*content);
}

std::optional<double> CompletionEngine::measureText(const QString& text) const
{
    const std::optional<GhostContent> content = shownGhost();
    if (!content || content->anchored)
        return std::nullopt;
    const double w = GhostMetrics::qt().textWidth(text, GhostLayout::fontFor(*content));
    if (!std::isfinite(w))
        return std::nullopt;
    return std::ceil(w);
}

void CompletionEngine::clearSuggestion()
{
    if (pending_) {
        pending_->cancel();
        pending_.reset();
    }
    runner_.advance();
    suggestion_.reset();
    hideGhost();
}

} // namespace tq
