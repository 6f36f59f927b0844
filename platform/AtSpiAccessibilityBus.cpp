#include "platform/AtSpiAccessibilityBus.h"

#include "platform/AtSpiAccessibility.h"
#include "platform/DisplayLoss.h"
#include "platform/Log.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <atspi/atspi-constants.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cmath>
#include <limits>
#include <map>

namespace tq {

namespace {

constexpr auto kAccessibleIface = "org.a11y.atspi.Accessible";
constexpr auto kTextIface = "org.a11y.atspi.Text";
constexpr auto kComponentIface = "org.a11y.atspi.Component";
constexpr auto kApplicationIface = "org.a11y.atspi.Application";
constexpr auto kPropertiesIface = "org.freedesktop.DBus.Properties";
constexpr auto kRegistry = "org.a11y.atspi.Registry";
constexpr auto kRootPath = "/org/a11y/atspi/accessible/root";
constexpr auto kNullPath = "/org/a11y/atspi/null";
constexpr double kDefaultTimeout = 0.25;

struct Ref {
    QString bus;
    QString path;
    friend bool operator==(const Ref&, const Ref&) = default;
};

QList<Ref> refsOf(const QVariant& v)
{
    QList<Ref> out;
    if (v.metaType() != QMetaType::fromType<QDBusArgument>())
        return out;
    const QDBusArgument arg = v.value<QDBusArgument>();
    if (arg.currentSignature() != QLatin1String("a(so)"))
        return out;
    arg.beginArray();
    while (!arg.atEnd()) {
        QString bus;
        QDBusObjectPath path;
        arg.beginStructure();
        arg >> bus >> path;
        arg.endStructure();
        if (!bus.isEmpty() && path.path() != QLatin1String(kNullPath))
            out.push_back({bus, path.path()});
    }
    arg.endArray();
    return out;
}

qint64 ownPid() { return QCoreApplication::applicationPid(); }

// The accessibility bus's address as the X server's root window holds it, over a display
// connection of this call's own.
QString rootWindowAddress()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    Display* display = openXDisplay(nullptr);
    if (!display)
        return {};
    QString address;
    const Atom property = XInternAtom(display, "AT_SPI_BUS", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING, &type, &format,
                           &items, &after, &data)
            == Success
        && type == XA_STRING && format == 8 && data)
        address = QString::fromUtf8(reinterpret_cast<const char*>(data), int(items));
    if (data)
        XFree(data);
    XCloseDisplay(display);
    return address;
}

QString launcherAddress()
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return {};
    const QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                            QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusMessage reply = session.call(ask, QDBus::Block, 1500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().toString();
}

// Where the bus may be, in the order libatspi asks: the environment, the root window, the
// session's launcher. A root window's address outlives a launcher that was killed, so every
// one is worth a try.
QStringList busAddresses()
{
    QStringList out;
    for (const QString& a : {qEnvironmentVariable("AT_SPI_BUS_ADDRESS"), rootWindowAddress(), launcherAddress()})
        if (!a.isEmpty() && !out.contains(a))
            out.append(a);
    return out;
}

// The connection of one thread, with what it learnt of the applications on the bus.
class Bus {
public:
    explicit Bus(double devicePixelRatio) : devicePixelRatio_(devicePixelRatio)
    {
        static QAtomicInteger<int> made;
        name_ = QStringLiteral("tq-a11y-reader-%1").arg(made.fetchAndAddRelaxed(1));
    }
    ~Bus() { drop(); }
    Bus(const Bus&) = delete;
    Bus& operator=(const Bus&) = delete;

