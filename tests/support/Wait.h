#pragma once
// Waiting in desktop tests while the event loop keeps turning.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace tq::testwait {

// Runs a command to its end (or kills it after `timeoutMs`) and returns what it printed.
inline QByteArray run(const QString& program, const QStringList& args, int timeoutMs = 10000)
{
    QProcess p;
    p.start(program, args);
    QElapsedTimer t;
    t.start();
    while (!p.waitForFinished(20)) {
        QCoreApplication::processEvents();
        if (t.elapsed() > timeoutMs) {
            p.kill();
            p.waitForFinished();
            break;
        }
    }
    return p.readAllStandardOutput();
}

// Turns the event loop until `done` or the time runs out.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (done())
            return true;
        QTest::qWait(50);
    }
    return done();
}

// How long a desktop test waits for what a loaded machine does late: a success returns as
// soon as it holds, so only a failure takes this long.
inline constexpr int kPatience = 45000;

// The last lines of `text`, for failure messages.
inline std::string tail(const QString& text, int lines = 40)
{
    const QStringList all = text.split(QLatin1Char('\n'));
    return all.mid(std::max(0, int(all.size()) - lines)).join(QLatin1Char('\n')).toStdString();
}

// Polls `done` up to `timeoutMs`; a failure names `what` was awaited, how long, and what
// `seen` reports of the state last (the windows, the log, a field's text).
inline ::testing::AssertionResult until(const std::string& what, const std::function<bool()>& done,
                                        const std::function<std::string()>& seen = {}, int timeoutMs = kPatience)
{
    QElapsedTimer t;
    t.start();
    if (waitFor(done, timeoutMs))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "waited " << t.elapsed() << " ms for " << what
                                         << (seen ? "; seen last:\n" + seen() : std::string());
}

} // namespace tq::testwait
