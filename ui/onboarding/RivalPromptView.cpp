#include "ui/onboarding/RivalPromptView.h"

#include "platform/Text.h"
#include "settings/Preferences.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Text.h"
#include "ui/design/Transition.h"
#include "ui/onboarding/TugOfWar.h"
#include "ui/design/Formatters.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace tq {

RivalPromptView::RivalPromptView(RivalPromptServices services, std::function<void()> close, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), close_(std::move(close)), closeTimer_(services_.clock)
{
    setObjectName(QStringLiteral("rivalPrompt"));
    shown_ = services_.rivals.running();

    setAutoFillBackground(true);

    auto* layout = bareColumn(this);
    layout->setContentsMargins(0, 22, 0, 0);
    scene_ = new TugOfWarScene(services_.motion, shown_.isEmpty() ? QIcon() : shown_.first().icon, this);
    markDecorative(scene_);
    layout->addWidget(scene_);

    headline_ = makeLabel({}, fonts::system(20, QFont::DemiBold), palette::paper(), true);
    headline_->setAlignment(Qt::AlignCenter);
    explanation_ = makeLabel({}, fonts::system(13.5), palette::paperDim(), true);
    explanation_->setAlignment(Qt::AlignCenter);
    // The headline and explanation read as one element, and a change of headline cross-fades
    // the whole block.
    textBlock_ = new QWidget(this);
    groupForAccessibility(textBlock_, QString());
    auto* textBlock = bareColumn(textBlock_, 8);
    textBlock->setContentsMargins(40, 0, 40, 0);
    headline_->setParent(textBlock_);
    explanation_->setParent(textBlock_);
    textBlock->addWidget(headline_);
    textBlock->addWidget(explanation_);
    layout->addWidget(textBlock_);

    toggle_ = new QCheckBox(this);
    toggle_->setCursor(Qt::PointingHandCursor);
    toggle_->setFont(fonts::font(fonts::Role::callout));
    setLabelColour(toggle_, palette::paperDim());
    bind(toggle_, services_.prefs, &Preferences::quitRivalsAutomatically, &Preferences::setQuitRivalsAutomatically);
    auto* toggleRow = new QHBoxLayout;
    toggleRow->setContentsMargins(24, 18, 24, 0);
    toggleRow->addStretch();
    toggleRow->addWidget(toggle_);
    toggleRow->addStretch();
    layout->addLayout(toggleRow);
    layout->addStretch(1);
    layout->addSpacing(20);

    auto* bar = new ButtonBar(this);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(24, 16, 24, 16);
    buttons->setSpacing(10);
    buttons->addStretch();
    notNow_ = new HandButton(text("Not Now"), bar);
    connect(notNow_, &QAbstractButton::clicked, this, [this] {
        if (close_)
            close_();
    });
    primary_ = new PrimaryButton({}, services_.motion, bar);
    connect(primary_, &QAbstractButton::clicked, this, &RivalPromptView::primaryPressed);
    buttons->addWidget(notNow_);
    buttons->addWidget(primary_);
    layout->addWidget(bar);

    connect(&services_.rivals, &RivalWatcher::runningChanged, this, &RivalPromptView::follow);
    connect(&services_.rivals, &RivalWatcher::quitStateChanged, this, &RivalPromptView::follow);

    primary_->setFocus();

    if (shown_.isEmpty()) {
        // Opened after the rival had already gone: nothing to show.
        closeTimer_.start(Millis(0), [this] {
            if (close_)
                close_();
        });
        return;
    }
    follow();
}

RivalPromptState RivalPromptView::state() const
{
    return rivalPromptState(resolved_, services_.rivals.quitState());
}

QList<qint64> RivalPromptView::shownIds() const
{
    QList<qint64> ids;
    for (const RivalApp& app : shown_)
        ids.append(app.id);
    return ids;
}

QList<RivalApp> RivalPromptView::stillOpen() const
{
    QList<RivalApp> open;
    for (const RivalApp& app : shown_)
        if (services_.rivals.anyRunning({app.id}))
            open.append(app);
    return open;
}

