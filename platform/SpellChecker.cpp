#include "platform/SpellChecker.h"

#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <enchant.h>
#include <future>

namespace tq {

// ---- Word list from a hunspell dictionary

namespace {

constexpr char16_t kCurlyApostrophe = u'\u2019';

// One position of an affix condition: any character, or a bracketed set (maybe negated).
struct CondAtom {
    bool any = false;
    bool negate = false;
    QString chars;
    bool matches(QChar c) const { return any || (chars.contains(c) != negate); }
};

struct AffixRule {
    QString strip;
    QString add;
    std::vector<CondAtom> condition;
};

struct AffixClass {
    bool prefix = false;
    bool cross = false;
    std::vector<AffixRule> rules;
};

std::vector<CondAtom> parseCondition(const QString& text)
{
    std::vector<CondAtom> atoms;
    if (text == QLatin1String("."))
        return atoms;
    for (qsizetype i = 0; i < text.size(); ++i) {
        CondAtom atom;
        if (text[i] == QLatin1Char('.')) {
            atom.any = true;
        } else if (text[i] == QLatin1Char('[')) {
            qsizetype j = i + 1;
            if (j < text.size() && text[j] == QLatin1Char('^')) {
                atom.negate = true;
                ++j;
            }
            while (j < text.size() && text[j] != QLatin1Char(']'))
                atom.chars += text[j++];
            i = j;
        } else {
            atom.chars = text[i];
        }
        atoms.push_back(std::move(atom));
    }
    return atoms;
}

bool conditionHolds(const AffixRule& rule, const QString& word, bool prefix)
{
    const auto n = qsizetype(rule.condition.size());
    if (word.size() < n || word.size() <= rule.strip.size())
        return false;
    if (prefix ? !word.startsWith(rule.strip) : !word.endsWith(rule.strip))
        return false;
    const qsizetype start = prefix ? 0 : word.size() - n;
    for (qsizetype i = 0; i < n; ++i) {
        if (!rule.condition[size_t(i)].matches(word[start + i]))
            return false;
    }
    return true;
}

QString apply(const AffixRule& rule, const QString& word, bool prefix)
{
    return prefix ? rule.add + word.mid(rule.strip.size()) : word.left(word.size() - rule.strip.size()) + rule.add;
}

enum class FlagMode { singleChar, charPair, number }; // FLAG (default), FLAG long, FLAG num

QStringList splitFlags(const QString& flags, FlagMode mode)
{
    QStringList out;
    if (mode == FlagMode::number) {
        for (const QString& f : flags.split(QLatin1Char(','), Qt::SkipEmptyParts))
            out << f.trimmed();
    } else if (mode == FlagMode::charPair) {
        for (qsizetype i = 0; i + 1 < flags.size(); i += 2)
            out << flags.mid(i, 2);
    } else {
        for (qsizetype i = 0; i < flags.size(); ++i) {
            const qsizetype len = (flags[i].isHighSurrogate() && i + 1 < flags.size()) ? 2 : 1;
            out << flags.mid(i, len);
            i += len - 1;
        }
    }
    return out;
}

QStringList readLines(const QString& path, bool latin1)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    return (latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes)).split(QLatin1Char('\n'));
}

qsizetype firstSpace(const QString& line, qsizetype from)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i].isSpace())
            return i;
    }
    return -1;
}

// Orders case-insensitively first, so every word with a given prefix (ignoring case) lies in
// one run; ties are broken case-sensitively to keep the order total.
bool lessWord(QStringView a, QStringView b)
{
    const int ci = a.compare(b, Qt::CaseInsensitive);
    return ci != 0 ? ci < 0 : a.compare(b, Qt::CaseSensitive) < 0;
}

} // namespace

