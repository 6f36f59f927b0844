#include "platform/AtSpiAccessibility.h"

#include "platform/AccessibilityAccess.h"
#include "platform/AtSpiAccessibilityBus.h"
#include "platform/AtSpiOwnTree.h"
#include "platform/Log.h"
#include "platform/Screen.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTimer>
#include <QUrl>

// atspi pulls in GLib, whose headers use "signals" as an identifier.
#undef signals
#include <atspi/atspi.h>
#define signals Q_SIGNALS

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <cmath>
#include <map>
#include <set>
#include <unordered_set>
#include <vector>

#include <sys/time.h>

namespace tq {

namespace {

constexpr double kDefaultTimeout = 0.25;
quint64 messages = 0; // every instance's messages, for measurements

// Sets the time-out of the next message and counts it.
void prepareCall(double seconds)
{
    ++messages;
    const int ms = std::max(1, int(std::lround(seconds * 1000)));
    atspi_set_timeout(ms, ms);
}

struct GErrorSink {
    GError* error = nullptr;
    ~GErrorSink()
    {
        if (error)
            g_error_free(error);
    }
    GError** operator&() { return &error; }
    bool failed() const { return error != nullptr; }
};

QString takeString(gchar* s)
{
    if (!s)
        return {};
    QString out = QString::fromUtf8(s);
    g_free(s);
    return out;
}

QString objectKey(AtspiAccessible* acc)
{
    auto* obj = reinterpret_cast<AtspiObject*>(acc);
    const char* bus = obj->app && obj->app->bus_name ? obj->app->bus_name : "";
    return QString::fromLatin1(bus) + QLatin1Char('|') + QString::fromLatin1(obj->path ? obj->path : "");
}

qint64 ownPid()
{
    return QCoreApplication::applicationPid();
}

bool sessionBusAvailable()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR");
}

} // namespace

class AtSpiNode;

// The events the listener hears.
constexpr const char* kListenedEvents[] = {"object:state-changed:focused", "window:activate", "object:text-changed",
                                           "object:text-caret-moved", "object:text-selection-changed"};

struct AtSpiAccessibility::Impl {
    Impl() = default;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    // Made and ended on the main thread while the bus is up (the platform ends before Qt).
    ~Impl()
    {
        context.reset(); // no retry nor reply arrives any more
        stopListening();
        if (listener)
            g_object_unref(listener);
        forgetRecords();
    }

    bool initialised = false;
    bool available = false;
    bool lost = false; // a connection was made once and is gone
    DBusConnection* bus = nullptr; // libatspi's, while available
    AtspiEventListener* listener = nullptr;
    bool listening = false;
    // Per process: the last element that gained the focus and the last active window.
    std::map<qint64, AtspiAccessible*> focused;
    std::map<qint64, AtspiAccessible*> activeWindow;
    std::vector<class AtSpiObserver*> observers;
    std::map<QString, QString> toolkits; // by bus name
    struct Scales {
        double text = 1.0;
        double pixels = 1.0;
    };
    std::map<qint64, Scales> scales; // by process
    quint64 textGeneration = 0;          // bumped by every text change seen
    std::vector<std::function<void()>> reconnected;
    // Owns the bus watch, the pending retry and the pending address question.
    std::unique_ptr<QObject> context;
    std::chrono::milliseconds pause{0};
    bool trying = false;

    bool ensure();
    bool connect(bool late, const QString& address = {});
    void startWatching();
    void onDisconnected();
    void tryAgain(bool now);
    void askForTheBus();
    void listen();
    void stopListening();
    void forgetRecords();
    void remember(std::map<qint64, AtspiAccessible*>& map, qint64 pid, AtspiAccessible* acc)
    {
        auto it = map.find(pid);
        if (it != map.end()) {
            if (it->second == acc)
                return;
            g_object_unref(it->second);
        }
        map[pid] = acc ? static_cast<AtspiAccessible*>(g_object_ref(acc)) : nullptr;
        if (!acc)
            map.erase(pid);
    }
    void onEvent(AtspiEvent* event);
};

namespace {
qint64 pidOf(AtspiAccessible* acc)
{
    if (!acc)
        return 0;
    GErrorSink err;
    // Answered by the bus daemon (and cached), never by the application.
    const guint pid = atspi_accessible_get_process_id(acc, &err);
    return err.failed() ? 0 : qint64(pid);
}

bool hasState(AtspiAccessible* acc, AtspiStateType state, double timeout)
{
    prepareCall(timeout);
    AtspiStateSet* set = atspi_accessible_get_state_set(acc);
    if (!set)
        return false;
    const bool on = atspi_state_set_contains(set, state);
    g_object_unref(set);
    return on;
}
} // namespace

using AtSpiState = std::weak_ptr<AtSpiAccessibility::Impl>;

// One AT-SPI object. Of a text element's text only the length and the caret's surroundings
// are read, once, and kept while no text change was seen: a snapshot needs no more, however
// long the document. It reads the focus records of the accessibility that made it while
// that one lives.
class AtSpiNode final : public AccessibilityNode {
public:
    AtSpiNode(AtspiAccessible* acc, AtSpiState state)
        : acc_(static_cast<AtspiAccessible*>(g_object_ref(acc))), pid_(pidOf(acc)), state_(std::move(state))
    {
    }
    ~AtSpiNode() override { g_object_unref(acc_); }

    AtspiAccessible* accessible() const { return acc_; }

    QVariant attribute(const QString& name) override;
    QVariant parameterizedAttribute(const QString& name, const QVariant& parameter) override;
    std::optional<bool> isSettable(const QString& name) override;
    bool setAttribute(const QString& name, const QVariant& value) override;
    void setMessagingTimeout(double seconds) override { timeout_ = seconds > 0 ? seconds : kDefaultTimeout; }
    qint64 hash() const override { return qint64(qHash(objectKey(acc_), 0)); }
    qint64 processId() const override { return pid_; }
    bool providesTextMarkers() const override { return false; }
    bool isSameAs(const AccessibilityNode& other) const override
    {
        auto* o = dynamic_cast<const AtSpiNode*>(&other);
        return o && (o->acc_ == acc_ || objectKey(o->acc_) == objectKey(acc_));
    }

    static AccessibilityElement wrap(AtspiAccessible* acc, const AtSpiState& state, double timeout = kDefaultTimeout)
    {
        if (!acc)
            return {};
        auto node = std::make_shared<AtSpiNode>(acc, state);
        node->timeout_ = timeout;
        return AccessibilityElement(node);
    }

private:
    bool blocked() const { return pid_ == 0 || pid_ == ownPid(); }
    // The caret's surroundings: offsets in the toolkit's units.
    struct TextWindow {
        qint64 count = 0; // the whole text
        qint64 start = 0; // of the part read
        QString text;     // the part read
        bool utf16 = false;
        quint64 generation = 0;
    };
    // Read from this far before the caret to this far after it: more than a snapshot shows.
    static constexpr qint64 kWindowBefore = 3100;
    static constexpr qint64 kWindowAfter = 700;
    // `caret`: the caret offset when the caller has just read it.
    const TextWindow* window(std::optional<int> caret = std::nullopt);
    bool utf16Offsets();
    std::optional<QString> wholeText();
    // Offsets before and after the part read count one UTF-16 unit per character (exact unless
    // characters outside the basic plane lie there and the toolkit counts code points).
    qint64 toUtf16(qint64 offset);
    qint64 toToolkit(qint64 utf16);
    // The text's length in UTF-16 units.
    std::optional<qint64> length();
    // The range inside the text, neither end splitting a pair; nothing when it starts outside.
    std::optional<AXRange> clamped(AXRange range);
    std::optional<QString> textRange(AXRange range);
    QString toolkitName();
    AtSpiAccessibility::Impl::Scales scales();
    // A rectangle the application reported, in this program's logical pixels.
    QRectF ownPixels(const QRectF& rect);
    bool isChromium();
    bool switchOnWebContent();
    // Role, states and extents are read once per handle: a handle lives for one reading.
    int role();
    bool state(int which);
    std::optional<QRectF> extents();
    QVariant roleAttribute();
    QVariant focusedElement();
    QVariant focusedWindow();
    bool hasActiveWindow();
    QVariant selectedRange();
    // The text interface, with the range clamped to the text; nullptr when either is missing.
    AtspiText* textFor(AXRange& range);
    QVariant bounds(AXRange range);
    QVariant attributed(AXRange range);
    bool insertAtSelection(const QString& text);
    int insertLength(const QString& inserted);

