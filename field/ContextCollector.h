#pragma once
// Everything a prompt carries besides the typed text: application and window, site, recently
// copied text, the date line, the writer's first name, the focused window's text near the
// caret, nearby windows and windows looked at in the last few minutes. Main thread only.

#include "field/FieldSnapshot.h"
#include "field/PromptContext.h"
#include "field/ScreenText.h"
#include "platform/Clock.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

class Preferences;
class Clipboard;

class ContextCollector final : public QObject {
    Q_OBJECT
public:
    using AppFilter = std::function<bool(const QString& bundleID)>;
    // Reads the focused window of `bundleID` (and the nearby windows when asked); `done` is
    // called once on the main thread. The field frame is the snapshot's (screen space, y up).
    using Capture = std::function<void(const QString& bundleID, const std::optional<QRectF>& fieldFrame, bool nearby,
                                       AppFilter isAppAllowed, std::function<void(ScreenRead)> done)>;
    // Reads the lines of an application's focused window; `done` is called once on the main thread.
    using Glance = std::function<void(const QString& bundleID, std::function<void(QVector<ScreenLine>)> done)>;

    struct RecentWindow {
        QString bundleID;
        QString app;
        QVector<ScreenLine> lines;
        Nanos at; // monotonic
    };

    static constexpr double kRecentFreshness = 300;    // seconds a recent window stays usable
    static constexpr double kClipboardFreshness = 600; // seconds copied text stays usable
    static constexpr double kScreenRecheck = 12;       // seconds before a cached read is refreshed
    static constexpr int kMaxRecent = 4;

    // Reads the clipboard, the clock, the screen and the accessibility tree of `platform`.
    ContextCollector(Preferences& prefs, Platform& platform, QObject* parent = nullptr);
    ~ContextCollector() override;

    // Builds the context of one request; may start a screen read in the background.
    PromptContext context(const FieldSnapshot& snapshot, const std::optional<QString>& aboutWriter,
                          const QStringList& examples);
    // A new field was entered: reads its window unless that read is cached, and a new copy
    // ahead when the clipboard is a source.
    void prepare(const FieldSnapshot& snapshot);
    // An application just became frontmost: its window is read for the recent list shortly after.
    void glance(const QString& bundleID, const QString& app);
    // Puts a window's lines at the head of the recent list (one entry per application).
    void remember(const QString& bundleID, const QString& app, const QVector<ScreenLine>& lines);
    // Applications of the recent list, newest first, whatever their age.
    QStringList recentAppNames() const;
    // Text copied since the collector started, for 600 seconds from the first request that
    // notices it, once the clipboard has read it; never concealed or transient text, never our
    // own paste. Never waits for the clipboard's owner.
    std::optional<QString> recentClipboard();

    // "Monday 5 January 2026, morning": weekday, day, month, year and part of the day (local time).
    static QString dateLine(const QDateTime& date);
    // First word of a full name when it looks like a person's first name.
    static std::optional<QString> firstName(const QString& fullName);
    // The window key of a snapshot: bundle id, "|", window title without its unsaved-changes mark.
    static QString windowKey(const FieldSnapshot& snapshot);

    // Answered by the engine and the application model.
    std::function<bool()> allowsClipboard = [] { return true; };
    std::function<bool(const QString& windowKey)> allowsCapture = [](const QString&) { return false; };
    std::function<bool()> allowsNearby = [] { return false; };
    AppFilter isAppAllowed = [](const QString&) { return true; };
    std::function<bool()> allowsScreen = [] { return true; };
    std::function<void()> onScreenRead;
    // Default: the screen-text reader.
    Capture capture;
    Glance glanceRead;
    // Secure keyboard input is on (another program holds the keyboard); default asks the accessibility layer.
    std::function<bool()> isSecureInputOn;

    // The account's full name, read once on first use; default asks the user account service.
    std::function<QString()> fullName;
    // This program's own identifier: its windows are never glanced at.
    QString ownBundleID;

    // For tests and the field inspector.
    bool isReadingScreen() const;
    const QVector<RecentWindow>& recent() const;

signals:
    // The recent list gained or reordered an entry.
    void recentChanged();

private:
    struct Texts {
        std::optional<QString> screen, nearby, recent;
    };
    bool nearbyOn() const;
    void refreshScreen(const FieldSnapshot& snapshot);
    void screenReadFinished(const QString& key, const QString& bundleID, const QString& app, ScreenRead read);
    Texts screenContext(const ScreenRead* read, std::optional<Nanos> readAt, const FieldSnapshot& snapshot);

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
