#pragma once
// What a shown window breaks of the shared look, found by walking its widgets: a font off the
// type ladder, a widget on the desktop's light palette, a stock widget no ink style sheet
// reaches, a style sheet without selectors (it paints every child a second time). Empty when
// the look holds. Give it a window after show(); it reads the widgets as the user sees them.

#include "ui/design/Fonts.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStringList>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

namespace tq::testing {

inline QString lookName(const QWidget* w)
{
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        name += QLatin1Char('#') + w->objectName();
    if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty())
        name += QStringLiteral(" \"") + l->text().left(30) + QLatin1Char('"');
    return name;
}

// The stock widget classes the ink style sheet must reach, by the selector that styles them.
inline QString stockSelector(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w))
        return QStringLiteral("QLineEdit");
    if (qobject_cast<const QPlainTextEdit*>(w))
        return QStringLiteral("QPlainTextEdit");
    if (qobject_cast<const QTextEdit*>(w))
        return QStringLiteral("QTextEdit");
    if (qobject_cast<const QComboBox*>(w))
        return QStringLiteral("QComboBox");
    if (qobject_cast<const QAbstractItemView*>(w))
        return QStringLiteral("View");
    if (qobject_cast<const QMenu*>(w))
        return QStringLiteral("QMenu");
    if (qobject_cast<const QScrollBar*>(w))
        return QStringLiteral("QScrollBar");
    if (qobject_cast<const QMessageBox*>(w))
        return QStringLiteral("QMessageBox");
    if (qobject_cast<const QToolButton*>(w))
        return QStringLiteral("QToolButton");
    return {};
}

inline bool sheetReaches(const QWidget* w, const QString& selector)
{
    for (const QWidget* at = w; at; at = at->parentWidget())
        if (at->styleSheet().contains(selector))
            return true;
    return false;
}

// A sheet with declarations outside any rule: "background: red;" alone styles every child.
inline bool hasBareDeclarations(const QString& sheet)
{
    QString outside = sheet;
    outside.remove(QRegularExpression(QStringLiteral("\\{[^}]*\\}")));
    return outside.contains(QLatin1Char(':')) && outside.contains(QLatin1Char(';'));
}

inline bool light(const QColor& c) { return c.alphaF() > 0.5 && c.lightnessF() > 0.6; }
inline bool dark(const QColor& c) { return c.alphaF() > 0.5 && c.lightnessF() < 0.35; }

inline QStringList lookFaults(QWidget* window)
{
    QStringList faults;
    QList<QWidget*> widgets{window};
    widgets += window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (w != window && !w->isVisibleTo(window))
            continue;
        const QString name = lookName(w);
        const QFont f = w->font();
        if (!fonts::onLadder(f))
            faults << QStringLiteral("%1: font %2 off the ladder")
                          .arg(name, f.pixelSize() > 0 ? QStringLiteral("%1 px").arg(f.pixelSize())
                                                       : QStringLiteral("%1 pt").arg(f.pointSizeF()));
        const QPalette& pal = w->palette();
        if (light(pal.color(QPalette::Window)))
            faults << QStringLiteral("%1: light window colour %2").arg(name, pal.color(QPalette::Window).name());
        if (light(pal.color(QPalette::Base)))
            faults << QStringLiteral("%1: light field colour %2").arg(name, pal.color(QPalette::Base).name());
        if ((qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) && dark(pal.color(w->foregroundRole())) &&
            w->foregroundRole() != QPalette::NoRole)
            faults << QStringLiteral("%1: dark text %2").arg(name, pal.color(w->foregroundRole()).name());
        if (hasBareDeclarations(w->styleSheet()))
            faults << QStringLiteral("%1: style sheet without a selector").arg(name);
        const QString selector = stockSelector(w);
        if (!selector.isEmpty() && !sheetReaches(w, selector))
            faults << QStringLiteral("%1: no ink style sheet for %2").arg(name, selector);
    }
    return faults;
}

} // namespace tq::testing
