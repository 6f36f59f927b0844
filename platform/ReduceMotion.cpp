#include "platform/ReduceMotion.h"

#include "platform/DesktopConfig.h"

namespace tq {

bool reduceMotionFrom(const QString& environment, std::optional<bool> gnomeAnimations,
                      std::optional<double> kdeDurationFactor)
{
    const QString env = environment.trimmed();
    if (env == QLatin1String("1"))
        return true;
    if (env == QLatin1String("0"))
        return false;
    if (gnomeAnimations && !*gnomeAnimations)
        return true;
    return kdeDurationFactor && *kdeDurationFactor <= 0.0;
}

std::optional<bool> parseGSettingsBool(const QString& output)
{
    const QString v = output.trimmed();
    if (v == QLatin1String("true"))
        return true;
    if (v == QLatin1String("false"))
        return false;
    return std::nullopt;
}

std::optional<double> parseKdeAnimationFactor(const QString& kdeglobals)
{
    bool inKde = false;
    for (const QString& raw : kdeglobals.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inKde = line == QLatin1String("[KDE]");
            continue;
        }
        if (!inKde)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0 || line.left(eq).trimmed() != QLatin1String("AnimationDurationFactor"))
            continue;
        bool ok = false;
        const double f = line.mid(eq + 1).trimmed().toDouble(&ok);
        if (ok)
            return f;
    }
    return std::nullopt;
}

namespace {
const char* kSchema = "org.gnome.desktop.interface";
const char* kKey = "enable-animations";

std::optional<double> readKde()
{
    const QString text = desktopconfig::readKdeglobals();
    return text.isNull() ? std::nullopt : parseKdeAnimationFactor(text);
}
} // namespace

struct SystemReduceMotion::Impl {
    std::unique_ptr<desktopconfig::Watch> watch;

    std::optional<bool> gnome() const
    {
        const std::optional<QString> v = watch ? watch->value(kKey) : std::nullopt;
        return v ? parseGSettingsBool(*v) : std::nullopt;
    }
};

SystemReduceMotion::SystemReduceMotion(QObject* parent) : ReduceMotion(parent), d(std::make_unique<Impl>())
{
    // The environment is fixed for the run; with it set there is nothing to watch.
    const QString env = qEnvironmentVariable("TESSAQUILL_REDUCE_MOTION").trimmed();
    if (env != QLatin1String("1") && env != QLatin1String("0")) {
        d->watch = std::make_unique<desktopconfig::Watch>(kSchema, QStringList{QString::fromLatin1(kKey)});
        connect(d->watch.get(), &desktopconfig::Watch::changed, this, [this] { reread(); });
    }
    on_ = reduceMotionFrom(env, d->gnome(), readKde());
}

SystemReduceMotion::~SystemReduceMotion() = default;

void SystemReduceMotion::reread()
{
    const bool on = reduceMotionFrom(qEnvironmentVariable("TESSAQUILL_REDUCE_MOTION"), d->gnome(), readKde());
    if (on == on_)
        return;
    on_ = on;
    emit changed(on_);
}

} // namespace tq
