// The design gallery in the desktop session: renders at fixed times (kept as artifacts), the
// same moment twice gives the same pixels, and its controls read over AT-SPI.
#include "support/DesktopApp.h"
#include "support/Wait.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <atspi/atspi.h>

#include <functional>

using namespace tq;

namespace {

QString gallery() { return QStringLiteral(TQ_BINARY_DIR "/tools/gallery/tq-gallery"); }

QString artifacts()
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath() + QStringLiteral("/tessaquill-artifacts"));
    QDir().mkpath(dir);
    return dir;
}

bool runGallery(const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(gallery(), args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class DesktopDesign : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("TQ_DESKTOP_SESSION"))
            GTEST_SKIP() << "needs tools/desktop-session.sh";
    }
};

// A node of the AT-SPI tree, released when it goes.
struct Node {
    AtspiAccessible* acc = nullptr;
    explicit Node(AtspiAccessible* a = nullptr) : acc(a) {}
    Node(Node&& o) noexcept : acc(o.acc) { o.acc = nullptr; }
    Node& operator=(Node&& o) noexcept
    {
        std::swap(acc, o.acc);
        return *this;
    }
    ~Node()
    {
        if (acc)
            g_object_unref(acc);
    }
    QString name() const
    {
        gchar* n = atspi_accessible_get_name(acc, nullptr);
        const QString s = QString::fromUtf8(n ? n : "");
        g_free(n);
        return s;
    }
    QString description() const
    {
        gchar* n = atspi_accessible_get_description(acc, nullptr);
        const QString s = QString::fromUtf8(n ? n : "");
        g_free(n);
        return s;
    }
    QString role() const
    {
        gchar* n = atspi_accessible_get_role_name(acc, nullptr);
        const QString s = QString::fromUtf8(n ? n : "");
        g_free(n);
        return s;
    }
    bool has(AtspiStateType state) const
    {
        AtspiStateSet* set = atspi_accessible_get_state_set(acc);
        const bool on = atspi_state_set_contains(set, state);
        g_object_unref(set);
        return on;
    }
};

// Depth-first search under `root` for the first node `match` accepts.
Node find(AtspiAccessible* root, const std::function<bool(const Node&)>& match, int depth = 0)
{
    if (!root || depth > 40)
        return Node();
    const int n = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < n; ++i) {
        Node child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child.acc)
            continue;
        if (match(child))
            return child;
        Node deeper = find(child.acc, match, depth + 1);
        if (deeper.acc)
            return deeper;
    }
    return Node();
}

Node appOf(qint64 pid)
{
    Node desktop(atspi_get_desktop(0));
    const int n = atspi_accessible_get_child_count(desktop.acc, nullptr);
    for (int i = 0; i < n; ++i) {
        Node app(atspi_accessible_get_child_at_index(desktop.acc, i, nullptr));
        if (app.acc && qint64(atspi_accessible_get_process_id(app.acc, nullptr)) == pid)
            return app;
    }
    return Node();
}

Node byName(const Node& app, const QString& name)
{
    return find(app.acc, [&](const Node& n) { return n.name() == name; });
}

} // namespace

TEST_F(DesktopDesign, SameMomentSamePixelsAndTheMarkInItsColours)
{
    const QString out = artifacts();
    for (const char* t : {"0.1", "0.3", "1.0"}) {
        const QString a = QStringLiteral("%1/gallery-t%2.png").arg(out, QString::fromLatin1(t));
        const QString b = QStringLiteral("%1/gallery-t%2-again.png").arg(out, QString::fromLatin1(t));
        ASSERT_TRUE(runGallery({QStringLiteral("--time"), QString::fromLatin1(t), QStringLiteral("--shot"), a}));
        ASSERT_TRUE(runGallery({QStringLiteral("--time"), QString::fromLatin1(t), QStringLiteral("--shot"), b}));
        const QImage ia(a), ib(b);
        ASSERT_FALSE(ia.isNull());
        EXPECT_EQ(ia, ib) << t;
    }
    // Different moments differ: the entrance and the bursts move.
    EXPECT_NE(QImage(out + QStringLiteral("/gallery-t0.1.png")), QImage(out + QStringLiteral("/gallery-t1.0.png")));
    const QString still = out + QStringLiteral("/gallery-reduce-motion-t0.1.png");
    ASSERT_TRUE(runGallery({QStringLiteral("--reduce-motion"), QStringLiteral("--time"), QStringLiteral("0.1"),
                            QStringLiteral("--shot"), still}));

    // The application icon at 512 px: gold caret at the stem, plate gradient top to bottom.
    QTemporaryDir icons;
    ASSERT_TRUE(runGallery({QStringLiteral("--icons"), icons.path()}));
    const QImage mark(icons.path() + QStringLiteral("/512x512/apps/tessaquill.png"));
    ASSERT_EQ(mark.size(), QSize(512, 512));
    const double u = 512.0 / 103;
    const auto at = [&](double x, double y) { return mark.pixelColor(int(x * u), int(y * u)); };
    const QColor caret = at(43.875, 51.5);
    EXPECT_NEAR(caret.redF(), 0.91, 0.02);
    EXPECT_NEAR(caret.greenF(), 0.69, 0.02);
    EXPECT_NEAR(caret.blueF(), 0.29, 0.02);
    const QColor top = at(51.5, 2), bottom = at(51.5, 101);
    // Plate top (0.13, 0.16, 0.27) under the white sheen, bottom (0.043, 0.055, 0.1).
    EXPECT_TRUE(top.blueF() >= 0.27 && top.blueF() < 0.37) << top.blueF();
    EXPECT_NEAR(bottom.blueF(), 0.1, 0.03);
    EXPECT_GT(top.redF(), bottom.redF());
    EXPECT_EQ(mark.pixelColor(1, 1).alpha(), 0);
    for (int s : {16, 32, 48, 128, 256})
        EXPECT_EQ(QImage(icons.path() + QStringLiteral("/%1x%1/apps/tessaquill.png").arg(s)).width(), s);
}

