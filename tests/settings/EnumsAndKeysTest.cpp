#include "platform/Clock.h"
#include "platform/KeyNames.h"
#include "platform/fakes/FakeKeyLayout.h"
#include "settings/Enums.h"
#include "settings/KeyCombo.h"

#include <QJsonDocument>
#include <QSet>

#include <gtest/gtest.h>

namespace tq {

TEST(SettingsEnums, RawValuesParseExactly)
{
    EXPECT_EQ(fromRawValue<EngineKind>(QStringLiteral("openAI")), EngineKind::openAI);
    EXPECT_EQ(fromRawValue<EngineKind>(QStringLiteral("openai")), std::nullopt);
    EXPECT_EQ(fromRawValue<EngineKind>(QStringLiteral("openAI ")), std::nullopt);
    EXPECT_EQ(fromRawValue<CompletionLength>(QStringLiteral("short")), CompletionLength::short_);
    EXPECT_EQ(fromRawValue<CompletionLength>(QStringLiteral("Long")), std::nullopt);
    for (auto e : allCases<EscapeBehavior>())
        EXPECT_EQ(fromRawValue<EscapeBehavior>(rawValue(e)), e);
    EXPECT_EQ(rawValue(CompletionLength::long_), QStringLiteral("long"));
    EXPECT_EQ(toJson(EscapeBehavior::dismissForField), QJsonValue(QStringLiteral("dismissForField")));
    EXPECT_EQ(fromJson<GhostStyle>(QJsonValue(1)), std::nullopt);
    const QSet<EngineKind> servers{EngineKind::ollama, EngineKind::openAI, EngineKind::ollama};
    EXPECT_EQ(servers.size(), 2);
}

TEST(SettingsEnums, CasesKeepTheirOrderAndLabels)
{
    const auto engines = allCases<EngineKind>();
    ASSERT_EQ(engines.size(), 4u);
    EXPECT_EQ(engines[0], EngineKind::builtIn);
    EXPECT_EQ(engines[3], EngineKind::openAI);
    EXPECT_FALSE(usesServer(EngineKind::builtIn));
    EXPECT_FALSE(usesServer(EngineKind::apple));
    EXPECT_TRUE(usesServer(EngineKind::ollama));
    EXPECT_TRUE(usesServer(EngineKind::openAI));
    EXPECT_EQ(title(EngineKind::builtIn), QStringLiteral("Tessaquill model"));
    EXPECT_EQ(detail(EngineKind::builtIn), QStringLiteral("Runs on this computer after a one-time download. Works offline."));
    EXPECT_EQ(label(GhostStyle::tinted), QStringLiteral("Gold tint"));
    EXPECT_EQ(shortLabel(InsertionMethod::paste), QStringLiteral("Paste"));
}

TEST(KeyCombo, JsonFormRequiresBothMembers)
{
    const FakeKeyLayout layout;
    const KeyCombo trigger{keycode::kSpace, {ModifierSet::control, ModifierSet::option}};
    EXPECT_EQ(trigger.toJsonData(), QByteArray(R"({"keyCode":49,"modifiers":6})"));
    EXPECT_EQ(KeyCombo::fromJsonData(trigger.toJsonData()), trigger);

    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":48,"modifiers":0})"), (KeyCombo{keycode::kTab, {}}));
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":48})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"modifiers":0})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":"48","modifiers":0})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":48.5,"modifiers":0})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":70000,"modifiers":0})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":-1,"modifiers":0})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData(R"({"keyCode":48,"modifiers":256})"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData("garbage"), std::nullopt);
    EXPECT_EQ(KeyCombo::fromJsonData("[48,0]"), std::nullopt);
}

TEST(KeyCombo, MatchingNeedsTheWholeModifierSet)
{
    const KeyCombo tab{keycode::kTab, {}};
    EXPECT_TRUE(tab.matches({keycode::kTab, {}, QStringLiteral("\t"), false}));
    EXPECT_FALSE(tab.matches({keycode::kTab, ModifierSet::shift, {}, false}));
    const KeyCombo down{keycode::kDown, ModifierSet::option};
    EXPECT_FALSE(down.matches({keycode::kDown, {}, {}, false}));
    EXPECT_FALSE(down.matches({keycode::kDown, {ModifierSet::option, ModifierSet::command}, {}, false}));
    EXPECT_TRUE(down.matches({keycode::kDown, ModifierSet::option, {}, true}));
    EXPECT_FALSE(matches(std::nullopt, {keycode::kTab, {}, {}, false}));
    EXPECT_TRUE(matches(tab, {keycode::kTab, {}, {}, false}));
}

