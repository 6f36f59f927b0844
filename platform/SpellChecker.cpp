#include "platform/SpellChecker.h"

#include "platform/DisplayLoss.h"
#include "platform/Log.h"

#include <QBitArray>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <QRegularExpression>

#include <algorithm>
#include <enchant.h>
#include <iconv.h>
#include <malloc.h>
#include <mutex>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace tq {

// ---- Word list from a hunspell dictionary

namespace {

constexpr char16_t kCurlyApostrophe = u'\u2019';

// The places a form may take.
enum Role : quint8 { alone = 1, compoundBegin = 2, compoundMiddle = 4, compoundEnd = 8 };

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
    QStringList cont; // the flags the affixed form carries
    bool deferred = false; // a prefix of letters: taken off the words looked up instead
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

enum class FlagMode { singleChar, charPair, number }; // FLAG (default or UTF-8), FLAG long, FLAG num

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

// The character set a dictionary names on its SET line (ISO-8859-1 when it names none).
QByteArray declaredEncoding(const QByteArray& aff)
{
    for (const QByteArray& raw : aff.split('\n')) {
        QByteArray line = raw.trimmed();
        if (line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        if (line.startsWith("SET") && line.size() > 3 && (line[3] == ' ' || line[3] == '\t'))
            return line.mid(4).trimmed();
    }
    return QByteArrayLiteral("ISO8859-1");
}

// `bytes` in `encoding`, as text; nullopt when the encoding is unknown or the bytes are not in it.
std::optional<QString> decode(const QByteArray& bytes, QByteArray encoding)
{
    const QByteArray upper = encoding.toUpper();
    if (upper == "UTF-8" || upper == "UTF8") {
        QString text = QString::fromUtf8(bytes);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    if (upper.startsWith("MICROSOFT-"))
        encoding = encoding.mid(10); // "microsoft-cp1251"
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == iconv_t(-1))
        return std::nullopt;
    QByteArray out(bytes.size() * 3 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* dst = out.data();
    size_t outLeft = size_t(out.size());
    const size_t done = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (done == size_t(-1))
        return std::nullopt;
    out.truncate(out.size() - qsizetype(outLeft));
    return QString::fromUtf8(out);
}

std::optional<QStringList> readLines(const QString& path, const QByteArray& encoding)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const auto text = decode(f.readAll(), encoding);
    if (!text)
        return std::nullopt;
    return text->split(QLatin1Char('\n'));
}

qsizetype firstSpace(const QString& line, qsizetype from)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i].isSpace())
            return i;
    }
    return -1;
}

bool isContinuation(char c) { return (quint8(c) & 0xC0) == 0x80; }

// The form as the list keeps it: lower case, composed, without the letters the dictionary ignores.
QString folded(const QString& form, const QString& ignored)
{
    QString f = form.toLower();
    for (QChar c : ignored)
        f.remove(c);
    // Hangul spelled as conjoining letters (the Korean dictionary) is kept as syllables.
    if (std::any_of(f.cbegin(), f.cend(), [](QChar c) { return c.unicode() >= 0x1100 && c.unicode() <= 0x11FF; }))
        f = f.normalized(QString::NormalizationForm_C);
    return f;
}

// The flags that give a form its places, as the affix file names them.
struct CompoundFlags {
    QStringList any, begin, middle, end, only, permit, forbidden, needAffix;
    quint8 rolesOf(const QStringList& flags) const
    {
        const auto has = [&](const QStringList& which) {
            return std::any_of(flags.begin(), flags.end(), [&](const QString& f) { return which.contains(f); });
        };
        quint8 roles = has(only) ? 0 : alone;
        const bool everywhere = has(any);
        if (everywhere || has(begin))
            roles |= compoundBegin;
        if (everywhere || has(middle))
            roles |= compoundMiddle;
        if (everywhere || has(end))
            roles |= compoundEnd;
        return roles;
    }
};

// The places of a form made from one with `base` places by an affix whose form carries `cont`:
// a prefix keeps a compound's beginning and a suffix its end; inside a compound only affixes
// that permit it.
quint8 affixedRoles(quint8 base, const QStringList& cont, bool prefix, const CompoundFlags& cf)
{
    const quint8 own = cf.rolesOf(cont);
    const bool permit = std::any_of(cont.begin(), cont.end(), [&](const QString& f) { return cf.permit.contains(f); });
    quint8 roles = (base & alone) & own;
    roles |= own & quint8(compoundBegin | compoundMiddle | compoundEnd);
    const quint8 kept = quint8((prefix ? compoundBegin : compoundEnd) | (permit ? compoundBegin | compoundMiddle | compoundEnd : 0));
    roles |= base & kept;
    return roles;
}

} // namespace

