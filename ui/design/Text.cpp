#include "ui/design/Text.h"

#include "look/Palette.h"
#include "platform/Chars.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace tq {

void setLabelColour(QWidget* label, const QColor& colour)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Active, QPalette::WindowText, colour);
    pal.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, palette::withOpacity(colour, 0.45));
    label->setPalette(pal);
    // Inside a button (a toggle row) a label would take the button's text role.
    label->setForegroundRole(QPalette::WindowText);
}

QLabel* makeLabel(const QString& text, fonts::Role role, const QColor& colour, bool wrap, QWidget* parent)
{
    return makeLabel(text, fonts::font(role), colour, wrap, parent);
}

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, bool wrap, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    setLabelColour(l, colour);
    return l;
}

QStringList wrapLines(const QString& text, const QFont& font, double width, int maxLines, bool* cut)
{
    QStringList out;
    if (cut)
        *cut = false;
    if (text.isEmpty() || width <= 0 || maxLines <= 0)
        return out;
    const QFontMetricsF metrics(font);
    const auto elide = [&](const QString& s) {
        const QString shown = metrics.elidedText(s, Qt::ElideRight, width);
        if (cut && shown != s)
            *cut = true;
        return shown;
    };
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (out.size() + 1 == maxLines) {
            out << elide(text.mid(line.textStart()).simplified());
            break;
        }
        // A word longer than the line overflows it: elided at its end like the last line.
        out << elide(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return out;
}

QString wordsAround(const QStringList& words, qsizetype head, qsizetype tail)
{
    return QStringList(words.mid(0, head)).join(QLatin1Char(' ')) + QStringLiteral(" … ") +
           QStringList(words.mid(words.size() - tail)).join(QLatin1Char(' '));
}

QString shortenPart(const QString& whole, const QString& part, const std::function<bool(const QString&)>& fits)
{
    const qsizetype at = part.isEmpty() ? -1 : whole.indexOf(part);
    if (at < 0 || fits(whole))
        return whole;
    const QString before = whole.left(at), after = whole.mid(at + part.size());
    const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype keep = words.size() - 1; keep >= 1; --keep) {
        for (qsizetype head : {(keep + 1) / 2, keep / 2}) {
            const QString s = before + wordsAround(words, head, keep - head).trimmed() + after;
            if (fits(s))
                return s;
        }
    }
    const QList<qsizetype> ends = chars::boundaries(part); // ends[n]: where the first n characters end
    const qsizetype count = ends.size() - 1;
    for (qsizetype keep = count - 1; keep >= 1; --keep) {
        const qsizetype head = (keep + 1) / 2;
        // Inside a word the ellipsis joins its two halves.
        const QString s = before + part.left(ends[head]) + QChar(0x2026) + part.mid(ends[count - (keep - head)]) + after;
        if (fits(s))
            return s;
    }
    return before + QChar(0x2026) + after;
}

ElidedLabel::ElidedLabel(const QString& text, const QFont& font, const QColor& colour, Qt::TextElideMode mode, int maxLines,
                         QWidget* parent)
    : QLabel(parent), mode_(mode), maxLines_(std::max(1, maxLines))
{
    setFont(font);
    setLabelColour(this, colour);
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setFullText(text);
}

void ElidedLabel::setFullText(const QString& text)
{
    full_ = text;
    setAccessibleName(text);
    fit();
    updateGeometry();
}

QSize ElidedLabel::sizeHint() const
{
    const QFontMetrics m(font());
    return {m.horizontalAdvance(full_) + 1, m.lineSpacing() * (maxLines_ > 1 && width() > 0 ? int(wrapLines(full_, font(), width(), maxLines_).size()) : 1)};
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QFontMetrics m(font());
    return {m.horizontalAdvance(QStringLiteral("…")) * 3, sizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void ElidedLabel::fit()
{
    const int w = std::max(1, width());
    QString shown;
    if (maxLines_ == 1)
        shown = fontMetrics().elidedText(full_, mode_, w);
    else
        shown = wrapLines(full_, font(), w, maxLines_).join(QLatin1Char('\n'));
    if (shown != text()) {
        const int lines = int(shown.count(QLatin1Char('\n'))) + 1;
        QLabel::setText(shown);
        setMinimumHeight(fontMetrics().lineSpacing() * lines);
    }
}

} // namespace tq
