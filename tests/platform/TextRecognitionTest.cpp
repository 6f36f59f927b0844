#include "platform/LatestJobWorker.h"
#include "platform/TextRecognition.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <vector>

namespace tq {
namespace {

TEST(LatestJobWorker, RunsOneJobAtATimeAndANewerJobReplacesTheWaitingOne)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> firstStarted;
    std::mutex lock;
    std::vector<QString> ran, replaced;
    auto job = [&](const QString& name) {
        return [&, name] {
            if (name == QLatin1String("first")) {
                firstStarted.set_value();
                released.wait();
            }
            const std::lock_guard guard(lock);
            ran.push_back(name);
        };
    };
    auto told = [&](const QString& name) { return [&, name] { replaced.push_back(name); }; };
    {
        LatestJobWorker worker;
        worker.submit(job(QStringLiteral("first")), told(QStringLiteral("first")));
        firstStarted.get_future().wait();
        worker.submit(job(QStringLiteral("second")), told(QStringLiteral("second")));
        worker.submit(job(QStringLiteral("third")), told(QStringLiteral("third")));
        worker.submit(job(QStringLiteral("fourth")), told(QStringLiteral("fourth")));
        std::promise<void> done;
        worker.submit([&] { done.set_value(); });
        release.set_value();
        done.get_future().wait();
    }
    // "fourth" was waiting when the last job came: replaced too.
    EXPECT_EQ(ran, (std::vector<QString>{"first"}));
    EXPECT_EQ(replaced, (std::vector<QString>{"second", "third", "fourth"}));
}

TEST(LatestJobWorker, EndingLetsTheRunningJobSeeItAndDropsTheWaitingOne)
{
    std::promise<void> started;
    bool sawStop = false;
    bool waitingRan = false;
    {
        LatestJobWorker worker;
        worker.submit([&] {
            started.set_value();
            while (!worker.stopping())
                std::this_thread::yield();
            sawStop = true;
        });
        started.get_future().wait();
        worker.submit([&] { waitingRan = true; });
    } // joined here
    EXPECT_TRUE(sawStop);
    EXPECT_FALSE(waitingRan);
}

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

TEST(TesseractRecognition, ReadsTheLatestImageAndAnswersNothingAfterItEnded)
{
    const QImage image = textImage(QStringLiteral("Quarterly report"));
    std::vector<std::optional<std::optional<QVector<RecognizedText>>>> answers(3);
    auto recognition = TextRecognition::createSystem();
    for (std::size_t i = 0; i < answers.size(); ++i)
        recognition->recognize(image, [&answers, i](auto lines) { answers[i] = std::move(lines); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers[0] && answers[1] && answers[2]; }, 60000));
    ASSERT_TRUE(*answers[2]);
    QString text;
    for (const RecognizedText& line : **answers[2])
        text += line.text;
    EXPECT_TRUE(text.contains(QLatin1String("Quarterly"), Qt::CaseInsensitive)) << text.toStdString();
    // The worker may pick the first or the second before the next comes, never both before
    // the third: one of them waited and was replaced.
    EXPECT_TRUE(!*answers[0] || !*answers[1]) << "a request waiting behind another was replaced by the next";

    // Ended with one image being read and one waiting: both stop, neither answers.
    int late = 0;
    recognition->recognize(image, [&](auto) { ++late; });
    recognition->recognize(image, [&](auto) { ++late; });
    recognition.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(late, 0);
}

} // namespace
} // namespace tq
