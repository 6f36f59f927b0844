#include "platform/TextRecognition.h"

#include "platform/Log.h"

#include <QCoreApplication>

#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <dlfcn.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
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

// One worker thread and one Tesseract engine, both owned: a request waits for the running one
// to end, and a newer request takes the place of a waiting one (which is answered with nothing).
class TesseractRecognition final : public TextRecognition {
public:
    using Done = std::function<void(std::optional<QVector<RecognizedText>>)>;

    TesseractRecognition() : worker_([this] { run(); }) {}

    ~TesseractRecognition() override
    {
        {
            const std::lock_guard guard(lock_);
            stop_ = true;
        }
        wake_.notify_one();
        worker_.join();
        if (waiting_)
            delete waiting_->target;
    }

    void recognize(const QImage& image, Done done) override
    {
        // The result comes back through an object living on the calling thread.
        Job job{image, std::move(done), new QObject};
        std::optional<Job> replaced;
        {
            const std::lock_guard guard(lock_);
            replaced = std::exchange(waiting_, std::move(job));
        }
        wake_.notify_one();
        if (replaced)
            answer(std::move(*replaced), std::nullopt);
    }

private:
    struct Job {
        QImage image;
        Done done;
        QObject* target;
    };

    static void answer(Job job, std::optional<QVector<RecognizedText>> result)
    {
        QObject* target = job.target;
        QMetaObject::invokeMethod(
            target,
            [done = std::move(job.done), result = std::move(result), target]() mutable {
                done(std::move(result));
                target->deleteLater();
            },
            Qt::QueuedConnection);
    }

    void run()
    {
        // Tesseract asks OpenMP for a fixed number of threads, which spin for work: on a busy
        // desktop one recognition then takes many seconds. Let OpenMP size the team by the
        // machine's load instead (set for this thread).
        using SetDynamic = void (*)(int);
        if (const auto setDynamic = reinterpret_cast<SetDynamic>(dlsym(RTLD_DEFAULT, "omp_set_dynamic")))
            setDynamic(1);
        for (;;) {
            std::optional<Job> job;
            {
                std::unique_lock guard(lock_);
                wake_.wait(guard, [this] { return stop_ || waiting_; });
                if (stop_)
                    return;
                job = std::exchange(waiting_, std::nullopt);
            }
            auto result = recognizeNow(job->image);
            answer(std::move(*job), std::move(result));
        }
    }

    // Worker thread only.
    std::optional<QVector<RecognizedText>> recognizeNow(const QImage& input);

    std::unique_ptr<tesseract::TessBaseAPI, EngineEnd> engine_; // worker thread only
    std::mutex lock_;
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    bool stop_ = false;
    std::thread worker_; // last: starts once the rest is in place
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

} // namespace

std::unique_ptr<TextRecognition> TextRecognition::createSystem()
{
    return std::make_unique<TesseractRecognition>();
}

} // namespace tq
