#include "platform/LoginItem.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tq {
namespace {

// Points the XDG config folders at temporary ones for the test's duration.
class LoginItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedHome_ = qgetenv("XDG_CONFIG_HOME");
        savedDirs_ = qgetenv("XDG_CONFIG_DIRS");
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_DIRS", system.path().toUtf8());
    }
    void TearDown() override
    {
        restore("XDG_CONFIG_HOME", savedHome_);
        restore("XDG_CONFIG_DIRS", savedDirs_);
    }
    static void restore(const char* name, const QByteArray& value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QString read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir home;
    QTemporaryDir system;
    QByteArray savedHome_, savedDirs_;
};

TEST_F(LoginItemTest, WritesAndRemovesTheAutostartEntry)
{
    XdgAutostartItem item(QStringLiteral("com.morvenfax.tessaquill"), QStringLiteral("/opt/tessaquill/bin/tessaquill"));
    const QString path = home.path() + QStringLiteral("/autostart/com.morvenfax.tessaquill.desktop");
    EXPECT_EQ(item.entryPath(), path);
    EXPECT_FALSE(item.isEnabled());

    QString error;
    ASSERT_TRUE(item.setEnabled(true, &error)) << error.toStdString();
    EXPECT_TRUE(item.isEnabled());
    const QString entry = read(path);
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=Tessaquill\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=/opt/tessaquill/bin/tessaquill\n")));
    EXPECT_FALSE(entry.contains(QStringLiteral("Hidden")));

    ASSERT_TRUE(item.setEnabled(true, &error)); // again: still one entry, still on
    ASSERT_TRUE(item.setEnabled(false, &error));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(item.isEnabled());
    EXPECT_TRUE(item.setEnabled(false, &error)); // nothing to remove is no failure
}

TEST_F(LoginItemTest, SystemWideEntryIsOverriddenWithAHiddenUserEntry)
{
    QDir(system.path()).mkpath(QStringLiteral("autostart"));
    QFile sys(system.path() + QStringLiteral("/autostart/tq.test.desktop"));
    ASSERT_TRUE(sys.open(QIODevice::WriteOnly));
    sys.write("[Desktop Entry]\nType=Application\nName=Tessaquill\nExec=tessaquill\n");
    sys.close();

    XdgAutostartItem item(QStringLiteral("tq.test"), QStringLiteral("/usr/bin/tessaquill"));
    EXPECT_TRUE(item.isEnabled());
    QString error;
    ASSERT_TRUE(item.setEnabled(false, &error));
    EXPECT_TRUE(read(item.entryPath()).contains(QStringLiteral("\nHidden=true\n")));
    EXPECT_FALSE(item.isEnabled());
    ASSERT_TRUE(item.setEnabled(true, &error));
    EXPECT_FALSE(read(item.entryPath()).contains(QStringLiteral("Hidden")));
    EXPECT_TRUE(item.isEnabled());
}

TEST_F(LoginItemTest, FailureIsASentenceNamingTheEntry)
{
    // A file where the autostart folder should be.
    QFile blocker(home.path() + QStringLiteral("/autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    XdgAutostartItem item(QStringLiteral("tq.test"), QStringLiteral("/usr/bin/tessaquill"));
    QString error;
    EXPECT_FALSE(item.setEnabled(true, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Could not "))) << error.toStdString();
    EXPECT_TRUE(error.contains(home.path() + QStringLiteral("/autostart")));
    EXPECT_TRUE(error.endsWith(QLatin1Char('.')));
}

TEST(XdgAutostartItem, ExecLineQuotesAndEscapesThePath)
{
    EXPECT_EQ(XdgAutostartItem::execLine(QStringLiteral("/usr/bin/tessaquill")), QStringLiteral("/usr/bin/tessaquill"));
    EXPECT_EQ(XdgAutostartItem::execLine(QStringLiteral("/home/ann/My Apps/tessaquill")),
              QStringLiteral("\"/home/ann/My Apps/tessaquill\""));
    // Inside quotes ", `, $ and \ take a backslash, which the entry format escapes again;
    // % is doubled so it is no field code.
    EXPECT_EQ(XdgAutostartItem::execLine(QStringLiteral("/tmp/a$b\"c\\d`e 100%")),
              QStringLiteral("\"/tmp/a\\\\$b\\\\\"c\\\\\\\\d\\\\`e 100%%\""));
    EXPECT_EQ(XdgAutostartItem::execLine(QStringLiteral("/opt/50%/tq")), QStringLiteral("/opt/50%%/tq"));
}

} // namespace
} // namespace tq
