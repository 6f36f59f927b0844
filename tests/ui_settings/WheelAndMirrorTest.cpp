// Scrolling panes keep the wheel from unfocused pickers and sliders; the rule list's rows and the
// ink backdrop's glow mirror right to left; the tray note says why the icon is missing.

#include "platform/TrayHost.h"
#include "ui/design/Backdrop.h"
#include "ui/design/WheelGuard.h"
#include "ui/settings/GeneralPane.h"
#include "ui/settings/RuleRowDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace tq {

namespace {

// A tall scrolling page with a picker and a slider near its top.
struct Page {
    explicit Page(bool guarded)
    {
        area.resize(300, 200);
        auto* content = new QWidget;
        auto* column = new QVBoxLayout(content);
        field = new QLineEdit(content); // holds the focus away from the controls
        column->addWidget(field);
        box = new QComboBox(content);
        box->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        box->setCurrentIndex(1);
        slider = new QSlider(Qt::Horizontal, content);
        slider->setRange(0, 100);
        slider->setValue(50);
        column->addWidget(box);
        column->addWidget(slider);
        column->addSpacing(2000);
        area.setWidget(content);
        area.setWidgetResizable(true);
        if (guarded)
            guardWheel(&area);
        area.show();
        QApplication::processEvents();
    }
    void wheelDown(QWidget* w)
    {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    QScrollArea area;
    QLineEdit* field = nullptr;
    QComboBox* box = nullptr;
    QSlider* slider = nullptr;
};

} // namespace

TEST(WheelGuard, UnfocusedControlsPassTheTurnToThePane)
{
    struct Case {
        const char* name;
        bool guarded;
        bool focused;
        bool controlMoves;
    } cases[] = {
        {"guarded, not focused: the pane scrolls", true, false, false},
        {"guarded and focused: the control takes it", true, true, true},
        {"not guarded: as Qt does", false, false, true},
    };
    for (const Case& c : cases) {
        for (bool slider : {false, true}) {
            Page page(c.guarded);
            QWidget* control = slider ? static_cast<QWidget*>(page.slider) : page.box;
            page.area.activateWindow();
            (c.focused ? control : page.field)->setFocus();
            QApplication::processEvents();
            ASSERT_EQ(control->hasFocus(), c.focused) << c.name;
            page.wheelDown(control);
            const bool moved = slider ? page.slider->value() != 50 : page.box->currentIndex() != 1;
            EXPECT_EQ(moved, c.controlMoves) << c.name << (slider ? " (slider)" : " (picker)");
            if (c.guarded && !c.focused)
                EXPECT_GT(page.area.verticalScrollBar()->value(), 0) << c.name;
            if (c.guarded && !slider) // a wheel turn no longer hands the picker the focus
                EXPECT_EQ(page.box->focusPolicy(), Qt::StrongFocus) << c.name;
        }
    }
}

TEST(RuleRows, MirrorRightToLeft)
{
    QListWidget list;
    list.resize(260, 40);
    list.setItemDelegate(new RuleRowDelegate(&list));
    QPixmap red(18, 18);
    red.fill(Qt::red);
    auto* item = new QListWidgetItem(QIcon(red), QStringLiteral("Text Editor"), &list);
    item->setData(keyRole, QStringLiteral("app:org.gnome.TextEditor"));
    item->setData(wordsRole, 1200);
    for (Qt::LayoutDirection dir : {Qt::LeftToRight, Qt::RightToLeft}) {
        list.setLayoutDirection(dir);
        list.show();
        QApplication::processEvents();
        const QImage shot = list.viewport()->grab().toImage();
        int leftmost = shot.width(), rightmost = -1;
        for (int x = 0; x < shot.width(); ++x)
            for (int y = 0; y < shot.height(); ++y) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
                    leftmost = std::min(leftmost, x);
                    rightmost = std::max(rightmost, x);
                }
            }
        ASSERT_GE(rightmost, 0);
        // The icon stands at the leading edge: left, or right in a right-to-left interface.
        if (dir == Qt::LeftToRight)
            EXPECT_LT(leftmost, 30);
        else
            EXPECT_GT(rightmost, shot.width() - 30);
    }
}

TEST(InkBackdrop, TheGlowSitsAtTheLeadingTopCorner)
{
    for (Qt::LayoutDirection dir : {Qt::LeftToRight, Qt::RightToLeft}) {
        QImage img(800, 400, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        paintInkBackdrop(p, QRectF(img.rect()), dir);
        p.end();
        const auto warmth = [&](int x) { return qRed(img.pixel(x, 4)) - qBlue(img.pixel(x, 4)); };
        const bool rightWarmer = warmth(796) > warmth(4);
        EXPECT_EQ(rightWarmer, dir == Qt::LeftToRight);
    }
}

TEST(PaneTexts, WithoutATrayTheNoteSaysWhyAndWhatBringsOne)
{
    const QString running = trayIconDetail(true, TrayHelp::panelApplet);
    EXPECT_TRUE(running.startsWith(QStringLiteral("Pause or open Settings")));
    const QString none = trayIconDetail(false, TrayHelp::installAppIndicator);
    EXPECT_TRUE(none.startsWith(QStringLiteral("No system tray runs on this desktop")));
    EXPECT_TRUE(none.contains(QStringLiteral("gnome-shell-extension-appindicator")));
}

} // namespace tq
