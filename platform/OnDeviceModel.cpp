#include "platform/OnDeviceModel.h"

#include "platform/Text.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace tq {

namespace {

class NoOnDeviceModel final : public OnDeviceModel {
public:
    Availability availability() const override { return Availability::deviceNotEligible; }
    int respond(const QString&, const QString&, const Options&, std::function<void(const Response&)> done) override
    {
        const int id = ++next_;
        if (auto* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app,
                [done = std::move(done)] {
                    Response r;
                    r.error = text("This computer has no on-device language model.");
                    done(r);
                },
                Qt::QueuedConnection);
        }
        return id;
    }
    void cancel(int) override {}
    void prewarm(const QString&) override {}

private:
    int next_ = 0;
};

} // namespace

std::unique_ptr<OnDeviceModel> OnDeviceModel::createSystem()
{
    return std::make_unique<NoOnDeviceModel>();
}

} // namespace tq
