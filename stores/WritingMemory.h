#pragma once
// Short passages of the user's own writing, offered to prompts as samples of style. Kept in
// "memory.sealed": the JSON array of passages sealed with AES-256-GCM under a 32-byte key
// that lives only in the keychain.

#include "platform/Clock.h"
#include "platform/Crypto.h"
#include "stores/Keychain.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUuid>

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

    // How the last load went.
    enum class LoadState {
        noFile,         // nothing stored yet (or no file path)
        loaded,
        keyUnavailable, // the keychain could not hand out the key; the file stays in place
        unreadable,     // the file cannot be opened with the key (or there is no key); moved aside
    };

    // An empty file path keeps the memory in RAM only.
    WritingMemory(QString filePath, Keychain keychain, Crypto& crypto, Clock& clock, QObject* parent = nullptr);
    ~WritingMemory() override;

    // Reads and opens the file. Any failure other than a missing file leaves the memory empty
    // and read-only for the run, so the stored passages are never replaced or deleted.
    void load();
    LoadState loadState() const { return loadState_; }
    bool isReadOnly() const { return readOnly_; }
    // A sentence for the settings window when the memory is read-only; empty otherwise.
    const QString& problem() const { return problem_; }
    const QString& movedAsidePath() const { return movedAside_; }
    // The last save failed: the passages shown are not on disk.
    bool isUnsaved() const { return unsaved_; }
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
    // Seals and writes the passages now (removes the file when there are none). False when
    // nothing could be written; the old file then stays as it was.
    bool save();
    // Quit: drops the pending save and saves at once.
    bool flush();

    // The 32-byte key; a new one is made (and stored) only when `create` is set and the
    // keychain says there is none. A key the keychain cannot hand out is never replaced.
    std::optional<QByteArray> key(bool create);

    static QString passage(const QString& text, int limit);
    static QSet<QString> keywords(QStringView text);
    static QByteArray encode(const QList<MemoryEntry>& entries);
    static std::optional<QList<MemoryEntry>> decode(const QByteArray& json);

signals:
    void entriesChanged();
    void storeStateChanged();

private:
    void becomeReadOnly(LoadState state, const QString& why);
    bool write();

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
};

} // namespace tq
