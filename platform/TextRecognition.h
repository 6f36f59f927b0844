#pragma once
// On-device text recognition of an image, line by line.

#include <QImage>
#include <QRectF>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

struct RecognizedText {
    QString text;
    QRectF box; // normalised to the image (0 to 1), origin at the bottom-left
    friend bool operator==(const RecognizedText&, const RecognizedText&) = default;
};

class TextRecognition {
public:
    virtual ~TextRecognition() = default;
    // Recognises the image on the recognition's own worker, one image at a time; `done` runs on
    // the event loop of the thread that made the recognition with the lines in reading order, or
    // nothing when recognition failed or a newer request took this one's place before it started.
    // No answer comes once the recognition ended.
    virtual void recognize(const QImage& image, std::function<void(std::optional<QVector<RecognizedText>>)> done) = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<TextRecognition> createSystem();
};

} // namespace tq
