#include "platform/ReduceMotion.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

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

TEST(SystemReduceMotion, EnvironmentDecidesForTheRun)
{
    {
        EnvScope on("TESSAQUILL_REDUCE_MOTION", "1");
        EXPECT_TRUE(SystemReduceMotion().isOn());
    }
    EnvScope off("TESSAQUILL_REDUCE_MOTION", "0");
    EXPECT_FALSE(SystemReduceMotion().isOn());
}

TEST(SystemReduceMotion, FollowsKdeAnimationSpeed)
{
    QTemporaryDir config;
    EnvScope home("XDG_CONFIG_HOME", config.path().toUtf8());
    EnvScope env("TESSAQUILL_REDUCE_MOTION", "");
    EnvScope backend("GSETTINGS_BACKEND", "memory"); // GNOME's default: animations on
    SystemReduceMotion motion;
    EXPECT_FALSE(motion.isOn());
    QSignalSpy changed(&motion, &ReduceMotion::changed);
    QFile f(config.path() + QStringLiteral("/kdeglobals"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[KDE]\nAnimationDurationFactor=0\n");
    f.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return motion.isOn(); }, 5000));
    ASSERT_GE(changed.size(), 1);
    EXPECT_TRUE(changed.last().at(0).toBool());
}

namespace {
// Processes this one has started and not yet reaped.
int childProcesses()
{
    int n = 0;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(QStringLiteral("/proc/self/task/%1/children").arg(task));
        if (f.open(QIODevice::ReadOnly) && !f.readAll().trimmed().isEmpty())
            ++n;
    }
    return n;
}
} // namespace

TEST(SystemReduceMotion, FollowsGnomeAnimationsInProcess)
{
    QTemporaryDir config;
    EnvScope home("XDG_CONFIG_HOME", config.path().toUtf8());
    EnvScope env("TESSAQUILL_REDUCE_MOTION", "");
    EnvScope backend("GSETTINGS_BACKEND", "memory");
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE) : nullptr;
    if (!schema)
        GTEST_SKIP() << "GNOME's desktop schemas are not installed";
    g_settings_schema_unref(schema);
    SystemReduceMotion motion;
    EXPECT_FALSE(motion.isOn());
    GSettings* gnome = g_settings_new("org.gnome.desktop.interface");
    g_settings_set_boolean(gnome, "enable-animations", FALSE);
    EXPECT_TRUE(QTest::qWaitFor([&] { return motion.isOn(); }, 5000));
    g_settings_reset(gnome, "enable-animations");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !motion.isOn(); }, 5000));
    g_object_unref(gnome);
    EXPECT_EQ(childProcesses(), 0);
}
