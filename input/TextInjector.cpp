#include "input/TextInjector.h"

#include "platform/KeySynth.h"
#include "platform/Log.h"
#include "settings/KeyCombo.h"

#include <QPointer>

#include <utility>

namespace tq {

namespace {
constexpr std::uint16_t kKeyV = 9; // Mac key code of V
} // namespace

TextInjector::TextInjector(KeySynth& keys, Clipboard& clipboard, Clock& clock, QObject* parent)
    : QObject(parent), keys_(keys), clipboard_(clipboard), clock_(clock), delayTimer_(clock), fallbackTimer_(clock),
      afterFetchTimer_(clock)
{
    connect(&clipboard_, &Clipboard::pasteFetched, this, &TextInjector::onFetched);
}

TextInjector::~TextInjector()
{
    if (saved_)
        restore();
}

int TextInjector::leadingSpaces(const QString& text)
{
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

QStringList TextInjector::chunks(const QString& text)
{
    const QString rest = text.mid(leadingSpaces(text));
    QStringList out;
    qsizetype start = 0;
    const qsizetype units = rest.size();
    while (start < units) {
        qsizetype end = std::min<qsizetype>(start + kChunkUnits, units);
        if (start + kChunkUnits < units && rest.at(end - 1).isHighSurrogate())
            --end;
        out.append(rest.mid(start, end - start));
        start = end;
    }
    return out;
}

void TextInjector::type(const QString& text)
{
    if (saving_)
        waiting_.append({Step::Kind::type, text});
    else
        typeNow(text);
}

void TextInjector::typeNow(const QString& text)
{
    if (!keys_.available()) {
        log::error(QStringLiteral("type: no event source"));
        return;
    }
    log::info(QStringLiteral("type: %1 units").arg(text.size()));
    if (const int spaces = leadingSpaces(text); spaces > 0)
        keys_.pressKey(keycode::kSpace, 0, spaces);
    for (const QString& chunk : chunks(text))
        keys_.typeText(chunk);
}

void TextInjector::deleteBackward(int count)
{
    if (count < 1)
        return;
    if (saving_)
        waiting_.append({Step::Kind::erase, QString(), count});
    else
        eraseNow(count);
}

void TextInjector::eraseNow(int count)
{
    if (keys_.available())
        keys_.pressKey(keycode::kDelete, 0, count);
}

void TextInjector::paste(const QString& text)
{
    if (saving_) {
        // Pastes in a row while the clipboard is read go in as one.
        if (!waiting_.isEmpty() && waiting_.last().kind == Step::Kind::paste)
            waiting_.last().text += text;
        else
            waiting_.append({Step::Kind::paste, text});
        return;
    }
    // A paste while an earlier one waits for its restore keeps the clipboard saved first: the
    // clipboard holds only our own text now.
    if (saved_) {
        putPaste(text);
        return;
    }
    saving_ = true;
    waiting_.append({Step::Kind::paste, text});
    QPointer<TextInjector> self(this);
    clipboard_.save([self](std::optional<ClipboardSnapshot> snapshot) {
        if (self)
            self->saved(std::move(snapshot));
    });
}

void TextInjector::saved(std::optional<ClipboardSnapshot> snapshot)
{
    saving_ = false;
    const QList<Step> steps = std::exchange(waiting_, {});
    if (!snapshot)
        log::info(QStringLiteral("paste: the clipboard could not be taken; typed instead"));
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::type:
            typeNow(step.text);
            break;
        case Step::Kind::erase:
            eraseNow(step.count);
            break;
        case Step::Kind::paste:
            if (!snapshot) {
                typeNow(step.text);
                break;
            }
            if (!saved_)
                saved_ = *snapshot;
            putPaste(step.text);
            break;
        }
    }
}

void TextInjector::putPaste(const QString& text)
{
    clipboard_.setPaste(text);
    fetched_ = false;
    delayPassed_ = false;
    afterFetchTimer_.cancel();
    if (keys_.available())
        keys_.pressKey(kKeyV, ModifierSet::control, 1);
    delayTimer_.start(kRestoreDelay, [this] {
        delayPassed_ = true;
        if (fetched_)
            restore();
    });
    fallbackTimer_.start(kRestoreFallback, [this] {
        log::info(QStringLiteral("paste: the application did not fetch the text; clipboard restored"));
        restore();
    });
}

void TextInjector::onFetched()
{
    if (!saved_ || fetched_)
        return;
    fetched_ = true;
    if (delayPassed_)
        afterFetchTimer_.start(kAfterFetch, [this] { restore(); });
}

void TextInjector::restore()
{
    delayTimer_.cancel();
    fallbackTimer_.cancel();
    afterFetchTimer_.cancel();
    if (!saved_)
        return;
    const ClipboardSnapshot snapshot = std::move(*saved_);
    saved_.reset();
    if (!clipboard_.holdsPaste()) {
        log::info(QStringLiteral("paste: the clipboard changed since the paste; left as it is"));
        return;
    }
    clipboard_.restore(snapshot);
}

} // namespace tq
