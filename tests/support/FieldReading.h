#pragma once
// Another application's focused text field read over accessibility as the program reads it,
// and whether the program last drew its ghost at that field's caret.

#include "field/AXFieldSource.h"
#include "platform/Platform.h"

#include <QRegularExpression>
#include <QString>
#include <QtTest/QTest>

#include <cmath>
#include <cstdlib>

namespace tq::desktoptest {

struct FieldState {
    QString text;
    int caretX = 0;     // screen x of the caret
    int lineStartX = 0; // screen x where the caret's line starts
    bool ok = false;
};

inline FieldState readField(qint64 pid)
{
    // The test's own reading of the field, over the desktop's services.
    SystemPlatform platform;
    AXFieldSource source(nullptr, platform.accessibility(), platform.activeApp(), platform.screenGeometry(),
                         platform.clock());
    source.attach(pid);
    QTest::qWait(200);
    const auto snap = source.snapshot();
    if (!snap)
        return {};
    FieldState out;
    out.text = snap->before + snap->after;
    out.ok = true;
    if (snap->caretRect)
        out.caretX = int(std::lround(snap->caretRect->x()));
    out.lineStartX = int(std::lround(snap->lineStartX.value_or(snap->fieldFrame ? snap->fieldFrame->x() + 4 : out.caretX - 40)));
    return out;
}

// Whether the program's `log` says it last drew its ghost at the caret of the field of `pid`:
// then it has read every key that reached the field.
inline bool presentedAtTheCaret(const QString& log, qint64 pid)
{
    static const QRegularExpression presented(QStringLiteral("present: caret (-?\\d+),"));
    QString x;
    for (auto it = presented.globalMatch(log); it.hasNext();)
        x = it.next().captured(1);
    return !x.isEmpty() && std::abs(x.toInt() - readField(pid).caretX) <= 2;
}

} // namespace tq::desktoptest
