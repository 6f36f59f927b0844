#pragma once
// Waiting in desktop tests while the event loop keeps turning.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QtTest/QTest>

#include <functional>

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

} // namespace tq::testwait
