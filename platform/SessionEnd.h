#pragma once
// Tells when the process is about to be ended from outside: SIGTERM, SIGINT or SIGHUP (logout,
// shutdown, a terminal closing) or the desktop session asking its clients to save before it
// ends. The handler then has a moment to write its files.

#include <QObject>

#include <memory>

namespace tq {

class SessionEnd : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SessionEnd() override = default;

    // Starts listening; a second call does nothing.
    virtual void start() = 0;

signals:
    // Emitted on the main thread, once per request to end.
    void ending();
};

class LinuxSessionEnd final : public SessionEnd {
    Q_OBJECT
public:
    explicit LinuxSessionEnd(QObject* parent = nullptr);
    ~LinuxSessionEnd() override;
    void start() override;

private:
    void readSignal();
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
