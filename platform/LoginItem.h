#pragma once
// Starting this program when the user logs in.

#include <QString>

namespace tq {

class LoginItem {
public:
    virtual ~LoginItem() = default;
    virtual bool isEnabled() const = 0;
    // Registers or unregisters the program. On failure answers false and puts a full
    // sentence saying what went wrong into `error`.
    virtual bool setEnabled(bool enabled, QString* error) = 0;

};

// An XDG autostart entry, $XDG_CONFIG_HOME/autostart/<id>.desktop. Turning it off removes
// our entry; when the system's autostart folders ($XDG_CONFIG_DIRS) hold one of the same id,
// a user entry with Hidden=true is written instead, which is how the user overrides it.
// The folders are read from the environment on every call.
class XdgAutostartItem final : public LoginItem {
public:
    // `program` empty: this process's executable (or its AppImage).
    explicit XdgAutostartItem(QString desktopId = QStringLiteral("com.morvenfax.tessaquill"), QString program = {});

    bool isEnabled() const override;
    bool setEnabled(bool enabled, QString* error) override;

    QString entryPath() const;
    // The Exec value that runs `program`, quoted and escaped as desktop entries require.
    static QString execLine(const QString& program);

private:
    QString systemEntryPath() const;
    QString entryText(bool hidden) const;
    QString desktopId_;
    QString program_;
};

} // namespace tq
