#include "platform/XTestInjectedKeys.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(InjectedKeys, EachPressIsRecognisedOncePerPath)
{
    InjectedKeys injected;
    injected.note(23);
    injected.note(38);
    // A grabbed key of ours: seen raw and through the grab, once each.
    EXPECT_TRUE(injected.takeRaw(23));
    EXPECT_TRUE(injected.takeGrab(23));
    EXPECT_FALSE(injected.takeRaw(23));
    EXPECT_FALSE(injected.takeGrab(23));

    // An ungrabbed key of ours never comes back through a grab: once settled, the same key
    // typed by another XTest client afterwards is the user's.
    EXPECT_TRUE(injected.takeRaw(38));
    injected.settleUngrabbed(38);
    EXPECT_FALSE(injected.takeGrab(38));
    EXPECT_FALSE(injected.takeRaw(38));

    // Keys never injected are the user's.
    EXPECT_FALSE(injected.takeRaw(24));
}

TEST(InjectedKeys, RepeatedKeysAreCountedOneByOne)
{
    InjectedKeys injected;
    for (int i = 0; i < 3; ++i)
        injected.note(22);
    EXPECT_TRUE(injected.takeRaw(22));
    EXPECT_TRUE(injected.takeRaw(22));
    EXPECT_TRUE(injected.takeRaw(22));
    EXPECT_FALSE(injected.takeRaw(22));
}

} // namespace
} // namespace tq