    // Bumps the text generation of this node and of its accessibility's state.
    void textChanged();

    AtspiAccessible* acc_;
    qint64 pid_;
    AtSpiState state_;
    double timeout_ = kDefaultTimeout;
    std::optional<TextWindow> window_;
    std::optional<int> role_;
    std::optional<quint64> states_;
    std::optional<QRectF> extents_;
    std::optional<QString> toolkit_;
};

// Toolkits disagree on offsets: GTK counts code points, Qt UTF-16 units. They differ only
// for text outside the basic plane, and then the length of the text read tells which one
// it is.
const AtSpiNode::TextWindow* AtSpiNode::window(std::optional<int> knownCaret)
{
    const auto state = state_.lock();
    const quint64 generation = state ? state->textGeneration : 0;
    if (window_ && state && window_->generation == generation)
        return &*window_;
    window_.reset();
    AtspiText* iface = atspi_accessible_get_text_iface(acc_);
    if (!iface)
        return nullptr;
    const auto release = qScopeGuard([iface] { g_object_unref(iface); });
    GErrorSink err;
    prepareCall(timeout_);
    const int count = atspi_text_get_character_count(iface, &err);
    if (err.failed() || count < 0)
        return nullptr;
    int caret = knownCaret.value_or(-1);
    if (!knownCaret) {
        GErrorSink caretErr;
        prepareCall(timeout_);
        caret = atspi_text_get_caret_offset(iface, &caretErr);
        if (caretErr.failed())
            caret = -1;
    }
    if (caret < 0 || caret > count)
        caret = count;
    TextWindow w;
    w.count = count;
    w.start = std::max<qint64>(qint64(caret) - kWindowBefore, 0);
    const qint64 end = std::min<qint64>(qint64(caret) + kWindowAfter, count);
    if (end > w.start) {
        GErrorSink textErr;
        prepareCall(timeout_);
        gchar* raw = atspi_text_get_text(iface, int(w.start), int(end), &textErr);
        if (textErr.failed() || !raw) {
            g_free(raw);
            return nullptr;
        }
        w.text = takeString(raw);
    }
    const bool astral = std::any_of(w.text.begin(), w.text.end(), [](QChar c) { return c.isHighSurrogate(); });
    w.utf16 = astral && w.text.size() == end - w.start;
    w.generation = generation;
    window_ = std::move(w);
    return &*window_;
}

bool AtSpiNode::utf16Offsets()
{
    const TextWindow* w = window();
    return w && w->utf16;
}

void AtSpiNode::textChanged()
{
    if (const auto state = state_.lock())
        ++state->textGeneration;
    window_.reset();
}

std::optional<QString> AtSpiNode::wholeText()
{
    AtspiText* iface = atspi_accessible_get_text_iface(acc_);
    if (!iface)
        return std::nullopt;
    GErrorSink err;
    prepareCall(timeout_);
    gchar* raw = atspi_text_get_text(iface, 0, -1, &err);
    g_object_unref(iface);
    if (err.failed() || !raw) {
        g_free(raw);
        return std::nullopt;
    }
    return takeString(raw);
}

qint64 AtSpiNode::toUtf16(qint64 offset)
{
    offset = std::max<qint64>(offset, 0);
    const TextWindow* w = window();
    if (!w || w->utf16 || offset <= w->start)
        return offset;
    const QString& t = w->text;
    qint64 units = 0;
    qint64 cp = w->start;
    for (; cp < offset && units < t.size(); ++cp)
        units += (t.at(units).isHighSurrogate() && units + 1 < t.size()) ? 2 : 1;
    return w->start + units + (offset - cp);
}

qint64 AtSpiNode::toToolkit(qint64 utf16)
{
    utf16 = std::max<qint64>(utf16, 0);
    const TextWindow* w = window();
    if (!w || w->utf16 || utf16 <= w->start)
        return utf16;
    const QString& t = w->text;
    qint64 cp = 0;
    qint64 u = 0;
    for (; w->start + u < utf16 && u < t.size(); ++u)
        if (!(t.at(u).isLowSurrogate() && u > 0 && t.at(u - 1).isHighSurrogate()))
            ++cp;
    return w->start + cp + (utf16 - (w->start + u));
}

std::optional<qint64> AtSpiNode::length()
{
    const TextWindow* w = window();
    return w ? std::optional(toUtf16(w->count)) : std::nullopt;
}

std::optional<AXRange> AtSpiNode::clamped(AXRange range)
{
    const std::optional<qint64> total = length();
    if (!total || range.location < 0 || range.location > *total)
        return std::nullopt;
    const TextWindow* w = window();
    qint64 start = range.location;
    qint64 end = std::clamp<qint64>(range.location + std::max<qint64>(range.length, 0), start, *total);
    const auto splitsPair = [w](qint64 at) {
        const qint64 i = at - w->start;
        return i > 0 && i < w->text.size() && w->text[i].isLowSurrogate() && w->text[i - 1].isHighSurrogate();
    };
    if (splitsPair(start))
        ++start;
    if (splitsPair(end))
        --end;
    return AXRange{start, std::max(end, start) - start};
}

std::optional<QString> AtSpiNode::textRange(AXRange range)
{
    const std::optional<AXRange> r = clamped(range);
    if (!r)
        return std::nullopt;
    if (r->length == 0)
        return QString();
    const TextWindow* w = window();
    const qint64 from = r->location - w->start;
    if (from >= 0 && from + r->length <= w->text.size())
        return w->text.mid(from, r->length);
    // Outside the part read: asked for on its own.
    AtspiText* iface = atspi_accessible_get_text_iface(acc_);
    if (!iface)
        return std::nullopt;
    GErrorSink err;
    prepareCall(timeout_);
    gchar* raw = atspi_text_get_text(iface, int(toToolkit(r->location)), int(toToolkit(r->location + r->length)), &err);
    g_object_unref(iface);
    if (err.failed() || !raw) {
        g_free(raw);
        return std::nullopt;
    }
    return takeString(raw);
}

int AtSpiNode::role()
{
    if (role_)
        return *role_;
    GErrorSink err;
    prepareCall(timeout_);
    const AtspiRole r = atspi_accessible_get_role(acc_, &err);
    if (err.failed())
        return -1;
    role_ = int(r);
    return *role_;
}

bool AtSpiNode::state(int which)
{
    if (!states_) {
        prepareCall(timeout_);
        AtspiStateSet* set = atspi_accessible_get_state_set(acc_);
        if (!set)
            return false;
        GArray* list = atspi_state_set_get_states(set);
        states_ = 0;
        for (guint i = 0; list && i < list->len; ++i) {
            const int s = g_array_index(list, AtspiStateType, i);
            if (s < 64)
                *states_ |= quint64(1) << s;
        }
        if (list)
            g_array_free(list, TRUE);
        g_object_unref(set);
    }
    return which < 64 && (*states_ & (quint64(1) << which));
}

