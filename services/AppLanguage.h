#pragma once
// The program's interface language: the 45 languages it can be shown in, their names and
// flags, the stored choice ("AppleLanguages" in the program's own domain) and the switch to
// another language, which starts a new instance and ends this one. Main thread only.

#include <QString>
#include <QStringList>

#include <optional>

namespace tq {

class Defaults;

// What switching languages needs of the application.
class Relauncher {
public:
    virtual ~Relauncher() = default;
    // Writes every store with a pending save now.
    virtual void flushStores() = 0;
    // Starts a new instance with `arguments`; false with a reason when it did not start.
    virtual bool startNewInstance(const QStringList& arguments, QString* error) = 0;
    // Ends the running instance (after the current event).
    virtual void quit() = 0;
};

class AppLanguage {
public:
    static constexpr const char* kKey = "AppleLanguages";
    // The arguments a relaunched instance gets: the General pane, once this one has let go.
    static QStringList relaunchArguments();

    // `current` is the interface language this process runs in (see resolve()).
    AppLanguage(Defaults& defaults, Relauncher& relauncher, QString current);

    // The 45 language identifiers, in their fixed order.
    static const QStringList& supported();

    // The language's name in itself, capitalised for a list; the identifier when unknown.
    static QString displayName(const QString& identifier);
    // The language's name in the language `in`; the identifier when unknown.
    static QString nameIn(const QString& identifier, const QString& in);
    // Regional indicator symbols for an upper-case region code ("" for "").
    static QString flagForRegion(const QString& region);
    // The flag shown for a language, given the system's language and current region.
    static QString flag(const QString& identifier, const QString& system, const std::optional<QString>& region);
    static bool isRightToLeft(const QString& identifier);
    // The supported identifiers sorted by their names in `interfaceLanguage`, kept when the
    // trimmed query is part of their own, interface or English name (case ignored).
    static QStringList filtered(const QString& query, const QString& interfaceLanguage);
    // The language to run in: the stored choice when supported, else the closest supported
    // language of the system's list, else "en".
    static QString resolve(const std::optional<QString>& stored, const QStringList& systemLanguages);

    QString current() const { return current_; }
    // The stored choice; none when following the system.
    std::optional<QString> override() const { return storedChoice(defaults_); }
    static std::optional<QString> storedChoice(const Defaults& defaults);
    // The system's language: the global domain's "AppleLanguages", else the system locale's
    // first interface language, else "en".
    QString system() const;
    // The system's current region code, none when it has none.
    static std::optional<QString> systemRegion();

    enum class ApplyResult { started, failed };
    // Stores the choice (none follows the system), writes the stores, starts the new instance
    // and quits only when it started. On failure `error` holds a sentence for the user.
    ApplyResult apply(const std::optional<QString>& choice, QString* error = nullptr);

    // Start-up: for a right-to-left language sets "AppleTextDirection" and
    // "NSForceRightToLeftWritingDirection" in the volatile domain; true when it did.
    static bool applyLayoutDirection(Defaults& defaults, const QString& current);

private:
    Defaults& defaults_;
    Relauncher& relauncher_;
    QString current_;
};

} // namespace tq
