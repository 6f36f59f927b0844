#pragma once
// A fake application with a focused text field, a virtual clock and a recording injector.

#include "field/AXFieldSource.h"
#include "platform/fakes/FakeAccessibility.h"
#include "platform/fakes/FakeActiveApp.h"
#include "platform/fakes/FakeScreen.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace tq::testing {

inline QString attr(const char* name) { return QString::fromLatin1(name); }

class RecordingInjector final : public TextInjecting {
public:
    QStringList typed, pasted;
    int deleted = 0;
    void type(const QString& text) override { typed << text; }
    void paste(const QString& text) override { pasted << text; }
    void deleteBackward(int count) override
    {
        if (count >= 1)
            deleted += count;
    }
};

// Collects the program's log lines while alive.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    QStringList lines;

private:
    QtMessageHandler previous_;
};

class FieldFixture : public ::testing::Test {
protected:
    static constexpr qint64 kPid = 4242;

    void SetUp() override;
    void TearDown() override { source.reset(); }

    // A text element of the application, with a frame in the top-left space.
    std::shared_ptr<FakeElement> makeField(const QString& role, const QString& text, QRectF frame = QRectF(100, 100, 400, 22));
    void focus(const std::shared_ptr<FakeElement>& element);

    FakeScreenGeometry screen{QRectF(0, 0, 1440, 900)};
    FakeAccessibility ax;
    FakeActiveApp workspace;
    VirtualClock clock;
    RecordingInjector injector;
    std::shared_ptr<FakeElement> app;
    std::shared_ptr<FakeElement> field;
    std::unique_ptr<AXFieldSource> source;
    std::vector<AXFieldSource::Change> changes;
};

} // namespace tq::testing
