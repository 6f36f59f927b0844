#include "ui/settings/EmojiPane.h"

#include "completion/CompletionEngine.h"
#include "completion/EmojiIndex.h"
#include "services/AppLanguage.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Shapes.h"
#include "ui/settings/EmojiPaneLogic.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"

#include <algorithm>

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace tq {

SkinToneSwatch::SkinToneSwatch(int tone, QWidget* parent) : QAbstractButton(parent), tone_(tone)
{
    setFixedSize(40, 40);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setCheckable(true);
    markSelectable(this); // one tone of six: selected or not, not a checked box
    setAccessibleName(skinToneName(tone));
    setText(skinToneSample(tone));
}

void SkinToneSwatch::setChosen(bool chosen)
{
    chosen_ = chosen;
    if (chosen != isChecked()) {
        setChecked(chosen);
        selectionChanged(this);
    }
    update();
}

void SkinToneSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold = palette::gold();
    if (chosen_) {
        const QPainterPath tile = continuousRect(QRectF(rect()).adjusted(1, 1, -1, -1), 9);
        p.fillPath(tile, palette::withOpacity(gold, 0.18));
        p.setPen(QPen(gold, 2));
        p.drawPath(tile);
    } else {
        p.setPen(QPen(palette::withOpacity(palette::paperDim(), 0.25), 1));
        p.drawPath(continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 9));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette::withOpacity(palette::paper(), 0.6), 1, Qt::DotLine));
        p.drawPath(continuousRect(QRectF(rect()).adjusted(3, 3, -3, -3), 7));
    }
    p.setFont(fonts::system(22));
    p.setPen(palette::paper());
    p.drawText(rect(), Qt::AlignCenter, text());
}

EmojiPane::EmojiPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    FormSection* main = form->addSection();
    emoji_ = new SettingToggle(text("Suggest emoji after a colon"),
                               text("Type a colon and a word, like :rocket, then press Tab or Enter to pick."), c_.motion, page);
    main->addRow(emoji_);
    emoticons_ = new SettingToggle(text("Turn emoticons into emoji"),
                                   text("After :-) or <3, %app offers the matching emoji. Press Tab to swap it in."), c_.motion, page);
    main->addRow(emoticons_);

    FormSection* tones = form->addSection(text("Skin tone"));
    auto* swatchRow = new QWidget(page);
    auto* swatchLine = new QHBoxLayout(swatchRow);
    swatchLine->setContentsMargins(0, 2, 0, 2);
    swatchLine->setSpacing(8);
    for (int t = 0; t < kSkinTones; ++t) {
        auto* s = new SkinToneSwatch(t, swatchRow);
        swatches_[std::size_t(t)] = s;
        swatchLine->addWidget(s, 0, Qt::AlignVCenter);
        connect(s, &QAbstractButton::clicked, this, [this, t] { c_.prefs.setSkinTone(t); });
    }
    swatchLine->addStretch(1);
    tones->addRow(swatchRow);
    neutral_ = new SettingToggle(text("Also show the default yellow"), QString(), c_.motion, page);
    tones->addRow(neutral_);

    FormSection* searchSection = form->addSection(text("Search"));
    auto* searchBox = new QWidget(page);
    auto* searchColumn = new QVBoxLayout(searchBox);
    searchColumn->setContentsMargins(0, 2, 0, 2);
    searchColumn->setSpacing(8);
    search_ = new QLineEdit(emojiSearchSample([this](const QString& word) { return !c_.engine.emoji().search(word, 1).isEmpty(); }),
                            searchBox);
    search_->setPlaceholderText(text("Try a word"));
    search_->setAccessibleName(text("Search"));
    searchColumn->addWidget(search_);
    results_ = new QWidget(searchBox);
    resultsRow_ = bareRow(results_, 6);
    resultsRow_->addStretch(1);
    searchColumn->addWidget(results_);
    noMatch_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, searchBox);
    searchColumn->addWidget(noMatch_);
    searchSection->addRow(searchBox);

    connect(emoji_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setEmojiEnabled(on); });
    connect(emoticons_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setEmoticons(on); });
    connect(neutral_, &QAbstractButton::clicked, this, [this](bool on) { c_.prefs.setIncludeNeutralTone(on); });
    connect(search_, &QLineEdit::textChanged, this, &EmojiPane::search); // the query is the pane's own, never stored
    connect(&c_.prefs, &Preferences::changed, this, &EmojiPane::refresh);
    refresh();
}

void EmojiPane::refresh()
{
    emoji_->setChecked(c_.prefs.emojiEnabled());
    emoticons_->setChecked(c_.prefs.emoticons());
    emoticons_->setEnabled(c_.prefs.emojiEnabled());
    const int tone = c_.prefs.skinTone();
    for (SkinToneSwatch* s : swatches_)
        s->setChosen(s->tone() == tone);
    neutral_->setChecked(c_.prefs.includeNeutralTone());
    neutral_->setEnabled(tone != 0);
    search();
}

void EmojiPane::search()
{
    const QString query = search_->text();
    const int tone = std::clamp(c_.prefs.skinTone(), 0, kSkinTones - 1);
    const QList<EmojiItem> found = c_.engine.emoji().search(query, kEmojiPreviewLimit, tone, c_.prefs.includeNeutralTone());
    while (resultsRow_->count() > 1) {
        QLayoutItem* item = resultsRow_->takeAt(0);
        delete item->widget();
        delete item;
    }
    const QFont cellFont = fonts::system(24);
    const QString language = c_.language.current();
    if (!found.isEmpty() && !names_)
        names_ = EmojiNames::load(language);
    for (int i = 0; i < found.size(); ++i) {
        auto* cell = new QLabel(found[i].emoji, results_);
        cell->setFont(cellFont);
        // Without a name in the interface language the emoji itself is what screen readers say.
        const QString name = emojiCellName(found[i], language, *names_);
        cell->setToolTip(name);
        if (!name.isEmpty())
            cell->setAccessibleName(name);
        cell->setProperty("emoji", found[i].emoji);
        resultsRow_->insertWidget(i, cell, 0, Qt::AlignVCenter);
    }
    const bool none = found.isEmpty() && !query.isEmpty();
    noMatch_->setText(none ? noEmojiMatchText(query) : QString());
    noMatch_->setVisible(none);
    results_->setVisible(!none);
}

QStringList EmojiPane::shownEmoji() const
{
    QStringList out;
    for (int i = 0; i < resultsRow_->count(); ++i) {
        if (QWidget* w = resultsRow_->itemAt(i)->widget())
            out << w->property("emoji").toString();
    }
    return out;
}

} // namespace tq
