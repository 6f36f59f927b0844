#pragma once
// Emoji: emoji after a colon, emoticons turned into emoji, the skin tone with its six swatches,
// and a live search of the very emoji index the suggestion loop uses.

#include "ui/settings/EmojiPaneLogic.h"
#include "ui/settings/SettingsContext.h"

#include <QAbstractButton>
#include <QWidget>

#include <array>
#include <optional>

class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace tq {

class SettingToggle;

// One skin-tone swatch: the waving hand in its tone on a gold-lit tile when chosen.
class SkinToneSwatch final : public QAbstractButton {
    Q_OBJECT
public:
    SkinToneSwatch(int tone, QWidget* parent = nullptr);
    int tone() const { return tone_; }
    void setChosen(bool chosen);
    bool isChosen() const { return chosen_; }
    QSize sizeHint() const override { return {40, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click chooses; the pane decides what is checked.
    void nextCheckState() override {}

private:
    int tone_;
    bool chosen_ = false;
};

class EmojiPane final : public QWidget {
    Q_OBJECT
public:
    explicit EmojiPane(SettingsContext& context, QWidget* parent = nullptr);

    SettingToggle* emojiToggle() const { return emoji_; }
    SettingToggle* emoticonsToggle() const { return emoticons_; }
    SettingToggle* neutralToggle() const { return neutral_; }
    SkinToneSwatch* swatch(int tone) const { return swatches_[std::size_t(tone)]; }
    QLineEdit* searchField() const { return search_; }
    // The emoji shown for the query, in order.
    QStringList shownEmoji() const;
    QLabel* noMatch() const { return noMatch_; }

private:
    void refresh();
    void search();

    SettingsContext& c_;
    SettingToggle* emoji_;
    SettingToggle* emoticons_;
    SettingToggle* neutral_;
    std::array<SkinToneSwatch*, 6> swatches_{};
    QLineEdit* search_;
    QWidget* results_;
    QHBoxLayout* resultsRow_;
    QLabel* noMatch_;
    std::optional<EmojiNames> names_; // read when the first emoji is shown
};

} // namespace tq
