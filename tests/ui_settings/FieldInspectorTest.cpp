#include "ui/settings/FieldInspector.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace inspector;

Facts idleFacts()
{
    Facts f;
    f.status = QStringLiteral("Ready");
    f.engineTitle = QStringLiteral("Tessaquill model");
    return f;
}

FieldSnapshot typedField()
{
    FieldSnapshot s;
    s.appName = QStringLiteral("Zenity");
    s.role = QStringLiteral("AXTextField");
    s.before = QStringLiteral("secret plan: meet at noon");
    s.after = QStringLiteral(" by the river\nsecond line");
    s.caretRect = QRectF(100.9, 200.2, 1, 17.8);
    s.fieldFrame = QRectF(10, 20, 640.7, 31.9);
    s.fontSize = 12.5;
    s.windowTitle = QStringLiteral("Private letter to Ann");
    return s;
}

TEST(FieldInspector, ReportWithoutAFieldIsExactlyTheFixedLines)
{
    EXPECT_EQ(report(idleFacts()), QStringLiteral("Tessaquill diagnostics\nStatus: Ready\nEngine: Tessaquill model\n"
                                                  "Accessibility: false\nKeyboard listening: false\nWait: Not yet"));
}

TEST(FieldInspector, ReportWithAFieldHoldsFactsButNoneOfItsText)
{
    Facts f = idleFacts();
    f.accessibility = true;
    f.listening = true;
    f.latency = 1250;
    f.snapshot = typedField();
    const QString text = report(f);
    EXPECT_EQ(text, QStringLiteral("Tessaquill diagnostics\nStatus: Ready\nEngine: Tessaquill model\n"
                                   "Accessibility: true\nKeyboard listening: true\nWait: 1.3 s\n"
                                   "App: Zenity\nRole: AXTextField\nDomain: none\nField: 640x31\nCaret: true\n"
                                   "Font: System 13 pt\nLine end: false\nSecure: false\nCharacters before caret: 25"));
    for (const char* typed : {"secret", "noon", "river", "second", "Private", "Ann"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(typed))) << typed;

    f.snapshot->isSecure = true;
    f.snapshot->fieldFrame.reset();
    f.snapshot->caretRect.reset();
    f.snapshot->domain = QStringLiteral("example.org");
    f.snapshot->after = QStringLiteral("  \nmore");
    const QString secure = report(f);
    for (const char* line : {"\nSecure: true", "\nField: unknown", "\nCaret: false", "\nDomain: example.org", "\nLine end: true"})
        EXPECT_TRUE(secure.contains(QString::fromLatin1(line))) << line;
}

TEST(FieldInspector, RowsOnScreen)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FieldSnapshot s = typedField();
    EXPECT_EQ(fieldType(s.role), QStringLiteral("TextField"));
    EXPECT_EQ(fieldSize(s.fieldFrame), QStringLiteral("640 × 31 pt"));
    EXPECT_EQ(fieldSize(std::nullopt), QStringLiteral("Unknown"));
    EXPECT_EQ(caretText(s), QStringLiteral("Yes, at 100, 200 on screen, 17 pt tall, 25 characters before it and 25 after"));
    s.caretRect = QRectF(qInf(), -1e300, 1, std::nan(""));
    EXPECT_EQ(caretText(s), QStringLiteral("Yes, at 0, 0 on screen, 0 pt tall, 25 characters before it and 25 after"));
    struct Font {
        std::optional<double> size;
        std::optional<QString> name;
        const char* expected;
    } fonts[] = {
        {12.5, std::nullopt, "System 13 pt"},
        {12.4, QStringLiteral("Cantarell"), "Cantarell 12 pt"},
        {std::nullopt, QStringLiteral("Cantarell"), "Not reported, estimated from the caret"},
        {12.0, QStringLiteral("Mono %2 Pro"), "Mono %2 Pro 12 pt"}, // a "%2" in the name stays
    };
    for (const Font& f : fonts) {
        s.fontSize = f.size;
        s.fontName = f.name;
        EXPECT_EQ(fontText(s), QString::fromUtf8(f.expected));
    }
    EXPECT_EQ(recentApps({}), QStringLiteral("None yet"));
    EXPECT_EQ(recentApps({QStringLiteral("Zenity"), QStringLiteral("Files")}), QStringLiteral("Zenity and Files"));
}

TEST(FieldInspector, TextNearTheCaretCountsUserVisibleCharacters)
{
    FieldSnapshot s;
    const QString flag = QString::fromUtf8("\U0001F1E9\U0001F1EA"); // one character, four UTF-16 units
    s.before = QString(320, u'a') + flag.repeated(180);
    s.after = QString(100, u'b') + QStringLiteral("\nnext");
    EXPECT_EQ(textNearCaret(s), flag.repeated(180) + QChar(0x258F) + QString(40, u'b'));
    s.after.clear();
    s.before = QStringLiteral("short");
    EXPECT_EQ(textNearCaret(s), QStringLiteral("short") + QChar(0x258F));
}

} // namespace
} // namespace tq
