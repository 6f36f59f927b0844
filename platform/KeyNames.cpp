#include "platform/KeyNames.h"

#include "platform/Clock.h"
#include "platform/Log.h"

#include <QGuiApplication>

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace tq {

namespace {
// Mac virtual key code → Linux evdev code (the X11 key code is the evdev code + 8).
constexpr std::pair<std::uint16_t, std::uint16_t> kMacToEvdev[] = {
    {0, 30},   {1, 31},   {2, 32},   {3, 33},   {4, 35},   {5, 34},   {6, 44},   {7, 45},   {8, 46},
    {9, 47},   {10, 86},  {11, 48},  {12, 16},  {13, 17},  {14, 18},  {15, 19},  {16, 21},  {17, 20},
    {18, 2},   {19, 3},   {20, 4},   {21, 5},   {22, 7},   {23, 6},   {24, 13},  {25, 10},  {26, 8},
    {27, 12},  {28, 9},   {29, 11},  {30, 27},  {31, 24},  {32, 22},  {33, 26},  {34, 23},  {35, 25},
    {36, 28},  {37, 38},  {38, 36},  {39, 40},  {40, 37},  {41, 39},  {42, 43},  {43, 51},  {44, 53},
    {45, 49},  {46, 50},  {47, 52},  {48, 15},  {49, 57},  {50, 41},  {51, 14},  {53, 1},   {54, 126},
    {55, 125}, {56, 42},  {57, 58},  {58, 56},  {59, 29},  {60, 54},  {61, 100}, {62, 97},  {64, 187},
    {65, 83},  {67, 55},  {69, 78},  {71, 69},  {72, 115}, {73, 114}, {74, 113}, {75, 98},  {76, 96},
    {78, 74},  {79, 188}, {80, 189}, {81, 117}, {82, 82},  {83, 79},  {84, 80},  {85, 81},  {86, 75},
    {87, 76},  {88, 77},  {89, 71},  {90, 190}, {91, 72},  {92, 73},  {93, 124}, {94, 89},  {95, 121},
    {96, 63},  {97, 64},  {98, 65},  {99, 61},  {100, 66}, {101, 67}, {102, 123}, {103, 87}, {104, 122},
    {105, 183}, {106, 186}, {107, 184}, {109, 68}, {110, 127}, {111, 88}, {113, 185}, {114, 110},
    {115, 102}, {116, 104}, {117, 111}, {118, 62}, {119, 107}, {120, 60}, {121, 109}, {122, 59},
    {123, 105}, {124, 106}, {125, 108}, {126, 103},
};

constexpr std::uint32_t kEvdevOffset = 8;
} // namespace

std::optional<std::uint16_t> macKeyCodeFromX11(std::uint32_t x11KeyCode)
{
    static const auto table = [] {
        std::array<int, 256> t;
        t.fill(-1);
        for (const auto& [mac, evdev] : kMacToEvdev)
            t[evdev + kEvdevOffset] = mac;
        return t;
    }();
    if (x11KeyCode >= table.size() || table[x11KeyCode] < 0)
        return std::nullopt;
    return std::uint16_t(table[x11KeyCode]);
}

std::optional<std::uint32_t> x11KeyCodeFromMac(std::uint16_t macKeyCode)
{
    static const auto table = [] {
        std::array<int, 128> t;
        t.fill(-1);
        for (const auto& [mac, evdev] : kMacToEvdev)
            t[mac] = evdev + kEvdevOffset;
        return t;
    }();
    if (macKeyCode >= table.size() || table[macKeyCode] < 0)
        return std::nullopt;
    return std::uint32_t(table[macKeyCode]);
}

// ---- XkbKeyLayout

struct XkbKeyLayout::Impl {
    xkb_context* context = nullptr;
    xkb_keymap* keymap = nullptr;
    xkb_state* state = nullptr; // the session's state (active group); null for a fixed keymap
    bool followsSession = false;
    Clock* clock = nullptr; // set when following the session
    bool haveFetched = false;
    Nanos fetchedAt{0};

    ~Impl()
    {
        release();
        if (context)
            xkb_context_unref(context);
    }

    void release()
    {
        if (state)
            xkb_state_unref(state);
        if (keymap)
            xkb_keymap_unref(keymap);
        state = nullptr;
        keymap = nullptr;
    }

    // Reads the X server's keyboard (or the environment's XKB defaults without an X display).
    void refresh()
    {
        const Nanos now = clock->monotonic();
        if (haveFetched && now - fetchedAt < std::chrono::seconds(1))
            return;
        haveFetched = true;
        fetchedAt = now;
        release();
        if (!context)
            return;
        xcb_connection_t* connection = nullptr;
        if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
            connection = x11->connection();
        if (connection
            && xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                           XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
            const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
            if (device >= 0) {
                keymap = xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
                if (keymap)
                    state = xkb_x11_state_new_from_device(keymap, connection, device);
            }
        }
        if (!keymap)
            keymap = xkb_keymap_new_from_names(context, nullptr, XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (!keymap)
            log::warning(QStringLiteral("Key names: no keyboard layout could be read"));
    }
};

XkbKeyLayout::XkbKeyLayout(Clock& clock) : d(std::make_unique<Impl>())
{
    d->clock = &clock;
    d->context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    d->followsSession = true;
}

XkbKeyLayout::XkbKeyLayout(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

XkbKeyLayout::~XkbKeyLayout() = default;

std::unique_ptr<XkbKeyLayout> XkbKeyLayout::fromNames(const QString& layout, const QString& variant)
{
    auto impl = std::make_unique<Impl>();
    impl->context = xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    if (!impl->context)
        return nullptr;
    const QByteArray l = layout.toUtf8();
    const QByteArray v = variant.toUtf8();
    xkb_rule_names names{};
    names.layout = l.constData();
    names.variant = variant.isEmpty() ? nullptr : v.constData();
    impl->keymap = xkb_keymap_new_from_names(impl->context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!impl->keymap)
        return nullptr;
    return std::unique_ptr<XkbKeyLayout>(new XkbKeyLayout(std::move(impl)));
}

std::optional<QString> XkbKeyLayout::character(std::uint16_t macKeyCode) const
{
    if (d->followsSession)
        d->refresh();
    if (!d->keymap)
        return std::nullopt;
    const auto x11 = x11KeyCodeFromMac(macKeyCode);
    if (!x11)
        return std::nullopt;
    const xkb_keycode_t key = *x11;
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts_for_key(d->keymap, key);
    if (layouts == 0)
        return std::nullopt;
    xkb_layout_index_t layout = d->state ? xkb_state_serialize_layout(d->state, XKB_STATE_LAYOUT_EFFECTIVE) : 0;
    layout %= layouts;
    const xkb_keysym_t* syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(d->keymap, key, layout, 0, &syms) < 1)
        return std::nullopt;
    const std::uint32_t cp = xkb_keysym_to_utf32(syms[0]);
    // Dead keys and keys without text give 0; control characters are no name either.
    if (cp == 0 || cp < 0x20 || (cp >= 0x7F && cp < 0xA0))
        return std::nullopt;
    const char32_t c = cp;
    return QString::fromUcs4(&c, 1);
}

} // namespace tq
