#include "field/ContextCollector.h"

#include "field/AXElement.h"
#include "field/WindowTitle.h"
#include "platform/Accessibility.h"
#include "platform/ActiveApp.h"
#include "platform/Chars.h"
#include "platform/Clipboard.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/UserAccount.h"
#include "settings/Preferences.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>

namespace tq {

namespace {

constexpr int kScreenBudget = 1200;
constexpr int kNearbyBudget = 240;
constexpr int kRecentEach = 300;
constexpr int kRecentShared = 480;
constexpr int kRecentStop = 419;
constexpr int kStageLength = 40;
constexpr int kMaxStage = 3;
constexpr auto kGlanceDelay = std::chrono::milliseconds(1200);

Nanos seconds(double s) { return std::chrono::duration_cast<Nanos>(std::chrono::duration<double>(s)); }

bool sameText(const QVector<ScreenLine>& a, const QVector<ScreenLine>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ScreenLine& x, const ScreenLine& y) { return x.text == y.text; });
}

bool sameText(const ScreenRead& a, const ScreenRead& b)
{
    return sameText(a.lines, b.lines)
           && std::equal(a.nearby.begin(), a.nearby.end(), b.nearby.begin(), b.nearby.end(),
                         [](const NearbyLines& x, const NearbyLines& y) { return sameText(x.lines, y.lines); });
}

// The picked text's lines on one line, single spaces between them.
QString oneLine(const QString& picked)
{
    QStringList parts;
    for (const QString& l : picked.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        parts << l;
    return parts.join(QLatin1Char(' '));
}

std::optional<QString> nonEmpty(const QString& s) { return s.isEmpty() ? std::nullopt : std::optional<QString>(s); }

} // namespace

struct ContextCollector::Impl {
    Preferences& prefs;
    Platform& platform;
    Clipboard& clipboard;
    Clock& clock;

    quint64 clipboardChangeCount = 0;
    std::optional<Nanos> clipboardChangedAt;

    struct ScreenCache {
        QString key;
        ScreenRead read;
        Nanos at;
        Nanos checked;
    };
    std::optional<ScreenCache> screenCache;

    // The sources a picked result was computed with: a switch turned off or a recent window
    // that aged out makes it stale.
    struct Picked {
        QString fieldKey;
        std::optional<Nanos> readAt;
        int stage = 0;
        bool nearbyOn = false;
        bool recentOn = false;
        QVector<QPair<QString, qint64>> recentUsed; // bundle id and time of every usable entry
        std::optional<QString> screen, nearby, recent;
    };
    std::optional<Picked> picked;

    bool screenTask = false;
    QVector<RecentWindow> recent;

    Timer glanceTimer;
    quint64 glanceGeneration = 0;

    bool writerNameDone = false;
    std::optional<QString> writerName;

    Impl(Preferences& p, Platform& f) : prefs(p), platform(f), clipboard(f.clipboard()), clock(f.clock()), glanceTimer(f.clock())
    {
    }

    Nanos now() const { return clock.monotonic(); }
    bool olderThan(Nanos at, double s) const { return now() - at >= seconds(s); }
};

ContextCollector::ContextCollector(Preferences& prefs, Platform& platform, QObject* parent)
    : QObject(parent), d(std::make_unique<Impl>(prefs, platform))
{
    d->clipboardChangeCount = d->clipboard.changeCount();
    capture = [&platform](const QString& bundleID, const std::optional<QRectF>& fieldFrame, bool nearby,
                          AppFilter allowed, std::function<void(ScreenRead)> done) {
        ScreenText::read(platform, bundleID, fieldFrame, nearby, std::move(allowed), std::move(done));
    };
    glanceRead = [&platform](const QString& bundleID, std::function<void(QVector<ScreenLine>)> done) {
        ScreenText::glanceRead(platform, bundleID, std::move(done));
    };
    isSecureInputOn = [&platform] { return platform.accessibility().isSecureInputEnabled(); };
    fullName = [&platform] { return platform.userAccount().fullName(); };
    if (auto self = platform.activeApp().application(QCoreApplication::applicationPid()))
        ownBundleID = self->bundleIdentifier;
}

ContextCollector::~ContextCollector() = default;

QString ContextCollector::windowKey(const FieldSnapshot& snapshot)
{
    return snapshot.bundleID + QLatin1Char('|') + withoutModifiedMark(snapshot.windowTitle.value_or(QString()));
}

