#include "ui/design/Text.h"

#include "look/Palette.h"

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

QStringList wrapLines(const QString& text, const QFont& font, double width, int maxLines)
{
    QStringList out;
    if (text.isEmpty() || width <= 0 || maxLines <= 0)
        return out;
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (out.size() + 1 == maxLines) {
            const QString rest = text.mid(line.textStart());
            out << QFontMetricsF(font).elidedText(rest.simplified(), Qt::ElideRight, width);
            break;
        }
        out << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return out;
}

} // namespace tq
