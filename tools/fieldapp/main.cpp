// A window with a single-line field, a multi-line field, a password field and a button, for
// the desktop tests. Start it with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
//
//   tq_fieldapp [--single TEXT] [--multi-file PATH] [--password TEXT]
//               [--focus single|multi|password|button] [--caret N] [--title TITLE]
//
// --caret puts the caret of the focused field at UTF-16 position N (-1: at the end).
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tq-fieldapp"));
    QCommandLineParser parser;
    const QCommandLineOption single(QStringLiteral("single"), QStringLiteral("Text of the single-line field."), QStringLiteral("text"));
    const QCommandLineOption multiFile(QStringLiteral("multi-file"), QStringLiteral("File with the multi-line field's text."), QStringLiteral("path"));
    const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("Text of the password field."), QStringLiteral("text"));
    const QCommandLineOption focus(QStringLiteral("focus"), QStringLiteral("Widget to focus."), QStringLiteral("name"), QStringLiteral("single"));
    const QCommandLineOption caret(QStringLiteral("caret"), QStringLiteral("Caret position in the focused field."), QStringLiteral("n"), QStringLiteral("-1"));
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Window title."), QStringLiteral("title"), QStringLiteral("Field app"));
    parser.addOptions({single, multiFile, password, focus, caret, title});
    parser.addHelpOption();
    parser.process(app);

    QWidget window;
    window.setWindowTitle(parser.value(title));
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLineEdit(parser.value(single));
    line->setObjectName(QStringLiteral("single"));
    line->setAccessibleName(QStringLiteral("Single line"));
    auto* multi = new QPlainTextEdit;
    multi->setObjectName(QStringLiteral("multi"));
    multi->setAccessibleName(QStringLiteral("Multi line"));
    if (parser.isSet(multiFile)) {
        QFile f(parser.value(multiFile));
        if (f.open(QIODevice::ReadOnly))
            multi->setPlainText(QString::fromUtf8(f.readAll()));
    }
    auto* secret = new QLineEdit(parser.value(password));
    secret->setEchoMode(QLineEdit::Password);
    secret->setAccessibleName(QStringLiteral("Password"));
    auto* button = new QPushButton(QStringLiteral("Send"));
    layout->addWidget(line);
    layout->addWidget(multi);
    layout->addWidget(secret);
    layout->addWidget(button);
    window.resize(640, 420);
    window.show();

    const QString which = parser.value(focus);
    const int position = parser.value(caret).toInt();
    if (which == QLatin1String("multi")) {
        multi->setFocus();
        QTextCursor c = multi->textCursor();
        if (position < 0)
            c.movePosition(QTextCursor::End);
        else
            c.setPosition(position);
        multi->setTextCursor(c);
    } else if (which == QLatin1String("password")) {
        secret->setFocus();
    } else if (which == QLatin1String("button")) {
        button->setFocus();
    } else {
        line->setFocus();
        line->setCursorPosition(position < 0 ? int(line->text().size()) : position);
    }
    return app.exec();
}
