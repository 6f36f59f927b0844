#pragma once
// Window capture and text recognition set by the test.

#include "platform/TextRecognition.h"
#include "platform/WindowCapture.h"

#include <optional>

namespace tq {

class FakeWindowCapture final : public WindowCapture {
public:
    double screenScale = 2.0;
    bool fails = false;
    // Taken from the screen with these processes' windows over it, when set.
    std::optional<QVector<qint64>> covering;
    QVector<QPair<QRectF, double>> captured;

    WindowShot capture(quint64, const QRectF& area, double scale) override
    {
        captured.append({area, scale});
        if (fails)
            return {};
        WindowShot shot;
        shot.image = QImage(int(area.width() * scale), int(area.height() * scale), QImage::Format_RGB32);
        shot.image.fill(Qt::white);
        shot.own = !covering;
        shot.covering = covering.value_or(QVector<qint64>());
        return shot;
    }
    double scale() override { return screenScale; }
};

class FakeTextRecognition final : public TextRecognition {
public:
    std::optional<QVector<RecognizedText>> result = QVector<RecognizedText>();
    QVector<QSize> images;

    void recognize(const QImage& image, std::function<void(std::optional<QVector<RecognizedText>>)> done) override
    {
        images.append(image.size());
        done(result);
    }
};

} // namespace tq