std::optional<QRectF> AtSpiNode::extents()
{
    if (extents_)
        return extents_;
    AtspiComponent* comp = atspi_accessible_get_component_iface(acc_);
    if (!comp)
        return std::nullopt;
    GErrorSink err;
    prepareCall(timeout_);
    AtspiRect* r = atspi_component_get_extents(comp, ATSPI_COORD_TYPE_SCREEN, &err);
    g_object_unref(comp);
    if (err.failed() || !r)
        return std::nullopt;
    extents_ = ownPixels(QRectF(r->x, r->y, r->width, r->height));
    g_free(r);
    return extents_;
}

QVariant AtSpiNode::roleAttribute()
{
    const int r = role();
    if (r < 0)
        return {};
    return AtSpiAccessibility::roleAttribute(r, [this](int s) { return state(s); });
}

QVariant AtSpiNode::focusedElement()
{
    const auto state = state_.lock();
    if (!state)
        return {};
    auto it = state->focused.find(pid_);
    if (it != state->focused.end() && it->second) {
        if (hasState(it->second, ATSPI_STATE_FOCUSED, timeout_))
            return QVariant::fromValue(wrap(it->second, state_, timeout_));
        // A keyboard grab (the key tap's own among them) takes the X input focus from the
        // application for a moment, and GTK and Gecko then drop the focused state. Like an
        // application in the background, it keeps its focused element while none of its
        // windows is active.
        if (hasState(it->second, ATSPI_STATE_SHOWING, timeout_) && !hasActiveWindow())
            return QVariant::fromValue(wrap(it->second, state_, timeout_));
    }
    // No focus event seen for this process yet: look for the focused element in its
    // windows, active ones first, with short time-outs and a bounded number of nodes.
    constexpr double walkTimeout = 0.08;
    constexpr int maxNodes = 600;
    int visited = 0;
    std::vector<AtspiAccessible*> stack;
    GErrorSink err;
    prepareCall(walkTimeout);
    const int windows = atspi_accessible_get_child_count(acc_, &err);
    if (err.failed())
        return {};
    std::vector<AtspiAccessible*> active, other;
    for (int i = 0; i < windows; ++i) {
        GErrorSink e;
        prepareCall(walkTimeout);
        AtspiAccessible* w = atspi_accessible_get_child_at_index(acc_, i, &e);
        if (!w)
            continue;
        (hasState(w, ATSPI_STATE_ACTIVE, walkTimeout) ? active : other).push_back(w);
    }
    for (auto itw = other.rbegin(); itw != other.rend(); ++itw)
        stack.push_back(*itw);
    for (auto itw = active.rbegin(); itw != active.rend(); ++itw)
        stack.push_back(*itw);
    QVariant found;
    while (!stack.empty()) {
        AtspiAccessible* node = stack.back();
        stack.pop_back();
        if (found.isValid() || ++visited > maxNodes) {
            g_object_unref(node);
            continue;
        }
        prepareCall(walkTimeout);
        AtspiStateSet* set = atspi_accessible_get_state_set(node);
        const bool focusedHere = set && atspi_state_set_contains(set, ATSPI_STATE_FOCUSED);
        const bool showing = !set || atspi_state_set_contains(set, ATSPI_STATE_SHOWING);
        if (set)
            g_object_unref(set);
        if (focusedHere) {
            state->remember(state->focused, pid_, node);
            found = QVariant::fromValue(wrap(node, state_, timeout_));
        } else if (showing) {
            GErrorSink e;
            prepareCall(walkTimeout);
            const int n = atspi_accessible_get_child_count(node, &e);
            for (int i = std::min(n, 200) - 1; i >= 0; --i) {
                GErrorSink ce;
                prepareCall(walkTimeout);
                if (AtspiAccessible* c = atspi_accessible_get_child_at_index(node, i, &ce))
                    stack.push_back(c);
            }
        }
        g_object_unref(node);
    }
    return found;
}

bool AtSpiNode::hasActiveWindow()
{
    GErrorSink err;
    prepareCall(timeout_);
    const int windows = atspi_accessible_get_child_count(acc_, &err);
    bool active = false;
    for (int i = 0; i < windows && !err.failed() && !active; ++i) {
        GErrorSink e;
        prepareCall(timeout_);
        if (AtspiAccessible* w = atspi_accessible_get_child_at_index(acc_, i, &e)) {
            active = hasState(w, ATSPI_STATE_ACTIVE, timeout_);
            g_object_unref(w);
        }
    }
    return active;
}

QVariant AtSpiNode::focusedWindow()
{
    const auto state = state_.lock();
    if (!state)
        return {};
    auto it = state->activeWindow.find(pid_);
    if (it != state->activeWindow.end() && hasState(it->second, ATSPI_STATE_ACTIVE, timeout_))
        return QVariant::fromValue(wrap(it->second, state_, timeout_));
    GErrorSink err;
    prepareCall(timeout_);
    const int windows = atspi_accessible_get_child_count(acc_, &err);
    QVariant found;
    for (int i = 0; i < windows && !err.failed() && !found.isValid(); ++i) {
        GErrorSink e;
        prepareCall(timeout_);
        AtspiAccessible* w = atspi_accessible_get_child_at_index(acc_, i, &e);
        if (!w)
            continue;
        if (hasState(w, ATSPI_STATE_ACTIVE, timeout_)) {
            state->remember(state->activeWindow, pid_, w);
            found = QVariant::fromValue(wrap(w, state_, timeout_));
        }
        g_object_unref(w);
    }
    return found;
}

QVariant AtSpiNode::selectedRange()
{
    AtspiText* iface = atspi_accessible_get_text_iface(acc_);
    if (!iface)
        return {};
    QVariant out;
    GErrorSink err;
    prepareCall(timeout_);
    const int n = atspi_text_get_n_selections(iface, &err);
    if (!err.failed() && n > 0) {
        GErrorSink e;
        prepareCall(timeout_);
        if (AtspiRange* r = atspi_text_get_selection(iface, 0, &e)) {
            if (!e.failed() && r->end_offset != r->start_offset) {
                const qint64 a = toUtf16(std::min(r->start_offset, r->end_offset));
                const qint64 b = toUtf16(std::max(r->start_offset, r->end_offset));
                out = QVariant::fromValue(AXRange{a, b - a});
            }
            g_free(r);
        }
    }
    if (!out.isValid()) {
        GErrorSink e;
        prepareCall(timeout_);
        const int caret = atspi_text_get_caret_offset(iface, &e);
        if (!e.failed() && caret >= 0) {
            window(caret);
            out = QVariant::fromValue(AXRange{toUtf16(caret), 0});
        }
    }
    g_object_unref(iface);
    return out;
}

AtspiText* AtSpiNode::textFor(AXRange& range)
{
    const std::optional<AXRange> r = clamped(range);
    if (!r)
        return nullptr;
    range = *r;
    return atspi_accessible_get_text_iface(acc_);
}

QVariant AtSpiNode::bounds(AXRange range)
{
    AtspiText* iface = textFor(range);
    if (!iface)
        return {};
    const qint64 start = toToolkit(range.location);
    const qint64 end = toToolkit(range.location + range.length);
    GErrorSink err;
    prepareCall(timeout_);
    // An empty range answers from its character's extents with no width.
    AtspiRect* r = end - start <= 1 ? atspi_text_get_character_extents(iface, int(start), ATSPI_COORD_TYPE_SCREEN, &err)
                                    : atspi_text_get_range_extents(iface, int(start), int(end), ATSPI_COORD_TYPE_SCREEN, &err);
    g_object_unref(iface);
    if (err.failed() || !r)
        return {};
    const QRectF rect = ownPixels(QRectF(r->x, r->y, range.length == 0 ? 0 : r->width, r->height));
    g_free(r);
    return rect;
}