    // Connected, or connected now when a try is due. A connection the bus dropped is let go
    // with all it learnt, and a new one is tried at once: the bus may have restarted.
    bool ready()
    {
        if (connection_ && connection_->isConnected())
            return true;
        if (connection_) {
            log::warning(QStringLiteral("accessibility bus: the screen reader's connection was lost; connecting again"));
            drop();
            nextTry_ = Clock::now();
            pause_ = kFirstPause;
        }
        if (Clock::now() < nextTry_)
            return false;
        for (const QString& address : busAddresses()) {
            const QString name = name_ + QLatin1Char('-') + QString::number(++attempts_);
            QDBusConnection c = QDBusConnection::connectToBus(address, name);
            if (c.isConnected()) {
                if (failing_)
                    log::info(QStringLiteral("accessibility bus: the screen reader is connected again"));
                failing_ = false;
                pause_ = kFirstPause;
                connection_ = c;
                connectionName_ = name;
                return true;
            }
            QDBusConnection::disconnectFromBus(name);
        }
        if (!failing_)
            log::warning(QStringLiteral("accessibility bus: the screen reader could not connect to it; screens are read on "
                                        "the main connection meanwhile, and it tries again"));
        failing_ = true;
        nextTry_ = Clock::now() + pause_;
        pause_ = std::min(pause_ * 2, kLongestPause);
        return false;
    }
    bool ok() { return connection_ && connection_->isConnected(); }
    std::optional<AtSpiBusReader::TimePoint> nextTry() const
    {
        if (connection_ && connection_->isConnected())
            return std::nullopt;
        return connection_ ? Clock::now() : nextTry_;
    }

    std::optional<QVariantList> call(const Ref& ref, const char* iface, const char* method, const QVariantList& args,
                                     double timeout)
    {
        if (!ok())
            return std::nullopt;
        QDBusMessage m = QDBusMessage::createMethodCall(ref.bus, ref.path, QString::fromLatin1(iface), QString::fromLatin1(method));
        m.setArguments(args);
        const int ms = std::max(1, int(std::lround(timeout * 1000)));
        const QDBusMessage reply = connection_->call(m, QDBus::Block, ms);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return std::nullopt;
        return reply.arguments();
    }

    // Nothing when the object does not answer.
    std::optional<QList<Ref>> children(const Ref& ref, double timeout)
    {
        const auto reply = call(ref, kAccessibleIface, "GetChildren", {}, timeout);
        return reply && !reply->isEmpty() ? std::optional(refsOf(reply->constFirst())) : std::nullopt;
    }

    QVariant property(const Ref& ref, const char* iface, const char* name, double timeout)
    {
        const auto reply = call(ref, kPropertiesIface, "Get", {QString::fromLatin1(iface), QString::fromLatin1(name)}, timeout);
        if (!reply || reply->isEmpty())
            return {};
        return reply->constFirst().value<QDBusVariant>().variant();
    }

    // Answered by the bus daemon, never by the application.
    qint64 pidOf(const QString& bus)
    {
        auto it = pids_.find(bus);
        if (it != pids_.end())
            return it->second;
        qint64 pid = 0;
        if (ok() && connection_->interface()) {
            const QDBusReply<uint> reply = connection_->interface()->servicePid(bus);
            if (reply.isValid())
                pid = qint64(reply.value());
        }
        return pids_.emplace(bus, pid).first->second;
    }

    QString toolkitOf(const QString& bus, double timeout)
    {
        auto it = toolkits_.find(bus);
        if (it == toolkits_.end())
            it = toolkits_.emplace(bus, property({bus, QString::fromLatin1(kRootPath)}, kApplicationIface, "ToolkitName", timeout)
                                            .toString())
                     .first;
        return it->second;
    }

    double pixelScale(qint64 pid, const QString& bus, double timeout)
    {
        auto it = scales_.find(pid);
        if (it == scales_.end())
            it = scales_
                     .emplace(pid, AtSpiAccessibility::pixelScale(toolkitOf(bus, timeout), AtSpiAccessibility::environmentOf(pid),
                                                                  QProcessEnvironment::systemEnvironment(), devicePixelRatio_))
                     .first;
        return it->second;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kFirstPause{1000};
    static constexpr std::chrono::milliseconds kLongestPause{8000};

    void drop()
    {
        if (connection_)
            QDBusConnection::disconnectFromBus(connectionName_);
        connection_.reset();
        pids_.clear();
        toolkits_.clear();
        scales_.clear();
    }

    QString name_;
    QString connectionName_;
    double devicePixelRatio_;
    int attempts_ = 0;
    bool failing_ = false;
    Clock::time_point nextTry_{};
    std::chrono::milliseconds pause_ = kFirstPause;
    std::optional<QDBusConnection> connection_;
    std::map<QString, qint64> pids_;
    std::map<QString, QString> toolkits_;
    std::map<qint64, double> scales_;
};

// One object on the bus. Role, states and extents are read once per handle: a handle lives
// for one reading.
class BusNode final : public AccessibilityNode {
public:
    BusNode(std::shared_ptr<Bus> bus, Ref ref, qint64 pid, double timeout)
        : bus_(std::move(bus)), ref_(std::move(ref)), pid_(pid), timeout_(timeout)
    {
    }

