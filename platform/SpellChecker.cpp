#include "platform/SpellChecker.h"

#include "platform/Log.h"

#include <QBitArray>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <enchant.h>
#include <future>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

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
    Display* display = XOpenDisplay(nullptr);
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
    struct Dictionary {
        QString tag;      // the dictionary's own tag ("de_DE")
        QString language; // "de"
        QChar::Script script = QChar::Script_Latin;
        EnchantDict* dict = nullptr;
        // Loaded on a worker thread from the start (it takes a good part of a second), so the
        // first look-up while typing rarely has to wait. The only holder of std::async's
        // future: ending the checker waits for (joins) that thread.
        std::shared_future<HunspellWordList> words;
    };
    EnchantBroker* broker = nullptr;
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

    const Dictionary* find(const QString& tag) const
    {
        for (const Dictionary& dict : dicts) {
            if (tag.isEmpty() || dict.tag == tag)
                return &dict;
        }
        return nullptr;
    }

    void add(const QString& language)
    {
        if (!broker)
            return;
        const QString tag = matchDictionary(language, available);
        const QString lang = tag.section(QLatin1Char('_'), 0, 0);
        if (tag.isEmpty() || std::any_of(dicts.begin(), dicts.end(), [&](const Dictionary& d) { return d.language == lang; }))
            return;
        const QByteArray name = tag.toUtf8();
        EnchantDict* dict = enchant_broker_request_dict(broker, name.constData());
        if (!dict)
            return;
        Dictionary entry;
        entry.tag = tag;
        entry.language = lang;
        entry.script = scriptOf(lang);
        entry.dict = dict;
        entry.words = std::async(std::launch::async, [base = findDictionary(tag)] { return HunspellWordList::load(base); }).share();
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
    if (d->broker) {
        for (const auto& dict : d->dicts)
            enchant_broker_free_dict(d->broker, dict.dict);
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
    if (w.isEmpty())
        return false;
    if (d->knownBy(w).count(true) > 0)
        return false;
    return std::any_of(d->dicts.begin(), d->dicts.end(), [&](const auto& dict) { return inScript(w, dict.script); });
}

QString EnchantSpellChecker::languageOf(const QString& text)
{
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
    const Impl::Dictionary* dict = d->find(language);
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

QStringList EnchantSpellChecker::completions(const QString& partial, const QString& language, int limit)
{
    const Impl::Dictionary* dict = d->find(language);
    if (!dict)
        return {};
    QString p = partial;
    p.replace(QChar(kCurlyApostrophe), QLatin1Char('\''));
    return dict->words.get().withPrefix(p, limit);
}

} // namespace tq
