#include "platform/ClipboardReader.h"

#include "platform/Log.h"

#include <QHash>
#include <QStringList>

#include <xcb/xcb.h>

#include <poll.h>

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace tq {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPollSlice{50}; // how often a wait looks at stopping
constexpr uint32_t kChunkLongs = 1u << 18;          // 1 MB per property read

const QString kHint = QStringLiteral("x-kde-passwordManagerHint");
const QString kPlain = QStringLiteral("text/plain");

// The Qt name of a format offered under the X target `name`; empty for the targets of the
// protocol itself and for server resources, which mean nothing once their owner is gone.
QString formatName(const QString& name)
{
    static const QStringList skip{QStringLiteral("TARGETS"),         QStringLiteral("MULTIPLE"),
                                  QStringLiteral("TIMESTAMP"),       QStringLiteral("SAVE_TARGETS"),
                                  QStringLiteral("DELETE"),          QStringLiteral("INSERT_SELECTION"),
                                  QStringLiteral("INSERT_PROPERTY"), QStringLiteral("PIXMAP"),
                                  QStringLiteral("BITMAP"),          QStringLiteral("DRAWABLE"),
                                  QStringLiteral("COLORMAP"),        QStringLiteral("COMPOUND_TEXT"),
                                  QStringLiteral("application/x-qt-image")};
    if (skip.contains(name))
        return {};
    if (name == QLatin1String("UTF8_STRING") || name == QLatin1String("STRING") || name == QLatin1String("TEXT"))
        return kPlain;
    if (name == QLatin1String("text/x-moz-url"))
        return QStringLiteral("text/uri-list");
    return name;
}

// Plain-text targets, best first.
int textRank(const QString& name)
{
    static const QStringList order{QStringLiteral("UTF8_STRING"), QStringLiteral("text/plain;charset=utf-8"), kPlain,
                                   QStringLiteral("STRING")};
    const qsizetype i = order.indexOf(name);
    return i < 0 ? int(order.size()) : int(i);
}

// One connection to the X server with a window that receives what is asked for.
class Selection {
public:
    enum class Got { data, refused, unanswered };

    ~Selection() { close(); }

    void close()
    {
        if (conn_)
            xcb_disconnect(conn_);
        conn_ = nullptr;
        window_ = 0;
    }

    std::optional<ClipboardSnapshot> read(ClipboardReader::Scope scope, Clock::time_point deadline,
                                          const std::atomic<bool>& stopping)
    {
        if (!open())
            return std::nullopt;
        deadline_ = deadline;
        stopping_ = &stopping;
        auto ownerCookie = xcb_get_selection_owner(conn_, clipboard_);
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(conn_, ownerCookie, nullptr);
        const xcb_window_t ownerWindow = owner ? owner->owner : XCB_NONE;
        free(owner);
        if (ownerWindow == XCB_NONE)
            return ClipboardSnapshot{};

        QByteArray list;
        const Got listed = fetch(targets_, list);
        if (listed != Got::data)
            return unanswered(listed);
        QVector<xcb_atom_t> atoms(list.size() / 4);
        if (!atoms.isEmpty())
            memcpy(atoms.data(), list.constData(), size_t(atoms.size()) * 4);

        return scope == ClipboardReader::Scope::text ? readText(atoms) : readAll(atoms);
    }

private:
    std::optional<ClipboardSnapshot> unanswered(Got got)
    {
        // An answer that may still come would be taken for the next question's.
        if (got == Got::unanswered)
            close();
        return std::nullopt;
    }

    std::optional<ClipboardSnapshot> readAll(const QVector<xcb_atom_t>& atoms)
    {
        ClipboardSnapshot snapshot;
        int plainRank = -1; // rank of the target the plain text came from
        bool offered = false;
        for (xcb_atom_t atom : atoms) {
            const QString name = nameOf(atom);
            const QString format = formatName(name);
            if (format.isEmpty())
                continue;
            offered = true;
            qsizetype at = -1;
            for (qsizetype i = 0; i < snapshot.formats.size(); ++i)
                if (snapshot.formats.at(i).first == format)
                    at = i;
            if (at >= 0 && (format != kPlain || textRank(name) >= plainRank))
                continue;
            QByteArray bytes;
            const Got got = fetch(atom, bytes);
            if (got == Got::unanswered)
                return unanswered(got);
            if (got == Got::refused)
                continue;
            if (format == kPlain) {
                plainRank = textRank(name);
                if (name == QLatin1String("STRING"))
                    bytes = QString::fromLatin1(bytes).toUtf8();
            }
            if (at >= 0)
                snapshot.formats[at].second = bytes;
            else
                snapshot.formats.append({format, bytes});
        }
        // Data offered and none handed over: putting back nothing would lose it.
        if (offered && snapshot.isEmpty())
            return std::nullopt;
        return snapshot;
    }

    std::optional<ClipboardSnapshot> readText(const QVector<xcb_atom_t>& atoms)
    {
        ClipboardSnapshot snapshot;
        std::optional<xcb_atom_t> text;
        QString textName;
        for (xcb_atom_t atom : atoms) {
            const QString name = nameOf(atom);
            if (name == kHint) {
                QByteArray bytes;
                const Got got = fetch(atom, bytes);
                if (got == Got::unanswered)
                    return unanswered(got);
                snapshot.formats.append({name, bytes});
            } else if (name.startsWith(QLatin1String("org.nspasteboard."))) {
                snapshot.formats.append({name, QByteArray()});
            } else if (textRank(name) < textRank(QString()) && (!text || textRank(name) < textRank(textName))) {
                text = atom;
                textName = name;
            }
        }
        // Marked secret, concealed or transient: the text itself is never fetched.
        if (Clipboard::isConcealed(snapshot) || Clipboard::isTransient(snapshot) || !text)
            return snapshot;
        QByteArray bytes;
        const Got got = fetch(*text, bytes);
        if (got == Got::unanswered)
            return unanswered(got);
        if (got == Got::data)
            snapshot.formats.append(
                {kPlain, textName == QLatin1String("STRING") ? QString::fromLatin1(bytes).toUtf8() : bytes});
        return snapshot;
    }

    bool open()
    {
        if (conn_ && !xcb_connection_has_error(conn_))
            return true;
        close();
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_)) {
            close();
            return false;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        if (!it.rem) {
            close();
            return false;
        }
        window_ = xcb_generate_id(conn_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(conn_, XCB_COPY_FROM_PARENT, window_, it.data->root, -10, -10, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
        clipboard_ = intern("CLIPBOARD");
        targets_ = intern("TARGETS");
        incr_ = intern("INCR");
        property_ = intern("_TQ_CLIPBOARD_READ");
        if (!clipboard_ || !targets_ || !incr_ || !property_) {
            close();
            return false;
        }
        return true;
    }

    xcb_atom_t intern(const char* name)
    {
        auto cookie = xcb_intern_atom(conn_, 0, uint16_t(strlen(name)), name);
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(conn_, cookie, nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    }

    QString nameOf(xcb_atom_t atom)
    {
        if (auto it = names_.constFind(atom); it != names_.constEnd())
            return *it;
        auto cookie = xcb_get_atom_name(conn_, atom);
        xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(conn_, cookie, nullptr);
        QString name;
        if (r) {
            name = QString::fromLatin1(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
            names_.insert(atom, name);
        }
        free(r);
        return name;
    }

    // The next event, or none once the deadline passed, the owner began to end or the
    // connection broke.
    xcb_generic_event_t* next()
    {
        for (;;) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(conn_))
                return e;
            if (xcb_connection_has_error(conn_) || stopping_->load(std::memory_order_relaxed))
                return nullptr;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
            if (left.count() <= 0)
                return nullptr;
            pollfd p{xcb_get_file_descriptor(conn_), POLLIN, 0};
            ::poll(&p, 1, int(std::min(left, kPollSlice).count()) + 1);
        }
    }

    // Reads and deletes the property the owner wrote; false when the server gave nothing.
    bool takeProperty(QByteArray& out, xcb_atom_t& type)
    {
        out.clear();
        uint32_t offset = 0;
        for (;;) {
            auto cookie = xcb_get_property(conn_, 0, window_, property_, XCB_GET_PROPERTY_TYPE_ANY, offset, kChunkLongs);
            xcb_get_property_reply_t* r = xcb_get_property_reply(conn_, cookie, nullptr);
            if (!r)
                return false;
            type = r->type;
            const int length = xcb_get_property_value_length(r);
            out.append(static_cast<const char*>(xcb_get_property_value(r)), length);
            const uint32_t after = r->bytes_after;
            free(r);
            if (after == 0 || length <= 0)
                break;
            offset += uint32_t(length) / 4;
        }
        xcb_delete_property(conn_, window_, property_);
        xcb_flush(conn_);
        return true;
    }

    // Asks the owner for `target` and waits for its data, in pieces when it sends them so.
    Got fetch(xcb_atom_t target, QByteArray& out)
    {
        xcb_delete_property(conn_, window_, property_);
        xcb_convert_selection(conn_, window_, clipboard_, target, property_, XCB_CURRENT_TIME);
        xcb_flush(conn_);
        std::optional<xcb_atom_t> answered;
        while (!answered) {
            xcb_generic_event_t* e = next();
            if (!e)
                return Got::unanswered;
            if ((e->response_type & 0x7f) == XCB_SELECTION_NOTIFY) {
                const auto* n = reinterpret_cast<xcb_selection_notify_event_t*>(e);
                if (n->requestor == window_ && n->selection == clipboard_ && n->target == target)
                    answered = n->property;
            }
            free(e); // property changes before the answer belong to no piece
        }
        if (*answered == XCB_NONE)
            return Got::refused;
        xcb_atom_t type = XCB_NONE;
        if (!takeProperty(out, type))
            return Got::refused;
        if (type != incr_)
            return Got::data;
        out.clear();
        for (;;) {
            xcb_generic_event_t* e = next();
            if (!e)
                return Got::unanswered;
            const bool piece = (e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY
                               && reinterpret_cast<xcb_property_notify_event_t*>(e)->atom == property_
                               && reinterpret_cast<xcb_property_notify_event_t*>(e)->state == XCB_PROPERTY_NEW_VALUE;
            free(e);
            if (!piece)
                continue;
            QByteArray chunk;
            if (!takeProperty(chunk, type))
                return Got::refused;
            if (chunk.isEmpty())
                return Got::data;
            out += chunk;
        }
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t window_ = 0;
    xcb_atom_t clipboard_ = 0, targets_ = 0, incr_ = 0, property_ = 0;
    QHash<xcb_atom_t, QString> names_;
    Clock::time_point deadline_;
    const std::atomic<bool>* stopping_ = nullptr;
};

} // namespace

struct ClipboardReader::Impl {
    struct Job {
        Scope scope;
        quint64 copy;
        Done done;
    };

    QObject* context;
    std::chrono::milliseconds limit;
    std::mutex lock;
    std::condition_variable wake;
    std::deque<Job> jobs;
    std::optional<quint64> unansweredCopy;
    std::atomic<bool> stopping{false};
    std::thread thread; // last: starts once the rest is in place

    Impl(QObject* c, std::chrono::milliseconds l) : context(c), limit(l), thread([this] { run(); }) {}

    void run()
    {
        Selection selection;
        for (;;) {
            Job job;
            bool known = false; // this copy went unanswered before
            {
                std::unique_lock guard(lock);
                wake.wait(guard, [&] { return stopping.load() || !jobs.empty(); });
                if (stopping)
                    return;
                job = std::move(jobs.front());
                jobs.pop_front();
                known = unansweredCopy == job.copy;
            }
            std::optional<ClipboardSnapshot> result;
            if (!known) {
                const auto began = Clock::now();
                result = selection.read(job.scope, began + limit, stopping);
                if (stopping)
                    return;
                if (!result) {
                    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - began);
                    log::warning(QStringLiteral("clipboard: its owner did not hand it over (%1 ms)").arg(took.count()));
                    std::lock_guard guard(lock);
                    unansweredCopy = job.copy;
                }
            }
            // The context outlives this thread, and a call queued to it as it ends is dropped.
            QMetaObject::invokeMethod(
                context, [done = std::move(job.done), result = std::move(result)] { done(result); },
                Qt::QueuedConnection);
        }
    }
};

ClipboardReader::ClipboardReader(QObject* context, std::chrono::milliseconds limit)
    : d(std::make_unique<Impl>(context, limit))
{
}

ClipboardReader::~ClipboardReader()
{
    {
        std::lock_guard guard(d->lock);
        d->stopping = true;
        d->jobs.clear();
    }
    d->wake.notify_all();
    d->thread.join();
}

void ClipboardReader::read(Scope scope, quint64 copy, Done done)
{
    {
        std::lock_guard guard(d->lock);
        d->jobs.push_back({scope, copy, std::move(done)});
    }
    d->wake.notify_one();
}

} // namespace tq