QVariant AtSpiNode::attributed(AXRange range)
{
    AtspiText* iface = textFor(range);
    if (!iface)
        return {};
    const QString string = textRange(range).value_or(QString());
    GErrorSink err;
    gint s = 0, e = 0;
    prepareCall(timeout_);
    GHashTable* attrs = atspi_text_get_attribute_run(iface, int(toToolkit(range.location)), TRUE, &s, &e, &err);
    g_object_unref(iface);
    if (err.failed() || !attrs)
        return {};
    auto value = [&](const char* key) { return QString::fromUtf8(static_cast<const char*>(g_hash_table_lookup(attrs, key))); };
    QVariantMap font;
    // Points become the screen pixels the field draws in: GTK and Qt take the desktop's
    // resolution (Xft.dpi, else 96) as this program does, browsers 96 per inch at scale 1.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = (screen ? screen->logicalDotsPerInchY() : 96.0) * scales().text;
    if (const auto size = AtSpiAccessibility::fontSizeOnScreen(value("size"), dpi))
        font.insert(QString::fromLatin1(ax::kFontSize), *size);
    QString family = value("family-name");
    if (family.size() >= 2 && (family.startsWith(QLatin1Char('\'')) || family.startsWith(QLatin1Char('"'))))
        family = family.mid(1, family.size() - 2);
    if (!family.isEmpty())
        font.insert(QString::fromLatin1(ax::kFontName), family);
    g_hash_table_unref(attrs);
    AXAttributedString out;
    out.string = string;
    if (!font.isEmpty())
        out.runs.append({0, out.string.size(), QVariantMap{{QString::fromLatin1(ax::kFont), font}}});
    return QVariant::fromValue(out);
}

QVariant AtSpiNode::attribute(const QString& name)
{
    if (blocked())
        return {};
    const QByteArray n = name.toLatin1();
    if (n == ax::kRole)
        return roleAttribute();
    if (n == ax::kSubrole)
        return role() == ATSPI_ROLE_PASSWORD_TEXT ? QVariant(QString::fromLatin1(ax::kSecureTextField)) : QVariant();
    if (n == ax::kValue) {
        if (const auto t = wholeText())
            return *t;
        GErrorSink err;
        prepareCall(timeout_);
        const QString label = takeString(atspi_accessible_get_name(acc_, &err));
        return err.failed() ? QVariant() : QVariant(label);
    }
    if (n == ax::kToolkitName) {
        const QString toolkit = toolkitName();
        return toolkit.isEmpty() ? QVariant() : QVariant(toolkit);
    }
    if (n == ax::kTitle) {
        GErrorSink err;
        prepareCall(timeout_);
        const QString title = takeString(atspi_accessible_get_name(acc_, &err));
        return err.failed() || title.isEmpty() ? QVariant() : QVariant(title);
    }
    if (n == ax::kParent) {
        GErrorSink err;
        prepareCall(timeout_);
        AtspiAccessible* p = atspi_accessible_get_parent(acc_, &err);
        if (!p)
            return {};
        QVariant out = pidOf(p) == pid_ ? QVariant::fromValue(wrap(p, state_, timeout_)) : QVariant();
        g_object_unref(p);
        return out;
    }
    if (n == ax::kChildren) {
        GErrorSink err;
        prepareCall(timeout_);
        const int count = atspi_accessible_get_child_count(acc_, &err);
        if (err.failed())
            return {};
        QVariantList children;
        for (int i = 0; i < count; ++i) {
            GErrorSink e;
            prepareCall(timeout_);
            if (AtspiAccessible* c = atspi_accessible_get_child_at_index(acc_, i, &e)) {
                children.append(QVariant::fromValue(wrap(c, state_, timeout_)));
                g_object_unref(c);
            }
        }
        return children;
    }
    if (n == ax::kPosition || n == ax::kSize) {
        const std::optional<QRectF> r = extents();
        if (!r)
            return {};
        return n == ax::kPosition ? QVariant(r->topLeft()) : QVariant(r->size());
    }
    if (n == ax::kURL) {
        AtspiDocument* doc = atspi_accessible_get_document_iface(acc_);
        if (!doc)
            return {};
        GErrorSink err;
        prepareCall(timeout_);
        QString url = takeString(atspi_document_get_document_attribute_value(doc, const_cast<gchar*>("DocURL"), &err));
        if (url.isEmpty()) {
            GErrorSink e;
            prepareCall(timeout_);
            url = takeString(atspi_document_get_document_attribute_value(doc, const_cast<gchar*>("URI"), &e));
        }
        g_object_unref(doc);
        return url.isEmpty() ? QVariant() : QVariant(url);
    }
    if (n == ax::kFocusedUIElement)
        return focusedElement();
    if (n == ax::kFocusedWindow)
        return focusedWindow();
    if (n == ax::kFocused)
        return state(ATSPI_STATE_FOCUSED);
    if (n == ax::kNumberOfCharacters) {
        const auto count = length();
        return count ? QVariant(*count) : QVariant();
    }
    if (n == ax::kSelectedTextRange)
        return selectedRange();
    if (n == ax::kSelectedText) {
        const QVariant r = selectedRange();
        const auto t = r.isValid() ? textRange(r.value<AXRange>()) : std::nullopt;
        return t ? QVariant(*t) : QVariant();
    }
    return {};
}

QVariant AtSpiNode::parameterizedAttribute(const QString& name, const QVariant& parameter)
{
    if (blocked() || parameter.metaType() != QMetaType::fromType<AXRange>())
        return {};
    const AXRange range = parameter.value<AXRange>();
    if (range.location < 0 || range.length < 0)
        return {};
    const QByteArray n = name.toLatin1();
    if (n == ax::kStringForRange) {
        const auto t = textRange(range);
        return t ? QVariant(*t) : QVariant();
    }
    if (n == ax::kBoundsForRange)
        return bounds(range);
    if (n == ax::kAttributedStringForRange)
        return attributed(range);
    return {};
}

std::optional<bool> AtSpiNode::isSettable(const QString& name)
{
    if (blocked())
        return std::nullopt;
    if (name == QLatin1String(ax::kManualAccessibility))
        return role() == ATSPI_ROLE_APPLICATION && isChromium();
    if (name != QLatin1String(ax::kValue) && name != QLatin1String(ax::kSelectedText))
        return false;
    AtspiEditableText* edit = atspi_accessible_get_editable_text_iface(acc_);
    if (!edit)
        return false;
    g_object_unref(edit);
    return state(ATSPI_STATE_EDITABLE);
}

// The application's own text and pixel scales over this program's, read once per process.
AtSpiAccessibility::Impl::Scales AtSpiNode::scales()
{
    const auto state = state_.lock();
    if (!state || pid_ <= 0)
        return {};
    auto it = state->scales.find(pid_);
    if (it == state->scales.end()) {
        const QProcessEnvironment env = AtSpiAccessibility::environmentOf(pid_);
        const QString toolkit = toolkitName();
        const QProcessEnvironment own = QProcessEnvironment::systemEnvironment();
        it = state->scales
                 .emplace(pid_, AtSpiAccessibility::Impl::Scales{AtSpiAccessibility::textScale(toolkit, env, own),
                                             AtSpiAccessibility::pixelScale(toolkit, env, own, screen::devicePixelRatio())})
                 .first;
    }
    return it->second;
}

QRectF AtSpiNode::ownPixels(const QRectF& rect)
{
    const double k = scales().pixels;
    return k == 1.0 ? rect : QRectF(rect.x() * k, rect.y() * k, rect.width() * k, rect.height() * k);
}

