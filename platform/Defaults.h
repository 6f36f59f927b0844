#pragma once
// User defaults: typed values in named domains, looked up through the argument domain
// (volatile, in memory), then the program's own domain, then the global domain.
//
// Values are QVariants of these types only: bool, qlonglong (integers), double, QString,
// QByteArray (data), QDateTime (dates), QVariantList and QVariantMap of the same. An integer
// stays distinct from a boolean and a digit string from a number.
//
// The Linux store keeps one JSON object per domain in $XDG_CONFIG_HOME/Tessaquill/<domain>.json,
// data as {"$data": "<base64>"} and dates as {"$date": <seconds since 2001>}, written
// atomically a second after the last change of a burst, and at once by flush(). A file that
// fails to decode is moved aside, never overwritten.

#include "platform/Clock.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <map>

namespace tq {

class Defaults {
public:
    static constexpr const char* kAppDomain = "com.morvenfax.tessaquill";
    static constexpr const char* kGlobalDomain = "NSGlobalDomain";

    virtual ~Defaults() = default;

    // The merged value of a key (argument, program, global domain), or an invalid QVariant.
    QVariant object(const QString& key) const;
    bool contains(const QString& key) const { return object(key).isValid(); }
    // Writes a key in the program's domain; an invalid value removes it. A value equal to the
    // one held (same type) changes nothing and writes nothing.
    void set(const QString& key, const QVariant& value);
    void remove(const QString& key);
    // The merged view of all domains.
    QVariantMap dictionaryRepresentation() const;

    // The argument domain: values seen first by every lookup and never written to disk.
    void setVolatile(const QString& key, const QVariant& value);
    QVariantMap volatileDomain() const { return arguments_; }

    // A whole persistent domain by name (the program's, the global one, or another's).
    QVariantMap persistentDomain(const QString& name) const;
    void setPersistentDomain(const QVariantMap& values, const QString& name);
    void removePersistentDomain(const QString& name);

    // What went wrong with the program's own domain on disk this run, for the windows to say.
    // Set aside: its file could not be read and was moved away, so the settings started over.
    bool appDomainSetAside() const { return appDomainSetAside_; }
    // Keys of its file left out because their values could not be decoded; the rest of the file
    // was sound and is used, and the file as it was is kept beside it.
    QStringList appDomainDroppedKeys() const;
    // Unsaved: its last write failed, so the settings shown are not on disk.
    bool appDomainUnsaved() const { return appDomainUnsaved_; }

    // Writes every change still waiting for its write (quit, session end, relaunch).
    virtual void flush() {}

protected:
    // Reads a domain once, on first use; writes it after every change (or schedules the write).
    virtual QVariantMap loadDomain(const QString& name) = 0;
    virtual void storeDomain(const QString& name, const QVariantMap& values) = 0;
    virtual void eraseDomain(const QString& name) = 0;
    // For the stores: report how a domain's file fared.
    void noteSetAside(const QString& name);
    void noteDropped(const QString& name, const QStringList& keys);
    void noteWritten(const QString& name, bool written);

private:
    QVariantMap& domain(const QString& name) const;

    QVariantMap arguments_;
    bool appDomainSetAside_ = false;
    QStringList appDomainDropped_;
    bool appDomainUnsaved_ = false;
    mutable std::map<QString, QVariantMap> domains_;
};

// The Linux store: JSON files in `folder` ($XDG_CONFIG_HOME/Tessaquill by default).
class JsonFileDefaults final : public Defaults {
public:
    // A burst of changes is written once, this long after its last change.
    static constexpr Millis kSaveDelay{1000};

    // `clock` dates a file moved aside and runs the delayed writes.
    explicit JsonFileDefaults(Clock& clock, QString folder = defaultFolder());
    // Writes what is still pending.
    ~JsonFileDefaults() override;

    void flush() override;
    bool hasPendingWrite() const { return !pending_.empty(); }

    QString folder() const { return folder_; }
    QString filePath(const QString& domain) const;

    // The folder of the real store: $XDG_CONFIG_HOME (or ~/.config) + "/Tessaquill".
    static QString defaultFolder();

protected:
    QVariantMap loadDomain(const QString& name) override;
    void storeDomain(const QString& name, const QVariantMap& values) override;
    void eraseDomain(const QString& name) override;

private:
    void write(const QString& name, const QVariantMap& values);

    Clock& clock_;
    QString folder_;
    Timer saveTimer_;
    std::map<QString, QVariantMap> pending_;
};

namespace defaults {
// Whether a value is one of the types the store keeps (recursively for lists and maps).
bool isStorable(const QVariant& value);
// The JSON text of a domain and back. decode gives false for text that is not a JSON object;
// a member whose value cannot be decoded is left out and named in `dropped` (without
// `dropped`, any such member fails the whole text).
QByteArray encodeDomain(const QVariantMap& values);
bool decodeDomain(const QByteArray& json, QVariantMap* out, QStringList* dropped = nullptr);
} // namespace defaults

} // namespace tq
