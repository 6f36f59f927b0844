// Reading the focused field into a snapshot, and inserting into it.
#include "field/AXFieldSource.h"

#include "platform/Chars.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace tq {

namespace {

QString attr(const char* name) { return QString::fromLatin1(name); }

bool isZeroWidth(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x200B || u == 0x200C || u == 0x200D || u == 0x2060 || u == 0xFEFF;
}

bool isTextRole(const QString& role)
{
    return role == QLatin1String(ax::kTextField) || role == QLatin1String(ax::kTextArea)
        || role == QLatin1String(ax::kComboBox) || role == QLatin1String(ax::kSearchField);
}

QString fieldKeyOf(qint64 pid, const AXElement& element)
{
    return QString::number(pid) + QLatin1Char(':') + QString::number(element.hash());
}

} // namespace

QString AXFieldSource::removingZeroWidth(const QString& text)
{
    if (std::none_of(text.begin(), text.end(), isZeroWidth))
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!isZeroWidth(c))
            out.append(c);
    return out;
}

bool AXFieldSource::containsRightToLeft(QStringView text)
{
    // U+0590…U+08FF lie in the basic plane: no surrogate can fall in that range.
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0590 && c.unicode() <= 0x08FF; });
}

bool AXFieldSource::isTextField(const AXElement& element, const QString& role)
{
    if (role == QLatin1String(ax::kSecureTextField) || isTextRole(role))
        return true;
    if (role == QLatin1String(ax::kStaticText) || role == QLatin1String(ax::kWebArea))
        return false;
    return element.isSettable(attr(ax::kValue)) == true;
}

std::optional<AXFieldSource::TextRead> AXFieldSource::readText(const AXElement& element, qint64 location, qint64 length)
{
    location = std::max<qint64>(location, 0);
    length = std::max<qint64>(length, 0);
    TextRead read;
    read.location = location;
    bool done = false;
    if (const std::optional<qint64> total = element.integer(attr(ax::kNumberOfCharacters)); total && location <= *total) {
        const qint64 start = std::max<qint64>(location - kBeforeLimit, 0);
        std::optional<QString> before = location == 0 ? QString() : element.string(AXRange{start, location - start});
        const qint64 afterStart = std::min(location + length, *total);
        const qint64 afterCount = std::min<qint64>(*total - afterStart, kAfterLimit);
        std::optional<QString> after = afterCount == 0 ? QString() : element.string(AXRange{afterStart, afterCount});
        if (before && after) {
            read.rawBefore = *before;
            read.after = *after;
            done = true;
        }
    }
    if (!done) {
        const std::optional<QString> value = element.string(attr(ax::kValue));
        if (!value)
            return std::nullopt;
        const qsizetype cut = std::min<qsizetype>(location, value->size());
        const qsizetype afterFrom = std::min<qsizetype>(location + length, value->size());
        read.rawBefore = chars::last(QStringView(*value).left(cut), kBeforeLimit).toString();
        read.after = chars::first(QStringView(*value).mid(afterFrom), kAfterLimit).toString();
    }
    read.before = removingZeroWidth(read.rawBefore);
    read.after = removingZeroWidth(read.after);
    return read;
}

std::optional<std::pair<AXElement, AXTextMarkerRange>> AXFieldSource::markerHolder(const AXElement& element)
{
    if (!element.providesTextMarkers())
        return std::nullopt;
    std::optional<AXElement> e = element;
    for (int i = 0; i < 8 && e; ++i) {
        if (const auto range = axvalue::markerRange(e->attribute(attr(ax::kSelectedTextMarkerRange))))
            return std::make_pair(*e, *range);
        if (e->string(attr(ax::kRole)) == QLatin1String(ax::kWebArea))
            return std::nullopt;
        e = e->element(attr(ax::kParent));
    }
    return std::nullopt;
}

std::optional<AXFieldSource::MarkerSelection> AXFieldSource::markerSelection(const AXElement& element)
{
    const auto holder = markerHolder(element);
    if (!holder)
        return std::nullopt;
    const auto whole = axvalue::markerRange(
        holder->first.parameterized(attr(ax::kTextMarkerRangeForUIElement), QVariant::fromValue(element.ref)));
    if (!whole)
        return std::nullopt;
    return MarkerSelection{holder->first, holder->second, *whole};
}

