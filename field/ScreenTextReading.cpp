#include "field/ScreenText.h"

#include "platform/Accessibility.h"
#include "platform/ActiveApp.h"
#include "platform/Chars.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/ScreenCaptureAccess.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointF>
#include <QSizeF>
#include <QTimer>

namespace tq {

namespace {

struct WalkBudget {
    int elements;
    double seconds;
};
constexpr WalkBudget kFocusedBudget{1600, 0.15};
constexpr WalkBudget kNearbyBudget{700, 0.07};
constexpr WalkBudget kGlanceBudget{1200, 0.12};

constexpr int kMaxElementText = 1200;
constexpr int kNearbyLimit = 2;
constexpr double kNearbyMinWidth = 240;
constexpr double kNearbyMinHeight = 160;
constexpr double kOriginTolerance = 8;
constexpr double kMinElementSide = 4;
constexpr double kMessagingTimeout = 0.08;
constexpr int kOCRThreshold = 300;

// Object replacement characters stand for embedded children in AT-SPI text.
QString withoutObjectMarks(QString text)
{
    text.remove(QChar(0xFFFC));
    return text;
}

std::optional<AXElement> applicationElement(Accessibility& accessibility, const ScreenGeometry& screen, qint64 pid)
{
    const AccessibilityElement app = accessibility.application(pid);
    if (!app)
        return std::nullopt;
    AXElement element(app, screen);
    element.setMessagingTimeout(kMessagingTimeout);
    return element;
}

QVector<AXElement> elements(const QVariant& v, const ScreenGeometry& screen)
{
    QVector<AXElement> out;
    if (v.metaType() != QMetaType::fromType<QVariantList>())
        return out;
    for (const QVariant& item : v.toList()) {
        if (item.metaType() != QMetaType::fromType<AccessibilityElement>())
            return {};
        out.push_back(AXElement(item.value<AccessibilityElement>(), screen));
    }
    return out;
}

// The last kMaxElementText units of an element's text, asked for as a range so that a long
// document is never read whole; nothing when the element answers no ranges.
std::optional<QString> textTail(const AXElement& e)
{
    const std::optional<qint64> n = e.integer(QString::fromLatin1(ax::kNumberOfCharacters));
    if (!n || *n < 0)
        return std::nullopt;
    if (*n == 0)
        return QString();
    const qint64 length = std::min<qint64>(*n, kMaxElementText);
    return e.string(AXRange{*n - length, length});
}

// The text an element shows when it is one of the text-bearing kinds; nothing otherwise.
// `descend` tells whether its children are walked too.
std::optional<QString> elementText(const AXElement& e, const QString& role, bool& descend)
{
    descend = true;
    if (role == QLatin1String(ax::kStaticText) || role == QLatin1String(ax::kTextArea)) {
        descend = false;
    } else if (role == QLatin1String("AXHeading")) {
        // Headings show their text and may hold links.
    } else if (role == QLatin1String(ax::kGroup)) {
        // A paragraph, heading or caption that cannot be edited, with a text interface.
        const std::optional<qint64> n = e.integer(QString::fromLatin1(ax::kNumberOfCharacters));
        if (!n || *n <= 0)
            return std::nullopt;
        descend = false;
    } else {
        return std::nullopt;
    }
    std::optional<QString> text = textTail(e);
    if (!text || text->isEmpty()) {
        const QVariant value = e.attribute(QString::fromLatin1(ax::kValue));
        if (value.metaType() == QMetaType::fromType<QString>())
            text = value.toString();
        else
            text = e.string(QString::fromLatin1(ax::kTitle));
    }
    if (!text)
        text = QString();
    // Embedded children (links, nested paragraphs) hold text of their own.
    if (text->contains(QChar(0xFFFC)))
        descend = true;
    return withoutObjectMarks(*text);
}

QString appName(ActiveApp& apps, qint64 pid, QString* bundleID)
{
    const auto app = apps.application(pid);
    if (!app || app->bundleIdentifier.isEmpty())
        return QString();
    if (bundleID)
        *bundleID = app->bundleIdentifier;
    return app->localizedName.isEmpty() ? app->bundleIdentifier : app->localizedName;
}

// Runs `work` on the next turn of the event loop, so a caller never waits for a read.
void later(std::function<void()> work)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

// The primary screen as it was when a walk began, for elements made off the main thread.
class FixedScreen final : public ScreenGeometry {
public:
    explicit FixedScreen(const QRectF& frame) : frame_(frame) {}
    QRectF primaryFrame() const override { return frame_; }

private:
    QRectF frame_;
};

// Runs `walk` on the accessibility's own thread when it has one (a large window's tree takes
// long to walk), else here, and hands its result to `then` on the main thread.
template <typename Result>
void walkThen(Platform& platform, std::function<Result(Accessibility&, const ScreenGeometry&)> walk,
              std::function<void(Result)> then)
{
    const FixedScreen screen(platform.screenGeometry().primaryFrame());
    auto job = [walk, then, screen](Accessibility& accessibility) {
        Result result = walk(accessibility, screen);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [then, result] { then(result); }, Qt::QueuedConnection);
    };
    if (platform.accessibility().readElsewhere(job))
        return;
    then(walk(platform.accessibility(), platform.screenGeometry()));
}

} // namespace

