#include "field/LaidOutText.h"

#include "platform/Chars.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextLayout>

namespace tq {

LaidOutText LaidOutText::layout(const QString& text, const QFont& font, double width)
{
    // Qt's layout breaks lines only at U+2028: every line break becomes one, keeping the
    // UTF-16 length (the "\n" of "\r\n" becomes a zero-width space on the next line).
    QString prepared = text;
    for (qsizetype i = 0; i < prepared.size(); ++i) {
        const char16_t u = prepared[i].unicode();
        if (u == u'\n' && i > 0 && text[i - 1] == QLatin1Char('\r'))
            prepared[i] = QChar(0x200B);
        else if (chars::isLineBreak(u))
            prepared[i] = QChar(QChar::LineSeparator);
    }
    LaidOutText out;
    out.layout_ = std::make_shared<QTextLayout>(prepared, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    out.layout_->setTextOption(option);
    out.layout_->setCacheEnabled(true);
    out.layout_->beginLayout();
    for (;;) {
        QTextLine line = out.layout_->createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        out.lines_.push_back({line.textStart(), line.textLength(), line.naturalTextWidth()});
    }
    out.layout_->endLayout();
    // A text that ends with a line break has no line after it (as in the platform
    // framesetter); Qt adds an empty one.
    if (out.lines_.size() > 1 && out.lines_.back().length == 0 && !text.isEmpty() && chars::isLineBreak(text.back().unicode()))
        out.lines_.pop_back();
    return out;
}

double LaidOutText::offsetFor(int line, qsizetype c) const
{
    if (!layout_ || line < 0 || line >= layout_->lineCount())
        return 0;
    return layout_->lineAt(line).cursorToX(int(c));
}

} // namespace tq