std::optional<qint64> AXFieldSource::markerCaretPosition(const AXElement& element, const MarkerSelection& selection,
                                                         const QString& before)
{
    const AXTextMarkerRange toCaret{selection.elementRange.start, selection.selected.end};
    const QVariant text = selection.holder.parameterized(attr(ax::kStringForTextMarkerRange), QVariant::fromValue(toCaret));
    if (text.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    auto strip = [](const QString& s) {
        QString out;
        out.reserve(s.size());
        for (const QChar c : s)
            if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                out.append(c);
        return out;
    };
    const QString a = strip(text.toString());
    const QString b = strip(before);
    if (a.size() >= b.size() && a.endsWith(b)) {
        if (a.size() == b.size() || before.size() >= kBeforeLimit)
            return std::nullopt;
    }
    const std::optional<QString> value = element.string(attr(ax::kValue));
    if (!value || value->size() > 200000)
        return std::nullopt;
    qsizetype counted = 0;
    for (qsizetype i = 0; i < value->size(); ++i) {
        const QChar c = value->at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue;
        if (++counted == a.size())
            return i + 1;
    }
    return value->size();
}

std::optional<FieldSnapshot> AXFieldSource::snapshot()
{
    const QString lbl = label();
    // Programs built on Chromium that show no focused element keep their web content to
    // themselves: the user is told how to start them.
    std::optional<RestartHint> hint;
    const auto publish = qScopeGuard([&] { setRestartHint(hint); });
    const auto hintForApp = [this, &lbl] {
        QString command = app_->launchCommand;
        if (!command.isEmpty())
            command += QLatin1Char(' ') + QString::fromLatin1(kRendererAccessibilitySwitch);
        return RestartHint{app_->localizedName.isEmpty() ? lbl : app_->localizedName, command};
    };
    if (app_ && !appElement_ && app_->pid != QCoreApplication::applicationPid()) {
        if (const std::optional<QString> problem = accessibility_.connectionProblem()) {
            whyNoField_ = lbl + QStringLiteral(": ") + *problem;
            return std::nullopt;
        }
    }
    if (app_ && !appElement_ && accessibility_.isProcessTrusted() && app_->pid != QCoreApplication::applicationPid()) {
        // The application shows no accessibility tree: toolkits that read the accessibility
        // switch only when they start need a restart.
        const QString name = app_->localizedName.isEmpty() ? lbl : app_->localizedName;
        whyNoField_ = lbl + QStringLiteral(": ") + name
            + QStringLiteral(" shares no text; if it was started before accessibility was switched on, restart it");
        if (app_->webRuntime != WebRuntime::none)
            hint = hintForApp();
        return std::nullopt;
    }
    const std::optional<AXElement> focused = app_ && appElement_ ? appElement_.element(attr(ax::kFocusedUIElement)) : std::nullopt;
    if (!focused) {
        whyNoField_ = lbl + QStringLiteral(": nothing focused");
        if (appElement_
            && (app_->webRuntime != WebRuntime::none
                || appElement_.string(attr(ax::kToolkitName)).value_or(QString()).compare(QLatin1String("Chromium"), Qt::CaseInsensitive) == 0))
            hint = hintForApp();
        return std::nullopt;
    }
    const AXElement& element = *focused;
    element.setMessagingTimeout(kMessagingTimeout);
    const QString role = element.string(attr(ax::kRole)).value_or(QString());
    if (!isTextField(element, role)) {
        whyNoField_ = lbl + QStringLiteral(": focused ") + role + QStringLiteral(" isn't a text field");
        return std::nullopt;
    }
    const std::optional<AXRange> selection = element.range(attr(ax::kSelectedTextRange));
    if (!selection) {
        whyNoField_ = lbl + QStringLiteral(": focused ") + role + QStringLiteral(" has no caret position");
        return std::nullopt;
    }
    qint64 location = std::max<qint64>(selection->location, 0);
    const qint64 selectionLength = std::max<qint64>(selection->length, 0);
    const bool secure = role == QLatin1String(ax::kSecureTextField)
        || element.string(attr(ax::kSubrole)) == QLatin1String(ax::kSecureTextField) || accessibility_.isSecureInputEnabled();

    QString before, after, rawBefore;
    if (!secure) {
        std::optional<TextRead> read = readText(element, location, selectionLength);
        if (!read) {
            whyNoField_ = lbl + QStringLiteral(": focused ") + role + QStringLiteral(" won't share its text");
            return std::nullopt;
        }
        if (const auto markers = markerSelection(element)) {
            if (const auto position = markerCaretPosition(element, *markers, read->rawBefore); position && *position != location) {
                if (auto again = readText(element, *position, selectionLength))
                    read = again;
            }
            const bool onlyBlank = std::all_of(read->after.begin(), read->after.end(), [](QChar c) { return c.isSpace(); });
            if (!read->after.isEmpty() && chars::isLineBreak(read->after[0].unicode()) && onlyBlank) {
                read->before += QLatin1Char('\n');
                read->rawBefore += QLatin1Char('\n');
                read->after.remove(0, 1);
                read->location += 1;
            }
        }
        before = read->before;
        after = read->after;
        rawBefore = read->rawBefore;
        location = read->location;
    }

    // Positions in the field are counted in the text as it holds it, zero-width characters
    // included.
    Caret caret = caretRect(element, location, rawBefore);
    const QString key = fieldKeyOf(app_->pid, element);
    auto [fontSize, fontName] = readFont(element, location);
    if (fontSize) {
        rememberedFont_ = RememberedFont{key, *fontSize, fontName};
    } else if (rememberedFont_ && rememberedFont_->fieldKey == key) {
        fontSize = rememberedFont_->size;
        fontName = rememberedFont_->name;
    }
    if (!caret.lineStartX && caret.rect)
        caret.lineStartX = lineStartX(element, location, rawBefore, *caret.rect);
    const std::optional<QRectF> frame = element.frame();
    if (!secure && !caret.rect && frame) {
        if (const auto estimate = estimateCaret(before, after, fontSize, fontName, *frame)) {
            caret.rect = estimate->caret;
            caret.lineStartX = estimate->lineStartX;
            if (!fontSize)
                fontSize = estimate->fontSize;
            logField(role + QStringLiteral(" caret measured from its text"));
        }
    }

    whyNoField_.reset();
    FieldSnapshot s;
    s.fieldKey = key;
    s.bundleID = app_->bundleIdentifier.isEmpty() ? QStringLiteral("unknown") : app_->bundleIdentifier;
    s.appName = app_->localizedName.isEmpty() ? QStringLiteral("App") : app_->localizedName;
    s.role = role;
    s.before = before;
    s.after = after;
    s.selectionLength = selectionLength;
    s.caretRect = caret.rect;
    s.lineStartX = caret.lineStartX;
    s.fieldFrame = frame;
    s.fontSize = fontSize;
    s.fontName = fontName;
    s.isSecure = secure;
    s.domain = focusDomain_;
    s.windowTitle = focusWindowTitle_;
    s.isLocal = false;
    return s;
}

void AXFieldSource::insert(const QString& text, InsertionMethod mode)
{
    switch (mode) {
    case InsertionMethod::typing:
        if (injector_)
            injector_->type(text);
        return;
    case InsertionMethod::paste:
        if (injector_)
            injector_->paste(text);
        return;
    case InsertionMethod::accessibility: {
        const std::optional<AXElement> focused = appElement_ ? appElement_.element(attr(ax::kFocusedUIElement)) : std::nullopt;
        if (focused && focused->set(attr(ax::kSelectedText), text))
            return;
        if (injector_)
            injector_->type(text);
        return;
    }
    }
}

void AXFieldSource::deleteBackward(int count)
{
    if (injector_ && count >= 1)
        injector_->deleteBackward(count);
}

} // namespace tq
