#include "platform/fakes/FakeDefaults.h"

namespace tq {

FakeDefaults::FakeDefaults(const QVariantMap& app, const QVariantMap& global)
{
    backing_.insert(QLatin1String(kAppDomain), app);
    backing_.insert(QLatin1String(kGlobalDomain), global);
}

void FakeDefaults::storeDomain(const QString& name, const QVariantMap& values)
{
    backing_.insert(name, values);
    writes_[name] += 1;
}

void FakeDefaults::eraseDomain(const QString& name)
{
    backing_.remove(name);
    writes_[name] += 1;
}

} // namespace tq
