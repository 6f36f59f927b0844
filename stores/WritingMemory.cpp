#include "stores/WritingMemory.h"

#include "platform/AppFolder.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "platform/Text.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace tq {

namespace {

constexpr mode_t kFileMode = 0600;
const QString kNilUuid = QStringLiteral("00000000-0000-0000-0000-000000000000");

// The character at `i` is a user-visible character of its own (not part of a cluster).
bool isLoneCharacter(QStringView text, qsizetype i)
{
    return chars::isBoundary(text, i) && chars::isBoundary(text, i + 1);
}

std::optional<MemoryEntry> decodeEntry(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject o = value.toObject();
    const QJsonValue id = o.value(QLatin1String("id"));
    const QJsonValue date = o.value(QLatin1String("date"));
    const QJsonValue appKey = o.value(QLatin1String("appKey"));
    const QJsonValue text = o.value(QLatin1String("text"));
    if (!id.isString() || !date.isDouble() || !appKey.isString() || !text.isString())
        return std::nullopt;
    const QString idText = id.toString();
    const QUuid uuid = QUuid::fromString(idText);
    if (idText.size() != 36 || (uuid.isNull() && idText != kNilUuid))
        return std::nullopt;
    return MemoryEntry{uuid, dateFromSecondsSince2001(date.toDouble()), appKey.toString(), text.toString()};
}

} // namespace

WritingMemory::WritingMemory(QString filePath, Keychain keychain, Crypto& crypto, Clock& clock, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)), keychain_(std::move(keychain)), crypto_(crypto), clock_(clock),
      saveTimer_(clock), arrival_(std::make_shared<Arrival>())
{
}

WritingMemory::~WritingMemory() = default;

// ---- file image

QByteArray WritingMemory::encode(const QList<MemoryEntry>& entries)
{
    QJsonArray array;
    for (const MemoryEntry& e : entries)
        array.append(QJsonObject{{"id", e.id.toString(QUuid::WithoutBraces).toUpper()},
                                 {"date", secondsSince2001(e.date)},
                                 {"appKey", e.appKey},
                                 {"text", e.text}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<MemoryEntry>> WritingMemory::decode(const QByteArray& json)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    QList<MemoryEntry> entries;
    const QJsonArray array = doc.array();
    entries.reserve(array.size());
    for (const QJsonValue& v : array) {
        auto entry = decodeEntry(v);
        if (!entry)
            return std::nullopt;
        entries.append(*entry);
    }
    return entries;
}

// ---- loading and saving

// The keychain's answer, handed over under a lock so that quitting can wait for it without the
// event loop.
struct WritingMemory::Arrival {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<KeyAnswer> answer;
};

WritingMemory::KeyAnswer WritingMemory::fetchKey(const Keychain& keychain, const std::optional<QByteArray>& fresh)
{
    using Kind = KeyAnswer::Kind;
    const SecretLookup stored = keychain.lookup(kWritingMemoryKeyAccount);
    if (stored.found()) {
        if (stored.data.size() == Crypto::kKeySize)
            return {Kind::key, stored.data, {}};
        return {Kind::failed, {},
                QStringLiteral("the key in the keyring is %1 bytes long instead of %2; it is left alone")
                    .arg(stored.data.size())
                    .arg(Crypto::kKeySize)};
    }
    if (stored.failed())
        return {Kind::failed, {}, stored.error};
    if (!fresh)
        return {Kind::none, {}, {}};
    if (!keychain.write(*fresh, kWritingMemoryKeyAccount))
        return {Kind::failed, {}, QStringLiteral("the keyring did not take a new key")};
    return {Kind::key, *fresh, {}};
}

void WritingMemory::askForKey(bool create)
{
    if (asking_)
        return;
    asking_ = true;
    std::optional<QByteArray> fresh;
    if (create) {
        fresh = crypto_.randomBytes(Crypto::kKeySize);
        if (fresh && fresh->size() != Crypto::kKeySize)
            fresh.reset();
    }
    queue_.run(
        [keychain = keychain_, fresh, arrival = arrival_] {
            KeyAnswer answer = fetchKey(keychain, fresh);
            std::lock_guard lock(arrival->mutex);
            arrival->answer = std::move(answer);
            arrival->answered.notify_all();
            return true;
        },
        [this](bool) { takeAnswer(); });
}

void WritingMemory::takeAnswer()
{
    KeyAnswer answer;
    {
        std::lock_guard lock(arrival_->mutex);
        if (!arrival_->answer)
            return;
        answer = std::move(*arrival_->answer);
        arrival_->answer.reset();
    }
    asking_ = false;
    if (loadState_ == LoadState::opening)
        return opened(answer);
    if (answer.kind != KeyAnswer::Kind::key) {
        log::warning(QStringLiteral("The writing memory was not saved: its key ")
                     + (answer.kind == KeyAnswer::Kind::none ? QStringLiteral("could not be made")
                                                             : QStringLiteral("is not at hand: ") + answer.error));
        saveWanted_ = false;
        finishSave(false);
        return;
    }
    key_ = answer.key;
    if (std::exchange(saveWanted_, false))
        save();
}

void WritingMemory::load()
{
    if (filePath_.isEmpty())
        return;
    const StoreFileRead file = readStoreFile(filePath_, kFileCap);
    if (file.status == StoreFileRead::Status::missing) {
        loadState_ = LoadState::noFile;
        return;
    }
    if (file.status != StoreFileRead::Status::ok)
        return becomeReadOnly(LoadState::unreadable, file.error);
    if (file.data.size() < Crypto::kNonceSize + Crypto::kTagSize)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("it is too short to be sealed"));
    loadState_ = LoadState::opening;
    sealedFile_ = file.data;
    askForKey(false);
}

void WritingMemory::opened(const KeyAnswer& answer)
{
    const QByteArray box = std::exchange(sealedFile_, {});
    if (answer.kind == KeyAnswer::Kind::failed)
        return becomeReadOnly(LoadState::keyUnavailable, answer.error);
    if (answer.kind == KeyAnswer::Kind::none)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("the keyring holds no key for it"));
    const auto plain = crypto_.open(answer.key, box);
    if (!plain)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("it does not open with the key"));
    auto decoded = decode(*plain);
    if (!decoded)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("its passages cannot be decoded"));
    key_ = answer.key;
    loadState_ = LoadState::loaded;
    // The stored passages come first, then those recorded while the key was on its way.
    QList<MemoryEntry> merged;
    if (!dropStored_) {
        merged = std::move(*decoded);
        merged.removeIf([this](const MemoryEntry& e) { return forgottenApps_.contains(e.appKey); });
    }
    merged += entries_;
    if (merged.size() > kMaxEntries)
        merged.remove(0, merged.size() - kMaxEntries);
    dropStored_ = false;
    forgottenApps_.clear();
    if (entries_ != merged) {
        entries_ = std::move(merged);
        emit entriesChanged();
    }
    if (std::exchange(saveWanted_, false))
        save();
}

