#include "ui/onboarding/PlaygroundKeys.h"

#include "platform/KeyNames.h"

#include <utility>

namespace tq {

namespace {
constexpr std::pair<int, std::uint16_t> kQtToMac[] = {
    {Qt::Key_A, 0},  {Qt::Key_S, 1},  {Qt::Key_D, 2},  {Qt::Key_F, 3},  {Qt::Key_H, 4},  {Qt::Key_G, 5},
    {Qt::Key_Z, 6},  {Qt::Key_X, 7},  {Qt::Key_C, 8},  {Qt::Key_V, 9},  {Qt::Key_B, 11}, {Qt::Key_Q, 12},
    {Qt::Key_W, 13}, {Qt::Key_E, 14}, {Qt::Key_R, 15}, {Qt::Key_Y, 16}, {Qt::Key_T, 17}, {Qt::Key_O, 31},
    {Qt::Key_U, 32}, {Qt::Key_I, 34}, {Qt::Key_P, 35}, {Qt::Key_L, 37}, {Qt::Key_J, 38}, {Qt::Key_K, 40},
    {Qt::Key_N, 45}, {Qt::Key_M, 46},
    {Qt::Key_1, 18}, {Qt::Key_Exclam, 18}, {Qt::Key_2, 19}, {Qt::Key_At, 19}, {Qt::Key_3, 20},
    {Qt::Key_NumberSign, 20}, {Qt::Key_4, 21}, {Qt::Key_Dollar, 21}, {Qt::Key_6, 22},
    {Qt::Key_AsciiCircum, 22}, {Qt::Key_5, 23}, {Qt::Key_Percent, 23}, {Qt::Key_Equal, 24}, {Qt::Key_Plus, 24},
    {Qt::Key_9, 25}, {Qt::Key_ParenLeft, 25}, {Qt::Key_7, 26}, {Qt::Key_Ampersand, 26}, {Qt::Key_Minus, 27},
    {Qt::Key_Underscore, 27}, {Qt::Key_8, 28}, {Qt::Key_Asterisk, 28}, {Qt::Key_0, 29},
    {Qt::Key_ParenRight, 29}, {Qt::Key_BracketRight, 30}, {Qt::Key_BraceRight, 30},
    {Qt::Key_BracketLeft, 33}, {Qt::Key_BraceLeft, 33}, {Qt::Key_Apostrophe, 39}, {Qt::Key_QuoteDbl, 39},
    {Qt::Key_Semicolon, 41}, {Qt::Key_Colon, 41}, {Qt::Key_Backslash, 42}, {Qt::Key_Bar, 42},
    {Qt::Key_Comma, 43}, {Qt::Key_Less, 43}, {Qt::Key_Slash, 44}, {Qt::Key_Question, 44},
    {Qt::Key_Period, 47}, {Qt::Key_Greater, 47}, {Qt::Key_QuoteLeft, keycode::kAboveTab},
    {Qt::Key_AsciiTilde, keycode::kAboveTab},
    {Qt::Key_Return, keycode::kReturn}, {Qt::Key_Enter, keycode::kKeypadEnter}, {Qt::Key_Tab, keycode::kTab},
    {Qt::Key_Backtab, keycode::kTab}, {Qt::Key_Space, keycode::kSpace}, {Qt::Key_Backspace, keycode::kDelete},
    {Qt::Key_Escape, keycode::kEscape}, {Qt::Key_Delete, keycode::kForwardDelete}, {Qt::Key_Home, keycode::kHome},
    {Qt::Key_End, keycode::kEnd}, {Qt::Key_PageUp, keycode::kPageUp}, {Qt::Key_PageDown, keycode::kPageDown},
    {Qt::Key_Left, keycode::kLeft}, {Qt::Key_Right, keycode::kRight}, {Qt::Key_Down, keycode::kDown},
    {Qt::Key_Up, keycode::kUp},
    {Qt::Key_F1, keycode::kF1}, {Qt::Key_F2, keycode::kF2}, {Qt::Key_F3, keycode::kF3}, {Qt::Key_F4, keycode::kF4},
    {Qt::Key_F5, keycode::kF5}, {Qt::Key_F6, keycode::kF6}, {Qt::Key_F7, keycode::kF7}, {Qt::Key_F8, keycode::kF8},
    {Qt::Key_F9, keycode::kF9}, {Qt::Key_F10, keycode::kF10}, {Qt::Key_F11, keycode::kF11},
    {Qt::Key_F12, keycode::kF12},
};
} // namespace

std::optional<std::uint16_t> macKeyCodeForQtKey(int qtKey)
{
    for (const auto& [qt, mac] : kQtToMac) {
        if (qt == qtKey)
            return mac;
    }
    return std::nullopt;
}

ModifierSet modifierSetFromQt(Qt::KeyboardModifiers modifiers)
{
    ModifierSet set;
    if (modifiers & Qt::MetaModifier)
        set.insert(ModifierSet::command);
    if (modifiers & Qt::AltModifier)
        set.insert(ModifierSet::option);
    if (modifiers & Qt::ControlModifier)
        set.insert(ModifierSet::control);
    if (modifiers & Qt::ShiftModifier)
        set.insert(ModifierSet::shift);
    return set;
}

std::optional<KeyPress> keyPressFromQt(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t nativeScanCode,
                                       const QString& text, bool autoRepeat)
{
    std::optional<std::uint16_t> code;
    if (nativeScanCode != 0)
        code = macKeyCodeFromX11(nativeScanCode);
    if (!code)
        code = macKeyCodeForQtKey(qtKey);
    if (!code)
        return std::nullopt;
    return KeyPress{*code, modifierSetFromQt(modifiers), text, autoRepeat};
}

} // namespace tq