// The toolkit name of the element's application, read once per application.
QString AtSpiNode::toolkitName()
{
    const auto state = state_.lock();
    if (state && !toolkit_) {
        auto* obj = reinterpret_cast<AtspiObject*>(acc_);
        const QString bus = obj->app && obj->app->bus_name ? QString::fromLatin1(obj->app->bus_name) : QString();
        auto it = state->toolkits.find(bus);
        if (it == state->toolkits.end()) {
            GErrorSink err;
            prepareCall(timeout_);
            QString name = takeString(atspi_accessible_get_toolkit_name(acc_, &err));
            // Qt answers the application's properties on its root object only.
            if (name.isEmpty()) {
                GErrorSink rootErr;
                prepareCall(timeout_);
                if (AtspiAccessible* app = atspi_accessible_get_application(acc_, &rootErr)) {
                    GErrorSink nameErr;
                    prepareCall(timeout_);
                    name = takeString(atspi_accessible_get_toolkit_name(app, &nameErr));
                    g_object_unref(app);
                }
            }
            it = state->toolkits.emplace(bus, name).first;
        }
        toolkit_ = it->second;
    }
    return toolkit_.value_or(QString());
}

bool AtSpiNode::isChromium()
{
    return toolkitName().compare(QLatin1String("Chromium"), Qt::CaseInsensitive) == 0;
}

// Chromium builds the accessibility tree of its windows and web content once an assistive
// technology asks an element for its attributes (a screen reader does, a plain tree walk
// does not); until then its windows show no children.
bool AtSpiNode::switchOnWebContent()
{
    if (isSettable(QString::fromLatin1(ax::kManualAccessibility)) != true)
        return false;
    GErrorSink err;
    prepareCall(timeout_);
    GHashTable* attributes = atspi_accessible_get_attributes(acc_, &err);
    if (attributes)
        g_hash_table_unref(attributes);
    return !err.failed();
}

// Toolkits read the length of inserted text differently: GTK in UTF-8 bytes, Qt (which
// gives no toolkit name) in UTF-16 units, the others in characters.
int AtSpiNode::insertLength(const QString& inserted)
{
    const QString toolkit = toolkitName().toLower();
    if (toolkit.startsWith(QLatin1String("gtk")) || toolkit.startsWith(QLatin1String("gail")))
        return int(inserted.toUtf8().size());
    if (toolkit.isEmpty() || toolkit == QLatin1String("qt"))
        return int(inserted.size());
    return int(inserted.toUcs4().size());
}

bool AtSpiNode::insertAtSelection(const QString& inserted)
{
    const QVariant r = selectedRange();
    if (!r.isValid())
        return false;
    const AXRange sel = r.value<AXRange>();
    AtspiEditableText* edit = atspi_accessible_get_editable_text_iface(acc_);
    if (!edit)
        return false;
    const qint64 start = toToolkit(sel.location);
    bool ok = true;
    if (sel.length > 0) {
        GErrorSink err;
        prepareCall(timeout_);
        ok = atspi_editable_text_delete_text(edit, int(start), int(toToolkit(sel.location + sel.length)), &err) && !err.failed();
    }
    const QByteArray utf8 = inserted.toUtf8();
    if (ok) {
        GErrorSink err;
        prepareCall(timeout_);
        ok = atspi_editable_text_insert_text(edit, int(start), utf8.constData(), insertLength(inserted), &err) && !err.failed();
    }
    g_object_unref(edit);
    if (!ok)
        return false;
    textChanged();
    // Put the caret after the inserted text, as typing would.
    if (AtspiText* t = atspi_accessible_get_text_iface(acc_)) {
        const qint64 length = utf16Offsets() ? inserted.size() : inserted.toUcs4().size();
        GErrorSink err;
        prepareCall(timeout_);
        atspi_text_set_caret_offset(t, int(start + length), &err);
        g_object_unref(t);
    }
    return true;
}

bool AtSpiNode::setAttribute(const QString& name, const QVariant& value)
{
    if (name == QLatin1String(ax::kManualAccessibility))
        return value.toBool() && switchOnWebContent();
    if (blocked() || value.metaType() != QMetaType::fromType<QString>())
        return false;
    if (isSettable(name) != true)
        return false;
    if (name == QLatin1String(ax::kSelectedText))
        return insertAtSelection(value.toString());
    AtspiEditableText* edit = atspi_accessible_get_editable_text_iface(acc_);
    if (!edit)
        return false;
    GErrorSink err;
    prepareCall(timeout_);
    const bool ok = atspi_editable_text_set_text_contents(edit, value.toString().toUtf8().constData(), &err) && !err.failed();
    g_object_unref(edit);
    textChanged();
    return ok;
}

// Notifications of one process, filtered out of the one global event listener.
class AtSpiObserver final : public AccessibilityObserver {
public:
    AtSpiObserver(qint64 pid, AXNotificationHandler handler, const std::shared_ptr<AtSpiAccessibility::Impl>& state)
        : pid_(pid), handler_(std::move(handler)), state_(state)
    {
        state->observers.push_back(this);
    }
    ~AtSpiObserver() override
    {
        if (const auto state = state_.lock())
            std::erase(state->observers, this);
    }
    bool add(const AccessibilityElement& element, const QString& notification) override
    {
        if (!element || element->processId() != pid_)
            return false;
        remove(element, notification);
        registrations_.push_back({element, notification});
        return true;
    }
    void remove(const AccessibilityElement& element, const QString& notification) override
    {
        std::erase_if(registrations_, [&](const Registration& r) { return r.notification == notification && r.element == element; });
    }

    void deliver(qint64 pid, AtspiAccessible* source, const QString& notification)
    {
        if (pid != pid_)
            return;
        const bool processWide = notification == QLatin1String(ax::kFocusedUIElementChanged)
            || notification == QLatin1String(ax::kFocusedWindowChanged);
        const AccessibilityElement element = AtSpiNode::wrap(source, state_);
        for (const Registration& r : registrations_) {
            if (r.notification != notification)
                continue;
            if (processWide || r.element == element) {
                handler_(element, notification);
                return;
            }
        }
    }

private:
    struct Registration {
        AccessibilityElement element;
        QString notification;
    };
    qint64 pid_;
    AXNotificationHandler handler_;
    AtSpiState state_;
    std::vector<Registration> registrations_;
};

namespace {
void eventCallback(AtspiEvent* event, void* data)
{
    if (event && data)
        static_cast<AtSpiAccessibility::Impl*>(data)->onEvent(event);
}
} // namespace

void AtSpiAccessibility::Impl::onEvent(AtspiEvent* event)
{
    if (!event->source || !event->type)
        return;
    const qint64 pid = pidOf(event->source);
    if (pid == 0 || pid == ownPid())
        return;
    const QString type = QString::fromUtf8(event->type);
    const QString notification = AtSpiAccessibility::axNotification(type, event->detail1);
    if (type.startsWith(QLatin1String("object:text-changed")))
        ++textGeneration;
    // The element stays remembered when it loses the focus: focusedElement() decides whether
    // it still counts.
    if (type.startsWith(QLatin1String("object:state-changed:focused")) && event->detail1)
        remember(focused, pid, event->source);
    if (type.startsWith(QLatin1String("window:activate")))
        remember(activeWindow, pid, event->source);
    if (notification.isEmpty())
        return;
    const std::vector<AtSpiObserver*> targets = observers; // a handler may remove an observer
    for (AtSpiObserver* o : targets)
        if (std::find(observers.begin(), observers.end(), o) != observers.end())
            o->deliver(pid, event->source, notification);
}

