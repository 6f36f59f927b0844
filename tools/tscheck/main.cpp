// Checks Qt Linguist translation files before they are compiled: every text of a shipped
// language is finished, and no translation drops a %1..%9 (or the program's name, %app) that
// its source holds.
//
//   tq_tscheck --shipped de,ar file.ts...
//
// Prints one line per problem and exits with 1 when there is any.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

QSet<QString> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[1-9]|%app\\b"));
    QSet<QString> out;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured().remove(u'L'));
    return out;
}

struct Message {
    QString context;
    QString source;
    QStringList translations;
    QString type;
};

int check(const QString& path, const QSet<QString>& shipped, QTextStream& err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << path << ": cannot be read\n";
        return 1;
    }
    QXmlStreamReader xml(&file);
    QString language;
    QString context;
    Message message;
    bool inMessage = false;
    int problems = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                language = xml.attributes().value(QLatin1String("language")).toString().replace(u'_', u'-');
            } else if (name == u"name" && !inMessage) {
                context = xml.readElementText();
            } else if (name == u"message") {
                inMessage = true;
                message = {context, {}, {}, {}};
            } else if (name == u"source" && inMessage) {
                message.source = xml.readElementText();
            } else if (name == u"translation" && inMessage) {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                QString text; // plain text, or numerus forms
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isEndElement() && xml.name() == u"translation")
                        break;
                    if (xml.isCharacters())
                        text += xml.text();
                    else if (xml.isStartElement() && xml.name() == u"numerusform")
                        message.translations << xml.readElementText();
                }
                if (message.translations.isEmpty())
                    message.translations << text;
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            inMessage = false;
            if (message.type == u"obsolete" || message.type == u"vanished")
                continue;
            const QString where = QFileInfo(path).fileName() + QStringLiteral(": ") + message.context
                                  + QStringLiteral(": \"") + message.source + u'"';
            const bool empty = std::all_of(message.translations.cbegin(), message.translations.cend(),
                                           [](const QString& t) { return t.isEmpty(); });
            const bool anyEmpty = std::any_of(message.translations.cbegin(), message.translations.cend(),
                                              [](const QString& t) { return t.trimmed().isEmpty(); });
            if (shipped.contains(language) && (message.type == u"unfinished" || anyEmpty)) {
                err << where << " is not translated\n";
                ++problems;
                continue;
            }
            if (empty)
                continue;
            const QSet<QString> wanted = placeholders(message.source);
            for (const QString& t : message.translations) {
                const QSet<QString> have = placeholders(t);
                for (const QString& p : wanted) {
                    if (!have.contains(p)) {
                        err << where << " loses " << p << " in its translation\n";
                        ++problems;
                    }
                }
            }
        }
    }
    if (xml.hasError()) {
        err << path << ": " << xml.errorString() << '\n';
        ++problems;
    }
    return problems;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QSet<QString> shipped;
    if (args.size() >= 2 && args.front() == u"--shipped") {
        for (const QString& l : args.at(1).split(u',', Qt::SkipEmptyParts))
            shipped.insert(l.trimmed());
        args = args.mid(2);
    }
    QTextStream err(stderr);
    int problems = 0;
    for (const QString& path : args)
        problems += check(path, shipped, err);
    if (problems > 0)
        err << problems << " translation problem(s). Translate the texts or keep every %1 of the source.\n";
    return problems > 0 ? 1 : 0;
}