HunspellWordList HunspellWordList::load(const QString& base, const std::atomic<bool>* stop)
{
    HunspellWordList list;
    const auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    QFile affFile(base + QStringLiteral(".aff"));
    if (!affFile.open(QIODevice::ReadOnly))
        return list;
    const QByteArray affBytes = affFile.readAll();
    const QByteArray encoding = declaredEncoding(affBytes);
    const auto affText = decode(affBytes, encoding);
    if (!affText)
        return list;

    FlagMode mode = FlagMode::singleChar;
    QHash<QString, AffixClass> classes;
    QStringList aliases; // flag sets named by number (AF), from 1
    CompoundFlags cf;
    int compoundMax = 0;
    bool aliasHeader = false;
    bool ruleHeader = false;
    const auto flagsOf = [&](const QString& text) {
        if (!aliases.isEmpty()) {
            bool ok = false;
            const int n = text.toInt(&ok);
            return ok && n >= 1 && n <= aliases.size() ? splitFlags(aliases[n - 1], mode) : QStringList();
        }
        return splitFlags(text, mode);
    };
    for (const QString& raw : affText->split(QLatin1Char('\n'))) {
        const QStringList t = raw.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (t.size() < 2 || t[0].startsWith(QLatin1Char('#')))
            continue;
        const QString& key = t[0];
        if (key == QLatin1String("FLAG")) {
            if (t[1] == QLatin1String("long"))
                mode = FlagMode::charPair;
            else if (t[1] == QLatin1String("num"))
                mode = FlagMode::number;
            else if (t[1] == QLatin1String("UTF-8") || t[1] == QLatin1String("ASCII"))
                mode = FlagMode::singleChar;
            else
                return list; // a flag type the list cannot read
        } else if (key == QLatin1String("AF")) {
            if (aliasHeader)
                aliases << t[1];
            aliasHeader = true; // the first line holds their count
        } else if (key == QLatin1String("IGNORE")) {
            list.ignored_ = t[1];
        } else if (key == QLatin1String("COMPOUNDMIN")) {
            list.compoundMin_ = std::max(1, t[1].toInt());
        } else if (key == QLatin1String("COMPOUNDWORDMAX")) {
            compoundMax = t[1].toInt();
        } else if (key == QLatin1String("COMPOUNDFLAG")) {
            cf.any << t[1];
        } else if (key == QLatin1String("COMPOUNDBEGIN")) {
            cf.begin << t[1];
        } else if (key == QLatin1String("COMPOUNDMIDDLE")) {
            cf.middle << t[1];
        } else if (key == QLatin1String("COMPOUNDEND")) {
            cf.end << t[1];
        } else if (key == QLatin1String("ONLYINCOMPOUND")) {
            cf.only << t[1];
        } else if (key == QLatin1String("COMPOUNDPERMITFLAG")) {
            cf.permit << t[1];
        } else if (key == QLatin1String("FORBIDDENWORD")) {
            cf.forbidden << t[1];
        } else if (key == QLatin1String("NEEDAFFIX")) {
            cf.needAffix << t[1];
        } else if (key == QLatin1String("COMPOUNDRULE")) {
            // Rules name flags in parentheses or one by one: every flag a rule names may take
            // any place (a generous reading: it only spares words from being called typos).
            if (!ruleHeader) {
                ruleHeader = true; // the first line holds their count
                continue;
            }
            QString rule = t[1];
            rule.remove(QLatin1Char('*')).remove(QLatin1Char('?'));
            if (rule.contains(QLatin1Char('('))) {
                for (const QString& part : rule.split(QRegularExpression(QStringLiteral("[()]")), Qt::SkipEmptyParts))
                    cf.any << part;
            } else {
                cf.any << splitFlags(rule, mode);
            }
        } else if ((key == QLatin1String("PFX") || key == QLatin1String("SFX")) && t.size() >= 4) {
            const bool header = !classes.contains(t[1]);
            AffixClass& cls = classes[t[1]];
            if (header) {
                cls.prefix = key == QLatin1String("PFX");
                cls.cross = t[2] == QLatin1String("Y");
                continue;
            }
            AffixRule rule;
            rule.strip = t[2] == QLatin1String("0") ? QString() : t[2];
            const QString add = t[3].section(QLatin1Char('/'), 0, 0);
            rule.add = add == QLatin1String("0") ? QString() : add;
            if (t[3].contains(QLatin1Char('/')))
                rule.cont = flagsOf(t[3].section(QLatin1Char('/'), 1));
            rule.condition = parseCondition(t.size() > 4 ? t[4] : QStringLiteral("."));
            // Prefixes that add letters multiply the forms (with every suffix, in Arabic tens
            // of millions): they are taken off a word looked up rather than put on every stem.
            if (cls.prefix && std::any_of(rule.add.cbegin(), rule.add.cend(), [](QChar c) { return c.isLetter(); })) {
                rule.deferred = true;
                list.prefixes_.emplace_back(folded(rule.add, QString()).toUtf8(), folded(rule.strip, QString()).toUtf8());
            }
            cls.rules.push_back(std::move(rule));
        }
    }
    list.compoundMax_ = compoundMax > 0 ? std::min(compoundMax, 5) : 5;

    auto dic = readLines(base + QStringLiteral(".dic"), encoding);
    if (!dic || stopped())
        return list;

    // Every form, lower-cased, in UTF-8; sorted and merged below.
    std::string pool;
    std::vector<quint32> starts;
    std::vector<quint8> roles;
    const auto add = [&](const QString& form, quint8 r) {
        if (r == 0)
            return;
        const QByteArray utf8 = folded(form, list.ignored_).toUtf8();
        if (utf8.isEmpty())
            return;
        starts.push_back(quint32(pool.size()));
        pool.append(utf8.constData(), size_t(utf8.size()));
        roles.push_back(r);
    };
    constexpr std::size_t kMostForms = 6'000'000; // beyond, the list costs more than it is worth
    for (qsizetype n = 0; n < dic->size(); ++n) {
        if ((n & 4095) == 0 && (stopped() || starts.size() > kMostForms))
            return list;
        QString line = (*dic)[n].trimmed();
        (*dic)[n].clear();
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
        if (space >= 0 && (slash < 0 || space < slash))
            slash = -1; // a slash in the morphological fields
        QString word = line.left(slash >= 0 ? slash : space >= 0 ? space : line.size());
        word.replace(QStringLiteral("\\/"), QStringLiteral("/"));
        QString flagText;
        if (slash >= 0) {
            const qsizetype end = firstSpace(line, slash);
            flagText = line.mid(slash + 1, end < 0 ? -1 : end - slash - 1);
        }
        const QStringList flags = flagsOf(flagText);
        const auto has = [&](const QStringList& which) {
            return std::any_of(flags.begin(), flags.end(), [&](const QString& f) { return which.contains(f); });
        };
        if (has(cf.forbidden))
            continue;
        const quint8 stemRoles = cf.rolesOf(flags);
        if (!has(cf.needAffix))
            add(word, stemRoles);

        std::vector<std::pair<QString, quint8>> crossSuffixed;
        for (const QString& f : flags) {
            auto it = classes.constFind(f);
            if (it == classes.constEnd() || it->prefix)
                continue;
            for (const AffixRule& r : it->rules) {
                if (!conditionHolds(r, word, false))
                    continue;
                const QString form = apply(r, word, false);
                const quint8 formRoles = affixedRoles(stemRoles, r.cont, false, cf);
                add(form, formRoles);
                if (it->cross)
                    crossSuffixed.emplace_back(form, formRoles);
            }
        }
        for (const QString& f : flags) {
            auto it = classes.constFind(f);
            if (it == classes.constEnd() || !it->prefix)
                continue;
            for (const AffixRule& r : it->rules) {
                if (r.deferred || !conditionHolds(r, word, true))
                    continue;
                add(apply(r, word, true), affixedRoles(stemRoles, r.cont, true, cf));
                if (!it->cross)
                    continue;
                for (const auto& [s, sRoles] : crossSuffixed) {
                    if (conditionHolds(r, s, true))
                        add(apply(r, s, true), affixedRoles(sRoles, r.cont, true, cf));
                }
            }
        }
    }
    dic.reset();
    if (stopped() || starts.empty())
        return list;

    const auto view = [&](quint32 i) {
        const std::size_t b = starts[i];
        const std::size_t e = i + 1 < starts.size() ? starts[i + 1] : pool.size();
        return std::string_view(pool).substr(b, e - b);
    };
    std::vector<quint32> order(starts.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = quint32(i);
    std::sort(order.begin(), order.end(), [&](quint32 a, quint32 b) { return view(a) < view(b); });
    if (stopped())
        return list;

    std::size_t unique = 0;
    for (std::size_t i = 0; i < order.size(); ++i)
        unique += (i == 0 || view(order[i]) != view(order[i - 1])) ? 1 : 0;
    list.words_.reserve(qsizetype(pool.size()));
    list.offsets_.reserve(unique + 1);
    list.roles_.reserve(unique);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::string_view w = view(order[i]);
        if (i > 0 && w == view(order[i - 1])) {
            list.roles_.back() |= roles[order[i]];
            continue;
        }
        list.offsets_.push_back(quint32(list.words_.size()));
        list.words_.append(w.data(), qsizetype(w.size()));
        list.roles_.push_back(roles[order[i]]);
    }
    list.offsets_.push_back(quint32(list.words_.size()));
    list.words_.squeeze();
    std::sort(list.prefixes_.begin(), list.prefixes_.end());
    list.prefixes_.erase(std::unique(list.prefixes_.begin(), list.prefixes_.end()), list.prefixes_.end());
    for (auto& [prefixAdd, prefixStrip] : list.prefixes_) {
        for (QChar c : list.ignored_) {
            const QByteArray u = QString(c).toUtf8();
            prefixAdd.replace(u, QByteArray());
            prefixStrip.replace(u, QByteArray());
        }
    }
    list.trusted_ = true;
    return list;
}