namespace {
constexpr auto kBusService = "org.a11y.Bus";
constexpr std::chrono::milliseconds kFirstPause{1000};
constexpr std::chrono::milliseconds kLongestPause{8000};

// Every application object libatspi makes. libatspi keeps them by bus name for the whole
// run, through atspi_exit() too (held here as long); a restarted bus hands those names to
// other processes, so after a restart the old objects are emptied and pointed at the new bus.
std::vector<AtspiApplication*>& madeApplications()
{
    static std::vector<AtspiApplication*> made;
    return made;
}

void (*baseConstructed)(GObject*) = nullptr;

void applicationConstructed(GObject* object)
{
    if (baseConstructed)
        baseConstructed(object);
    madeApplications().push_back(ATSPI_APPLICATION(g_object_ref(object)));
}

void trackApplications()
{
    static bool tracking = false;
    if (tracking)
        return;
    tracking = true;
    auto* klass = G_OBJECT_CLASS(g_type_class_ref(ATSPI_TYPE_APPLICATION));
    baseConstructed = klass->constructed;
    klass->constructed = applicationConstructed;
}

// Each application libatspi knew before the new connection `bus` is emptied (its objects
// disposed, its own connection closed) and made anew over `bus`, as libatspi makes one.
void renewApplications(DBusConnection* bus)
{
    for (AtspiApplication* app : madeApplications()) {
        g_object_run_dispose(G_OBJECT(app));
        app->hash = g_hash_table_new_full(g_str_hash, g_str_equal, g_free, g_object_unref);
        app->bus = dbus_connection_ref(bus);
        app->cache = ATSPI_CACHE_UNDEFINED;
        g_clear_pointer(&app->toolkit_name, g_free);
        g_clear_pointer(&app->toolkit_version, g_free);
        g_clear_pointer(&app->atspi_version, g_free);
        gettimeofday(&app->time_added, nullptr);
    }
}

// The registry's unique names on the buses before: libatspi keeps each as another name of the
// registry for the whole run, so a process given one on a later bus would read as the registry.
std::set<QString>& registryNames()
{
    static std::set<QString> names;
    return names;
}

std::vector<DBusConnection*>& heldNames()
{
    static std::vector<DBusConnection*> held;
    return held;
}

// The serial of a unique name (":1.42" → 42), -1 for any other name.
int serialOf(const QString& name)
{
    if (!name.startsWith(QLatin1String(":1.")))
        return -1;
    bool ok = false;
    const int n = name.mid(3).toInt(&ok);
    return ok ? n : -1;
}

QString registryOwner(DBusConnection* bus)
{
    DBusMessage* ask = dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "GetNameOwner");
    if (!ask)
        return {};
    const char* registry = "org.a11y.atspi.Registry";
    dbus_message_append_args(ask, DBUS_TYPE_STRING, &registry, DBUS_TYPE_INVALID);
    DBusError error;
    dbus_error_init(&error);
    DBusMessage* reply = dbus_connection_send_with_reply_and_block(bus, ask, 1000, &error);
    dbus_message_unref(ask);
    dbus_error_free(&error);
    const char* owner = nullptr;
    QString out;
    if (reply && dbus_message_get_args(reply, nullptr, DBUS_TYPE_STRING, &owner, DBUS_TYPE_INVALID) && owner)
        out = QString::fromLatin1(owner);
    if (reply)
        dbus_message_unref(reply);
    return out;
}

// The bus at `address` hands out unique names in order: every earlier registry name it has
// not handed out yet is taken by a connection of ours and kept, so that no process gets one.
void holdRegistryNames(const QString& address)
{
    for (DBusConnection* c : heldNames()) {
        dbus_connection_close(c);
        dbus_connection_unref(c);
    }
    heldNames().clear();
    int last = -1;
    for (const QString& name : registryNames())
        last = std::max(last, serialOf(name));
    const QByteArray where = address.toUtf8();
    for (int tries = 0; last >= 0 && tries <= last; ++tries) {
        DBusError error;
        dbus_error_init(&error);
        DBusConnection* c = dbus_connection_open_private(where.constData(), &error);
        if (c && !dbus_bus_register(c, &error)) {
            dbus_connection_close(c);
            dbus_connection_unref(c);
            c = nullptr;
        }
        dbus_error_free(&error);
        if (!c)
            return;
        const QString name = QString::fromLatin1(dbus_bus_get_unique_name(c));
        if (registryNames().count(name)) {
            heldNames().push_back(c);
        } else {
            dbus_connection_close(c);
            dbus_connection_unref(c);
        }
        if (serialOf(name) < 0 || serialOf(name) >= last)
            return;
    }
}

DBusHandlerResult busFilter(DBusConnection*, DBusMessage* message, void* data)
{
    if (dbus_message_is_signal(message, DBUS_INTERFACE_LOCAL, "Disconnected")) {
        auto* impl = static_cast<AtSpiAccessibility::Impl*>(data);
        // Later: libatspi is dispatching on this very connection.
        if (impl->context)
            QMetaObject::invokeMethod(impl->context.get(), [impl] { impl->onDisconnected(); }, Qt::QueuedConnection);
    }
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}
} // namespace

bool AtSpiAccessibility::Impl::ensure()
{
    if (initialised)
        return available;
    initialised = true;
    if (!sessionBusAvailable())
        return false;
    startWatching();
    if (!connect(false))
        log::warning(QStringLiteral("accessibility bus: no connection to it; fields are read once it appears"));
    atspiowntree::republish({}); // notes Qt's objects while they are served
    return available;
}

// libatspi keeps one connection for the whole run: a new one means ending it and starting it
// again, with the listener registered anew. `late` tells the clients when it succeeds;
// `address` is where the launcher said the new bus is.
bool AtSpiAccessibility::Impl::connect(bool late, const QString& address)
{
    trackApplications();
    if (lost) {
        // The new connection is made first (libatspi keeps it for its start), so that a bus
        // not there yet leaves libatspi as it is: ended without a connection, it aborts on
        // the next call.
        DBusConnection* fresh = atspi_get_a11y_bus();
        if (!fresh || !dbus_connection_get_is_connected(fresh))
            return false;
        holdRegistryNames(address);
        stopListening();
        forgetRecords();
        atspi_exit();
    }
    const int rc = atspi_init();
    DBusConnection* made = rc == 0 || rc == 1 ? atspi_get_a11y_bus() : nullptr;
    if (!made || !dbus_connection_get_is_connected(made)) {
        if (!lost)
            atspi_exit(); // tried again from the start
        return false;
    }
    if (lost)
        renewApplications(made);
    bus = made;
    dbus_connection_add_filter(bus, busFilter, this, nullptr);
    if (!listener)
        listener = atspi_event_listener_new(eventCallback, this, nullptr);
    listen(); // which starts the registry when the bus has none yet
    if (const QString registry = registryOwner(bus); !registry.isEmpty())
        registryNames().insert(registry);
    available = true;
    pause = std::chrono::milliseconds{0};
    if (late) {
        log::info(lost ? QStringLiteral("accessibility bus: connected again; fields are read over the new bus")
                       : QStringLiteral("accessibility bus: connected; fields are read"));
        QMetaObject::invokeMethod(context.get(), [this] {
            const auto handlers = reconnected;
            for (const auto& h : handlers)
                h();
        }, Qt::QueuedConnection);
    }
    lost = false;
    return true;
}

void AtSpiAccessibility::Impl::startWatching()
{
    context = std::make_unique<QObject>();
    auto* watcher = new QDBusServiceWatcher(QString::fromLatin1(kBusService), QDBusConnection::sessionBus(),
                                            QDBusServiceWatcher::WatchForRegistration, context.get());
    QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, context.get(), [this] { tryAgain(true); });
    auto* retry = new QTimer(context.get());
    retry->setObjectName(QStringLiteral("retry"));
    retry->setSingleShot(true);
    QObject::connect(retry, &QTimer::timeout, context.get(), [this] { askForTheBus(); });
}