    static AccessibilityElement wrap(const std::shared_ptr<Bus>& bus, const Ref& ref, qint64 pid, double timeout)
    {
        return AccessibilityElement(std::make_shared<BusNode>(bus, ref, pid, timeout));
    }

    QVariant attribute(const QString& name) override;
    QVariant parameterizedAttribute(const QString& name, const QVariant& parameter) override;
    std::optional<bool> isSettable(const QString&) override { return false; }
    bool setAttribute(const QString&, const QVariant&) override { return false; }
    void setMessagingTimeout(double seconds) override { timeout_ = seconds > 0 ? seconds : kDefaultTimeout; }
    qint64 hash() const override { return qint64(qHash(ref_.bus + QLatin1Char('|') + ref_.path, 0)); }
    qint64 processId() const override { return pid_; }
    bool providesTextMarkers() const override { return false; }
    bool isSameAs(const AccessibilityNode& other) const override
    {
        auto* o = dynamic_cast<const BusNode*>(&other);
        return o && o->ref_ == ref_;
    }

private:
    bool blocked() const { return pid_ <= 0 || pid_ == ownPid(); }
    std::optional<QVariantList> call(const char* iface, const char* method, const QVariantList& args = {})
    {
        return bus_->call(ref_, iface, method, args, timeout_);
    }
    int role();
    bool state(int which);
    std::optional<QRectF> extents();
    std::optional<QString> name();
    QVariant focusedWindow();
    AccessibilityElement wrapChild(const Ref& r)
    {
        return wrap(bus_, r, r.bus == ref_.bus ? pid_ : bus_->pidOf(r.bus), timeout_);
    }

