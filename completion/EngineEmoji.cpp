// Emoji after a colon and a word, and emoji in place of an emoticon: the offer in the picker,
// the picker's keys and the insertion.

#include "completion/CompletionEngine.h"

#include "completion/EmojiIndex.h"
#include "overlay/EmojiPickerPanel.h"
#include "platform/Grapheme.h"
#include "platform/Log.h"
#include "settings/Preferences.h"

namespace tq {

namespace {

constexpr int kEmojiAsked = 7;

QString spokenName(const QString& name)
{
    QString spoken = name;
    spoken.replace(QLatin1Char('_'), QLatin1Char(' '));
    return spoken;
}

} // namespace

bool CompletionEngine::offerEmoji(const FieldSnapshot& s)
{
    const bool sameTextSuppressed =
        suppressed_ && suppressed_->fieldKey == s.fieldKey && suppressed_->before && *suppressed_->before == s.before;
    std::optional<EmojiOffer> offer;
    if (prefs_.emojiEnabled() && !s.isSecure && s.caretRect && !sameTextSuppressed) {
        EmojiOfferOptions options;
        options.emojiEnabled = true;
        options.emoticons = prefs_.emoticons();
        options.skinTone = prefs_.skinTone();
        options.includeNeutralTone = prefs_.includeNeutralTone();
        options.limit = kEmojiAsked;
        offer = emojiOffer(*emoji_, s.before, options);
    }
    if (!offer || offer->items.isEmpty()) {
        picker_->hide();
        return false;
    }
    clearSuggestion();
    pickerAcceptsReturn_ = offer->acceptsReturn;
    const bool wasOpen = picker_->isVisible() && !picker_->model().items().isEmpty();
    picker_->show(offer->items, offer->replacing, *s.caretRect);
    if (!offer->emoticon && !wasOpen) {
        announce(tq::text("%1 emoji. %2 selected")
                     .arg(QString::number(offer->items.size()), spokenName(offer->items.first().name)));
    }
    setStatus(Status::showing());
    return true;
}

std::optional<bool> CompletionEngine::handlePickerKey(const KeyPress& press)
{
    if (!press.modifiers.isEmpty())
        return std::nullopt;
    switch (press.keyCode) {
    case keycode::Return:
    case keycode::KeypadEnter:
        if (!pickerAcceptsReturn_)
            return std::nullopt;
        insertEmoji();
        return true;
    case keycode::Tab:
        insertEmoji();
        return true;
    case keycode::Escape:
        holdCurrentText();
        picker_->hide();
        setStatus(Status::idle()); // nothing is on show any more
        return true;
    case keycode::Up:
    case keycode::Down: {
        picker_->move(press.keyCode == keycode::Up ? -1 : 1);
        const auto item = picker_->selectedItem();
        announceRow(item ? std::optional(spokenName(item->name)) : std::nullopt);
        return true;
    }
    default:
        return std::nullopt;
    }
}

void CompletionEngine::insertEmoji()
{
    const auto item = picker_->selectedItem();
    if (!item || !source_)
        return;
    const QString replacing = picker_->model().replacing();
    picker_->hide();
    // The list may be older than the text: keys typed since it was shown may not have been
    // read yet. Delete only what the field really ends with.
    const std::optional<FieldSnapshot> now = source_->snapshot();
    if (replacing.isEmpty() || !now || !now->before.endsWith(replacing)) {
        log::info(QStringLiteral("emoji not inserted: the text no longer ends with what it replaces"));
        return;
    }
    source_->deleteBackward(grapheme::count(replacing));
    lastInjection_ = Injection{snapshot() ? snapshot()->fieldKey : QString(), item->emoji, clock_->monotonic()};
    source_->insert(item->emoji, methodAfterDeleting());
    restartRefresh(40);
}

} // namespace tq
