#pragma once
// One running instance per user. The first launch claims a local socket and listens on it; a
// later launch hands its arguments over that socket to the running instance and ends.

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tq {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SingleInstance() override = default;

    // True: this process is the running instance now. False: another one runs and has been
    // given `arguments` (this process should end).
    virtual bool claim(const QStringList& arguments) = 0;
    // Waits until no running instance answers any more (one that is ending), at most
    // `timeoutMs`; false when one still answers.
    virtual bool waitUntilFree(int timeoutMs) { return true; }

signals:
    // A later launch handed over its arguments (its program path first).
    void handedOver(const QStringList& arguments);
};

class LocalSocketInstance final : public SingleInstance {
    Q_OBJECT
public:
    // `socketPath` defaults to "tessaquill.sock" in a folder only this user can enter. An empty
    // path (no such folder) runs without handing over: every launch starts its own instance.
    // Either end talks only to a peer of its own user id.
    explicit LocalSocketInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);
    ~LocalSocketInstance() override;

    bool claim(const QStringList& arguments) override;
    bool waitUntilFree(int timeoutMs) override;
    bool isListening() const;

    // In $XDG_RUNTIME_DIR when that is private, else in "<temp>/tessaquill-<uid>", made with
    // mode 0700. When that one exists and is not private (another user made or replaced it), in
    // a fresh private folder "<temp>/tessaquill-<uid>-<random>" whose path is recorded in the
    // file "instance-folder" of `recordFolder` (a folder only this user can write), so every
    // launch finds the same one. Empty when there is no such place.
    static QString defaultSocketPath();
    static QString socketPathIn(const QString& runtimeFolder, const QString& tempFolder,
                                const QString& recordFolder = QString());
    // The user's own folder for the record: "Tessaquill" in $XDG_CONFIG_HOME.
    static QString defaultRecordFolder();
    // A directory, not a link, owned by this user, with no access for group or others.
    static bool isPrivateFolder(const QString& path);
    // A directory, not a link, owned by this user and not writable by others.
    static bool isOwnFolder(const QString& path);
    // The user id of the process at the other end of a connected local socket, or -1.
    static qint64 peerUid(qintptr socketDescriptor);
    static QByteArray encode(const QStringList& arguments);
    // None of a message that is not a JSON array of texts.
    static std::optional<QStringList> decode(const QByteArray& message);

private:
    bool handOver(const QStringList& arguments);
    void accept();

    QString socketPath_;
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