    std::shared_ptr<Bus> bus_;
    Ref ref_;
    qint64 pid_;
    double timeout_;
    std::optional<int> role_;
    std::optional<quint64> states_;
    std::optional<std::optional<QRectF>> extents_;
};

int BusNode::role()
{
    if (!role_) {
        const auto reply = call(kAccessibleIface, "GetRole");
        if (!reply || reply->isEmpty())
            return -1;
        role_ = int(reply->constFirst().toUInt());
    }
    return *role_;
}

bool BusNode::state(int which)
{
    if (!states_) {
        const auto reply = call(kAccessibleIface, "GetState");
        if (!reply || reply->isEmpty() || reply->constFirst().metaType() != QMetaType::fromType<QDBusArgument>())
            return false;
        QList<uint> words;
        reply->constFirst().value<QDBusArgument>() >> words;
        states_ = quint64(words.value(0)) | (quint64(words.value(1)) << 32);
    }
    return which >= 0 && which < 64 && (*states_ & (quint64(1) << which));
}

std::optional<QRectF> BusNode::extents()
{
    if (!extents_) {
        extents_.emplace();
        const auto reply = call(kComponentIface, "GetExtents", {QVariant::fromValue(uint(ATSPI_COORD_TYPE_SCREEN))});
        if (reply && !reply->isEmpty() && reply->constFirst().metaType() == QMetaType::fromType<QDBusArgument>()) {
            const QDBusArgument arg = reply->constFirst().value<QDBusArgument>();
            int x = 0, y = 0, w = 0, h = 0;
            arg.beginStructure();
            arg >> x >> y >> w >> h;
            arg.endStructure();
            const double k = bus_->pixelScale(pid_, ref_.bus, timeout_);
            *extents_ = QRectF(x * k, y * k, w * k, h * k);
        }
    }
    return *extents_;
}

std::optional<QString> BusNode::name()
{
    const QVariant v = bus_->property(ref_, kAccessibleIface, "Name", timeout_);
    return v.isValid() ? std::optional(v.toString()) : std::nullopt;
}

QVariant BusNode::focusedWindow()
{
    for (const Ref& r : bus_->children(ref_, timeout_).value_or(QList<Ref>())) {
        AccessibilityElement w = wrapChild(r);
        if (static_cast<BusNode*>(w.node())->state(ATSPI_STATE_ACTIVE))
            return QVariant::fromValue(w);
    }
    return {};
}

QVariant BusNode::attribute(const QString& attributeName)
{
    if (blocked())
        return {};
    const QByteArray n = attributeName.toLatin1();
    if (n == ax::kRole) {
        const int r = role();
        return r < 0 ? QVariant() : QVariant(AtSpiAccessibility::roleAttribute(r, [this](int s) { return state(s); }));
    }
    if (n == ax::kSubrole)
        return role() == ATSPI_ROLE_PASSWORD_TEXT ? QVariant(QString::fromLatin1(ax::kSecureTextField)) : QVariant();
    if (n == ax::kValue) {
        if (const auto text = call(kTextIface, "GetText", {0, -1}); text && !text->isEmpty())
            return text->constFirst().toString();
        const auto label = name();
        return label ? QVariant(*label) : QVariant();
    }
    if (n == ax::kTitle) {
        const auto title = name();
        return title && !title->isEmpty() ? QVariant(*title) : QVariant();
    }
    if (n == ax::kFocused)
        return state(ATSPI_STATE_FOCUSED);
    if (n == ax::kNumberOfCharacters) {
        const QVariant count = bus_->property(ref_, kTextIface, "CharacterCount", timeout_);
        return count.isValid() ? QVariant(qint64(count.toInt())) : QVariant();
    }
    if (n == ax::kChildren) {
        const auto refs = bus_->children(ref_, timeout_);
        if (!refs)
            return {};
        QVariantList out;
        for (const Ref& r : *refs)
            out.append(QVariant::fromValue(wrapChild(r)));
        return out;
    }
    if (n == ax::kPosition || n == ax::kSize) {
        const std::optional<QRectF> r = extents();
        if (!r)
            return {};
        return n == ax::kPosition ? QVariant(r->topLeft()) : QVariant(r->size());
    }
    if (n == ax::kFocusedWindow)
        return focusedWindow();
    if (n == ax::kToolkitName) {
        const QString toolkit = bus_->toolkitOf(ref_.bus, timeout_);
        return toolkit.isEmpty() ? QVariant() : QVariant(toolkit);
    }
    return {};
}

QVariant BusNode::parameterizedAttribute(const QString& name, const QVariant& parameter)
{
    if (blocked() || name != QLatin1String(ax::kStringForRange) || parameter.metaType() != QMetaType::fromType<AXRange>())
        return {};
    const AXRange r = parameter.value<AXRange>();
    if (r.location < 0 || r.length < 0 || r.location + r.length > std::numeric_limits<int>::max())
        return {};
    const auto text = call(kTextIface, "GetText", {int(r.location), int(r.location + r.length)});
    return text && !text->isEmpty() ? QVariant(text->constFirst().toString()) : QVariant();
}

class BusReader final : public AtSpiBusReader {
public:
    explicit BusReader(double devicePixelRatio) : bus_(std::make_shared<Bus>(devicePixelRatio)) {}

    AccessibilityElement application(qint64 pid) override
    {
        if (pid <= 0 || pid == ownPid() || !bus_->ok())
            return {};
        const Ref desktop{QString::fromLatin1(kRegistry), QString::fromLatin1(kRootPath)};
        for (const Ref& r : bus_->children(desktop, kDefaultTimeout).value_or(QList<Ref>()))
            if (bus_->pidOf(r.bus) == pid)
                return BusNode::wrap(bus_, r, pid, kDefaultTimeout);
        return {};
    }
    std::unique_ptr<AccessibilityObserver> createObserver(qint64, AXNotificationHandler) override { return nullptr; }
    bool isProcessTrusted() override { return bus_->ok(); }
    bool isSecureInputEnabled() override { return false; }
    bool ready() override { return bus_->ready(); }
    std::optional<TimePoint> nextTry() const override { return bus_->nextTry(); }

private:
    std::shared_ptr<Bus> bus_;
};

} // namespace

std::unique_ptr<AtSpiBusReader> makeAtSpiBusReader(double devicePixelRatio)
{
    return std::make_unique<BusReader>(devicePixelRatio);
}

} // namespace tq
