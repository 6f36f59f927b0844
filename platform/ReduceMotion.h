#pragma once
// The desktop's Reduce Motion setting: GNOME's enable-animations, KDE's animation speed of 0,
// or TESSAQUILL_REDUCE_MOTION=1. Watched: `changed` fires when the answer flips.

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace tq {

class ReduceMotion : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ReduceMotion() override = default;
    virtual bool isOn() const = 0;

signals:
    void changed(bool on);
};

// The decision from what each source says (absent = the source has no say). The environment
// variable wins ("1" on, "0" off); then GNOME animations switched off; then a KDE factor of 0.
bool reduceMotionFrom(const QString& environment, std::optional<bool> gnomeAnimations,
                      std::optional<double> kdeDurationFactor);

// "true"/"false" as GSettings prints them; anything else has no say.
std::optional<bool> parseGSettingsBool(const QString& output);
// AnimationDurationFactor of the [KDE] group of a kdeglobals file's text, if set.
std::optional<double> parseKdeAnimationFactor(const QString& kdeglobals);

// Reads the sources at start, then follows GNOME's setting and the kdeglobals file.
class SystemReduceMotion final : public ReduceMotion {
    Q_OBJECT
public:
    explicit SystemReduceMotion(QObject* parent = nullptr);
    ~SystemReduceMotion() override;
    bool isOn() const override { return on_; }

private:
    void reread();
    struct Impl;
    std::unique_ptr<Impl> d;
    bool on_ = false;
};

} // namespace tq