bool ScreenText::isPasswordManager(const QString& bundleID)
{
    static const QSet<QString> ids = {
        QStringLiteral("com.1password.1password"), QStringLiteral("com.agilebits.onepassword7"),
        QStringLiteral("com.bitwarden.desktop"), QStringLiteral("com.apple.passwords"),
        QStringLiteral("com.apple.keychainaccess"), QStringLiteral("com.lastpass.lastpass"),
        QStringLiteral("com.dashlane.dashlanephonefinal"), QStringLiteral("in.sinew.enpass-desktop"),
        // The same and others as they are known on this desktop.
        QStringLiteral("1password"), QStringLiteral("bitwarden"), QStringLiteral("enpass"),
        QStringLiteral("keepassxc"), QStringLiteral("org.keepassxc.keepassxc"), QStringLiteral("keepass2"),
        QStringLiteral("keepass"), QStringLiteral("org.gnome.seahorse.application"), QStringLiteral("seahorse"),
        QStringLiteral("org.gnome.world.secrets"), QStringLiteral("gnome-passwordsafe"),
        QStringLiteral("org.kde.kwalletmanager5"), QStringLiteral("kwalletmanager5"), QStringLiteral("kwalletmanager"),
        QStringLiteral("proton-pass"), QStringLiteral("me.proton.pass"), QStringLiteral("nordpass"),
        QStringLiteral("dashlane"), QStringLiteral("lastpass"),
    };
    return ids.contains(bundleID.toLower());
}

bool ScreenText::needsOCR(const QVector<ScreenLine>& lines)
{
    int total = 0;
    for (const ScreenLine& l : lines)
        total += chars::count(l.text);
    return total < kOCRThreshold;
}

std::optional<qint64> ScreenText::pidFor(Platform& platform, const QString& bundleID)
{
    ActiveApp& apps = platform.activeApp();
    auto matches = [&](qint64 pid) {
        const auto app = apps.application(pid);
        return app && app->bundleIdentifier == bundleID;
    };
    if (const auto front = apps.frontmostPid(); front && matches(*front))
        return front;
    QSet<qint64> tried;
    for (const ListedWindow& w : platform.windowList().windows()) {
        if (w.pid <= 0 || tried.contains(w.pid))
            continue;
        tried.insert(w.pid);
        if (matches(w.pid))
            return w.pid;
    }
    return std::nullopt;
}

