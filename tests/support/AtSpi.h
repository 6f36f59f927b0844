#pragma once
// Reading and driving a program's widgets over AT-SPI in desktop tests: its accessible
// application by process id, a showing descendant by name and role, its action and text.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <atspi/atspi.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace tq::desktoptest {

// An accessible object of the program, owned.
struct Node {
    AtspiAccessible* p = nullptr;
    Node() = default;
    explicit Node(AtspiAccessible* a) : p(a) {}
    Node(const Node&) = delete;
    Node(Node&& o) noexcept : p(o.p) { o.p = nullptr; }
    Node& operator=(Node&& o) noexcept
    {
        std::swap(p, o.p);
        return *this;
    }
    ~Node()
    {
        if (p)
            g_object_unref(p);
    }
    explicit operator bool() const { return p != nullptr; }
};

inline QString nameOf(AtspiAccessible* a)
{
    gchar* n = atspi_accessible_get_name(a, nullptr);
    const QString s = QString::fromUtf8(n ? n : "");
    g_free(n);
    return s;
}

inline AtspiRole roleOf(AtspiAccessible* a) { return atspi_accessible_get_role(a, nullptr); }

inline bool showing(AtspiAccessible* a)
{
    AtspiStateSet* states = atspi_accessible_get_state_set(a);
    const bool on = states && atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
    if (states)
        g_object_unref(states);
    return on;
}

inline Node application(qint64 pid)
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const int n = atspi_accessible_get_child_count(desktop, nullptr);
    Node found;
    for (int i = 0; i < n && !found; ++i) {
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (app && atspi_accessible_get_process_id(app, nullptr) == guint(pid))
            found = Node(app);
        else if (app)
            g_object_unref(app);
    }
    g_object_unref(desktop);
    return found;
}

// The first showing descendant with this name (and role, unless ATSPI_ROLE_INVALID).
inline Node find(AtspiAccessible* root, const QString& name, AtspiRole role, int depth = 0)
{
    if (!root || depth > 40)
        return {};
    const int n = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < n; ++i) {
        Node child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child)
            continue;
        if (nameOf(child.p) == name && (role == ATSPI_ROLE_INVALID || roleOf(child.p) == role) && showing(child.p))
            return child;
        if (Node deeper = find(child.p, name, role, depth + 1))
            return deeper;
    }
    return {};
}

inline bool press(AtspiAccessible* a)
{
    AtspiAction* action = atspi_accessible_get_action_iface(a);
    if (!action)
        return false;
    const bool ok = atspi_action_do_action(action, 0, nullptr);
    g_object_unref(action);
    return ok;
}

inline QString textOf(AtspiAccessible* a)
{
    AtspiText* text = atspi_accessible_get_text_iface(a);
    if (!text)
        return QStringLiteral("<no text>");
    gchar* s = atspi_text_get_text(text, 0, -1, nullptr);
    const QString out = QString::fromUtf8(s ? s : "");
    g_free(s);
    g_object_unref(text);
    return out;
}

// What a failure message says of the program `pid` over accessibility: each window's role
// and name, then the names shown in it (at most `perWindow`).
inline std::string describeApplication(qint64 pid, int perWindow = 60)
{
    atspi_init();
    Node app = application(pid);
    if (!app)
        return "no accessible application of process " + std::to_string(pid);
    std::string out;
    const int n = atspi_accessible_get_child_count(app.p, nullptr);
    for (int i = 0; i < n; ++i) {
        Node window(atspi_accessible_get_child_at_index(app.p, i, nullptr));
        if (!window)
            continue;
        gchar* role = atspi_accessible_get_role_name(window.p, nullptr);
        out += std::string(role ? role : "?") + " \"" + nameOf(window.p).toStdString() + "\"" + (showing(window.p) ? "" : " (hidden)")
            + ":";
        g_free(role);
        QStringList names;
        const std::function<void(AtspiAccessible*, int)> walk = [&](AtspiAccessible* at, int depth) {
            const int m = depth > 40 ? 0 : atspi_accessible_get_child_count(at, nullptr);
            for (int j = 0; j < m && names.size() < perWindow; ++j) {
                Node child(atspi_accessible_get_child_at_index(at, j, nullptr));
                if (!child || !showing(child.p))
                    continue;
                if (const QString name = nameOf(child.p); !name.isEmpty())
                    names << name.left(80);
                walk(child.p, depth + 1);
            }
        };
        walk(window.p, 0);
        out += " " + names.join(QStringLiteral(" | ")).toStdString() + "\n";
    }
    return out.empty() ? "no windows over accessibility" : out;
}

// Every showing element: "role: name — description = value [selected] [checked]", indented by
// depth; kept in the artifacts folder as `artifact`.
inline QStringList heardLines(qint64 pid, const QString& artifact)
{
    QStringList lines;
    const std::function<void(AtspiAccessible*, int)> walk = [&](AtspiAccessible* a, int depth) {
        const int n = depth > 40 ? 0 : atspi_accessible_get_child_count(a, nullptr);
        for (int i = 0; i < n && i < 400; ++i) {
            Node child(atspi_accessible_get_child_at_index(a, i, nullptr));
            if (!child || !showing(child.p))
                continue;
            gchar* role = atspi_accessible_get_role_name(child.p, nullptr);
            QString line = QString(depth * 2, ' ') + QString::fromUtf8(role ? role : "") + ": " + nameOf(child.p);
            g_free(role);
            gchar* description = atspi_accessible_get_description(child.p, nullptr);
            if (description && *description)
                line += QStringLiteral(" — ") + QString::fromUtf8(description);
            g_free(description);
            if (AtspiValue* value = atspi_accessible_get_value_iface(child.p)) {
                line += QStringLiteral(" = %1").arg(atspi_value_get_current_value(value, nullptr));
                g_object_unref(value);
            }
            if (AtspiStateSet* states = atspi_accessible_get_state_set(child.p)) {
                if (atspi_state_set_contains(states, ATSPI_STATE_SELECTED))
                    line += QStringLiteral(" [selected]");
                if (atspi_state_set_contains(states, ATSPI_STATE_CHECKED))
                    line += QStringLiteral(" [checked]");
                g_object_unref(states);
            }
            lines << line;
            walk(child.p, depth + 1);
        }
    };
    atspi_init();
    if (Node app = application(pid))
        walk(app.p, 0);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    QFile out(QDir(dir).filePath(artifact));
    if (out.open(QIODevice::WriteOnly))
        out.write(lines.join('\n').toUtf8());
    return lines;
}

// How many of `lines` match the regular expression `pattern`.
inline int countMatching(const QStringList& lines, const QString& pattern)
{
    const QRegularExpression re(pattern);
    return int(std::count_if(lines.cbegin(), lines.cend(), [&](const QString& l) { return re.match(l).hasMatch(); }));
}

} // namespace tq::desktoptest
