#include "platform/TextRecognition.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tq {
namespace {

QImage textImage(const QString& text)
{
    QImage image(600, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(36);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

TEST(TesseractRecognition, ANewerRequestTakesTheWaitingOnesPlaceAndEveryCallerHearsBack)
{
    const auto recognition = TextRecognition::createSystem();
    std::vector<std::optional<std::optional<QVector<RecognizedText>>>> answers(3);
    const QImage image = textImage(QStringLiteral("Quarterly report"));
    for (std::size_t i = 0; i < answers.size(); ++i)
        recognition->recognize(image, [&answers, i](auto lines) { answers[i] = std::move(lines); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers[0] && answers[1] && answers[2]; }, 60000));

    // The last request always runs; at most one of the earlier ones ran, the others were replaced.
    ASSERT_TRUE(*answers[2]);
    QString text;
    for (const RecognizedText& line : **answers[2])
        text += line.text;
    EXPECT_TRUE(text.contains(QLatin1String("Quarterly"), Qt::CaseInsensitive)) << text.toStdString();
    EXPECT_FALSE(*answers[0] && *answers[1]);
}

TEST(TesseractRecognition, EndsWithARequestStillWaiting)
{
    int answered = 0;
    {
        const auto recognition = TextRecognition::createSystem();
        for (int i = 0; i < 3; ++i)
            recognition->recognize(textImage(QStringLiteral("Gone")), [&](auto) { ++answered; });
    } // joined here, a recognition running or not
    QCoreApplication::processEvents();
    EXPECT_LE(answered, 3);
}

} // namespace
} // namespace tq
