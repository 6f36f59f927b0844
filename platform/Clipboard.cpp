#include "platform/Clipboard.h"

#include "platform/ClipboardReader.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>

namespace tq {

namespace {

const QString kHint = QStringLiteral("x-kde-passwordManagerHint");

// Our paste: notices when an application asks for its text.
class PasteData final : public QMimeData {
public:
    std::function<void()> onFetch;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        if (mimeType.startsWith(QLatin1String("text/")) && onFetch)
            onFetch();
        return QMimeData::retrieveData(mimeType, type);
    }
};

bool isProtocolTarget(const QString& format)
{
    static const QStringList skip{QStringLiteral("TARGETS"), QStringLiteral("MULTIPLE"), QStringLiteral("TIMESTAMP"),
                                  QStringLiteral("SAVE_TARGETS"), QStringLiteral("application/x-qt-image")};
    return skip.contains(format);
}

class QtClipboard final : public Clipboard {
public:
    QtClipboard() : reader_(this, kReadLimit)
    {
        connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
            const QMimeData* now = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
            // While our paste or the clipboard we put back is there, nothing new was copied.
            if (now && (now == paste_.data() || now == restored_.data()))
                return;
            ++changes_;
        });
    }

    quint64 changeCount() const override { return changes_; }

    // Read once per copy; only the markers and the text are fetched.
    std::optional<QString> copiedText() override
    {
        if (textCopy_ == changes_)
            return text_;
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->ownsClipboard()) {
            // Copied in one of our own windows, or put back by us: at hand.
            const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
            if (!data || data == paste_.data())
                return std::nullopt;
            ClipboardSnapshot markers;
            for (const QString& format : data->formats()) {
                if (format == kHint)
                    markers.formats.append({format, data->data(format)});
                else if (format.startsWith(QLatin1String("org.nspasteboard.")))
                    markers.formats.append({format, QByteArray()});
            }
            textCopy_ = changes_;
            text_ = isConcealed(markers) || isTransient(markers) || !data->hasText() ? std::nullopt
                                                                                      : std::optional<QString>(data->text());
            return text_;
        }
        if (textReading_ == changes_)
            return std::nullopt;
        const quint64 copy = changes_;
        textReading_ = copy;
        reader_.read(ClipboardReader::Scope::text, copy, [this, copy](std::optional<ClipboardSnapshot> read) {
            if (textReading_ == copy)
                textReading_.reset();
            if (copy != changes_)
                return; // copied again meanwhile: the next question reads the new copy
            textCopy_ = copy;
            text_ = read ? readableText(*read) : std::nullopt;
        });
        return std::nullopt;
    }

    void save(Saved done) override
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->ownsClipboard()) {
            reader_.read(ClipboardReader::Scope::everything, changes_, std::move(done));
            return;
        }
        ClipboardSnapshot snapshot;
        if (const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard)) {
            for (const QString& format : data->formats()) {
                if (isProtocolTarget(format))
                    continue;
                const QByteArray bytes = data->data(format);
                if (!bytes.isNull())
                    snapshot.formats.append({format, bytes});
            }
        }
        done(snapshot);
    }

    void setPaste(const QString& text) override
    {
        auto* data = new PasteData;
        data->setText(text);
        data->setData(kHint, QByteArrayLiteral("secret"));
        QPointer<QtClipboard> self(this);
        data->onFetch = [self] {
            // Reported after the request is served, never from inside it.
            QMetaObject::invokeMethod(self, [self] { if (self) emit self->pasteFetched(); }, Qt::QueuedConnection);
        };
        paste_ = data;
        QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    }

    bool holdsPaste() const override
    {
        return paste_ && QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard) == paste_.data();
    }

    void restore(const ClipboardSnapshot& snapshot) override
    {
        paste_.clear();
        if (snapshot.isEmpty()) {
            QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
            return;
        }
        auto* data = new QMimeData;
        for (const auto& [format, bytes] : snapshot.formats)
            data->setData(format, bytes);
        restored_ = data;
        QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
    }

private:
    QPointer<QMimeData> paste_;
    QPointer<QMimeData> restored_;
    quint64 changes_ = 0;
    std::optional<quint64> textCopy_;    // the copy text_ was read from
    std::optional<QString> text_;
    std::optional<quint64> textReading_; // the copy being read
    ClipboardReader reader_;             // last: its answers stop before the rest goes
};

} // namespace

bool Clipboard::isConcealed(const ClipboardSnapshot& snapshot)
{
    for (const auto& [format, bytes] : snapshot.formats) {
        if (format == kHint && bytes.trimmed() == "secret")
            return true;
        if (format == QLatin1String("org.nspasteboard.ConcealedType"))
            return true;
    }
    return false;
}

bool Clipboard::isTransient(const ClipboardSnapshot& snapshot)
{
    for (const auto& [format, bytes] : snapshot.formats)
        if (format == QLatin1String("org.nspasteboard.TransientType")
            || format == QLatin1String("org.nspasteboard.AutoGeneratedType"))
            return true;
    return false;
}

std::optional<QString> Clipboard::readableText(const ClipboardSnapshot& snapshot)
{
    if (isConcealed(snapshot) || isTransient(snapshot))
        return std::nullopt;
    static const QStringList plain{QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("text/plain"),
                                   QStringLiteral("UTF8_STRING"), QStringLiteral("STRING"), QStringLiteral("TEXT")};
    for (const QString& type : plain)
        for (const auto& [format, bytes] : snapshot.formats)
            if (format.compare(type, Qt::CaseInsensitive) == 0)
                return QString::fromUtf8(bytes);
    return std::nullopt;
}

std::unique_ptr<Clipboard> Clipboard::createSystem()
{
    return std::make_unique<QtClipboard>();
}

} // namespace tq
