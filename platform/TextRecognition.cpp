#include "platform/TextRecognition.h"

#include "platform/LatestJobWorker.h"
#include "platform/Log.h"

#include <QCoreApplication>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <dlfcn.h>

#include <memory>
#include <utility>

namespace tq {

namespace {

// Screen text is small: Tesseract reads it better at about twice its size.
constexpr int kMinHeightForDirectRead = 1200;

struct EngineEnd {
    void operator()(tesseract::TessBaseAPI* api) const
    {
        api->End();
        delete api;
    }
};

// One owned worker and one owned Tesseract engine: a request waits for the running one to
// end, and a newer request takes the place of a waiting one (which is answered with nothing).
// Answers come back on the thread that made the recognition; none comes after it ended.
class TesseractRecognition final : public TextRecognition {
public:
    using Done = std::function<void(std::optional<QVector<RecognizedText>>)>;

    void recognize(const QImage& image, Done done) override
    {
        auto shared = std::make_shared<Done>(std::move(done));
        worker_.submit([this, image, shared] { answer(shared, recognizeNow(image)); },
                       [this, shared] { answer(shared, std::nullopt); });
    }

private:
    void answer(const std::shared_ptr<Done>& done, std::optional<QVector<RecognizedText>> result)
    {
        QMetaObject::invokeMethod(
            &replies_, [done, result = std::move(result)]() mutable { (*done)(std::move(result)); },
            Qt::QueuedConnection);
    }

    static void allowDynamicThreads()
    {
        // Tesseract asks OpenMP for a fixed number of threads, which spin for work: on a busy
        // desktop one recognition then takes many seconds. Let OpenMP size the team by the
        // machine's load instead (set for the worker thread).
        using SetDynamic = void (*)(int);
        if (const auto setDynamic = reinterpret_cast<SetDynamic>(dlsym(RTLD_DEFAULT, "omp_set_dynamic")))
            setDynamic(1);
    }

    // Worker thread only.
    std::optional<QVector<RecognizedText>> recognizeNow(const QImage& input);

    QObject replies_; // on the owner's thread; queued answers to it die with it
    std::unique_ptr<tesseract::TessBaseAPI, EngineEnd> engine_; // used on the worker only
    LatestJobWorker worker_{allowDynamicThreads}; // last: ends (joined) before the rest
};

std::optional<QVector<RecognizedText>> TesseractRecognition::recognizeNow(const QImage& input)
{
    if (input.isNull() || input.width() < 2 || input.height() < 2)
        return QVector<RecognizedText>();
    QImage image = input.convertToFormat(QImage::Format_Grayscale8);
    if (image.height() < kMinHeightForDirectRead) {
        image = image.scaled(image.width() * 2, image.height() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // The engine is loaded on first use and kept for the next recognitions.
    if (!engine_) {
        std::unique_ptr<tesseract::TessBaseAPI, EngineEnd> created(new tesseract::TessBaseAPI);
        if (created->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY) != 0) {
            log::warning(QStringLiteral("text recognition: the English data of Tesseract could not be loaded"));
            return std::nullopt;
        }
        engine_ = std::move(created);
    }
    tesseract::TessBaseAPI* api = engine_.get();
    api->SetPageSegMode(tesseract::PSM_AUTO);
    api->SetImage(image.constBits(), image.width(), image.height(), 1, int(image.bytesPerLine()));
    api->SetSourceResolution(144);
    // The owner's end cancels a recognition under way.
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = [](void* worker, int) { return static_cast<LatestJobWorker*>(worker)->stopping(); };
    monitor.cancel_this = &worker_;
    if (api->Recognize(&monitor) != 0 || worker_.stopping()) {
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

} // namespace

std::unique_ptr<TextRecognition> TextRecognition::createSystem()
{
    return std::make_unique<TesseractRecognition>();
}

} // namespace tq
