#pragma once
// Window capture and text recognition set by the test.

#include "platform/TextRecognition.h"
#include "platform/WindowCapture.h"

namespace tq {

class FakeWindowCapture final : public WindowCapture {
public:
    double screenScale = 2.0;
    bool fails = false;
    QVector<QPair<QRectF, double>> captured;

    QImage capture(const QRectF& area, double scale) override
    {
        captured.append({area, scale});
        if (fails)
            return {};
        QImage image(int(area.width() * scale), int(area.height() * scale), QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
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
