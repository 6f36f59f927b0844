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
    // Recognises the image off the calling thread; `done` runs on the calling thread's event loop
    // with the lines in reading order, or nothing when recognition failed or a newer request
    // took this one's place before it started.
    virtual void recognize(const QImage& image, std::function<void(std::optional<QVector<RecognizedText>>)> done) = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<TextRecognition> createSystem();
};

} // namespace tq
