#include "platform/ActiveApp.h"
#include "platform/AtSpiAccessibility.h"
#include "platform/fakes/FakeAccessibilityAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tq;

TEST(AppIdentifier, DesktopEntryIdsAndNames)
{
    EXPECT_EQ(appid::normalizedDesktopId(QStringLiteral("/usr/share/applications/org.gnome.TextEditor.desktop")),
              QStringLiteral("org.gnome.TextEditor"));
    EXPECT_EQ(appid::normalizedDesktopId(QStringLiteral("firefox")), QStringLiteral("firefox"));

    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("applications"));
    QFile f(home.filePath(QStringLiteral("applications/org.example.Notes.desktop")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Action new]\nName=New note\n\n[Desktop Entry]\nType=Application\nName=Notes\nName[xx]=Notizen\n");
    f.close();
    EXPECT_EQ(appid::desktopEntryName(QStringLiteral("org.example.Notes")), QStringLiteral("Notes"));
    EXPECT_EQ(appid::desktopEntryName(QStringLiteral("org.example.Missing")), QString());
    qputenv("XDG_DATA_HOME", saved);
}

TEST(AppIdentifier, ProcessLookups)
{
    const qint64 own = QCoreApplication::applicationPid();
    EXPECT_TRUE(appid::processExists(own));
    EXPECT_FALSE(appid::processExists(0));
    EXPECT_FALSE(appid::executableName(own).isEmpty());
    EXPECT_EQ(appid::executableName(-1), QString());
}

TEST(AtSpiAccessibility, NeverTalksToItsOwnProcess)
{
    FakeAccessibilityAccess access;
    AtSpiAccessibility accessibility(access);
    const qint64 own = QCoreApplication::applicationPid();
    EXPECT_TRUE(accessibility.application(own).isNull());
    EXPECT_EQ(accessibility.createObserver(own, [](const AccessibilityElement&, const QString&) {}), nullptr);
}