TEST_F(DesktopDesign, ControlsReadOverAtSpi)
{
    atspi_init();
    desktoptest::DesktopApp app(gallery(), {}, {{QStringLiteral("TESSAQUILL_REDUCE_MOTION"), QStringLiteral("1")}});
    Node root;
    // Every control read below is in the tree.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        root = appOf(app.pid());
        if (!root.acc)
            return false;
        for (const char* name : {"Suggestions", "Show word count", "Progress 0.42", "Shortcut Tab", "Shortcut Ctrl+Space",
                                 "Shortcut not set", "Clear shortcut"})
            if (!byName(root, QString::fromLatin1(name)).acc)
                return false;
        return true;
    }, testwait::kPatience));

    Node toggle = byName(root, QStringLiteral("Suggestions"));
    EXPECT_EQ(toggle.description(), QStringLiteral("On"));
    EXPECT_TRUE(toggle.has(ATSPI_STATE_CHECKED));
    Node off = byName(root, QStringLiteral("Show word count"));
    EXPECT_EQ(off.description(), QStringLiteral("Off"));
    EXPECT_FALSE(off.has(ATSPI_STATE_CHECKED));
    // Toggled through its action, the value follows.
    AtspiAction* act = atspi_accessible_get_action_iface(off.acc);
    ASSERT_NE(act, nullptr);
    atspi_action_do_action(act, 0, nullptr);
    g_object_unref(act);
    EXPECT_TRUE(QTest::qWaitFor([&] { return off.description() == QStringLiteral("On"); }, testwait::kPatience));

    Node bar = byName(root, QStringLiteral("Progress 0.42"));
    ASSERT_NE(bar.acc, nullptr);
    EXPECT_EQ(bar.role(), QStringLiteral("progress bar"));
    EXPECT_EQ(bar.description(), QStringLiteral("42%"));
    AtspiValue* value = atspi_accessible_get_value_iface(bar.acc);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(atspi_value_get_current_value(value, nullptr), 42.0);
    g_object_unref(value);

    EXPECT_NE(byName(root, QStringLiteral("Shortcut Tab")).acc, nullptr);
    EXPECT_NE(byName(root, QStringLiteral("Shortcut Ctrl+Space")).acc, nullptr);
    Node empty = byName(root, QStringLiteral("Shortcut not set"));
    ASSERT_NE(empty.acc, nullptr);
    EXPECT_EQ(empty.description(), QStringLiteral("Press to record a new shortcut. Escape cancels."));
    EXPECT_NE(byName(root, QStringLiteral("Clear shortcut")).acc, nullptr);

    // Recording takes Ctrl+Q: it becomes the shortcut and the gallery keeps running.
    desktoptest::xdotool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--pid"),
                          QString::number(app.pid()), QStringLiteral("windowactivate"), QStringLiteral("--sync")});
    act = atspi_accessible_get_action_iface(empty.acc);
    ASSERT_NE(act, nullptr);
    atspi_action_do_action(act, 0, nullptr);
    g_object_unref(act);
    ASSERT_TRUE(QTest::qWaitFor([&] { return empty.name() == QStringLiteral("Recording shortcut"); }, testwait::kPatience));
    // The keys go to the gallery's window once it holds the focus.
    const auto focusedPid = [] {
        QProcess p;
        p.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowpid")});
        p.waitForFinished(5000);
        return p.readAllStandardOutput().trimmed().toLongLong();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusedPid() == app.pid(); }, testwait::kPatience));
    desktoptest::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return empty.name() == QStringLiteral("Shortcut Ctrl+Q"); }, testwait::kPatience))
        << empty.name().toStdString();
    QTest::qWait(300);
    EXPECT_EQ(app.process.state(), QProcess::Running);
    // Not recording, Ctrl+Q quits the gallery as it would the program.
    desktoptest::xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
    EXPECT_TRUE(app.process.waitForFinished(testwait::kPatience));
}