void AtSpiAccessibility::Impl::onDisconnected()
{
    if (!available)
        return;
    available = false;
    lost = true;
    atspiowntree::lost();
    stopListening();
    forgetRecords();
    log::warning(QStringLiteral("accessibility bus: the connection to it was lost; fields are read again once it is "
                                "back"));
    tryAgain(true);
}

void AtSpiAccessibility::Impl::tryAgain(bool now)
{
    auto* retry = context ? context->findChild<QTimer*>(QStringLiteral("retry")) : nullptr;
    if (available || !retry)
        return;
    if (now)
        pause = std::chrono::milliseconds{0};
    else if (retry->isActive())
        return;
    retry->start(pause);
    pause = std::clamp(pause * 2, kFirstPause, kLongestPause);
}

// The launcher is asked where the bus is, which also starts one that starts its bus on demand
// and lets it name the bus on the root window, where libatspi looks first.
void AtSpiAccessibility::Impl::askForTheBus()
{
    if (available || trying)
        return;
    trying = true;
    const QDBusMessage ask = QDBusMessage::createMethodCall(QString::fromLatin1(kBusService), QStringLiteral("/org/a11y/bus"),
                                                            QString::fromLatin1(kBusService), QStringLiteral("GetAddress"));
    auto* call = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask, 5000), context.get());
    QObject::connect(call, &QDBusPendingCallWatcher::finished, context.get(), [this, call] {
        call->deleteLater();
        trying = false;
        const QDBusMessage reply = call->reply();
        const QString address = reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString() : QString();
        if (!address.isEmpty()) {
            atspiowntree::republish(address);
            if (!connect(true, address))
                tryAgain(false);
            return;
        }
        // Without a launcher the next one to appear is awaited.
        const QString error = reply.errorName();
        if (error != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
            && error != QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
            tryAgain(false);
    });
}

void AtSpiAccessibility::Impl::listen()
{
    if (!listener || listening)
        return;
    listening = true;
    for (const char* type : kListenedEvents) {
        GErrorSink err;
        atspi_event_listener_register(listener, type, &err);
    }
}

// Over a lost connection the registry is not reached; libatspi forgets the types all the same.
void AtSpiAccessibility::Impl::stopListening()
{
    if (bus) {
        dbus_connection_remove_filter(bus, busFilter, this);
        bus = nullptr;
    }
    if (!listener || !listening)
        return;
    listening = false;
    for (const char* type : kListenedEvents)
        atspi_event_listener_deregister(listener, type, nullptr);
}

void AtSpiAccessibility::Impl::forgetRecords()
{
    for (auto* map : {&focused, &activeWindow}) {
        for (const auto& [pid, acc] : *map)
            g_object_unref(acc);
        map->clear();
    }
    toolkits.clear();
}

namespace {
// What a job that waited too long is run with: it answers at once, and with nothing.
class NoAccessibility final : public Accessibility {
public:
    AccessibilityElement application(qint64) override { return {}; }
    std::unique_ptr<AccessibilityObserver> createObserver(qint64, AXNotificationHandler) override { return nullptr; }
    bool isProcessTrusted() override { return false; }
    bool isSecureInputEnabled() override { return false; }
};
} // namespace

// One thread that runs the jobs handed to readElsewhere() in order, with the bus reader made
// on it and ended on it. While the reader has no connection, a job is handed back to the main
// thread and run there with `owner`; a job that waited longer than kStale runs with nothing.
class AtSpiAccessibility::ReadThread {
public:
    using Work = std::function<void(Accessibility&)>;
    static constexpr std::chrono::milliseconds kStale{2000};

    ReadThread(double devicePixelRatio, std::weak_ptr<Accessibility*> owner)
        : owner_(std::move(owner)), thread_([this, devicePixelRatio] { run(devicePixelRatio); })
    {
    }
    ~ReadThread()
    {
        {
            std::lock_guard lock(lock_);
            stopping_ = true;
            jobs_.clear();
        }
        wake_.notify_all();
        thread_.join();
    }
    void post(Work work)
    {
        {
            std::lock_guard lock(lock_);
            jobs_.push_back({std::move(work), std::chrono::steady_clock::now()});
        }
        wake_.notify_one();
    }
    // False once a try to connect failed, until one succeeds.
    bool connected() const { return connected_.load(); }

private:
    struct Job {
        Work work;
        std::chrono::steady_clock::time_point queued;
    };

    void run(double devicePixelRatio)
    {
        const std::unique_ptr<AtSpiBusReader> reader = makeAtSpiBusReader(devicePixelRatio);
        for (;;) {
            std::optional<Job> job;
            {
                std::unique_lock lock(lock_);
                const auto due = [this] { return stopping_ || !jobs_.empty(); };
                if (const auto next = reader->nextTry())
                    wake_.wait_until(lock, *next, due);
                else
                    wake_.wait(lock, due);
                if (stopping_)
                    return;
                if (!jobs_.empty()) {
                    job = std::move(jobs_.front());
                    jobs_.pop_front();
                }
            }
            const bool up = reader->ready();
            connected_.store(up);
            if (!job)
                continue;
            if (std::chrono::steady_clock::now() - job->queued > kStale) {
                NoAccessibility none;
                job->work(none);
            } else if (up) {
                job->work(*reader);
            } else {
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [owner = owner_, work = std::move(job->work)] {
                        if (const auto self = owner.lock())
                            work(**self);
                    },
                    Qt::QueuedConnection);
            }
        }
    }

    std::weak_ptr<Accessibility*> owner_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    std::atomic<bool> connected_{true};
    std::thread thread_; // last: starts once the rest is in place
};

AtSpiAccessibility::AtSpiAccessibility(AccessibilityAccess& access)
    : access_(access), d(std::make_shared<Impl>()), self_(std::make_shared<Accessibility*>(this))
{
    atspiowntree::startQtBridge();
}

AtSpiAccessibility::~AtSpiAccessibility() = default;

bool AtSpiAccessibility::readElsewhere(std::function<void(Accessibility&)> work)
{
    if (!work || !sessionBusAvailable())
        return false;
    if (!reader_)
        reader_ = std::make_unique<ReadThread>(screen::devicePixelRatio(), self_);
    // Without a connection of its own the walk is the caller's, as on a thread-less desktop.
    if (!reader_->connected())
        return false;
    reader_->post(std::move(work));
    return true;
}

std::optional<QString> AtSpiAccessibility::connectionProblem()
{
    if (!d->initialised || d->available)
        return std::nullopt;
    return d->lost ? QStringLiteral("the accessibility bus went away; fields are read again once it is back")
                   : QStringLiteral("the accessibility bus is not reachable; fields are read once it appears");
}

void AtSpiAccessibility::whenReconnected(std::function<void()> handler)
{
    if (handler)
        d->reconnected.push_back(std::move(handler));
}

quint64 AtSpiAccessibility::messageCount()
{
    return messages;
}

AccessibilityElement AtSpiAccessibility::application(qint64 pid)
{
    if (pid <= 0 || pid == ownPid() || !d->ensure())
        return {};
    AtspiAccessible* desktop = atspi_get_desktop(0);
    if (!desktop)
        return {};
    GErrorSink err;
    prepareCall(kDefaultTimeout);
    const int apps = atspi_accessible_get_child_count(desktop, &err);
    AccessibilityElement found;
    for (int i = 0; i < apps && !err.failed() && !found; ++i) {
        GErrorSink e;
        prepareCall(kDefaultTimeout);
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, &e);
        if (!app)
            continue;
        if (pidOf(app) == pid)
            found = AtSpiNode::wrap(app, d);
        g_object_unref(app);
    }
    g_object_unref(desktop);
    return found;
}

