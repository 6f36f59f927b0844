#include "platform/ColourScheme.h"

#include "platform/DesktopConfig.h"

#include <QColor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace tq {

bool darkFrom(const ColourSchemeSources& s)
{
    for (const auto& say : {s.portal, s.gnomeScheme, s.gtkTheme, s.kde}) {
        if (say)
            return *say;
    }
    return false;
}

std::optional<bool> parsePortalColourScheme(uint value)
{
    if (value == 1)
        return true;
    if (value == 2)
        return false;
    return std::nullopt;
}

namespace {
// 'text' as gsettings prints a string, without the quotes.
QString unquoted(const QString& output)
{
    QString v = output.trimmed();
    if (v.size() >= 2 && (v.startsWith(QLatin1Char('\'')) || v.startsWith(QLatin1Char('"'))) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}
} // namespace

std::optional<bool> parseGnomeColourScheme(const QString& output)
{
    const QString v = unquoted(output);
    if (v == QLatin1String("prefer-dark"))
        return true;
    if (v == QLatin1String("prefer-light"))
        return false;
    return std::nullopt;
}

std::optional<bool> parseGtkTheme(const QString& output)
{
    const QString v = unquoted(output).toLower();
    if (v.endsWith(QLatin1String("-dark")) || v.endsWith(QLatin1String(":dark")) || v.endsWith(QLatin1String("_dark"))
        || v.contains(QLatin1String("-dark-")))
        return true;
    return std::nullopt;
}

std::optional<bool> parseKdeColours(const QString& kdeglobals)
{
    QString group;
    std::optional<bool> byName;
    for (const QString& raw : kdeglobals.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            group = line;
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (group == QLatin1String("[Colors:Window]") && key == QLatin1String("BackgroundNormal")) {
            const QStringList rgb = value.split(QLatin1Char(','));
            if (rgb.size() >= 3) {
                bool ok[3] = {};
                const QColor c(rgb[0].trimmed().toInt(&ok[0]), rgb[1].trimmed().toInt(&ok[1]), rgb[2].trimmed().toInt(&ok[2]));
                if (ok[0] && ok[1] && ok[2] && c.isValid())
                    return c.lightnessF() < 0.5;
            }
        } else if (group == QLatin1String("[General]") && key == QLatin1String("ColorScheme") && !value.isEmpty()) {
            byName = value.contains(QLatin1String("dark"), Qt::CaseInsensitive);
        }
    }
    return byName;
}

namespace {
const char* kSchema = "org.gnome.desktop.interface";
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");

// A value the portal hands back, unwrapped from its variants.
std::optional<bool> portalValue(QVariant v)
{
    while (v.canConvert<QDBusVariant>() && v.userType() == qMetaTypeId<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    bool ok = false;
    const uint n = v.toUInt(&ok);
    return ok ? parsePortalColourScheme(n) : std::nullopt;
}

std::optional<bool> readKde()
{
    const QString text = desktopconfig::readKdeglobals();
    return text.isNull() ? std::nullopt : parseKdeColours(text);
}
} // namespace

struct SystemColourScheme::Impl {
    std::unique_ptr<desktopconfig::Watch> watch;
    std::optional<bool> portal;
    bool portalChanged = false; // a change came before the first answer
};

SystemColourScheme::SystemColourScheme(QObject* parent) : ColourScheme(parent), d(std::make_unique<Impl>())
{
    QDBusConnection::sessionBus().connect(QString(), kPortalPath, kPortalSettings, QStringLiteral("SettingChanged"), this,
                                          SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    d->watch = std::make_unique<desktopconfig::Watch>(
        kSchema, QStringList{QStringLiteral("color-scheme"), QStringLiteral("gtk-theme")});
    connect(d->watch.get(), &desktopconfig::Watch::changed, this, [this] { reread(); });
    reread();
    // Asked without waiting, and only when a portal already runs: starting one would hold up
    // the start of the program.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPortalPath, kPortalSettings, QStringLiteral("Read"));
    call << kAppearance << kColorScheme;
    call.setAutoStartService(false);
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(call, 1000), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusMessage reply = w->reply();
        if (d->portalChanged || reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return;
        d->portal = portalValue(reply.arguments().first());
        reread();
    });
}

SystemColourScheme::~SystemColourScheme() = default;

void SystemColourScheme::portalSettingChanged(const QString& ns, const QString& key, const QDBusVariant& value)
{
    if (ns != kAppearance || key != kColorScheme)
        return;
    d->portal = portalValue(QVariant::fromValue(value));
    d->portalChanged = true;
    reread();
}

void SystemColourScheme::reread()
{
    ColourSchemeSources s;
    s.portal = d->portal;
    if (const auto scheme = d->watch->value("color-scheme"))
        s.gnomeScheme = parseGnomeColourScheme(*scheme);
    if (!s.gnomeScheme)
        if (const auto theme = d->watch->value("gtk-theme"))
            s.gtkTheme = parseGtkTheme(*theme);
    s.kde = readKde();
    const bool dark = darkFrom(s);
    if (dark == dark_)
        return;
    dark_ = dark;
    emit changed(dark_);
}

} // namespace tq