TEST(KeyCombo, SymbolsAndKeycapsFollowTheFixedOrder)
{
    ModifierSet all;
    all.insert(ModifierSet::command);
    all.insert(ModifierSet::shift);
    all.insert(ModifierSet::option);
    all.insert(ModifierSet::control);
    EXPECT_EQ(all.symbols(), QString::fromUtf8("⌃⌥⇧⌘"));
    EXPECT_EQ(ModifierSet().symbols(), QString());

    const FakeKeyLayout layout;
    const KeyCombo trigger{keycode::kSpace, {ModifierSet::option, ModifierSet::control}};
    EXPECT_EQ(trigger.keycaps(layout), (QStringList{QStringLiteral("Ctrl"), QStringLiteral("Alt"), QStringLiteral("Space")}));
    EXPECT_EQ(trigger.displayText(layout), QStringLiteral("Ctrl+Alt+Space"));
    EXPECT_EQ((KeyCombo{keycode::kTab, {}}).keycaps(layout), QStringList{QStringLiteral("Tab")});
    EXPECT_EQ((KeyCombo{keycode::kDown, ModifierSet::option}).displayText(layout), QString::fromUtf8("Alt+↓"));
}

TEST(KeyNames, FixedTableThenLayoutThenCode)
{
    FakeKeyLayout layout;
    layout.set(keycode::kTab, QStringLiteral("x"));
    layout.set(keycode::kA, QStringLiteral("q"));
    layout.set(keycode::kAboveTab, QStringLiteral("`"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kTab, layout), QStringLiteral("Tab"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kDelete, layout), QStringLiteral("Backspace"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kForwardDelete, layout), QStringLiteral("Del"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kPageDown, layout), QStringLiteral("Page Down"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kReturn, layout), QStringLiteral("Enter"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kF12, layout), QStringLiteral("F12"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kA, layout), QStringLiteral("Q"));
    EXPECT_EQ(KeyCombo::keyName(keycode::kAboveTab, layout), QStringLiteral("`"));
    EXPECT_EQ(KeyCombo::keyName(10, layout), QStringLiteral("Key 10"));
}

TEST(KeyNames, XkbLayoutsNameKeysLikeTheKeyboard)
{
    const auto us = XkbKeyLayout::fromNames(QStringLiteral("us"));
    const auto fr = XkbKeyLayout::fromNames(QStringLiteral("fr"));
    if (!us || !fr)
        GTEST_SKIP() << "xkeyboard-config data is not installed";
    EXPECT_EQ(us->character(keycode::kA), QStringLiteral("a"));
    EXPECT_EQ(fr->character(keycode::kA), QStringLiteral("q"));
    EXPECT_EQ(us->character(keycode::kAboveTab), QStringLiteral("`"));
    // The circumflex key of the French layout is a dead key: no character of its own.
    EXPECT_EQ(fr->character(33), std::nullopt);
    // Tab, Escape and Return produce control characters, which name nothing.
    EXPECT_EQ(us->character(keycode::kTab), std::nullopt);
    EXPECT_EQ(us->character(keycode::kEscape), std::nullopt);
    // Code 63 (the fn key) has no X11 counterpart.
    EXPECT_EQ(us->character(63), std::nullopt);

    EXPECT_EQ(KeyCombo::keyName(keycode::kA, *fr), QStringLiteral("Q"));
    EXPECT_EQ(KeyCombo::keyName(33, *fr), QStringLiteral("Key 33"));
}

TEST(KeyNames, X11AndMacCodesMapBothWays)
{
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kTab), 23u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kAboveTab), 49u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kSpace), 65u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kReturn), 36u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kEscape), 9u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kDelete), 22u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kLeft), 113u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kRight), 114u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kUp), 111u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kDown), 116u);
    EXPECT_EQ(x11KeyCodeFromMac(keycode::kA), 38u);
    EXPECT_EQ(x11KeyCodeFromMac(63), std::nullopt);
    EXPECT_EQ(x11KeyCodeFromMac(60000), std::nullopt);
    for (std::uint16_t mac = 0; mac < 128; ++mac) {
        if (const auto x = x11KeyCodeFromMac(mac)) {
            EXPECT_EQ(macKeyCodeFromX11(*x), mac) << mac;
        }
    }
    EXPECT_EQ(macKeyCodeFromX11(0), std::nullopt);
    EXPECT_EQ(macKeyCodeFromX11(100000), std::nullopt);
}

TEST(KeyNames, SessionLayoutNamesLetterKeys)
{
    // The X server's keyboard under a display, else the XKB defaults of the environment.
    SystemClock clock;
    const XkbKeyLayout session(clock);
    const auto a = session.character(keycode::kA);
    ASSERT_TRUE(a.has_value());
    EXPECT_TRUE(a->at(0).isLetter());
    EXPECT_EQ(session.character(keycode::kTab), std::nullopt);
}

} // namespace tq
