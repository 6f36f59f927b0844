#include "ui/design/Theme.h"

#include "ui/design/Fonts.h"
#include "look/Palette.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QStyle>
#include <QWidget>

namespace tq {

namespace {
QString css(const QColor& c) { return c.name(QColor::HexArgb); }

constexpr char kThemed[] = "inkTheme";

// Under a style sheet Qt hands neither palette nor font down to a widget made after the sheet
// was set. As each widget of a themed window is polished (parents first), what it did not set
// itself is filled in from its parent.
void inheritFromParent(QWidget* w)
{
    if (QWidget* parent = w->parentWidget()) {
        w->setPalette(w->palette().resolve(parent->palette()));
        w->setFont(w->font().resolve(parent->font()));
    }
}

class InkInheritance final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Polish && object->isWidgetType()) {
            auto* w = static_cast<QWidget*>(object);
            if (!w->isWindow() && w->window()->property(kThemed).toBool()) {
                inheritFromParent(w);
                // Every button of our windows shows the pointing hand, unless it chose its own.
                if (qobject_cast<QAbstractButton*>(w) && !w->testAttribute(Qt::WA_SetCursor))
                    w->setCursor(Qt::PointingHandCursor);
            }
        }
        return false;
    }
};

// Menus a widget opens as windows of their own (a text field's context menu).
QString menuStyleSheet()
{
    const QString raised = css(palette::inkRaised()), paper = css(palette::paper()), edge = css(palette::hairline()),
                  highlight = css(palette::inkHighlight()), off = css(palette::withOpacity(palette::paper(), 0.45));
    return QStringLiteral("QMenu { background: %1; color: %2; border: 1px solid %3; padding: 4px; }"
                          "QMenu::item { padding: 4px 18px; border-radius: 4px; }"
                          "QMenu::item:selected { background: %4; }"
                          "QMenu::item:disabled { color: %5; }"
                          "QMenu::separator { height: 1px; background: %3; margin: 4px 6px; }")
        .arg(raised, paper, edge, highlight, off);
}

// Thin, quiet scroll bars on ink.
QString scrollBarStyleSheet()
{
    return QStringLiteral("QScrollBar:vertical { background: transparent; width: 8px; margin: 2px; }"
                          "QScrollBar:horizontal { background: transparent; height: 8px; margin: 2px; }"
                          "QScrollBar::handle { background: %1; border-radius: 3px; }"
                          "QScrollBar::handle:vertical { min-height: 24px; }"
                          "QScrollBar::handle:horizontal { min-width: 24px; }"
                          "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
                          "QScrollBar::add-page, QScrollBar::sub-page { background: transparent; }")
        .arg(css(palette::washBright()));
}
} // namespace

QPalette inkPalette(QPalette pal)
{
    const QColor dimmed = palette::withOpacity(palette::paper(), 0.45);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool off = group == QPalette::Disabled;
        pal.setColor(group, QPalette::Window, palette::ink());
        pal.setColor(group, QPalette::WindowText, off ? dimmed : palette::paper());
        pal.setColor(group, QPalette::Base, palette::inkRaised());
        pal.setColor(group, QPalette::AlternateBase, palette::inkHighlight());
        pal.setColor(group, QPalette::Text, off ? dimmed : palette::paper());
        pal.setColor(group, QPalette::PlaceholderText, palette::paperDim());
        pal.setColor(group, QPalette::Button, palette::inkRaised());
        pal.setColor(group, QPalette::ButtonText, off ? dimmed : palette::paper());
        pal.setColor(group, QPalette::BrightText, palette::paper());
        pal.setColor(group, QPalette::Highlight, palette::gold());
        pal.setColor(group, QPalette::HighlightedText, palette::ink());
        pal.setColor(group, QPalette::Link, palette::gold());
        pal.setColor(group, QPalette::LinkVisited, palette::goldDeep());
        pal.setColor(group, QPalette::Light, palette::inkHighlight());
        pal.setColor(group, QPalette::Midlight, palette::inkHighlight());
        pal.setColor(group, QPalette::Mid, palette::inkRaised());
        pal.setColor(group, QPalette::Dark, palette::ink());
        pal.setColor(group, QPalette::Shadow, QColor(Qt::black));
        pal.setColor(group, QPalette::ToolTipBase, palette::inkRaised());
        pal.setColor(group, QPalette::ToolTipText, palette::paper());
    }
    return pal;
}

