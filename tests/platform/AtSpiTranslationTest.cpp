#include "platform/AtSpiAccessibility.h"

#include <gtest/gtest.h>

#undef signals
#include <atspi/atspi-constants.h>
#define signals Q_SIGNALS

using namespace tq;

TEST(AtSpiTranslation, Roles)
{
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_ENTRY, false), QStringLiteral("AXTextField"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_TEXT, false), QStringLiteral("AXTextField"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_TEXT, true), QStringLiteral("AXTextArea"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_PASSWORD_TEXT, false), QStringLiteral("AXTextField"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_DOCUMENT_WEB, false), QStringLiteral("AXWebArea"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_LABEL, false), QStringLiteral("AXStaticText"));
    EXPECT_EQ(AtSpiAccessibility::roleName(ATSPI_ROLE_PUSH_BUTTON, false), QStringLiteral("AXButton"));
}

TEST(AtSpiTranslation, FontSizesBecomeScreenPixels)
{
    const struct {
        const char16_t* css;
        double dpi;
        std::optional<double> pixels;
    } cases[] = {
        {u"12", 96, 16},      // GTK: points
        {u"10.5pt", 96, 14},  // Gecko, Qt
        {u"12", 144, 24},     // a desktop at 1.5 times the resolution
        {u"16px", 144, 16},
        {u"1.5em", 96, 24},
        {u"large", 96, std::nullopt},
        {u"-3", 96, std::nullopt},
        {u"12", 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AtSpiAccessibility::fontSizeOnScreen(c.css, c.dpi), c.pixels) << QString::fromUtf16(c.css).toStdString();
}

// GNOME at 200 % on X11 with GDK_SCALE=2 in a GTK application's environment: GTK takes the
// desktop's 192 dots per inch whole and doubles them, so its text is twice this program's.
TEST(AtSpiTranslation, TextScaleOfTheFieldsToolkit)
{
    const auto env = [](std::initializer_list<std::pair<const char*, const char*>> values) {
        QProcessEnvironment e;
        for (const auto& [k, v] : values)
            e.insert(k, v);
        return e;
    };
    const struct {
        const char* toolkit;
        QProcessEnvironment field, own;
        double scale;
    } cases[] = {
        {"GTK", env({{"GDK_SCALE", "2"}}), {}, 2},
        {"gtk", env({{"GDK_SCALE", "2"}, {"GDK_DPI_SCALE", "0.5"}}), {}, 1},
        {"GTK", env({{"GDK_SCALE", "2.7"}}), {}, 2},
        {"GTK", env({{"GDK_SCALE", "junk"}}), {}, 1},
        {"GTK", {}, {}, 1},
        {"Qt", env({{"QT_SCALE_FACTOR", "1.5"}}), {}, 1.5},
        {"Qt", env({{"GDK_SCALE", "2"}}), {}, 1},
        {"Gecko", env({{"GDK_SCALE", "2"}}), {}, 1},
        {"GTK", env({{"GDK_SCALE", "2"}}), env({{"QT_SCALE_FACTOR", "2"}}), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AtSpiAccessibility::textScale(QString::fromLatin1(c.toolkit), c.field, c.own), c.scale)
            << c.toolkit << " " << c.field.toStringList().join(' ').toStdString();
}

// Positions the toolkits report, in this program's logical pixels: GNOME at 200 % (ratio 2,
// GDK_SCALE=2), KDE or Xfce at 150 % (ratio 1.5, GTK left at scale 1).
TEST(AtSpiTranslation, PixelScaleOfTheFieldsToolkit)
{
    const auto env = [](const char* name, const char* value) {
        QProcessEnvironment e;
        e.insert(name, value);
        return e;
    };
    const struct {
        const char* toolkit;
        QProcessEnvironment field, own;
        double ratio, scale;
    } cases[] = {
        {"GTK", {}, {}, 1, 1},
        {"GTK", env("GDK_SCALE", "2"), {}, 2, 1},
        {"GTK", {}, {}, 1.5, 1 / 1.5},
        {"GTK", env("GDK_SCALE", "2"), {}, 1.5, 2 / 1.5},
        {"Gecko", {}, {}, 1.5, 1 / 1.5},
        {"Qt", {}, {}, 1.5, 1},
        {"Qt", env("QT_SCALE_FACTOR", "2"), {}, 1, 2},
        {"Qt", {}, env("QT_SCALE_FACTOR", "2"), 2, 0.5},
        {"GTK", {}, {}, 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(AtSpiAccessibility::pixelScale(QString::fromLatin1(c.toolkit), c.field, c.own, c.ratio), c.scale)
            << c.toolkit << " at " << c.ratio << " " << c.field.toStringList().join(' ').toStdString();
}

TEST(AtSpiTranslation, Notifications)
{
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"object:state-changed:focused", 1), QStringLiteral("AXFocusedUIElementChanged"));
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"object:state-changed:focused", 0), QString());
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"window:activate", 0), QStringLiteral("AXFocusedWindowChanged"));
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"object:text-changed:insert", 0), QStringLiteral("AXValueChanged"));
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"object:text-caret-moved", 0), QStringLiteral("AXSelectedTextChanged"));
    EXPECT_EQ(AtSpiAccessibility::axNotification(u"object:text-selection-changed", 0), QStringLiteral("AXSelectedTextChanged"));
}

TEST(AtSpiTranslation, RangesNeverSplitASurrogatePair)
{
    const QString text = QStringLiteral("a\U0001F600b");
    EXPECT_EQ(utf16::clampToPairs(text, {2, 2}), (AXRange{3, 1}));
    EXPECT_EQ(utf16::clampToPairs(text, {0, 2}), (AXRange{0, 1}));
    EXPECT_EQ(utf16::clampToPairs(text, {0, 3}), (AXRange{0, 3}));
    EXPECT_EQ(utf16::clampToPairs(text, {2, 0}), (AXRange{3, 0}));
    EXPECT_EQ(utf16::clampToPairs(text, {3, 10}), (AXRange{3, 1}));
}
