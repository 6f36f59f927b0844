#include "completion/EmojiOffers.h"

#include "completion/EmojiIndex.h"
#include "overlay/EmojiPickerPanel.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "platform/Text.h"
#include "settings/Preferences.h"

namespace tq {

namespace {

QString spokenName(const QString& name)
{
    QString spoken = name;
    spoken.replace(QLatin1Char('_'), QLatin1Char(' '));
    return spoken;
}

} // namespace

EmojiOffers::EmojiOffers(Preferences& prefs, const OverlayScreens& screens, Hooks hooks)
    : prefs_(prefs)
    , hooks_(std::move(hooks))
    , index_(std::make_unique<EmojiIndex>())
    , picker_(std::make_unique<EmojiPickerPanel>(screens))
{
}

EmojiOffers::~EmojiOffers() = default;

bool EmojiOffers::isOpen() const { return picker_->isVisible() && !picker_->model().items().isEmpty(); }

void EmojiOffers::close() { picker_->hide(); }

bool EmojiOffers::offer(const FieldSnapshot& s, bool held)
{
    std::optional<EmojiOffer> offer;
    if (prefs_.emojiEnabled() && !s.isSecure && s.caretRect && !held) {
        EmojiOfferOptions options;
        options.emojiEnabled = true;
        options.emoticons = prefs_.emoticons();
        options.skinTone = prefs_.skinTone();
        options.includeNeutralTone = prefs_.includeNeutralTone();
        options.limit = kAsked;
        offer = emojiOffer(*index_, s.before, options);
    }
    if (!offer || offer->items.isEmpty()) {
        picker_->hide();
        return false;
    }
    hooks_.clearSuggestion();
    acceptsReturn_ = offer->acceptsReturn;
    const bool wasOpen = isOpen();
    picker_->show(offer->items, offer->replacing, *s.caretRect);
    if (!offer->emoticon && !wasOpen) {
        hooks_.announce(tq::text("%Ln emoji. %1 selected", int(offer->items.size()))
                            .arg(spokenName(offer->items.first().name)));
    }
    hooks_.status(EngineStatus::showing());
    return true;
}

QList<KeyCombo> EmojiOffers::actingKeys() const
{
    QList<KeyCombo> keys;
    for (std::uint16_t code : {keycode::kTab, keycode::kEscape, keycode::kUp, keycode::kDown})
        keys.append(KeyCombo{code, {}});
    if (acceptsReturn_) {
        keys.append(KeyCombo{keycode::kReturn, {}});
        keys.append(KeyCombo{keycode::kKeypadEnter, {}});
    }
    return keys;
}

std::optional<bool> EmojiOffers::handleKey(const KeyPress& press)
{
    if (!actingKeys().contains(KeyCombo{press.keyCode, press.modifiers}))
        return std::nullopt;
    switch (press.keyCode) {
    case keycode::kReturn:
    case keycode::kKeypadEnter:
    case keycode::kTab:
        insertSelected();
        return true;
    case keycode::kEscape:
        hooks_.holdCurrentText();
        picker_->hide();
        hooks_.status(EngineStatus::idle()); // nothing is on show any more
        return true;
    case keycode::kUp:
    case keycode::kDown: {
        picker_->move(press.keyCode == keycode::kUp ? -1 : 1);
        if (const auto item = picker_->selectedItem())
            hooks_.announce(spokenName(item->name));
        return true;
    }
    default:
        return std::nullopt;
    }
}

void EmojiOffers::insertSelected()
{
    const auto item = picker_->selectedItem();
    FieldSource* source = hooks_.source();
    if (!item || !source)
        return;
    const QString replacing = picker_->model().replacing();
    picker_->hide();
    // The list may be older than the text: keys typed since it was shown may not have been
    // read yet. Delete only what the field really ends with.
    const std::optional<FieldSnapshot> now = source->snapshot();
    if (replacing.isEmpty() || !now || !now->before.endsWith(replacing)) {
        log::info(QStringLiteral("emoji not inserted: the text no longer ends with what it replaces"));
        return;
    }
    source->deleteBackward(chars::count(replacing));
    hooks_.insert(item->emoji);
}

} // namespace tq
