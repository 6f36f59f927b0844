#pragma once
// "Try the engine": one fixed sample sent to the active engine as a real request would be
// built; the reply comes back cleaned as a suggestion would be, with the time it took.

#include "engines/CompletionProvider.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace tq {

class Clock;
class Preferences;
class ProviderHub;

namespace enginetest {
inline constexpr int kWordLimit = 10;
QString sample();
// The request for the sample: the engine's instructions for 10 words without the user's own,
// an empty context, 26 tokens, the creativity's temperature, stop at a line break.
CompletionRequest request(double creativity, const QString& model);
} // namespace enginetest

// What one test brought back: the cleaned reply and its time, or why it failed.
struct EngineTestReply {
    std::optional<QString> cleaned;
    std::int64_t milliseconds = 0;
    QString failure;
};

// Runs one test at a time. The reply lands only while this object lives: a pane that was
// replaced meanwhile is never touched.
class EngineTest final : public QObject {
    Q_OBJECT
public:
    EngineTest(ProviderHub& hub, Preferences& prefs, Clock& clock, QObject* parent = nullptr);
    bool running() const { return running_; }
    void run();

signals:
    void runningChanged(bool running);
    void finished(const tq::EngineTestReply& reply);

private:
    ProviderHub& hub_;
    Preferences& prefs_;
    Clock& clock_;
    bool running_ = false;
};

} // namespace tq
