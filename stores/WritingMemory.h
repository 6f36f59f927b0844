#pragma once
// Short passages of the user's own writing, offered to prompts as samples of style. Kept in
// "memory.sealed": the JSON array of passages sealed with AES-256-GCM under a 32-byte key
// that lives only in the keychain. The keychain is only ever asked from a thread of its own: it
// may sit behind an unlock prompt nobody answers, and nothing waits for it but a bounded quit.

#include "platform/Clock.h"
#include "platform/Crypto.h"
#include "stores/Keychain.h"
#include "stores/KeychainQueue.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <memory>
#include <optional>

namespace tq {

struct MemoryEntry {
    QUuid id;
    QDateTime date;  // when last recorded or extended
    QString appKey;  // "app:" + application identifier
    QString text;    // 24 to 400 characters

    bool operator==(const MemoryEntry&) const = default;
};

class WritingMemory : public QObject {
    Q_OBJECT
public:
    static constexpr int kPassageLimit = 400;
    static constexpr int kMinimumPassage = 24;
    static constexpr int kMaxEntries = 2000;
    static constexpr int kExampleLength = 220;
    static constexpr Millis kSaveDelay{1000};
    // How long quitting waits for a key the keychain has not handed out yet.
    static constexpr Millis kQuitWait{2000};

    // How the last load went.
    enum class LoadState {
        noFile,         // nothing stored yet (or no file path)
        opening,        // the file is read, its key is on its way from the keychain
        loaded,
        keyUnavailable, // the keychain could not hand out the key; the file stays in place
        unreadable,     // the file cannot be opened with the key (or there is no key); moved aside
    };

    // An empty file path keeps the memory in RAM only.
    WritingMemory(QString filePath, Keychain keychain, Crypto& crypto, Clock& clock, QObject* parent = nullptr);
    ~WritingMemory() override;

    // Reads the file and asks the keychain for its key; the passages join the memory once it
    // answers (passages recorded meanwhile follow them). A file that cannot be opened is moved
    // aside and a new memory starts; when it cannot be moved, or its key cannot be read, the
    // memory stays empty and read-only for the run, so the stored passages are never replaced
    // or deleted.
    void load();
    LoadState loadState() const { return loadState_; }
    bool isReadOnly() const { return readOnly_; }
    // A sentence for the settings window when the memory is read-only or was set aside.
    const QString& problem() const { return problem_; }
    const QString& movedAsidePath() const { return movedAside_; }
    // The last save failed: the passages shown are not on disk.
    bool isUnsaved() const { return unsaved_; }
    // Unsaved because the keychain did not hand out (or keep) the key to seal them with.
    bool isUnsavedForKey() const { return unsaved_ && !key_ && !entries_.isEmpty(); }
    // The sealed file may hold every passage at its longest, escaped, plus the seal.
    static constexpr qint64 kFileCap = 64 << 20;

    const QList<MemoryEntry>& entries() const { return entries_; }
    void setEntries(const QList<MemoryEntry>& entries); // ignored while read-only

    void record(const QString& text, const QString& appKey, const QDateTime& at);
    QStringList examples(const QString& query, const QString& appKey, int limit) const;
    // With a key, forgets that application's passages; with none, everything.
    void forget(const std::optional<QString>& appKey);
    int entryCount(const QString& appKey) const;

    void scheduleSave();
    bool hasPendingSave() const { return saveTimer_.isActive(); }
    // Seals and writes the passages (removes the file when there are none). True when they are
    // on disk now; false when the write failed (the old file then stays as it was) or waits for
    // the keychain: the passages stay in memory and are written once the key arrives.
    bool save();
    // Quit: drops the pending save and saves at once, waiting at most `wait` for a key still on
    // its way. True when the passages are on disk.
    bool flush(Millis wait = kQuitWait);

    static QString passage(const QString& text, int limit);
    static QSet<QString> keywords(QStringView text);
    static QByteArray encode(const QList<MemoryEntry>& entries);
    static std::optional<QList<MemoryEntry>> decode(const QByteArray& json);

signals:
    void entriesChanged();
    void storeStateChanged();

private:
    // What the keychain said about the key.
    struct KeyAnswer {
        enum class Kind { key, none, failed } kind = Kind::failed;
        QByteArray key;
        QString error;
    };
    struct Arrival;
    // Runs on the keychain's thread: the stored key, or `fresh` once stored when there is none.
    static KeyAnswer fetchKey(const Keychain& keychain, const std::optional<QByteArray>& fresh);
    void becomeReadOnly(LoadState state, const QString& why);
    void startAfresh(const QString& why);
    bool finishSave(bool saved);
    bool writeSealed();
    void askForKey(bool create);
    void takeAnswer();
    void opened(const KeyAnswer& answer);

    QString filePath_;
    Keychain keychain_;
    Crypto& crypto_;
    Clock& clock_;
    Timer saveTimer_;
    QList<MemoryEntry> entries_;
    LoadState loadState_ = LoadState::noFile;
    bool readOnly_ = false;
    QString problem_;
    QString movedAside_;
    bool unsaved_ = false;

    std::optional<QByteArray> key_;
    QByteArray sealedFile_;        // read by load(), opened once the key arrives
    bool changed_ = false;         // since the stored passages were opened or last written
    bool dropStored_ = false;      // everything was forgotten before the stored passages arrived
    QSet<QString> forgottenApps_;  // applications forgotten before they arrived
    bool saveWanted_ = false;      // a save waits for the key
    bool asking_ = false;
    std::shared_ptr<Arrival> arrival_;
    KeychainQueue queue_{this};
};

} // namespace tq