std::string_view HunspellWordList::at(std::size_t i) const
{
    return std::string_view(words_.constData() + offsets_[i], offsets_[i + 1] - offsets_[i]);
}

std::size_t HunspellWordList::lowerBound(std::string_view key) const
{
    std::size_t lo = 0, hi = size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        if (at(mid) < key)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

quint8 HunspellWordList::rolesOf(std::string_view key) const
{
    const std::size_t i = lowerBound(key);
    return i < size() && at(i) == key ? roles_[i] : 0;
}

bool HunspellWordList::anyStartingWith(std::string_view key, quint8 roles) const
{
    constexpr std::size_t kScan = 20000; // a prefix this common starts some word of each kind
    const std::size_t from = lowerBound(key);
    for (std::size_t i = from; i < size() && at(i).substr(0, key.size()) == key; ++i) {
        if ((roles_[i] & roles) || i - from >= kScan)
            return true;
    }
    return false;
}

bool HunspellWordList::continuesCompound(std::string_view rest, int parts) const
{
    if (anyStartingWith(rest, compoundMiddle | compoundEnd))
        return true;
    if (parts >= compoundMax_)
        return false;
    int letters = 0;
    for (std::size_t i = 1; i < rest.size(); ++i) {
        if (isContinuation(rest[i]))
            continue;
        if (++letters < compoundMin_)
            continue;
        if ((rolesOf(rest.substr(0, i)) & compoundMiddle) && continuesCompound(rest.substr(i), parts + 1))
            return true;
    }
    return false;
}

bool HunspellWordList::startsWordHere(std::string_view k) const
{
    if (anyStartingWith(k, alone | compoundBegin))
        return true;
    int letters = 0;
    for (std::size_t i = 1; i < k.size(); ++i) {
        if (isContinuation(k[i]))
            continue;
        if (++letters < compoundMin_)
            continue;
        if ((rolesOf(k.substr(0, i)) & compoundBegin) && continuesCompound(k.substr(i), 2))
            return true;
    }
    return false;
}

bool HunspellWordList::startsWordAfterPrefixes(std::string_view k, int prefixes) const
{
    if (startsWordHere(k))
        return true;
    if (prefixes == 0)
        return false;
    for (const auto& [prefixAdd, prefixStrip] : prefixes_) {
        const std::string_view a(prefixAdd.constData(), std::size_t(prefixAdd.size()));
        if (a.substr(0, k.size()) == k)
            return true; // still typing the prefix
        if (k.size() <= a.size() || k.substr(0, a.size()) != a)
            continue;
        std::string rest(prefixStrip.constData(), std::size_t(prefixStrip.size()));
        rest.append(k.substr(a.size()));
        if (startsWordAfterPrefixes(rest, prefixes - 1))
            return true;
    }
    return false;
}

bool HunspellWordList::startsWord(const QString& partial) const
{
    const QByteArray key = folded(partial, ignored_).toUtf8();
    if (key.isEmpty() || !trusted_)
        return false;
    // Up to two prefixes, as in Arabic "وال" (and the).
    return startsWordAfterPrefixes(std::string_view(key.constData(), std::size_t(key.size())), 2);
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

// The script a language's dictionary is written in.
QChar::Script scriptOf(const QString& language)
{
    static const QHash<QString, QChar::Script> scripts = {
        {"ru", QChar::Script_Cyrillic}, {"uk", QChar::Script_Cyrillic}, {"be", QChar::Script_Cyrillic},
        {"bg", QChar::Script_Cyrillic}, {"sr", QChar::Script_Cyrillic}, {"mk", QChar::Script_Cyrillic},
        {"kk", QChar::Script_Cyrillic}, {"mn", QChar::Script_Cyrillic}, {"el", QChar::Script_Greek},
        {"he", QChar::Script_Hebrew},   {"yi", QChar::Script_Hebrew},   {"ar", QChar::Script_Arabic},
        {"fa", QChar::Script_Arabic},   {"ur", QChar::Script_Arabic},   {"hi", QChar::Script_Devanagari},
        {"mr", QChar::Script_Devanagari}, {"ne", QChar::Script_Devanagari}, {"bn", QChar::Script_Bengali},
        {"gu", QChar::Script_Gujarati}, {"pa", QChar::Script_Gurmukhi}, {"ta", QChar::Script_Tamil},
        {"te", QChar::Script_Telugu},   {"kn", QChar::Script_Kannada},  {"ml", QChar::Script_Malayalam},
        {"si", QChar::Script_Sinhala},  {"th", QChar::Script_Thai},     {"lo", QChar::Script_Lao},
        {"bo", QChar::Script_Tibetan},  {"dz", QChar::Script_Tibetan},  {"ko", QChar::Script_Hangul},
        {"hy", QChar::Script_Armenian}, {"ka", QChar::Script_Georgian},
    };
    return scripts.value(language, QChar::Script_Latin);
}

// A dictionary judges words whose letters are all of its script.
bool inScript(const QString& word, QChar::Script script)
{
    for (char32_t c : word.toUcs4()) {
        if (!QChar::isLetter(c))
            continue;
        if (QChar::script(c) != script)
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

// "de_DE.UTF-8", "pt-BR", "zh-Hans", "sr@latin" → "de_DE", "pt_BR", "zh", "sr"; empty for C and POSIX.
QString normalisedTag(const QString& tag)
{
    QString t = tag.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    t.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = t.split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts[0] == QLatin1String("C") || parts[0] == QLatin1String("POSIX"))
        return {};
    static const QHash<QString, QString> aliases = {{"fil", "tl"}, {"iw", "he"}, {"in", "id"}, {"no", "nb"}};
    const QString language = aliases.value(parts[0].toLower(), parts[0].toLower());
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 2 || (parts[i].size() == 3 && parts[i][0].isDigit()))
            return language + QLatin1Char('_') + parts[i].toUpper();
    }
    return language;
}

// Words that tell a text's language: its last runs of letters, two letters or more.
QStringList languageWords(const QString& text)
{
    constexpr qsizetype kTail = 400;
    constexpr qsizetype kWords = 30;
    const bool cut = text.size() > kTail;
    const QString tail = cut ? text.right(kTail) : text;
    QStringList words;
    QString run;
    const auto endRun = [&] {
        const QString w = normalised(run);
        if (w.size() >= 2)
            words << w;
        run.clear();
    };
    for (char32_t c : tail.toUcs4()) {
        if (QChar::isLetter(c) || QChar::isMark(c) || c == U'\'' || c == char32_t(kCurlyApostrophe))
            run += QString::fromUcs4(&c, 1);
        else
            endRun();
    }
    endRun();
    if (cut && !words.isEmpty() && !tail.isEmpty() && QChar::isLetter(tail.front().unicode()))
        words.removeFirst(); // the cut may have split it
    return words.size() > kWords ? words.mid(words.size() - kWords) : words;
}

} // namespace

