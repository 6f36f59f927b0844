#include "platform/TextRecognition.h"

#include "platform/Log.h"

#include <QCoreApplication>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

namespace tq {

namespace {

std::mutex engineLock;
tesseract::TessBaseAPI* engine = nullptr;

// Screen text is small: Tesseract reads it better at about twice its size.
constexpr int kMinHeightForDirectRead = 1200;

class TesseractRecognition final : public TextRecognition {
public:
    void recognize(const QImage& image, std::function<void(std::optional<QVector<RecognizedText>>)> done) override
    {
        // The result comes back through an object living on the calling thread.
        auto* target = new QObject;
        std::thread([image, done = std::move(done), target]() mutable {
            auto result = recognizeNow(image);
            QMetaObject::invokeMethod(
                target,
                [done = std::move(done), result = std::move(result), target]() mutable {
                    done(std::move(result));
                    target->deleteLater();
                },
                Qt::QueuedConnection);
        }).detach();
    }
};

} // namespace

std::optional<QVector<RecognizedText>> TextRecognition::recognizeNow(const QImage& input)
{
    if (input.isNull() || input.width() < 2 || input.height() < 2)
        return QVector<RecognizedText>();
    QImage image = input.convertToFormat(QImage::Format_Grayscale8);
    if (image.height() < kMinHeightForDirectRead) {
        image = image.scaled(image.width() * 2, image.height() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // One engine, loaded once and used by one recognition at a time. It is released at exit
    // before Tesseract's own caches (registered after them), once a running recognition ends.
    std::lock_guard<std::mutex> guard(engineLock);
    if (!engine) {
        auto created = std::make_unique<tesseract::TessBaseAPI>();
        if (created->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY) != 0) {
            log::warning(QStringLiteral("text recognition: the English data of Tesseract could not be loaded"));
            return std::nullopt;
        }
        engine = created.release();
        std::atexit([] {
            std::lock_guard<std::mutex> g(engineLock);
            engine->End();
            delete engine;
            engine = nullptr;
        });
    }
    tesseract::TessBaseAPI* api = engine;
    // Tesseract asks OpenMP for a fixed number of threads, which spin for work: on a busy
    // desktop one recognition then takes many seconds. Let OpenMP size the team by the
    // machine's load instead (set per calling thread).
    using SetDynamic = void (*)(int);
    static const auto setDynamic = reinterpret_cast<SetDynamic>(dlsym(RTLD_DEFAULT, "omp_set_dynamic"));
    if (setDynamic)
        setDynamic(1);
    api->SetPageSegMode(tesseract::PSM_AUTO);
    api->SetImage(image.constBits(), image.width(), image.height(), 1, int(image.bytesPerLine()));
    api->SetSourceResolution(144);
    if (api->Recognize(nullptr) != 0) {
        api->Clear();
        return std::nullopt;
    }

    QVector<RecognizedText> out;
    const double w = image.width(), h = image.height();
    std::unique_ptr<tesseract::ResultIterator> it(api->GetIterator());
    if (it) {
        do {
            std::unique_ptr<char[]> text(it->GetUTF8Text(tesseract::RIL_TEXTLINE));
            if (!text)
                continue;
            const QString line = QString::fromUtf8(text.get()).trimmed();
            int left = 0, top = 0, right = 0, bottom = 0;
            if (line.isEmpty() || !it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
                continue;
            // Normalised, origin bottom-left.
            out.push_back({line, QRectF(left / w, 1.0 - bottom / h, (right - left) / w, (bottom - top) / h)});
        } while (it->Next(tesseract::RIL_TEXTLINE));
    }
    api->Clear();
    return out;
}

std::unique_ptr<TextRecognition> TextRecognition::createSystem()
{
    return std::make_unique<TesseractRecognition>();
}

} // namespace tq