PromptContext ContextCollector::context(const FieldSnapshot& snapshot, const std::optional<QString>& aboutWriter,
                                        const QStringList& examples)
{
    PromptContext c;
    c.aboutWriter = aboutWriter;
    c.examples = examples;
    if (snapshot.isLocal)
        return c;

    const Preferences& p = d->prefs;
    if (p.contextApp()) {
        c.appName = snapshot.appName;
        c.windowTitle = snapshot.windowTitle;
    }
    if (p.contextWebsite())
        c.domain = snapshot.domain;
    if (p.contextClipboard() && allowsClipboard())
        c.clipboard = recentClipboard();
    c.now = dateLine(d->clock.now());
    if (!d->writerNameDone) {
        d->writerNameDone = true;
        d->writerName = fullName ? firstName(fullName()) : std::nullopt;
    }
    c.writerName = d->writerName;

    if (p.contextScreen() && allowsScreen()) {
        const QString key = windowKey(snapshot);
        const Impl::ScreenCache* entry = (d->screenCache && d->screenCache->key == key) ? &*d->screenCache : nullptr;
        if (!entry || d->olderThan(entry->checked, kScreenRecheck))
            refreshScreen(snapshot);
        // The refresh may have completed at once; take the entry again.
        entry = (d->screenCache && d->screenCache->key == key) ? &*d->screenCache : nullptr;
        const auto [screen, nearby, recentText] = screenContext(entry ? &entry->read : nullptr,
                                                                entry ? std::optional<Nanos>(entry->at) : std::nullopt,
                                                                snapshot);
        c.screenText = screen;
        c.nearbyText = nearby;
        c.recentText = recentText;
    }
    return c;
}

void ContextCollector::prepare(const FieldSnapshot& snapshot)
{
    if (snapshot.isLocal)
        return;
    // A new copy is read ahead, so that the field's first request can carry it.
    if (d->prefs.contextClipboard() && allowsClipboard() && d->clipboard.changeCount() != d->clipboardChangeCount)
        (void)d->clipboard.copiedText();
    if (!d->prefs.contextScreen() || !allowsScreen())
        return;
    if (d->screenCache && d->screenCache->key == windowKey(snapshot))
        return;
    refreshScreen(snapshot);
}

std::optional<QString> ContextCollector::recentClipboard()
{
    // The time counts from the first request that notices the copy. The clipboard reads each
    // copy once, in the background: our own paste and restore in between see the same text,
    // and a copy still being read is left out of this request.
    const quint64 count = d->clipboard.changeCount();
    if (count != d->clipboardChangeCount) {
        d->clipboardChangeCount = count;
        d->clipboardChangedAt = d->now();
    }
    if (!d->clipboardChangedAt || d->olderThan(*d->clipboardChangedAt, kClipboardFreshness))
        return std::nullopt;
    const std::optional<QString> text = d->clipboard.copiedText();
    if (!text)
        return std::nullopt;
    const QString trimmed = text->trimmed();
    if (chars::count(trimmed) <= 2)
        return std::nullopt;
    return trimmed;
}

bool ContextCollector::nearbyOn() const { return d->prefs.contextNearbyWindows() && allowsNearby(); }

void ContextCollector::refreshScreen(const FieldSnapshot& snapshot)
{
    if (snapshot.isSecure || d->screenTask)
        return;
    const QString key = windowKey(snapshot);
    if (!allowsCapture(key) || !capture)
        return;
    d->screenTask = true;
    QPointer<ContextCollector> self(this);
    const QString bundleID = snapshot.bundleID;
    const QString app = snapshot.appName;
    capture(bundleID, snapshot.fieldFrame, nearbyOn(), isAppAllowed, [self, key, bundleID, app](ScreenRead read) {
        if (!self)
            return;
        self->screenReadFinished(key, bundleID, app, std::move(read));
    });
}

void ContextCollector::screenReadFinished(const QString& key, const QString& bundleID, const QString& app,
                                          ScreenRead read)
{
    d->screenTask = false;
    log::info(QStringLiteral("screen read: %1 lines").arg(read.lines.size()));
    if (!read.lines.isEmpty() && d->prefs.contextRecent())
        remember(bundleID, app, read.lines);
    const Nanos now = d->now();
    if (d->screenCache && d->screenCache->key == key && sameText(d->screenCache->read, read)) {
        d->screenCache->checked = now;
        return;
    }
    d->screenCache = Impl::ScreenCache{key, std::move(read), now, now};
    if (onScreenRead)
        onScreenRead();
}