QString EnchantSpellChecker::matchDictionary(const QString& language, const QStringList& available)
{
    const QString tag = normalisedTag(language);
    if (tag.isEmpty())
        return {};
    const QString lang = tag.section(QLatin1Char('_'), 0, 0);
    // Where the language's own name is not its main territory.
    static const QHash<QString, QString> territories = {
        {"en", "US"}, {"sv", "SE"}, {"da", "DK"}, {"el", "GR"}, {"cs", "CZ"}, {"uk", "UA"}, {"he", "IL"},
        {"ko", "KR"}, {"vi", "VN"}, {"nb", "NO"}, {"nn", "NO"}, {"hi", "IN"}, {"bn", "BD"}, {"gu", "IN"},
        {"te", "IN"}, {"ml", "IN"}, {"ta", "IN"}, {"sw", "TZ"}, {"ca", "ES"}, {"et", "EE"}, {"sl", "SI"},
        {"fa", "IR"}, {"ur", "PK"}, {"ms", "MY"}, {"sr", "RS"}, {"tl", "PH"}, {"be", "BY"}, {"kk", "KZ"},
        {"ar", "SA"}, {"ja", "JP"}, {"zh", "CN"},
    };
    QStringList candidates{tag, lang + QLatin1Char('_') + territories.value(lang, lang.toUpper()), lang};
    QStringList others;
    for (const QString& a : available) {
        if (a.startsWith(lang + QLatin1Char('_')))
            others << a;
    }
    others.sort();
    candidates << others;
    for (const QString& c : candidates) {
        if (available.contains(c))
            return c;
    }
    return {};
}