QString inkStyleSheet()
{
    static const QString sheet = [] {
        const QString ink = css(palette::ink()), raised = css(palette::inkRaised()),
                      highlight = css(palette::inkHighlight()), paper = css(palette::paper()),
                      off = css(palette::withOpacity(palette::paper(), 0.45)),
                      edge = css(palette::hairline()), gold = css(palette::gold()), wash = css(palette::washSoft());
        QString s;
        // Text fields.
        s += QStringLiteral("QLineEdit, QPlainTextEdit, QTextEdit, QSpinBox, QDoubleSpinBox { background: %1; color: %2;"
                            " border: 1px solid %3; border-radius: 6px; padding: 4px 6px; }"
                            "QLineEdit:focus, QPlainTextEdit:focus, QTextEdit:focus, QSpinBox:focus,"
                            " QDoubleSpinBox:focus { border-color: %4; }"
                            "QLineEdit:disabled, QPlainTextEdit:disabled, QTextEdit:disabled { color: %5; }"
                            "QLineEdit[inkVariant=\"bare\"], QPlainTextEdit[inkVariant=\"bare\"], QTextEdit[inkVariant=\"bare\"]"
                            " { background: transparent; border: none; padding: 0; }"
                            "QPlainTextEdit[inkVariant=\"card\"], QTextEdit[inkVariant=\"card\"]"
                            " { border-radius: 10px; padding: 0; }")
                 .arg(ink, paper, edge, gold, off);
        // Pickers: the list opens as a plain list in the same colours, not as a menu window.
        s += QStringLiteral("QComboBox { background: %1; color: %2; border: 1px solid %3; border-radius: 6px;"
                            " padding: 3px 8px; combobox-popup: 0; }"
                            "QComboBox:disabled { color: %4; }"
                            "QComboBox:focus { border-color: %5; }"
                            "QComboBox QAbstractItemView { background: %1; color: %2; border: 1px solid %3; outline: none;"
                            " selection-background-color: %6; selection-color: %2; }"
                            "QComboBox QAbstractItemView::item { padding: 3px 8px; }")
                 .arg(raised, paper, edge, off, gold, highlight);
        // Lists.
        s += QStringLiteral("QListView, QTreeView, QTableView { background: %1; color: %2; border: none; outline: none;"
                            " selection-background-color: %3; selection-color: %2; }")
                 .arg(ink, paper, highlight);
        s += menuStyleSheet() + scrollBarStyleSheet();
        // Message boxes and their buttons.
        s += QStringLiteral("QMessageBox { background: %1; }"
                            "QMessageBox QLabel { color: %2; }"
                            "QMessageBox QPushButton { background: %3; color: %2; border: 1px solid %4; border-radius: 6px;"
                            " padding: 4px 14px; min-width: 64px; }"
                            "QMessageBox QPushButton:focus { border-color: %5; }"
                            "QMessageBox QPushButton:pressed { background: %6; }")
                 .arg(ink, paper, highlight, edge, gold, raised);
        // Tool buttons and tool tips.
        s += QStringLiteral("QToolButton { background: transparent; color: %1; border: none; border-radius: 6px; padding: 2px; }"
                            "QToolButton:hover { background: %2; }"
                            "QToolButton:focus { border: 1px solid %3; }"
                            "QToolButton:disabled { color: %4; }"
                            "QToolButton::menu-indicator { image: none; width: 0; }"
                            "QToolButton[inkVariant=\"raised\"] { background: %7; border: 1px solid %6; border-radius: 7px;"
                            " padding: 5px 14px; }"
                            "QToolButton[inkVariant=\"raised\"]:hover { background: %8; }"
                            "QToolTip { background: %5; color: %1; border: 1px solid %6; }")
                 .arg(paper, wash, gold, off, raised, edge, highlight, css(palette::washBright()));
        return s;
    }();
    return sheet;
}

void applyInkTheme(QWidget* window)
{
    // Palettes and fonts set under the sheet are kept, not replaced by the sheet's.
    static InkInheritance* const inheritance = [] {
        QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
        auto* keeper = new InkInheritance(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(keeper);
        return keeper;
    }();
    Q_UNUSED(inheritance);
    window->setProperty(kThemed, true);
    window->setPalette(inkPalette(window->palette()));
    window->setFont(fonts::font(fonts::Role::body));
    window->setAutoFillBackground(true);
    window->setStyleSheet(inkStyleSheet());
}

void inheritInkTheme(QWidget* widget)
{
    inheritFromParent(widget);
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (!child->isWindow())
            inheritFromParent(child);
}

void setInkVariant(QWidget* widget, InkVariant variant)
{
    static const char* const names[] = {"bare", "card", "raised"};
    widget->setProperty("inkVariant", QString::fromLatin1(names[int(variant)]));
    // A widget already polished by the sheet is polished again to take its variant.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

void markBareField(QWidget* field)
{
    setInkVariant(field, InkVariant::bare);
}

} // namespace tq
