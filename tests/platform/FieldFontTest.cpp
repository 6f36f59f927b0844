#include "platform/FieldFont.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace tq {
namespace {

// Families as toolkits report them resolve to an installed face: named, listed or generic.
TEST(FieldFont, NamedListedAndGenericFamilies)
{
    const QString general = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    const struct {
        const char* reported;
        const char* family; // nullptr: any fixed-pitch face
    } cases[] = {
        {"DejaVu Sans Mono", "DejaVu Sans Mono"},
        {"'DejaVu Serif', serif", "DejaVu Serif"},
        {"\"No Such Face\", DejaVu Sans Mono", "DejaVu Sans Mono"},
        {"monospace", nullptr},
        {"Monospace", nullptr},
        {"No Such Face", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const QFont font = fieldFont(QString::fromUtf8(c.reported), 13.4);
        const QFontInfo info(font);
        EXPECT_EQ(font.pixelSize(), 13) << c.reported;
        if (!c.family)
            EXPECT_TRUE(info.fixedPitch()) << c.reported << " → " << info.family().toStdString();
        else
            EXPECT_EQ(info.family(), *c.family ? QString::fromUtf8(c.family) : general) << c.reported;
    }
}

} // namespace
} // namespace tq