HunspellWordList HunspellWordList::load(const QString& base)
{
    HunspellWordList list;
    const QString affPath = base + QStringLiteral(".aff");
    QFile probe(affPath);
    bool latin1 = false;
    if (probe.open(QIODevice::ReadOnly)) {
        const QByteArray head = probe.read(4096);
        latin1 = head.contains("SET ISO8859-1") || head.contains("SET ISO-8859-1");
    }

    FlagMode mode = FlagMode::singleChar;
    QHash<QString, AffixClass> classes;
    QStringList skipFlags; // stems carrying these are not offered as completions
    QString needAffix;
    for (const QString& raw : readLines(affPath, latin1)) {
        const QStringList t = raw.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (t.isEmpty() || t[0].startsWith(QLatin1Char('#')))
            continue;
        if (t[0] == QLatin1String("FLAG") && t.size() > 1) {
            mode = t[1] == QLatin1String("long") ? FlagMode::charPair : t[1] == QLatin1String("num") ? FlagMode::number : FlagMode::singleChar;
        } else if ((t[0] == QLatin1String("NOSUGGEST") || t[0] == QLatin1String("ONLYINCOMPOUND") || t[0] == QLatin1String("FORBIDDENWORD")) && t.size() > 1) {
            skipFlags << t[1];
        } else if (t[0] == QLatin1String("NEEDAFFIX") && t.size() > 1) {
            needAffix = t[1];
        } else if ((t[0] == QLatin1String("PFX") || t[0] == QLatin1String("SFX")) && t.size() >= 4) {
            AffixClass& cls = classes[t[1]];
            cls.prefix = t[0] == QLatin1String("PFX");
            if (t[2] == QLatin1String("Y") || t[2] == QLatin1String("N")) {
                cls.cross = t[2] == QLatin1String("Y");
                continue; // the class header
            }
            AffixRule rule;
            rule.strip = t[2] == QLatin1String("0") ? QString() : t[2];
            QString add = t[3].section(QLatin1Char('/'), 0, 0);
            rule.add = add == QLatin1String("0") ? QString() : add;
            rule.condition = parseCondition(t.size() > 4 ? t[4] : QStringLiteral("."));
            cls.rules.push_back(std::move(rule));
        }
    }

    const QStringList dic = readLines(base + QStringLiteral(".dic"), latin1);
    std::vector<QString> forms;
    forms.reserve(size_t(dic.size()) * 3);
    for (qsizetype n = 0; n < dic.size(); ++n) {
        QString line = dic[n].trimmed();
        if (line.isEmpty() || (n == 0 && line.front().isDigit()))
            continue;
        // The word ends at its flags ("/", unless escaped) or at its morphological fields.
        qsizetype slash = -1;
        for (qsizetype i = 1; i < line.size(); ++i) {
            if (line[i] == QLatin1Char('/') && line[i - 1] != QLatin1Char('\\')) {
                slash = i;
                break;
            }
        }
        const qsizetype space = firstSpace(line, 0);
        QString word = line.left(slash >= 0 ? slash : space >= 0 ? space : line.size());
        word.replace(QStringLiteral("\\/"), QStringLiteral("/"));
        QString flagText;
        if (slash >= 0) {
            const qsizetype end = firstSpace(line, slash);
            flagText = line.mid(slash + 1, end < 0 ? -1 : end - slash - 1);
        }
        const QStringList flags = splitFlags(flagText, mode);
        if (std::any_of(flags.begin(), flags.end(), [&](const QString& f) { return skipFlags.contains(f); }))
            continue;
        if (needAffix.isEmpty() || !flags.contains(needAffix))
            forms.push_back(word);

        std::vector<QString> crossSuffixed;
        for (const QString& f : flags) {
            auto it = classes.constFind(f);
            if (it == classes.constEnd() || it->prefix)
                continue;
            for (const AffixRule& r : it->rules) {
                if (!conditionHolds(r, word, false))
                    continue;
                forms.push_back(apply(r, word, false));
                if (it->cross)
                    crossSuffixed.push_back(forms.back());
            }
        }
        for (const QString& f : flags) {
            auto it = classes.constFind(f);
            if (it == classes.constEnd() || !it->prefix)
                continue;
            for (const AffixRule& r : it->rules) {
                if (!conditionHolds(r, word, true))
                    continue;
                forms.push_back(apply(r, word, true));
                if (!it->cross)
                    continue;
                for (const QString& s : crossSuffixed) {
                    if (conditionHolds(r, s, true))
                        forms.push_back(apply(r, s, true));
                }
            }
        }
    }

    std::sort(forms.begin(), forms.end(), [](const QString& a, const QString& b) { return lessWord(a, b); });
    forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
    qsizetype total = 0;
    for (const QString& w : forms)
        total += w.size();
    list.words_.reserve(total);
    list.offsets_.reserve(forms.size() + 1);
    for (const QString& w : forms) {
        list.offsets_.push_back(quint32(list.words_.size()));
        list.words_ += w;
    }
    list.offsets_.push_back(quint32(list.words_.size()));
    if (forms.empty())
        list.offsets_.clear();
    return list;
}

QStringView HunspellWordList::at(std::size_t i) const
{
    return QStringView(words_).mid(offsets_[i], offsets_[i + 1] - offsets_[i]);
}