std::unique_ptr<AccessibilityObserver> AtSpiAccessibility::createObserver(qint64 pid, AXNotificationHandler handler)
{
    if (pid <= 0 || pid == ownPid() || !d->ensure() || !handler)
        return nullptr;
    return std::make_unique<AtSpiObserver>(pid, std::move(handler), d);
}

bool AtSpiAccessibility::isProcessTrusted()
{
    return d->ensure() && access_.isTrusted();
}

QString AtSpiAccessibility::roleAttribute(int r, const std::function<bool(int)>& hasState)
{
    const bool multi = (r == ATSPI_ROLE_TEXT || r == ATSPI_ROLE_ENTRY || r == ATSPI_ROLE_PARAGRAPH
                        || r == ATSPI_ROLE_SECTION || r == ATSPI_ROLE_DOCUMENT_TEXT)
        && hasState(ATSPI_STATE_MULTI_LINE);
    // An editable paragraph or section (web editors) is a text area.
    if ((r == ATSPI_ROLE_PARAGRAPH || r == ATSPI_ROLE_SECTION) && hasState(ATSPI_STATE_EDITABLE))
        return QString::fromLatin1(ax::kTextArea);
    return roleName(r, multi);
}

QProcessEnvironment AtSpiAccessibility::environmentOf(qint64 pid)
{
    QProcessEnvironment env;
    QFile file(QStringLiteral("/proc/%1/environ").arg(pid));
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& entry : file.readAll().split('\0'))
            if (const qsizetype eq = entry.indexOf('='); eq > 0)
                env.insert(QString::fromLocal8Bit(entry.left(eq)), QString::fromLocal8Bit(entry.mid(eq + 1)));
    return env;
}

QString AtSpiAccessibility::roleName(int r, bool multiLine)
{
    switch (r) {
    case ATSPI_ROLE_ENTRY:
    case ATSPI_ROLE_TEXT:
        return QString::fromLatin1(multiLine ? ax::kTextArea : ax::kTextField);
    case ATSPI_ROLE_PASSWORD_TEXT:
        return QString::fromLatin1(ax::kTextField);
    case ATSPI_ROLE_DOCUMENT_TEXT:
        return QString::fromLatin1(ax::kTextArea);
    case ATSPI_ROLE_DOCUMENT_WEB:
        return QString::fromLatin1(ax::kWebArea);
    case ATSPI_ROLE_LABEL:
    case ATSPI_ROLE_STATIC:
    case ATSPI_ROLE_CAPTION:
        return QString::fromLatin1(ax::kStaticText);
    case ATSPI_ROLE_COMBO_BOX:
        return QString::fromLatin1(ax::kComboBox);
    case ATSPI_ROLE_PUSH_BUTTON:
    case ATSPI_ROLE_TOGGLE_BUTTON:
        return QString::fromLatin1(ax::kButton);
    case ATSPI_ROLE_CHECK_BOX:
        return QStringLiteral("AXCheckBox");
    case ATSPI_ROLE_RADIO_BUTTON:
        return QStringLiteral("AXRadioButton");
    case ATSPI_ROLE_FRAME:
    case ATSPI_ROLE_WINDOW:
    case ATSPI_ROLE_DIALOG:
        return QString::fromLatin1(ax::kWindow);
    case ATSPI_ROLE_APPLICATION:
        return QString::fromLatin1(ax::kApplication);
    case ATSPI_ROLE_MENU_ITEM:
    case ATSPI_ROLE_CHECK_MENU_ITEM:
    case ATSPI_ROLE_RADIO_MENU_ITEM:
        return QStringLiteral("AXMenuItem");
    case ATSPI_ROLE_LIST:
    case ATSPI_ROLE_LIST_BOX:
        return QStringLiteral("AXList");
    case ATSPI_ROLE_TABLE:
    case ATSPI_ROLE_TREE_TABLE:
        return QStringLiteral("AXTable");
    case ATSPI_ROLE_LINK:
        return QStringLiteral("AXLink");
    case ATSPI_ROLE_IMAGE:
        return QStringLiteral("AXImage");
    case ATSPI_ROLE_SCROLL_BAR:
        return QStringLiteral("AXScrollBar");
    case ATSPI_ROLE_SCROLL_PANE:
        return QStringLiteral("AXScrollArea");
    case ATSPI_ROLE_TERMINAL:
        return QStringLiteral("AXTerminal");
    default:
        return QString::fromLatin1(ax::kGroup);
    }
}

namespace {
// A positive scale factor from the environment, 1 when unset or not a number.
double factor(const QProcessEnvironment& env, const char* name)
{
    bool ok = false;
    const double v = env.value(QString::fromLatin1(name)).toDouble(&ok);
    return ok && v > 0 && std::isfinite(v) ? v : 1.0;
}

// GTK's window scale: GDK_SCALE is whole, GTK drops a fraction.
double gtkWindowScale(const QProcessEnvironment& env) { return std::max(1.0, std::floor(factor(env, "GDK_SCALE"))); }
} // namespace

double AtSpiAccessibility::textScale(QStringView toolkit, const QProcessEnvironment& field, const QProcessEnvironment& own)
{
    double scale = 1.0;
    if (toolkit.startsWith(QLatin1String("gtk"), Qt::CaseInsensitive)) {
        scale = gtkWindowScale(field) * factor(field, "GDK_DPI_SCALE");
    } else if (toolkit.compare(QLatin1String("Qt"), Qt::CaseInsensitive) == 0) {
        scale = factor(field, "QT_SCALE_FACTOR");
    }
    return scale / factor(own, "QT_SCALE_FACTOR");
}

double AtSpiAccessibility::pixelScale(QStringView toolkit, const QProcessEnvironment& field, const QProcessEnvironment& own,
                                      double devicePixelRatio)
{
    // Qt reports its own logical pixels; the part of its ratio it takes from the desktop's
    // resolution is this program's too.
    if (toolkit.compare(QLatin1String("Qt"), Qt::CaseInsensitive) == 0)
        return factor(field, "QT_SCALE_FACTOR") / factor(own, "QT_SCALE_FACTOR");
    // The others report X11's screen pixels, GTK over its whole window scale.
    const double ratio = devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1.0;
    return gtkWindowScale(field) / ratio;
}

std::optional<double> AtSpiAccessibility::fontSizeOnScreen(QStringView css, double dotsPerInch)
{
    QStringView s = css.trimmed();
    double factor = dotsPerInch / 72.0; // points, with or without the unit
    if (s.endsWith(QLatin1String("pt"), Qt::CaseInsensitive)) {
        s.chop(2);
    } else if (s.endsWith(QLatin1String("px"), Qt::CaseInsensitive)) {
        s.chop(2);
        factor = 1.0;
    } else if (s.endsWith(QLatin1String("em"), Qt::CaseInsensitive)) {
        s.chop(2);
        factor = 16.0;
    }
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    if (!ok || !(v > 0) || !std::isfinite(v) || !(dotsPerInch > 0))
        return std::nullopt;
    return v * factor;
}

QString AtSpiAccessibility::axNotification(QStringView type, int detail1)
{
    if (type.startsWith(QLatin1String("object:state-changed:focused")))
        return detail1 ? QString::fromLatin1(ax::kFocusedUIElementChanged) : QString();
    if (type.startsWith(QLatin1String("window:activate")))
        return QString::fromLatin1(ax::kFocusedWindowChanged);
    if (type.startsWith(QLatin1String("object:text-changed")))
        return QString::fromLatin1(ax::kValueChanged);
    if (type.startsWith(QLatin1String("object:text-caret-moved")) || type.startsWith(QLatin1String("object:text-selection-changed")))
        return QString::fromLatin1(ax::kSelectedTextChanged);
    return {};
}

} // namespace tq
