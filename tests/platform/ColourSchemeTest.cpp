#include "platform/ColourScheme.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tq;

namespace {
struct EnvScope {
    EnvScope(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvScope()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    const char* name_;
    QByteArray old_;
    bool had_;
};
} // namespace

TEST(ColourScheme, EachSourceSaysDarkLightOrNothing)
{
    const std::optional<bool> dark = true, light = false, none;
    EXPECT_EQ(parsePortalColourScheme(1), dark);
    EXPECT_EQ(parsePortalColourScheme(2), light);
    EXPECT_EQ(parsePortalColourScheme(0), none);
    EXPECT_EQ(parseGnomeColourScheme("'prefer-dark'\n"), dark);
    EXPECT_EQ(parseGnomeColourScheme("'prefer-light'"), light);
    EXPECT_EQ(parseGnomeColourScheme("'default'"), none);
    EXPECT_EQ(parseGnomeColourScheme(""), none); // no such key on older GNOME
    EXPECT_EQ(parseGtkTheme("'Adwaita-dark'"), dark);
    EXPECT_EQ(parseGtkTheme("'Yaru:dark'"), dark);
    EXPECT_EQ(parseGtkTheme("'Adwaita'"), none);
    EXPECT_EQ(parseKdeColours("[General]\nColorScheme=BreezeDark\n"), dark);
    EXPECT_EQ(parseKdeColours("[General]\nColorScheme=BreezeDark\n[Colors:Window]\nBackgroundNormal=239,240,241\n"), light);
    EXPECT_EQ(parseKdeColours("[Colors:Window]\nBackgroundNormal=32,35,38\n"), dark);
    EXPECT_EQ(parseKdeColours("[Colors:View]\nBackgroundNormal=32,35,38\n"), none);

    // The portal first, then GNOME's scheme, its theme, KDE; nothing said: light.
    EXPECT_FALSE(darkFrom({light, dark, dark, dark}));
    EXPECT_TRUE(darkFrom({none, dark, none, light}));
    EXPECT_TRUE(darkFrom({none, none, none, dark}));
    EXPECT_FALSE(darkFrom({}));
}

TEST(SystemColourScheme, FollowsKdeColours)
{
    QTemporaryDir config;
    EnvScope home("XDG_CONFIG_HOME", config.path().toUtf8());
    EnvScope backend("GSETTINGS_BACKEND", "memory"); // GNOME's defaults: no say
    SystemColourScheme scheme;
    EXPECT_FALSE(scheme.isDark());
    QSignalSpy changed(&scheme, &ColourScheme::changed);
    QFile f(config.path() + QStringLiteral("/kdeglobals"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Colors:Window]\nBackgroundNormal=42,46,50\n");
    f.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return scheme.isDark(); }, 5000));
    ASSERT_GE(changed.size(), 1);
    EXPECT_TRUE(changed.last().at(0).toBool());
}
