#include "settings/SiteNames.h"

#include "platform/Text.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace tq {

namespace {

bool isHostLabel(const QString& label)
{
    if (label.isEmpty() || label.size() > 63 || label.startsWith(u'-') || label.endsWith(u'-'))
        return false;
    for (const QChar c : label)
        if (!((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-'))
            return false;
    return true;
}

SiteName refused(const QString& why) { return SiteName{std::nullopt, why}; }

} // namespace

SiteName checkSiteName(const QString& typed, bool submitted)
{
    // While typing an unfinished name is no fault; when it is sent, it is said why it is not added.
    const auto unfinished = [submitted] {
        return submitted ? refused(text("Type the whole name of the website, such as wikipedia.org.")) : SiteName{};
    };
    QString s = typed.trimmed().toLower();
    if (s.isEmpty())
        return unfinished();
    for (const QChar c : s) {
        const auto category = c.category();
        if (c.isSpace() || category == QChar::Other_Control || category == QChar::Other_Format)
            return refused(text("A website name cannot hold spaces, tabs or line breaks."));
    }
    if (const qsizetype scheme = s.indexOf(QLatin1String("://")); scheme >= 0) {
        const QString name = s.left(scheme);
        if (name != QLatin1String("http") && name != QLatin1String("https"))
            return refused(text("Only addresses that start with http or https can be added."));
        s = s.mid(scheme + 3);
    }
    // The page's path, query and fragment are not part of the name.
    if (const qsizetype end = s.indexOf(QRegularExpression(QStringLiteral("[/?#]"))); end >= 0)
        s.truncate(end);
    const auto notAName = [] { return refused(text("That is not a website name. Type one such as wikipedia.org.")); };
    if (const qsizetype colon = s.lastIndexOf(u':'); colon >= 0) {
        bool number = false;
        const QString port = s.mid(colon + 1);
        const int value = port.toInt(&number);
        const bool digits = !port.isEmpty() && std::all_of(port.cbegin(), port.cend(), [](QChar c) { return c.isDigit(); });
        if (!digits)
            return notAName();
        if (!number || value < 1 || value > 65535)
            return refused(text("A port is a number from 1 to 65535."));
        s.truncate(colon);
    }
    if (s.startsWith(QLatin1String("www.")))
        s = s.mid(4);
    if (s.startsWith(u'.') || s.contains(QLatin1String("..")))
        return notAName();
    // A fully qualified name ends in a dot; the page's address gives it without.
    if (s.endsWith(u'.'))
        s.chop(1);
    if (s == QLatin1String("localhost"))
        return SiteName{s, {}}; // pages served from this computer
    if (!s.contains(u'.'))
        return unfinished(); // not finished yet
    const QString ascii = QString::fromLatin1(QUrl::toAce(s));
    if (ascii.isEmpty() || ascii.size() > kMaxSiteName)
        return notAName();
    const QStringList labels = ascii.split(u'.');
    if (!std::all_of(labels.cbegin(), labels.cend(), isHostLabel))
        return notAName();
    return SiteName{ascii, {}};
}

} // namespace tq