QString EnchantSpellChecker::layoutLanguage(const QString& layout)
{
    static const QHash<QString, QString> languages = {
        {"us", "en_US"}, {"gb", "en_GB"}, {"ie", "en_IE"}, {"za", "en_ZA"}, {"au", "en_AU"}, {"de", "de_DE"},
        {"at", "de_AT"}, {"ch", "de_CH"}, {"fr", "fr_FR"}, {"be", "fr_BE"}, {"ca", "fr_CA"}, {"es", "es_ES"},
        {"latam", "es"}, {"pt", "pt_PT"}, {"br", "pt_BR"}, {"it", "it_IT"}, {"nl", "nl_NL"}, {"se", "sv_SE"},
        {"no", "nb_NO"}, {"dk", "da_DK"}, {"fi", "fi_FI"}, {"is", "is_IS"}, {"pl", "pl_PL"}, {"cz", "cs_CZ"},
        {"sk", "sk_SK"}, {"hu", "hu_HU"}, {"ro", "ro_RO"}, {"hr", "hr_HR"}, {"si", "sl_SI"}, {"rs", "sr_RS"},
        {"ru", "ru_RU"}, {"ua", "uk_UA"}, {"by", "be_BY"}, {"bg", "bg_BG"}, {"gr", "el_GR"}, {"tr", "tr_TR"},
        {"il", "he_IL"}, {"ara", "ar"}, {"ir", "fa_IR"}, {"pk", "ur_PK"}, {"in", "hi_IN"}, {"bd", "bn_BD"},
        {"th", "th_TH"}, {"vn", "vi_VN"}, {"kr", "ko_KR"}, {"jp", "ja_JP"}, {"cn", "zh_CN"}, {"id", "id_ID"},
        {"my", "ms_MY"}, {"ph", "tl_PH"}, {"ke", "sw_KE"}, {"tz", "sw_TZ"}, {"lt", "lt_LT"}, {"lv", "lv_LV"},
        {"ee", "et_EE"}, {"epo", "eo"},
    };
    return languages.value(layout.section(QLatin1Char('('), 0, 0).trimmed().toLower());
}

