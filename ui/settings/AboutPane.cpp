#include "ui/settings/AboutPane.h"

#include "engines/ProviderHub.h"
#include "platform/Text.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Confirmation.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Shapes.h"
#include "ui/design/Text.h"
#include "ui/settings/AboutPaneLogic.h"
#include "ui/settings/Notices.h"
#include "ui/settings/SettingsStyle.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef TQ_VERSION
#define TQ_VERSION ""
#endif

namespace tq {

namespace {
// The mark with its soft drop shadow (black at 40 %, 12 points of blur, 6 down), painted in
// layers under the mark rather than through a graphics effect.
class ShadowedMark final : public QWidget {
public:
    ShadowedMark(double size, MotionContext& motion, QWidget* parent) : QWidget(parent), size_(size)
    {
        auto* mark = new LiveBrandMark(size, motion, this);
        const QSize hint = mark->sizeHint();
        setFixedSize(hint.width() + 2 * kBlur, hint.height() + 2 * kBlur + kDrop);
        mark->setGeometry(kBlur, kBlur, hint.width(), hint.height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const QRectF plate(QPointF(width() / 2.0 - size_ / 2, kBlur + (height() - 2 * kBlur - kDrop) / 2.0 - size_ / 2 + kDrop),
                           QSizeF(size_, size_));
        const double radius = 23.25 * size_ / 100;
        for (int i = kBlur; i >= 1; --i) {
            p.setBrush(QColor::fromRgbF(0, 0, 0, 0.4 / kBlur));
            p.drawPath(continuousRect(plate.adjusted(-i + 1, -i + 1, i - 1, i - 1), radius + i - 1));
        }
    }

private:
    static constexpr int kBlur = 12;
    static constexpr int kDrop = 6;
    double size_;
};
} // namespace

ButtonFlow::ButtonFlow(const QList<QAbstractButton*>& buttons, int spacing, QWidget* parent)
    : QWidget(parent), buttons_(buttons), spacing_(spacing)
{
    for (QAbstractButton* b : buttons_)
        b->setParent(this);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QList<int> ButtonFlow::widths() const
{
    QList<int> out;
    for (QAbstractButton* b : buttons_)
        out << b->sizeHint().width();
    return out;
}

int ButtonFlow::rowHeight() const
{
    int h = 0;
    for (QAbstractButton* b : buttons_)
        h = std::max(h, b->sizeHint().height());
    return h;
}

QSize ButtonFlow::sizeHint() const
{
    int w = 0;
    for (int x : widths())
        w += x;
    return {w + spacing_ * int(std::max<qsizetype>(0, buttons_.size() - 1)), rowHeight()};
}

QSize ButtonFlow::minimumSizeHint() const
{
    const QList<int> w = widths();
    int columns[2] = {0, 0};
    for (int i = 0; i < w.size(); ++i)
        columns[i % 2] = std::max(columns[i % 2], w[i]);
    return {columns[0] + spacing_ + columns[1], rowHeight() * 2 + spacing_};
}

int ButtonFlow::heightForWidth(int width) const
{
    return fitsInOneRow(widths(), spacing_, width) ? rowHeight() : rowHeight() * 2 + spacing_;
}

void ButtonFlow::resizeEvent(QResizeEvent*)
{
    const QList<int> w = widths();
    const int h = rowHeight();
    oneRow_ = fitsInOneRow(w, spacing_, width());
    if (oneRow_) {
        int x = (width() - sizeHint().width()) / 2;
        for (int i = 0; i < buttons_.size(); ++i) {
            buttons_[i]->setGeometry(x, 0, w[i], h);
            x += w[i] + spacing_;
        }
        return;
    }
    int columns[2] = {0, 0};
    for (int i = 0; i < w.size(); ++i)
        columns[i % 2] = std::max(columns[i % 2], w[i]);
    const int left = (width() - (columns[0] + spacing_ + columns[1])) / 2;
    for (int i = 0; i < buttons_.size(); ++i) {
        const int column = i % 2;
        const int x = left + (column == 0 ? 0 : columns[0] + spacing_);
        const int y = (i / 2) * (h + spacing_);
        // Each button centred in its column.
        buttons_[i]->setGeometry(x + (columns[column] - w[i]) / 2, y, w[i], h);
    }
}

AboutPane::AboutPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();
    QVBoxLayout* column = form->contentLayout();
    column->setContentsMargins(32, 32, 32, 32);
    column->setSpacing(18);
    auto add = [&](QWidget* w, Qt::Alignment align = {}) {
        column->insertWidget(column->count() - 1, w, 0, align);
    };

    auto* mark = new ShadowedMark(80, c_.motion, page);
    add(mark, Qt::AlignHCenter);

    auto* nameBox = new QWidget(page);
    auto* names = bareColumn(nameBox, 4);
    QLabel* name = makeLabel(appName(), fonts::font(fonts::Role::largeTitle, QFont::DemiBold), palette::paper(), false, page);
    name->setAlignment(Qt::AlignCenter);
    names->addWidget(name);
    version_ = makeLabel(aboutVersionText(QStringLiteral(TQ_VERSION)), fonts::Role::body, palette::paperDim(), false, page);
    version_->setAlignment(Qt::AlignCenter);
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    names->addWidget(version_);
    add(nameBox);

    QLabel* tagline = makeLabel(text("Finishes your sentences in any app, on your computer."), fonts::Role::title3, palette::paper(), true, page);
    tagline->setAlignment(Qt::AlignCenter);
    add(tagline);

    // The on-device model keeps text local too, where the system has one that answers.
    QLabel* privacy = makeLabel(c_.hub.apple().currentStatus().isReady()
                                    ? text("%app has no account, no analytics and no servers of its own. The %app model and the "
                                           "on-device model keep your text on this computer. Other engines get it only if you set "
                                           "one up.")
                                    : text("%app has no account, no analytics and no servers of its own. The %app model keeps your "
                                           "text on this computer. Other engines get it only if you set one up."),
                                fonts::Role::body, palette::paperDim(), true, page);
    privacy->setAlignment(Qt::AlignCenter);
    privacy->setMaximumWidth(440);
    privacy->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Centred at most 440 wide, always as tall as its wrapped lines.
    auto* privacyBox = new QWidget(page);
    auto* privacyLine = bareRow(privacyBox);
    privacyLine->addStretch(0);
    privacyLine->addWidget(privacy, 1);
    privacyLine->addStretch(0);
    add(privacyBox);

    const QString labels[] = {text("Open Data Folder"), text("Show Welcome Again"), text("Play Intro Again"), text("Reset Settings…")};
    for (const QString& l : labels)
        buttons_ << makeButton(l, false, c_.motion, page);
    flow_ = new ButtonFlow(buttons_, 10, page);
    add(flow_);
    connect(buttons_[0], &QAbstractButton::clicked, this, &AboutPane::openDataFolder);
    connect(buttons_[1], &QAbstractButton::clicked, this, &AboutPane::showWelcomeAgain);
    connect(buttons_[2], &QAbstractButton::clicked, this, &AboutPane::playIntroAgain);
    connect(buttons_[3], &QAbstractButton::clicked, this, &AboutPane::askReset);

    auto* notices = new PlainButton(text("Open Source Notices"), page);
    notices->setFont(fonts::font(fonts::Role::body));
    notices->showAsLink();
    notices_ = notices;
    add(notices_, Qt::AlignHCenter);
    connect(notices_, &QAbstractButton::clicked, this, &AboutPane::openNotices);
}

void AboutPane::openDataFolder()
{
    if (!c_.hooks.dataFolder || !c_.hooks.openPath)
        return;
    // A folder removed since the start is made again, so the file manager opens it empty
    // rather than failing.
    const QString folder = c_.hooks.dataFolder();
    if (!QDir().mkpath(folder)) {
        Confirmation::ask(this,
                          {text("The data folder %1 could not be made. Check that the folder above it exists and that you "
                                "may write there.")
                               .arg(QChar(0x2068) + folder + QChar(0x2069)), // a path keeps its own direction
                           QString(), QString()},
                          nullptr);
        return;
    }
    c_.hooks.openPath(folder);
}

void AboutPane::showWelcomeAgain()
{
    if (c_.hooks.showOnboarding)
        c_.hooks.showOnboarding();
}

void AboutPane::playIntroAgain()
{
    if (c_.hooks.showIntro)
        c_.hooks.showIntro();
}

void AboutPane::openNotices()
{
    const QString path = noticesFilePath();
    if (!path.isEmpty() && c_.hooks.openPath)
        c_.hooks.openPath(path);
}

void AboutPane::askReset()
{
    if (dialog_ && dialog_->isVisible())
        return;
    dialog_ = Confirmation::ask(
        this,
        {text("Reset all settings?"), text("This also clears your rules for apps and sites. Your statistics and writing memory stay."),
         text("Reset")},
        [this] { resetSettings(); });
}

void AboutPane::resetSettings()
{
    resetAllSettings(c_.prefs, c_.rules);
}

} // namespace tq
