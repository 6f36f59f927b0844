// The installed applications offered by "Add App…", read from desktop entries.

#include "platform/InstalledApps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tq {

namespace {
void write(const QString& path, const QByteArray& body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Desktop Entry]\n" + body);
}
} // namespace

TEST(DesktopAppsTest, ListsVisibleApplicationsOnceEachWithTheirIds)
{
    QTemporaryDir home, system;
    write(home.filePath("org.example.Mail.desktop"), "Type=Application\nName=Mail (mine)\nIcon=mail\n");
    write(system.filePath("org.example.Mail.desktop"), "Type=Application\nName=Mail\n");
    write(system.filePath("kde/notes.desktop"), "Type=Application\nName=notes\nIcon=/opt/notes.png\n");
    write(system.filePath("hidden.desktop"), "Type=Application\nName=Hidden\nNoDisplay=true\n");
    write(system.filePath("gone.desktop"), "Type=Application\nName=Gone\nHidden=true\n");
    write(system.filePath("link.desktop"), "Type=Link\nName=Link\nURL=https://example.com\n");
    write(system.filePath("nameless.desktop"), "Type=Application\n");
    // A user's hidden copy hides the system entry of the same id.
    write(home.filePath("gone2.desktop"), "Type=Application\nName=Gone too\nHidden=true\n");
    write(system.filePath("gone2.desktop"), "Type=Application\nName=Gone too\n");

    const QList<DesktopApp> apps = desktopAppsIn({home.path(), system.path()});
    QStringList seen;
    for (const DesktopApp& a : apps)
        seen << a.id + "=" + a.name + "=" + a.icon;
    EXPECT_EQ(seen, (QStringList{"org.example.Mail=Mail (mine)=mail", "kde-notes=notes=/opt/notes.png"}));
}

} // namespace tq