namespace {

// The layouts of the X server's keyboard ("us,de"), from its rules names on the root window.
QStringList keyboardLayouts()
{
    Display* display = openXDisplay(nullptr);
    if (!display)
        return {};
    QStringList layouts;
    const Atom names = XInternAtom(display, "_XKB_RULES_NAMES", True);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (names != None
        && XGetWindowProperty(display, DefaultRootWindow(display), names, 0, 1024, False, XA_STRING, &type, &format,
                              &count, &after, &data) == Success
        && data && format == 8) {
        // rules, model, layout, variant, options: NUL-separated.
        const QList<QByteArray> fields = QByteArray(reinterpret_cast<const char*>(data), qsizetype(count)).split('\0');
        if (fields.size() > 2)
            layouts = QString::fromLatin1(fields[2]).split(QLatin1Char(','), Qt::SkipEmptyParts);
    }
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return layouts;
}

} // namespace

QStringList EnchantSpellChecker::sessionLanguages()
{
    QStringList out;
    for (const QString& l : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        out << l;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            out << value;
    }
    for (const QString& layout : keyboardLayouts()) {
        const QString language = layoutLanguage(layout);
        if (!language.isEmpty())
            out << language;
    }
    out.removeDuplicates();
    if (std::none_of(out.begin(), out.end(), [](const QString& l) { return !normalisedTag(l).isEmpty(); }))
        out << QStringLiteral("en_US");
    return out;
}

struct EnchantSpellChecker::Impl {
    struct WordListBuild {
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
        HunspellWordList words; // written by the worker before `done`
    };
    struct Dictionary {
        QString tag;      // the dictionary's own tag ("de_DE")
        QString language; // "de"
        QChar::Script script = QChar::Script_Latin;
        EnchantDict* dict = nullptr;
        QString base; // the hunspell files, without their extension
        // Built on a worker on first use (it takes up to seconds and tens of megabytes).
        std::shared_ptr<WordListBuild> words;
    };
    EnchantBroker* broker = nullptr;
    bool wordListsWanted = true;
    std::thread opener;
    std::atomic<bool> opened{false}; // the opener has asked Enchant for every dictionary
    std::vector<EnchantDict*> openedDicts;
    bool adopted = false;            // and they are in `dicts`
    std::mutex whenOpenedMutex;
    std::function<void()> whenOpened; // called on the main thread once they are open
    // Every worker started, joined once it has finished (at once) or when the checker ends
    // (it stops early then).
    std::vector<std::pair<std::thread, std::shared_ptr<WordListBuild>>> workers;
    QStringList available;
    std::vector<Dictionary> dicts;
    QString lastText;
    QString lastLanguage;
    // Which dictionaries know a word, one bit each in their order; asked again for the same
    // words as the text before the caret grows.
    QHash<QString, QBitArray> known;

    bool check(const Dictionary& dict, const QString& word) const
    {
        const QByteArray utf8 = word.toUtf8();
        return enchant_dict_check(dict.dict, utf8.constData(), utf8.size()) == 0;
    }

    const QBitArray& knownBy(const QString& word)
    {
        auto it = known.constFind(word);
        if (it != known.cend())
            return *it;
        if (known.size() >= 4096)
            known.clear();
        QBitArray bits(qsizetype(dicts.size()));
        for (std::size_t i = 0; i < dicts.size(); ++i)
            bits.setBit(qsizetype(i), inScript(word, dicts[i].script) && check(dicts[i], word));
        return *known.insert(word, bits);
    }

    Dictionary* find(const QString& tag)
    {
        for (Dictionary& dict : dicts) {
            if (tag.isEmpty() || dict.tag == tag)
                return &dict;
        }
        return nullptr;
    }

    // The dictionary's word list once built; starts building it when it is not.
    const HunspellWordList* wordList(Dictionary& dict)
    {
        if (!wordListsWanted)
            return nullptr;
        if (!dict.words) {
            joinFinished();
            auto build = std::make_shared<WordListBuild>();
            dict.words = build;
            workers.emplace_back(std::thread([build, base = dict.base] {
                build->words = HunspellWordList::load(base, &build->stop);
                malloc_trim(0); // the reading's peak goes back to the system
                build->done.store(true, std::memory_order_release);
            }), build);
        }
        return dict.words->done.load(std::memory_order_acquire) ? &dict.words->words : nullptr;
    }