ContextCollector::Texts ContextCollector::screenContext(const ScreenRead* read, std::optional<Nanos> readAt,
                                                        const FieldSnapshot& snapshot)
{
    const int stage = std::min(chars::count(snapshot.before) / kStageLength, kMaxStage);
    const bool withNearby = nearbyOn();
    const bool withRecent = d->prefs.contextRecent();

    // Recent windows that may be used now, newest first.
    QVector<const RecentWindow*> usable;
    QVector<QPair<QString, qint64>> usedKey;
    if (withRecent) {
        for (const RecentWindow& r : d->recent) {
            if (r.bundleID == snapshot.bundleID || d->olderThan(r.at, kRecentFreshness))
                continue;
            usable << &r;
            usedKey.append({r.bundleID, qint64(r.at.count())});
        }
    }

    if (const auto& p = d->picked; p && p->fieldKey == snapshot.fieldKey && p->readAt == readAt && p->stage == stage
                                   && p->nearbyOn == withNearby && p->recentOn == withRecent && p->recentUsed == usedKey)
        return {p->screen, p->nearby, p->recent};

    QString screen;
    QStringList nearby;
    if (read) {
        std::optional<QRectF> field;
        if (snapshot.fieldFrame)
            field = AXElement::appKitRect(*snapshot.fieldFrame, d->platform.screenGeometry());
        screen = ScreenText::pickLines(read->lines, field, snapshot.before, kScreenBudget);
        if (withNearby) {
            for (const NearbyLines& w : read->nearby) {
                const QString picked = ScreenText::pickLines(w.lines, std::nullopt, snapshot.before, kNearbyBudget);
                if (!picked.isEmpty())
                    nearby << w.app + QStringLiteral(": ") + oneLine(picked);
            }
        }
    }

    QStringList recentLines;
    int used = 0;
    for (const RecentWindow* r : usable) {
        const int budget = std::min(kRecentEach, kRecentShared - used);
        const QString picked = ScreenText::pickRecent(r->lines, snapshot.before, budget);
        if (picked.isEmpty())
            continue;
        recentLines << r->app + QStringLiteral(": ") + oneLine(picked);
        used += chars::count(picked);
        if (used > kRecentStop)
            break;
    }

    Impl::Picked p;
    p.fieldKey = snapshot.fieldKey;
    p.readAt = readAt;
    p.stage = stage;
    p.nearbyOn = withNearby;
    p.recentOn = withRecent;
    p.recentUsed = usedKey;
    p.screen = nonEmpty(screen);
    p.nearby = nonEmpty(nearby.join(QLatin1Char('\n')));
    p.recent = nonEmpty(recentLines.join(QLatin1Char('\n')));
    d->picked = p;
    return {p.screen, p.nearby, p.recent};
}

void ContextCollector::glance(const QString& bundleID, const QString& app)
{
    d->glanceTimer.cancel();
    const quint64 generation = ++d->glanceGeneration;
    const Preferences& p = d->prefs;
    if (!p.contextScreen() || !p.contextRecent() || !allowsScreen() || bundleID == ownBundleID
        || ScreenText::isPasswordManager(bundleID) || !isAppAllowed(bundleID))
        return;
    d->glanceTimer.start(kGlanceDelay, [this, generation, bundleID, app] {
        if (generation != d->glanceGeneration)
            return;
        if ((isSecureInputOn && isSecureInputOn()) || !isAppAllowed(bundleID) || !glanceRead)
            return;
        QPointer<ContextCollector> self(this);
        glanceRead(bundleID, [self, generation, bundleID, app](QVector<ScreenLine> lines) {
            log::info(QStringLiteral("glance read: %1 lines").arg(lines.size()));
            if (!self || generation != self->d->glanceGeneration)
                return;
            if (!lines.isEmpty())
                self->remember(bundleID, app, lines);
        });
    });
}

void ContextCollector::remember(const QString& bundleID, const QString& app, const QVector<ScreenLine>& lines)
{
    if (ScreenText::isPasswordManager(bundleID))
        return;
    d->recent.removeIf([&](const RecentWindow& r) {
        return r.bundleID == bundleID || d->now() - r.at > seconds(kRecentFreshness);
    });
    d->recent.prepend(RecentWindow{bundleID, app, lines, d->now()});
    if (d->recent.size() > kMaxRecent)
        d->recent.removeLast();
    emit recentChanged();
}

QStringList ContextCollector::recentAppNames() const
{
    QStringList names;
    for (const RecentWindow& r : d->recent)
        names << r.app;
    return names;
}

const QVector<ContextCollector::RecentWindow>& ContextCollector::recent() const { return d->recent; }

bool ContextCollector::isReadingScreen() const { return d->screenTask; }

QString ContextCollector::dateLine(const QDateTime& date)
{
    const QDateTime local = date.toLocalTime();
    const QString day = QLocale::c().toString(local.date(), QStringLiteral("dddd d MMMM yyyy"));
    const int hour = local.time().hour();
    QString part;
    if (hour >= 5 && hour <= 11)
        part = QStringLiteral("morning");
    else if (hour >= 12 && hour <= 16)
        part = QStringLiteral("afternoon");
    else if (hour >= 17 && hour <= 20)
        part = QStringLiteral("evening");
    else
        part = QStringLiteral("night");
    return day + QStringLiteral(", ") + part;
}

std::optional<QString> ContextCollector::firstName(const QString& fullName)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList words = fullName.split(space, Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    const QString& first = words.front();
    const int n = chars::count(first);
    if (n < 2 || n > 20)
        return std::nullopt;
    for (char32_t c : first.toUcs4())
        if (!QChar::isLetter(c) && QChar::category(c) != QChar::Mark_NonSpacing
            && QChar::category(c) != QChar::Mark_SpacingCombining)
            return std::nullopt;
    // A combining mark may join a letter but never start the name.
    if (!QChar::isLetter(first.toUcs4().value(0)))
        return std::nullopt;
    static const QStringList generic{QStringLiteral("admin"), QStringLiteral("administrator"), QStringLiteral("user"),
                                     QStringLiteral("guest"),  QStringLiteral("test"),          QStringLiteral("root"),
                                     QStringLiteral("macbook"), QStringLiteral("owner")};
    if (generic.contains(first.toLower()))
        return std::nullopt;
    return first;
}

} // namespace tq
