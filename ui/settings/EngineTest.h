#pragma once
// "Try the engine": one fixed sample sent to the active engine as a real request would be
// built, and the text that shows what came back and how long it took.

#include "engines/CompletionProvider.h"

#include <QObject>
#include <QString>

#include <cstdint>

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
// The text shown for a reply already cleaned, after `milliseconds`.
QString replyText(const QString& cleaned, std::int64_t milliseconds);
QString failureText(const QString& message);
} // namespace enginetest

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
    void finished(const QString& result);

private:
    ProviderHub& hub_;
    Preferences& prefs_;
    Clock& clock_;
    bool running_ = false;
};

} // namespace tq