    // Opening the dictionaries takes Enchant up to a second and tens of megabytes for some
    // languages: done on a worker on first use. False until they are open.
    bool ready()
    {
        if (adopted)
            return true;
        if (!broker || dicts.empty())
            return false;
        if (!opener.joinable() && !opened) {
            std::vector<QByteArray> names;
            for (const Dictionary& dict : dicts)
                names.push_back(dict.tag.toUtf8());
            opener = std::thread([this, names] {
                std::vector<EnchantDict*> out;
                for (const QByteArray& name : names)
                    out.push_back(enchant_broker_request_dict(broker, name.constData()));
                openedDicts = std::move(out);
                opened.store(true, std::memory_order_release);
                tellOpened();
            });
            return false;
        }
        if (!opened.load(std::memory_order_acquire))
            return false;
        adopt();
        return true;
    }

    void tellOpened()
    {
        std::function<void()> told;
        {
            std::lock_guard lock(whenOpenedMutex);
            told = std::move(whenOpened);
            whenOpened = nullptr;
        }
        if (told && QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(told), Qt::QueuedConnection);
    }

    void waitUntilOpened()
    {
        if (adopted)
            return;
        if (!opener.joinable() && !opened)
            ready();
        if (opener.joinable())
            opener.join();
        adopt();
    }

    void adopt()
    {
        if (adopted || !opened.load(std::memory_order_acquire))
            return;
        if (opener.joinable())
            opener.join();
        for (std::size_t i = 0; i < dicts.size() && i < openedDicts.size(); ++i)
            dicts[i].dict = openedDicts[i];
        openedDicts.clear();
        std::erase_if(dicts, [](const Dictionary& dict) { return dict.dict == nullptr; });
        adopted = true;
        log::info(QStringLiteral("spelling: dictionaries open"));
        lastText.clear();
        known.clear();
    }

    void joinFinished()
    {
        for (auto it = workers.begin(); it != workers.end();) {
            if (it->second->done.load(std::memory_order_acquire)) {
                if (it->first.joinable())
                    it->first.join();
                it = workers.erase(it);
            } else {
                ++it;
            }
        }
    }

    void add(const QString& language)
    {
        if (!broker)
            return;
        const QString tag = matchDictionary(language, available);
        const QString lang = tag.section(QLatin1Char('_'), 0, 0);
        if (tag.isEmpty() || std::any_of(dicts.begin(), dicts.end(), [&](const Dictionary& d) { return d.language == lang; }))
            return;
        EnchantDict* dict = nullptr;
        if (opener.joinable() || opened) {
            // Added after the dictionaries were opened: opened here (only ever at start).
            waitUntilOpened();
            const QByteArray name = tag.toUtf8();
            dict = enchant_broker_request_dict(broker, name.constData());
            if (!dict)
                return;
        }
        Dictionary entry;
        entry.tag = tag;
        entry.language = lang;
        entry.script = scriptOf(lang);
        entry.dict = dict;
        entry.base = findDictionary(tag);
        dicts.push_back(std::move(entry));
        lastText.clear();
        known.clear();
    }
};

EnchantSpellChecker::EnchantSpellChecker(const QStringList& languages) : d(std::make_unique<Impl>())
{
    d->broker = enchant_broker_init();
    if (!d->broker) {
        log::warning(QStringLiteral("Spelling is unavailable: the Enchant library did not start."));
        return;
    }
    enchant_broker_set_ordering(d->broker, "*", "hunspell");
    enchant_broker_list_dicts(
        d->broker,
        [](const char* tag, const char*, const char*, const char*, void* data) {
            static_cast<QStringList*>(data)->append(QString::fromUtf8(tag));
        },
        &d->available);
    for (const QString& language : languages)
        d->add(language);
    if (d->dicts.empty())
        log::warning(QStringLiteral("Spelling is unavailable: there is no dictionary for %1.").arg(languages.join(QStringLiteral(", "))));
    else
        log::info(QStringLiteral("spelling: dictionaries %1").arg(dictionaries().join(QLatin1Char(' '))));
}

EnchantSpellChecker::~EnchantSpellChecker()
{
    for (auto& [thread, build] : d->workers) {
        build->stop = true;
        if (thread.joinable())
            thread.join();
    }
    if (d->opener.joinable())
        d->opener.join();
    d->adopt();
    if (d->broker) {
        for (const auto& dict : d->dicts) {
            if (dict.dict)
                enchant_broker_free_dict(d->broker, dict.dict);
        }
        enchant_broker_free(d->broker);
    }
}

