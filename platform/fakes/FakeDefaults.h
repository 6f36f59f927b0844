#pragma once
// In-memory user defaults for tests: the same domain lookup as the real store, no files.
// Counts writes per domain so tests can see write-through.

#include "platform/Defaults.h"

#include <QHash>

namespace tq {

class FakeDefaults final : public Defaults {
public:
    FakeDefaults() = default;
    // Starts with these values in the program's domain (and optionally the global domain).
    explicit FakeDefaults(const QVariantMap& app, const QVariantMap& global = {});

    int writeCount(const QString& domain = QLatin1String(kAppDomain)) const { return writes_.value(domain); }
    // Held writes wait for flush(), as the real store's delayed ones do.
    void holdWrites(bool hold) { hold_ = hold; }
    void flush() override;
    // What the backing store last received for a domain.
    QVariantMap stored(const QString& domain = QLatin1String(kAppDomain)) const { return backing_.value(domain); }

protected:
    QVariantMap loadDomain(const QString& name) override { return backing_.value(name); }
    void storeDomain(const QString& name, const QVariantMap& values) override;
    void eraseDomain(const QString& name) override;

private:
    QHash<QString, QVariantMap> backing_;
    QHash<QString, int> writes_;
    QHash<QString, QVariantMap> held_;
    bool hold_ = false;
};

} // namespace tq
