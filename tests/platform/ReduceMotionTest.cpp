#include "platform/ReduceMotion.h"

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
