#include "platform/fakes/FakeDefaults.h"

#include <utility>

namespace tq {

FakeDefaults::FakeDefaults(const QVariantMap& app, const QVariantMap& global)
{
    backing_.insert(QLatin1String(kAppDomain), app);
    backing_.insert(QLatin1String(kGlobalDomain), global);
}

void FakeDefaults::storeDomain(const QString& name, const QVariantMap& values)
{
    if (hold_) {
        held_.insert(name, values);
        return;
    }
    backing_.insert(name, values);
    writes_[name] += 1;
}

void FakeDefaults::flush()
{
    const QHash<QString, QVariantMap> due = std::exchange(held_, {});
    for (auto it = due.constBegin(); it != due.constEnd(); ++it) {
        backing_.insert(it.key(), it.value());
        writes_[it.key()] += 1;
    }
}

void FakeDefaults::eraseDomain(const QString& name)
{
    held_.remove(name);
    backing_.remove(name);
    writes_[name] += 1;
}

} // namespace tq