void ScreenText::read(Platform& platform, const QString& bundleID, const std::optional<QRectF>& fieldFrame, bool nearby,
                      std::function<bool(const QString&)> isAppAllowed, std::function<void(ScreenRead)> done)
{
    later([&platform, bundleID, fieldFrame, nearby, isAppAllowed = std::move(isAppAllowed), done = std::move(done)] {
        const std::optional<qint64> pid = pidFor(platform, bundleID);
        std::optional<QRectF> topLeftField;
        if (fieldFrame)
            topLeftField = AXElement::appKitRect(*fieldFrame, platform.screenGeometry());
        QVector<NearbyWindow> windows;
        if (pid && nearby)
            windows = nearbyWindows(platform, *pid, fieldFrame, isAppAllowed, kNearbyLimit);

        Clock& clock = platform.clock();
        auto walk = [pid, windows, &clock](Accessibility& accessibility, const ScreenGeometry& screen) {
            ScreenRead read;
            if (pid) {
                if (const auto window = focusedWindow(accessibility, screen, *pid))
                    read.lines = axLines(clock, *window, kFocusedBudget.elements, kFocusedBudget.seconds);
            }
            for (const NearbyWindow& w : windows) {
                const auto window = axWindow(accessibility, screen, w.pid, w.bounds);
                if (!window)
                    continue;
                QVector<ScreenLine> lines = axLines(clock, *window, kNearbyBudget.elements, kNearbyBudget.seconds);
                if (!lines.isEmpty())
                    read.nearby.push_back({w.app, std::move(lines)});
            }
            return read;
        };
        auto finish = [&platform, bundleID, topLeftField, isAppAllowed, done](ScreenRead read) {
            if (!needsOCR(read.lines) || !platform.screenCaptureAccess().preflight()) {
                done(std::move(read));
                return;
            }
            ocrLines(platform, bundleID, topLeftField,
                     [read = std::move(read), done](std::optional<QVector<ScreenLine>> recognised) mutable {
                         if (recognised)
                             read.lines += *recognised;
                         done(std::move(read));
                     },
                     isAppAllowed);
        };
        walkThen<ScreenRead>(platform, walk, finish);
    });
}

void ScreenText::glanceRead(Platform& platform, const QString& bundleID, std::function<void(QVector<ScreenLine>)> done)
{
    later([&platform, bundleID, done = std::move(done)] {
        const std::optional<qint64> pid = pidFor(platform, bundleID);
        Clock& clock = platform.clock();
        auto walk = [pid, &clock](Accessibility& accessibility, const ScreenGeometry& screen) {
            const auto window = pid ? focusedWindow(accessibility, screen, *pid) : std::nullopt;
            return window ? axLines(clock, *window, kGlanceBudget.elements, kGlanceBudget.seconds) : QVector<ScreenLine>();
        };
        walkThen<QVector<ScreenLine>>(platform, walk, done);
    });
}

QVector<ScreenText::NearbyWindow> ScreenText::nearbyWindows(Platform& platform, qint64 leaveOut,
                                                            const std::optional<QRectF>& fieldFrame,
                                                            const std::function<bool(const QString&)>& isAppAllowed,
                                                            int limit)
{
    WindowList& list = platform.windowList();
    const QVector<ListedWindow> windows = list.windows();
    if (windows.isEmpty())
        return {};

    // The field's screen; the list and the screens share top-left coordinates.
    const QVector<QRectF> screens = list.screens();
    std::optional<QRectF> fieldScreen;
    if (fieldFrame) {
        const QRectF field = AXElement::appKitRect(*fieldFrame, platform.screenGeometry());
        for (const QRectF& s : screens) {
            if (s.intersects(field)) {
                fieldScreen = s;
                break;
            }
        }
    }
    if (!fieldScreen && !screens.isEmpty())
        fieldScreen = screens.front();

    const qint64 own = QCoreApplication::applicationPid();
    QSet<qint64> taken;
    QVector<NearbyWindow> result;
    for (const ListedWindow& w : windows) {
        if (result.size() >= limit)
            break;
        if (w.layer != 0 || w.pid <= 0 || w.pid == own || w.pid == leaveOut || taken.contains(w.pid))
            continue;
        if (!(w.bounds.width() > kNearbyMinWidth && w.bounds.height() > kNearbyMinHeight))
            continue;
        QString bundleID;
        const QString app = appName(platform.activeApp(), w.pid, &bundleID);
        if (bundleID.isEmpty() || isPasswordManager(bundleID) || !isAppAllowed(bundleID))
            continue;
        if (fieldScreen && !fieldScreen->intersects(w.bounds))
            continue;
        taken.insert(w.pid);
        result.push_back({w.pid, app, w.bounds});
    }
    return result;
}

