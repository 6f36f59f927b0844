#pragma once
// What a screen reader hears from a program's windows over AT-SPI: every showing element
// with a name or a description, one line each, as "role: name — description [checked]",
// indented by depth. Unnamed showing elements count too (as "role: <unnamed>") so that
// decoration left in the tree is seen. The lines also go to the artifacts folder.

#include "support/AtSpi.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace tq::desktoptest {

inline QString roleName(AtspiAccessible* a)
{
    gchar* n = atspi_accessible_get_role_name(a, nullptr);
    const QString s = QString::fromUtf8(n ? n : "");
    g_free(n);
    return s;
}

inline QString descriptionOf(AtspiAccessible* a)
{
    gchar* d = atspi_accessible_get_description(a, nullptr);
    const QString s = QString::fromUtf8(d ? d : "");
    g_free(d);
    return s;
}

inline bool hasState(AtspiAccessible* a, AtspiStateType state)
{
    AtspiStateSet* states = atspi_accessible_get_state_set(a);
    const bool on = states && atspi_state_set_contains(states, state);
    if (states)
        g_object_unref(states);
    return on;
}

// The heard lines of `root`'s showing subtree (filler and panel containers without a name are
// passed through, as screen readers do).
inline QStringList heard(AtspiAccessible* root, const QString& artifact = {})
{
    QStringList lines;
    const std::function<void(AtspiAccessible*, int)> walk = [&](AtspiAccessible* at, int depth) {
        const int n = depth > 40 ? 0 : atspi_accessible_get_child_count(at, nullptr);
        for (int i = 0; i < n; ++i) {
            Node child(atspi_accessible_get_child_at_index(at, i, nullptr));
            if (!child || !showing(child.p))
                continue;
            const QString role = roleName(child.p);
            const QString name = nameOf(child.p);
            const QString description = descriptionOf(child.p);
            const bool container = role == QLatin1String("filler") || role == QLatin1String("panel") ||
                                   role == QLatin1String("scroll pane") || role == QLatin1String("viewport");
            int next = depth;
            if (!(container && name.isEmpty() && description.isEmpty())) {
                QString line = QString(depth * 2, QLatin1Char(' ')) + role + QStringLiteral(": ") +
                               (name.isEmpty() ? QStringLiteral("<unnamed>") : name);
                if (!description.isEmpty())
                    line += QStringLiteral(" — ") + description;
                if (hasState(child.p, ATSPI_STATE_CHECKABLE) || role == QLatin1String("check box") ||
                    role == QLatin1String("toggle button") || role == QLatin1String("radio button"))
                    line += hasState(child.p, ATSPI_STATE_CHECKED) ? QStringLiteral(" [checked]") : QStringLiteral(" [not checked]");
                lines.append(line);
                next = depth + 1;
            }
            walk(child.p, next);
        }
    };
    if (root)
        walk(root, 0);
    if (!artifact.isEmpty()) {
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        QFile out(QDir(dir).filePath(artifact));
        if (out.open(QIODevice::WriteOnly))
            out.write(lines.join(QLatin1Char('\n')).toUtf8());
    }
    return lines;
}

inline int mentions(const QStringList& lines, const QString& fragment)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(fragment); }));
}

} // namespace tq::desktoptest
