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
      saveTimer_(clock)
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

std::optional<QByteArray> WritingMemory::key(bool create)
{
    const SecretLookup stored = keychain_.lookup(kWritingMemoryKeyAccount);
    if (stored.found()) {
        if (stored.data.size() == Crypto::kKeySize)
            return stored.data;
        log::warning(QStringLiteral("The writing memory's key in the keyring is %1 bytes long instead of %2; it is left alone.")
                         .arg(stored.data.size())
                         .arg(Crypto::kKeySize));
        return std::nullopt;
    }
    if (stored.failed()) {
        log::warning(QStringLiteral("The writing memory's key could not be read: ") + stored.error);
        return std::nullopt;
    }
    if (!create)
        return std::nullopt;
    auto fresh = crypto_.randomBytes(Crypto::kKeySize);
    if (!fresh || fresh->size() != Crypto::kKeySize || !keychain_.write(*fresh, kWritingMemoryKeyAccount))
        return std::nullopt;
    return fresh;
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

    const SecretLookup stored = keychain_.lookup(kWritingMemoryKeyAccount);
    if (stored.failed())
        return becomeReadOnly(LoadState::keyUnavailable, stored.error);
    if (stored.found() && stored.data.size() != Crypto::kKeySize)
        return becomeReadOnly(LoadState::keyUnavailable,
                              QStringLiteral("the key in the keyring is %1 bytes long").arg(stored.data.size()));
    if (stored.notFound())
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("the keyring holds no key for it"));

    const auto plain = crypto_.open(stored.data, file.data);
    if (!plain)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("it does not open with the key"));
    auto decoded = decode(*plain);
    if (!decoded)
        return becomeReadOnly(LoadState::unreadable, QStringLiteral("its passages cannot be decoded"));
    loadState_ = LoadState::loaded;
    if (entries_ != *decoded) {
        entries_ = std::move(*decoded);
        emit entriesChanged();
    }
}

void WritingMemory::becomeReadOnly(LoadState state, const QString& why)
{
    loadState_ = state;
    readOnly_ = true;
    saveTimer_.cancel();
    if (state == LoadState::unreadable) {
        movedAside_ = moveAside(filePath_, clock_.now());
        problem_ = text("Your writing memory could not be opened and was set aside. Nothing new is remembered until "
                        "%app starts again.");
    } else {
        problem_ = text("Your writing memory could not be opened because its key could not be read from the keyring. "
                        "Nothing new is remembered until %app starts again.");
    }
    log::warning(QStringLiteral("The writing memory is read-only for this run: ") + why);
    emit storeStateChanged();
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
    const bool saved = write();
    if (unsaved_ == saved) {
        unsaved_ = !saved;
        emit storeStateChanged();
    }
    return saved;
}

bool WritingMemory::write()
{
    if (filePath_.isEmpty())
        return true;
    if (entries_.isEmpty())
        return !QFile::exists(filePath_) || QFile::remove(filePath_);
    const auto k = key(true);
    if (!k)
        return false;
    const auto box = crypto_.seal(*k, encode(entries_));
    if (!box)
        return false;
    QString error;
    if (!writeFileAtomically(filePath_, *box, &error, kFileMode)) {
        log::warning(QStringLiteral("The writing memory was not saved: ") + error);
        return false;
    }
    return true;
}

bool WritingMemory::flush()
{
    saveTimer_.cancel();
    return save();
}

// ---- passages

void WritingMemory::setEntries(const QList<MemoryEntry>& entries)
{
    if (readOnly_ || entries_ == entries)
        return;
    entries_ = entries;
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
    const qsizetype before = entries_.size();
    if (appKey)
        entries_.removeIf([&](const MemoryEntry& e) { return e.appKey == *appKey; });
    else
        entries_.clear();
    if (entries_.size() != before)
        emit entriesChanged();
    scheduleSave();
}

int WritingMemory::entryCount(const QString& appKey) const
{
    return int(std::count_if(entries_.cbegin(), entries_.cend(), [&](const MemoryEntry& e) { return e.appKey == appKey; }));
}

} // namespace tq