QStringList HunspellWordList::withPrefix(const QString& partial, int limit) const
{
    QStringList out;
    if (partial.isEmpty() || isEmpty())
        return out;
    std::size_t lo = 0, hi = size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (at(mid).compare(partial, Qt::CaseInsensitive) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    for (std::size_t i = lo; i < size() && out.size() < limit; ++i) {
        const QStringView w = at(i);
        if (!w.startsWith(partial, Qt::CaseInsensitive))
            break;
        if (w.size() > partial.size())
            out << w.toString();
    }
    return out;
}

// ---- Enchant

namespace {

// Straight apostrophes, as the dictionaries spell them, and without quote marks around.
QString normalised(const QString& word)
{
    QString w = word;
    w.replace(QChar(kCurlyApostrophe), QLatin1Char('\''));
    qsizetype b = 0, e = w.size();
    while (b < e && w[b] == QLatin1Char('\''))
        ++b;
    while (e > b && w[e - 1] == QLatin1Char('\''))
        --e;
    return w.mid(b, e - b);
}

// The en_US dictionary judges Latin-script words only; any other script is not its business.
bool inDictionaryScript(const QString& word)
{
    for (char32_t c : word.toUcs4()) {
        if (!QChar::isLetter(c))
            continue;
        if (QChar::script(c) != QChar::Script_Latin)
            return false;
    }
    return true;
}

QString findDictionary(const QString& language)
{
    QStringList dirs = qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dirs << QStringLiteral("/usr/local/share") << QStringLiteral("/usr/share");
    for (const QString& dir : dirs) {
        for (const char* sub : {"/hunspell/", "/myspell/", "/myspell/dicts/"}) {
            const QString base = dir + QLatin1String(sub) + language;
            if (QFileInfo::exists(base + QStringLiteral(".dic")))
                return base;
        }
    }
    return {};
}

} // namespace

struct EnchantSpellChecker::Impl {
    EnchantBroker* broker = nullptr;
    EnchantDict* dict = nullptr;
    QString dictionaryBase;
    // Loaded on a worker thread from construction on (it takes a good part of a second),
    // so the first look-up while typing rarely has to wait. The only holder of std::async's
    // future: ending the checker waits for (joins) that thread.
    std::shared_future<HunspellWordList> words;
};

EnchantSpellChecker::EnchantSpellChecker(QString language, QString dictionaryBase) : d(std::make_unique<Impl>())
{
    d->dictionaryBase = dictionaryBase.isEmpty() ? findDictionary(language) : dictionaryBase;
    d->words = std::async(std::launch::async, [base = d->dictionaryBase] { return HunspellWordList::load(base); }).share();
    d->broker = enchant_broker_init();
    if (!d->broker) {
        log::warning(QStringLiteral("Spelling is unavailable: the Enchant library did not start."));
        return;
    }
    const QByteArray tag = language.toUtf8();
    enchant_broker_set_ordering(d->broker, tag.constData(), "hunspell");
    d->dict = enchant_broker_request_dict(d->broker, tag.constData());
    if (!d->dict)
        log::warning(QStringLiteral("Spelling is unavailable: there is no %1 dictionary.").arg(language));
}

EnchantSpellChecker::~EnchantSpellChecker()
{
    if (d->broker) {
        if (d->dict)
            enchant_broker_free_dict(d->broker, d->dict);
        enchant_broker_free(d->broker);
    }
}

bool EnchantSpellChecker::isAvailable() const { return d->dict != nullptr; }

bool EnchantSpellChecker::isMisspelled(const QString& word)
{
    const QString w = normalised(word);
    if (!d->dict || w.isEmpty() || !inDictionaryScript(w))
        return false;
    const QByteArray utf8 = w.toUtf8();
    return enchant_dict_check(d->dict, utf8.constData(), utf8.size()) > 0;
}

QString EnchantSpellChecker::correction(const QString& word)
{
    const QString w = normalised(word);
    if (!d->dict || w.isEmpty() || !inDictionaryScript(w))
        return {};
    const QByteArray utf8 = w.toUtf8();
    size_t count = 0;
    char** suggestions = enchant_dict_suggest(d->dict, utf8.constData(), utf8.size(), &count);
    QString best;
    if (suggestions && count > 0)
        best = QString::fromUtf8(suggestions[0]);
    if (suggestions)
        enchant_dict_free_string_list(d->dict, suggestions);
    // Keep the writer's own apostrophe.
    if (word.contains(QChar(kCurlyApostrophe)))
        best.replace(QLatin1Char('\''), QChar(kCurlyApostrophe));
    return best;
}

QStringList EnchantSpellChecker::completions(const QString& partial, int limit)
{
    QString p = partial;
    p.replace(QChar(kCurlyApostrophe), QLatin1Char('\''));
    return d->words.get().withPrefix(p, limit);
}

} // namespace tq