void WritingMemory::becomeReadOnly(LoadState state, const QString& why)
{
    loadState_ = state;
    if (state == LoadState::unreadable) {
        movedAside_ = moveAside(filePath_, clock_.now());
        if (!movedAside_.isEmpty())
            return startAfresh(why);
    }
    readOnly_ = true;
    saveWanted_ = false;
    saveTimer_.cancel();
    if (state == LoadState::unreadable) {
        problem_ = text("Your writing memory could not be opened and was set aside. Nothing new is remembered until "
                        "%app starts again.");
    } else {
        problem_ = text("Your writing memory could not be opened because its key could not be read from the keyring. "
                        "Nothing new is remembered until %app starts again.");
    }
    log::warning(QStringLiteral("The writing memory is read-only for this run: ") + why);
    // What was recorded while the key was on its way goes with the rest.
    if (!entries_.isEmpty()) {
        entries_.clear();
        emit entriesChanged();
    }
    emit storeStateChanged();
}

void WritingMemory::startAfresh(const QString& why)
{
    // The old file is kept aside: nothing can overwrite it, so a new memory starts here, with
    // the passages recorded while the key was on its way.
    problem_ = text("Your writing memory could not be opened, so it was set aside and %app started a new one.");
    log::warning(QStringLiteral("The writing memory was set aside and starts afresh: ") + why);
    key_.reset();
    dropStored_ = false;
    forgottenApps_.clear();
    changed_ = !entries_.isEmpty();
    emit storeStateChanged();
    if (std::exchange(saveWanted_, false))
        save();
}

void WritingMemory::scheduleSave()
{
    if (readOnly_)
        return;
    saveTimer_.start(kSaveDelay, [this] { save(); });
}

bool WritingMemory::save()
{
    if (readOnly_)
        return false;
    if (filePath_.isEmpty())
        return finishSave(true);
    // Until the stored passages are open, a write would replace them.
    const bool storedPending = loadState_ == LoadState::opening && !dropStored_;
    if (storedPending && !changed_)
        return finishSave(true); // the file holds all there is
    if (entries_.isEmpty() && !storedPending)
        return finishSave(!QFile::exists(filePath_) || QFile::remove(filePath_));
    if (storedPending || !key_) {
        saveWanted_ = true;
        askForKey(true);
        return false;
    }
    return finishSave(writeSealed());
}

bool WritingMemory::finishSave(bool saved)
{
    if (saved)
        changed_ = false;
    if (unsaved_ == saved) {
        unsaved_ = !saved;
        emit storeStateChanged();
    }
    return saved;
}

bool WritingMemory::writeSealed()
{
    const auto box = crypto_.seal(*key_, encode(entries_));
    if (!box)
        return false;
    QString error;
    if (!writeFileAtomically(filePath_, *box, &error, kFileMode)) {
        log::warning(QStringLiteral("The writing memory was not saved: ") + error);
        return false;
    }
    return true;
}

