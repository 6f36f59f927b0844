#pragma once
// A desktop test suite with the desktop's real services, one set for the suite as in the
// program, run only inside the private desktop session (tools/desktop-session.sh).

#include "platform/ActiveApp.h"
#include "platform/Platform.h"
#include "support/Wait.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tq::desktoptest {

class SessionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform_ = std::make_unique<SystemPlatform>(); }
    static void TearDownTestSuite() { platform_.reset(); }
    static Platform& platform() { return *platform_; }

    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("TQ_DESKTOP_SESSION"))
            GTEST_SKIP() << "needs tools/desktop-session.sh";
    }

    // Whether the process `pid` owns the active window within the time, then a moment more.
    static bool waitFrontmost(qint64 pid)
    {
        const bool ok = QTest::qWaitFor([&] { return platform().activeApp().frontmostPid() == pid; }, testwait::kPatience);
        if (ok)
            QTest::qWait(300);
        return ok;
    }

private:
    static inline std::unique_ptr<SystemPlatform> platform_;
};

} // namespace tq::desktoptest