void RivalPromptView::follow()
{
    if (shown_.isEmpty())
        return;
    const QList<RivalApp> open = stillOpen();
    if (!resolved_ && open.isEmpty()) {
        resolved_ = true;
        if (services_.announce)
            services_.announce(rivalAnnouncement(shown_));
        scene_->resolve();
        closeTimer_.start(kAutoClose, [this] {
            if (close_)
                close_();
        });
    }
    const RivalPromptTexts texts = rivalPromptTexts(state(), shown_, open);
    const bool newHeadline = !headlineText_.isEmpty() && texts.headline != headlineText_ && textBlock_->isVisible();
    if (newHeadline) {
        // The old block leaves as a picture fading out where it stood; the new one fades in,
        // both on the standard curve (under Reduce Motion too: a cross-fade has no motion).
        auto* picture = new QLabel(this);
        picture->setPixmap(textBlock_->grab());
        picture->setGeometry(textBlock_->geometry());
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        markDecorative(picture);
        picture->show();
        picture->raise();
        const TransitionSpec fade{Animation::timing(motion::standard())};
        transitionOut(picture, services_.motion, fade, [picture] { picture->deleteLater(); });
        transitionIn(textBlock_, services_.motion, fade);
    }
    // With a new headline the whole prompt re-flows on the same curve: the block, the toggle
    // and the buttons glide to their new places, the toggle and "Not Now" fade out as they go.
    const Animation flow = newHeadline ? Animation::timing(motion::standard()) : Animation::none();
    transitionLayout(this, services_.motion, flow, {textBlock_, toggle_, notNow_, primary_}, [&] {
        // Two lines at most above the explanation: long names give way in their middle, whole
        // words first.
        const double headlineRoom = kWidth - 2 * 40;
        headline_->setText(shortenPart(texts.headline, texts.names, [&](const QString& s) {
            bool cut = false;
            wrapLines(s, headline_->font(), headlineRoom, 2, &cut);
            return !cut;
        }));
        headlineText_ = texts.headline;
        explanation_->setText(texts.explanation);
        // A check box does not wrap: long names give way in their middle, the whole is its name.
        const QFontMetrics metrics(toggle_->font());
        const int toggleRoom = kWidth - 2 * 24 - toggle_->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, toggle_) -
                               toggle_->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, toggle_) - 8;
        const QString toggleText = shortenPart(texts.toggle, texts.names, [&](const QString& s) {
            return metrics.horizontalAdvance(s) <= toggleRoom;
        });
        toggle_->setText(toggleText);
        toggle_->setAccessibleName(texts.toggle);
        toggle_->setVisible(!texts.toggle.isEmpty());
        notNow_->setVisible(texts.secondary);
        primary_->setText(texts.primary);
        primary_->setShrinkablePart(texts.names);
        // Long names wrap, as the tray card's do, rather than push the button out of the window;
        // a title that fits keeps its one line.
        const int room = kWidth - 2 * 24 - (texts.secondary ? notNow_->sizeHint().width() + 10 : 0);
        primary_->setMaxLines(primary_->sizeHint().width() > room ? 3 : 1);
        primary_->setAccessibleName(texts.primary);
        primary_->setEnabled(texts.primaryEnabled);
        primary_->updateGeometry();
    });
    textBlock_->setAccessibleName(spokenParts({texts.headline, texts.explanation}));
}

void RivalPromptView::showEvent(QShowEvent* event)
{
    // Opened after the rival had already gone: the window is never put on screen (it closes on
    // the next turn), so nothing flashes.
    if (shown_.isEmpty())
        window()->setAttribute(Qt::WA_DontShowOnScreen, true);
    QWidget::showEvent(event);
}

void RivalPromptView::keyPressEvent(QKeyEvent* e)
{
    // Escape is "Not Now" and Return the primary button, from wherever the focus is.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (notNow_->isVisible())
            notNow_->click();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier)) {
        if (primary_->isEnabled())
            primary_->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void RivalPromptView::primaryPressed()
{
    switch (state()) {
    case RivalPromptState::waiting:
        services_.rivals.quitRivals(shownIds(), false);
        break;
    case RivalPromptState::refused:
        services_.rivals.quitRivals(shownIds(), true);
        break;
    case RivalPromptState::quitting:
        break;
    case RivalPromptState::resolved:
        if (close_)
            close_();
        break;
    }
}

} // namespace tq
