#pragma once
#include "platform/OnDeviceModel.h"

#include <QStringList>

#include <map>

namespace tq {

// A scripted on-device model: availability is set by the test, requests are held until the
// test answers them, and every session's instructions and prompt are recorded.
class FakeOnDeviceModel final : public OnDeviceModel {
public:
    Availability available = Availability::available;
    QStringList sessionInstructions; // one entry per session made (requests and prewarms)
    QStringList prompts;
    QList<Options> options;
    int prewarms = 0;
    std::map<int, std::function<void(const Response&)>> pending;

    Availability availability() const override { return available; }
    int respond(const QString& instructions, const QString& prompt, const Options& o,
                std::function<void(const Response&)> done) override
    {
        sessionInstructions << instructions;
        prompts << prompt;
        options << o;
        const int id = ++next_;
        pending[id] = std::move(done);
        return id;
    }
    void cancel(int id) override { pending.erase(id); }
    void prewarm(const QString& instructions) override
    {
        sessionInstructions << instructions;
        ++prewarms;
    }
    // Answers the oldest waiting request.
    bool answer(const Response& r)
    {
        if (pending.empty())
            return false;
        auto fn = std::move(pending.begin()->second);
        pending.erase(pending.begin());
        fn(r);
        return true;
    }

private:
    int next_ = 0;
};

} // namespace tq