QVector<ScreenLine> ScreenText::axLines(Clock& clock, const AXElement& window, int elementBudget, double seconds)
{
    const Nanos deadline = clock.monotonic() + std::chrono::duration_cast<Nanos>(std::chrono::duration<double>(seconds));
    const std::optional<QRectF> windowFrame = elementFrame(window);
    QVector<AXElement> queue{window};
    qsizetype head = 0;
    int visited = 0;
    QVector<ScreenLine> result;

    while (head < queue.size() && visited < elementBudget) {
        if (clock.monotonic() >= deadline)
            break;
        const AXElement e = queue[head++];
        ++visited;
        if (e.string(QString::fromLatin1(ax::kSubrole)) == QLatin1String(ax::kSecureTextField))
            continue;
        const QString role = e.string(QString::fromLatin1(ax::kRole)).value_or(QString());
        // The field being written in is read on its own.
        if (role == QLatin1String(ax::kTextArea) && e.attribute(QString::fromLatin1(ax::kFocused)).toBool())
            continue;
        bool descend = true;
        if (const std::optional<QString> text = elementText(e, role, descend)) {
            const std::optional<QRectF> frame = elementFrame(e);
            if (frame && frame->width() > kMinElementSide && frame->height() > kMinElementSide
                && (!windowFrame || windowFrame->intersects(*frame)) && !text->isEmpty())
                result += splitLines(*frame, chars::last(*text, kMaxElementText).toString());
        }
        if (!descend)
            continue;
        QVariant children = e.attribute(QStringLiteral("AXVisibleChildren"));
        if (!children.isValid())
            children = e.attribute(QString::fromLatin1(ax::kChildren));
        queue += elements(children, *window.screen());
    }
    return result;
}

std::optional<AXElement> ScreenText::focusedWindow(Platform& platform, qint64 pid)
{
    return focusedWindow(platform.accessibility(), platform.screenGeometry(), pid);
}

std::optional<AXElement> ScreenText::focusedWindow(Accessibility& accessibility, const ScreenGeometry& screen, qint64 pid)
{
    const auto app = applicationElement(accessibility, screen, pid);
    return app ? app->element(QString::fromLatin1(ax::kFocusedWindow)) : std::nullopt;
}

std::optional<AXElement> ScreenText::axWindow(Platform& platform, qint64 pid, const QRectF& matching)
{
    return axWindow(platform.accessibility(), platform.screenGeometry(), pid, matching);
}

std::optional<AXElement> ScreenText::axWindow(Accessibility& accessibility, const ScreenGeometry& screen, qint64 pid,
                                              const QRectF& matching)
{
    const auto app = applicationElement(accessibility, screen, pid);
    if (!app)
        return std::nullopt;
    QVariant windows = app->attribute(QStringLiteral("AXWindows"));
    if (!windows.isValid())
        windows = app->attribute(QString::fromLatin1(ax::kChildren));
    for (const AXElement& w : elements(windows, screen)) {
        const auto frame = elementFrame(w);
        if (frame && std::abs(frame->x() - matching.x()) < kOriginTolerance
            && std::abs(frame->y() - matching.y()) < kOriginTolerance)
            return w;
    }
    return std::nullopt;
}

std::optional<QRectF> ScreenText::elementFrame(const AXElement& element)
{
    const QVariant position = element.attribute(QString::fromLatin1(ax::kPosition));
    const QVariant size = element.attribute(QString::fromLatin1(ax::kSize));
    if (position.metaType() != QMetaType::fromType<QPointF>() || size.metaType() != QMetaType::fromType<QSizeF>())
        return std::nullopt;
    return QRectF(position.toPointF(), size.toSizeF());
}

} // namespace tq