void EnchantSpellChecker::addLanguage(const QString& tag)
{
    const std::size_t before = d->dicts.size();
    d->add(tag);
    if (d->dicts.size() != before)
        log::info(QStringLiteral("spelling: dictionaries %1").arg(dictionaries().join(QLatin1Char(' '))));
}

bool EnchantSpellChecker::isAvailable() const { return !d->dicts.empty(); }

QStringList EnchantSpellChecker::dictionaries() const
{
    QStringList tags;
    for (const auto& dict : d->dicts)
        tags << dict.tag;
    return tags;
}

bool EnchantSpellChecker::isMisspelled(const QString& word)
{
    const QString w = normalised(word);
    if (w.isEmpty() || !d->ready())
        return false;
    if (d->knownBy(w).count(true) > 0)
        return false;
    return std::any_of(d->dicts.begin(), d->dicts.end(), [&](const auto& dict) { return inScript(w, dict.script); });
}

QString EnchantSpellChecker::languageOf(const QString& text)
{
    if (!d->ready())
        return {};
    if (text == d->lastText && !text.isEmpty())
        return d->lastLanguage;
    const QStringList words = languageWords(text);
    QString language;
    if (!d->dicts.empty() && !words.isEmpty()) {
        // The dictionary that knows the most of the words, the writer's first on a tie; it must
        // know at least half of them. A lone word no dictionary knows is taken as the first's.
        qsizetype best = -1;
        int bestKnown = 0;
        for (std::size_t i = 0; i < d->dicts.size(); ++i) {
            int known = 0;
            for (const QString& w : words)
                known += d->knownBy(w).testBit(qsizetype(i)) ? 1 : 0;
            if (known > bestKnown) {
                bestKnown = known;
                best = qsizetype(i);
            }
        }
        if (best >= 0 && bestKnown * 2 >= words.size())
            language = d->dicts[std::size_t(best)].tag;
        else if (best < 0 && words.size() == 1 && inScript(words[0], d->dicts.front().script))
            language = d->dicts.front().tag;
    }
    d->lastText = text;
    d->lastLanguage = language;
    return language;
}

QString EnchantSpellChecker::correction(const QString& word, const QString& language)
{
    const QString w = normalised(word);
    const Impl::Dictionary* dict = d->ready() ? d->find(language) : nullptr;
    if (!dict || w.isEmpty() || !inScript(w, dict->script))
        return {};
    const QByteArray utf8 = w.toUtf8();
    size_t count = 0;
    char** suggestions = enchant_dict_suggest(dict->dict, utf8.constData(), utf8.size(), &count);
    QString best;
    if (suggestions && count > 0)
        best = QString::fromUtf8(suggestions[0]);
    if (suggestions)
        enchant_dict_free_string_list(dict->dict, suggestions);
    // Keep the writer's own apostrophe.
    if (word.contains(QChar(kCurlyApostrophe)))
        best.replace(QLatin1Char('\''), QChar(kCurlyApostrophe));
    return best;
}

std::optional<bool> EnchantSpellChecker::startsWord(const QString& partial, const QString& language)
{
    Impl::Dictionary* dict = d->find(language);
    if (!dict)
        return std::nullopt;
    const HunspellWordList* words = d->wordList(*dict);
    if (!words || !words->isTrusted())
        return std::nullopt;
    QString p = partial;
    p.replace(QChar(kCurlyApostrophe), QLatin1Char('\''));
    return words->startsWord(p);
}

void EnchantSpellChecker::setWordListsWanted(bool wanted)
{
    if (wanted == d->wordListsWanted)
        return;
    d->wordListsWanted = wanted;
    if (wanted)
        return;
    bool freed = false;
    for (auto& dict : d->dicts) {
        if (!dict.words)
            continue;
        dict.words->stop = true; // a build still running ends early and frees its own
        freed = freed || dict.words->done;
        dict.words.reset();
    }
    d->joinFinished();
    if (freed)
        malloc_trim(0);
}

void EnchantSpellChecker::open(std::function<void()> opened)
{
    {
        std::lock_guard lock(d->whenOpenedMutex);
        d->whenOpened = std::move(opened);
    }
    if (d->ready() || d->opened.load(std::memory_order_acquire))
        d->tellOpened(); // open already: the opener will not tell
}

void EnchantSpellChecker::waitForDictionaries() { d->waitUntilOpened(); }

bool EnchantSpellChecker::waitForWordList(const QString& language)
{
    d->waitUntilOpened();
    Impl::Dictionary* dict = d->find(language);
    if (!dict || !d->wordListsWanted)
        return false;
    d->wordList(*dict);
    for (auto& [thread, build] : d->workers) {
        if (build == dict->words && thread.joinable())
            thread.join();
    }
    d->joinFinished();
    const HunspellWordList* words = d->wordList(*dict);
    return words && words->isTrusted();
}

QStringList EnchantSpellChecker::wordLists() const
{
    QStringList tags;
    for (const auto& dict : d->dicts) {
        if (dict.words)
            tags << dict.tag;
    }
    return tags;
}

} // namespace tq