bool WritingMemory::flush(Millis wait)
{
    saveTimer_.cancel();
    if (save())
        return true;
    if (asking_) {
        std::unique_lock lock(arrival_->mutex);
        arrival_->answered.wait_for(lock, wait, [this] { return arrival_->answer.has_value(); });
    }
    takeAnswer();
    if (saveWanted_) {
        log::warning(QStringLiteral("The keyring did not hand out the writing memory's key in time; the passages "
                                    "of this run since the last save were not written."));
        return false;
    }
    return !readOnly_ && !unsaved_;
}

// ---- passages

void WritingMemory::setEntries(const QList<MemoryEntry>& entries)
{
    if (readOnly_)
        return;
    if (loadState_ == LoadState::opening)
        dropStored_ = changed_ = true; // the whole memory is replaced, the passages on their way too
    if (entries_ == entries)
        return;
    entries_ = entries;
    changed_ = true;
    emit entriesChanged();
}

QString WritingMemory::passage(const QString& text, int limit)
{
    const QString trimmed = text.trimmed();
    if (chars::count(trimmed) <= limit)
        return trimmed;
    const QString tail = chars::last(trimmed, limit).toString();
    for (qsizetype i = 0; i < tail.size(); ++i) {
        const QChar c = tail[i];
        if ((c == u'.' || c == u'!' || c == u'?' || c == u'\n') && isLoneCharacter(tail, i)) {
            const QString rest = tail.mid(i + 1).trimmed();
            return chars::count(rest) >= limit / 3 ? rest : tail;
        }
    }
    return tail;
}

void WritingMemory::record(const QString& text, const QString& appKey, const QDateTime& at)
{
    if (readOnly_)
        return;
    const QString p = passage(text, kPassageLimit);
    if (chars::count(p) < kMinimumPassage)
        return;
    if (!entries_.isEmpty() && entries_.last().appKey == appKey
        && (entries_.last().text.startsWith(p) || p.startsWith(entries_.last().text))) {
        MemoryEntry& last = entries_.last();
        last.date = at;
        if (chars::count(p) > chars::count(last.text))
            last.text = p;
    } else {
        entries_.append(MemoryEntry{QUuid::createUuid(), at, appKey, p});
        if (entries_.size() > kMaxEntries)
            entries_.remove(0, entries_.size() - kMaxEntries);
    }
    changed_ = true;
    emit entriesChanged();
    scheduleSave();
}

QSet<QString> WritingMemory::keywords(QStringView text)
{
    QSet<QString> words;
    const QString lower = text.toString().toLower();
    QString word;
    auto finish = [&] {
        if (chars::count(word) > 3)
            words.insert(word);
        word.clear();
    };
    for (const char32_t c : lower.toUcs4()) {
        // A combining mark belongs to the letter before it.
        const auto category = QChar::category(c);
        const bool mark = category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining
            || category == QChar::Mark_Enclosing;
        if (QChar::isLetter(c) || (mark && !word.isEmpty()))
            word.append(QString::fromUcs4(&c, 1));
        else
            finish();
    }
    finish();
    return words;
}

QStringList WritingMemory::examples(const QString& query, const QString& appKey, int limit) const
{
    if (limit < 1 || entries_.isEmpty())
        return {};
    const QSet<QString> wanted = keywords(query);
    const QDateTime reference = entries_.last().date;
    QList<QPair<double, qsizetype>> scored;
    scored.reserve(entries_.size());
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const MemoryEntry& e = entries_[i];
        const double shared = double(keywords(e.text).intersect(wanted).size());
        const double app = e.appKey == appKey ? 1.5 : 0.0;
        const double age = double(e.date.msecsTo(reference)) / 1000.0;
        const double recency = std::max(0.0, 1.0 - age / 86400.0 / 60.0);
        scored.append({2.0 * shared + app + recency, i});
    }
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList result;
    for (qsizetype n = 0; n < scored.size() && n < limit; ++n)
        result.append(chars::last(entries_[scored[n].second].text, kExampleLength).toString());
    return result;
}

void WritingMemory::forget(const std::optional<QString>& appKey)
{
    if (readOnly_)
        return;
    if (loadState_ == LoadState::opening) {
        if (appKey)
            forgottenApps_.insert(*appKey);
        else
            dropStored_ = true;
        changed_ = true;
    }
    const qsizetype before = entries_.size();
    if (appKey)
        entries_.removeIf([&](const MemoryEntry& e) { return e.appKey == *appKey; });
    else
        entries_.clear();
    if (entries_.size() != before) {
        changed_ = true;
        emit entriesChanged();
    }
    scheduleSave();
}

int WritingMemory::entryCount(const QString& appKey) const
{
    return int(std::count_if(entries_.cbegin(), entries_.cend(), [&](const MemoryEntry& e) { return e.appKey == appKey; }));
}

} // namespace tq
