#pragma once
// Whether the desktop is dark: the XDG desktop portal's color-scheme, else GNOME's
// color-scheme and GTK theme, else KDE's window colours. Watched: `changed` fires when the
// answer flips.

#include <QDBusVariant>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace tq {

class ColourScheme : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ColourScheme() override = default;
    virtual bool isDark() const = 0;

signals:
    void changed(bool dark);
};

// What each source says (none: it has no say), in the order they are asked.
struct ColourSchemeSources {
    std::optional<bool> portal;      // org.freedesktop.appearance color-scheme
    std::optional<bool> gnomeScheme; // org.gnome.desktop.interface color-scheme
    std::optional<bool> gtkTheme;    // org.gnome.desktop.interface gtk-theme
    std::optional<bool> kde;         // kdeglobals
};
// The first source with a say decides; none of them: light.
bool darkFrom(const ColourSchemeSources& sources);

// The portal's value: 1 prefers dark, 2 prefers light, anything else has no say.
std::optional<bool> parsePortalColourScheme(uint value);
// color-scheme as GSettings prints it: 'prefer-dark' or 'prefer-light'; 'default' has no say.
std::optional<bool> parseGnomeColourScheme(const QString& output);
// gtk-theme as GSettings prints it: a dark variant ("Adwaita-dark", "Yaru:dark") says dark;
// any other name has no say.
std::optional<bool> parseGtkTheme(const QString& output);
// A kdeglobals file's text: the window background of [Colors:Window], else the name of the
// [General] ColorScheme.
std::optional<bool> parseKdeColours(const QString& kdeglobals);

// Reads the sources at start, then follows the portal's SettingChanged signal, GNOME's
// settings and the kdeglobals file.
class SystemColourScheme final : public ColourScheme {
    Q_OBJECT
public:
    explicit SystemColourScheme(QObject* parent = nullptr);
    ~SystemColourScheme() override;
    bool isDark() const override { return dark_; }

private Q_SLOTS:
    void portalSettingChanged(const QString& ns, const QString& key, const QDBusVariant& value);

private:
    void reread();
    struct Impl;
    std::unique_ptr<Impl> d;
    bool dark_ = false;
};

} // namespace tq
