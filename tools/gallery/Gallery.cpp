#include "tools/gallery/Gallery.h"

#include "ui/design/Backdrop.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Confetti.h"
#include "ui/design/Effects.h"
#include "ui/design/Fonts.h"
#include "ui/design/Formatters.h"
#include "ui/design/GrantSeal.h"
#include "ui/design/HandToggle.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/ShortcutRecorder.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QGridLayout>
#include <QSlider>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <functional>

namespace tq {

namespace {
// A canvas drawn by a function of the gallery's elapsed time.
class Canvas final : public QWidget {
public:
    using Paint = std::function<void(QPainter&, const QRectF&, double)>;
    Canvas(QSize size, std::function<double()> time, Paint paint, QWidget* parent = nullptr)
        : QWidget(parent), time_(std::move(time)), paint_(std::move(paint))
    {
        setFixedSize(size);
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        paint_(p, QRectF(rect()), time_());
    }

private:
    std::function<double()> time_;
    Paint paint_;
};

QLabel* heading(const QString& text, QWidget* parent)
{
    return makeLabel(text, fonts::font(fonts::Role::subheadline, QFont::DemiBold), palette::paperDim(), false, parent);
}

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> items, int spacing = 10)
{
    auto* w = new QWidget(parent);
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(spacing);
    for (QWidget* i : items)
        l->addWidget(i, 0, Qt::AlignVCenter);
    l->addStretch(1);
    return w;
}
} // namespace

Gallery::Gallery(MotionContext& motion, const KeyLayout& layout, bool spinner, QWidget* parent)
    : QWidget(parent), motion_(motion), layout_(layout), started_(motion.frames().seconds()), driver_(motion.frames(), this)
{
    setWindowTitle(QStringLiteral("Design gallery"));
    setFixedSize(1280, 960);
    auto* backdrop = new InkBackdrop(this);
    backdrop->setGeometry(rect());
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    const auto time = [this] { return elapsed(); };

    const auto section = [&](const QString& title, int r, int c, int rowSpan = 1) {
        auto* card = new Card(14, this);
        card->contentLayout()->setContentsMargins(14, 12, 14, 12);
        card->contentLayout()->setSpacing(10);
        card->contentLayout()->addWidget(heading(title, card));
        grid->addWidget(card, r, c, rowSpan, 1);
        return card;
    };

    // Brand: the mark built up by hand, the live mark, the icon sizes.
    Card* brand = section(QStringLiteral("Brand mark"), 0, 0);
    auto* steps = new QWidget(brand);
    auto* stepsRow = new QHBoxLayout(steps);
    stepsRow->setContentsMargins(0, 0, 0, 0);
    for (const BrandMarkProgress& pr : {BrandMarkProgress{0.3, 0, 0, 0}, BrandMarkProgress{1, 0.5, 0, 0},
                                        BrandMarkProgress{1, 1, 0.5, 0}, BrandMarkProgress{1, 1, 1, 0.5}}) {
        auto* m = new BrandMark(44, steps);
        m->setProgress(pr);
        stepsRow->addWidget(m);
    }
    stepsRow->addStretch(1);
    brand->contentLayout()->addWidget(steps);
    live_ = new LiveBrandMark(72, motion_, brand);
    auto* icons = new QWidget(brand);
    auto* iconRow = new QHBoxLayout(icons);
    iconRow->setContentsMargins(0, 0, 0, 0);
    for (int s : {16, 24, 32, 48}) {
        auto* l = new QLabel(icons);
        l->setPixmap(appIcon().pixmap(s, s));
        iconRow->addWidget(l, 0, Qt::AlignBottom);
    }
    auto* replay = new HandButton(QStringLiteral("Replay"), brand);
    connect(replay, &QPushButton::clicked, this, &Gallery::replay);
    brand->contentLayout()->addWidget(row(brand, {live_, icons, replay}, 16));

    // Buttons and cards.
    Card* buttons = section(QStringLiteral("Buttons"), 0, 1);
    auto* primary = new PrimaryButton(QStringLiteral("Continue"), motion_, buttons);
    auto* pressed = new PrimaryButton(QStringLiteral("Pressed"), motion_, buttons);
    pressed->setDown(true);
    auto* disabled = new PrimaryButton(QStringLiteral("Disabled"), motion_, buttons);
    disabled->setEnabled(false);
    buttons->contentLayout()->addWidget(row(buttons, {primary, pressed, disabled}));
    auto* quiet = new HandButton(QStringLiteral("Not Now"), buttons, ButtonTone::quiet);
    auto* erase = new HandButton(QStringLiteral("Erase All…"), buttons, ButtonTone::destructive);
    auto* pill = new Pill(QStringLiteral("Private"), palette::gold(), QStringLiteral("lock.fill"), buttons);
    buttons->contentLayout()->addWidget(row(buttons, {quiet, erase, pill, new ActivitySpinner(motion_, 16, buttons)}));
    auto* segments = new SegmentedControl(QStringLiteral("Length"), buttons);
    for (const QString& s : {QStringLiteral("Short"), QStringLiteral("Medium"), QStringLiteral("Long")})
        segments->addSegment(s);
    segments->setCurrentIndex(1);
    auto* slider = new ValueSlider(QStringLiteral("Creativity"), 0, 100, buttons);
    slider->setEndLabels(QStringLiteral("Focused"), QStringLiteral("Loose"));
    slider->setSliderWidth(110);
    slider->slider()->setValue(40);
    buttons->contentLayout()->addWidget(row(buttons, {segments, slider}));
    buttons->contentLayout()->addWidget(new Divider(Qt::Horizontal, buttons));
    auto* choiceA = new ChoiceCard(motion_, buttons);
    choiceA->setSelected(true);
    choiceA->setAccessibleName(QStringLiteral("English"));
    auto* la = makeLabel(QStringLiteral("English"), fonts::Role::body, palette::paper());
    la->setContentsMargins(12, 9, 12, 9);
    choiceA->addContent(la);
    auto* choiceB = new ChoiceCard(motion_, buttons);
    choiceB->setAccessibleName(QStringLiteral("Deutsch"));
    auto* lb = makeLabel(QStringLiteral("Deutsch"), fonts::Role::body, palette::paper());
    lb->setContentsMargins(12, 9, 12, 9);
    choiceB->addContent(lb);
    auto* mark = new MarkButton(
        motion_, [](QPainter& p, const QRectF& r) { paintBrandMark(p, r.topLeft(), r.width()); }, QSize(36, 36), buttons);
    mark->setAccessibleName(QStringLiteral("Brand mark"));
    auto* hand = new HandButton(QStringLiteral("Open settings"), buttons);
    buttons->contentLayout()->addWidget(row(buttons, {choiceA, choiceB, mark, hand}));

    // Keycaps.
    Card* keys = section(QStringLiteral("Keycaps and status"), 0, 2, 2);
    keys->contentLayout()->addWidget(new KeyComboView(layout_, 
        KeyCombo{keycode::kSpace, {ModifierSet::control, ModifierSet::option}}, true, keys));
    keys->contentLayout()->addWidget(
        new KeyComboView(layout_, KeyCombo{keycode::kTab, {ModifierSet::command, ModifierSet::shift}}, true, keys));
    keys->contentLayout()->addWidget(row(keys, {new KeyComboView(layout_, KeyCombo{keycode::kPageDown, {}}, true, keys),
                                                new KeyComboView(layout_, std::nullopt, true, keys)}));

    // Toggles and rows.
    Card* rows = section(QStringLiteral("Toggles and rows"), 1, 0, 3);
    auto* on = new HandToggle(QStringLiteral("Suggestions"), motion_, rows);
    on->setChecked(true);
    auto* off = new HandToggle(QStringLiteral("Show word count"), motion_, rows);
    auto* dis = new HandToggle(QStringLiteral("Disabled"), motion_, rows);
    dis->setEnabled(false);
    rows->contentLayout()->addWidget(on);
    rows->contentLayout()->addWidget(off);
    rows->contentLayout()->addWidget(dis);
    auto* form = new FormSection(QStringLiteral("General"), QStringLiteral("Settings apply at once."), rows);
    form->addRow(new SettingToggle(QStringLiteral("Start at login"), QStringLiteral("Opens quietly when you log in."), motion_));
    form->addRow(new SettingRow(QStringLiteral("App language"), QStringLiteral("Pick the language you read most easily."),
                                new HandButton(QStringLiteral("English"))));
    auto* disclosure = new RowDisclosure(QStringLiteral("Use your own model"),
                                         makeLabel(QStringLiteral("Ollama and local servers."), fonts::Role::callout, palette::paperDim()),
                                         motion_);
    disclosure->setExpanded(true);
    form->addRow(disclosure);
    rows->contentLayout()->addWidget(form);
    using Kind = StatusView::Kind;
    for (const StatusView& s : {StatusView{Kind::ready, QStringLiteral("Ready: tiny model")},
                                StatusView{Kind::unavailable, QStringLiteral("The server did not answer. Check that it is running, then try again.")},
                                StatusView{Kind::unknown, QStringLiteral("Not checked yet")}, StatusView{Kind::checking, QStringLiteral("Checking…")}}) {
        if (!spinner && s.kind == Kind::checking)
            continue;
        auto* line = new StatusLine(motion_, keys);
        line->setStatus(s);
        keys->contentLayout()->addWidget(line);
    }
    rows->contentLayout()->addStretch(1);

    // Seal, recorder, progress.
    Card* seal = section(QStringLiteral("Seal, recorder, progress"), 1, 1, 2);
    auto* still = new GrantSeal(20, false, {}, motion_, seal);
    auto* stamp = new GrantSeal(48, true, {}, motion_, seal);
    stamp->setFixedSize(80, 80);
    auto* phases = new Canvas(QSize(200, 56), time, [](QPainter& p, const QRectF& r, double) {
        for (int i = 0; i < 4; ++i)
            paintSeal(p, QRectF(r.left() + i * 50, r.top(), 50, 50), 30, sealPhaseAt(0.1 + i * 0.12));
    }, seal);
    seal->contentLayout()->addWidget(row(seal, {still, stamp, phases}));
    auto* recSet = new ShortcutRecorder(layout_, KeyCombo{keycode::kTab, {}}, true, seal);
    auto* recEmpty = new ShortcutRecorder(layout_, std::nullopt, true, seal);
    auto* recWarn = new ShortcutRecorder(layout_, KeyCombo{keycode::kSpace, {ModifierSet::control}}, false, seal);
    seal->contentLayout()->addWidget(recSet);
    seal->contentLayout()->addWidget(recEmpty);
    seal->contentLayout()->addWidget(recWarn);
    for (double v : {0.0, 0.001, 0.42, 1.0}) {
        auto* bar = new InkProgressBar(v == 0.42 ? 10 : 6, motion_, seal);
        bar->setAccessibleName(QStringLiteral("Progress %1").arg(v));
        bar->setValue(v);
        seal->contentLayout()->addWidget(bar);
    }
    auto* fmt = makeLabel(QStringList{formatTypingTime(89.5), formatTypingTime(599.9), formatWordCount(12345),
                                      formatLatency(999), formatLatency(1500), formatLatency(std::nullopt)}
                              .join(QStringLiteral(" · ")),
                          fonts::font(fonts::Role::callout, fonts::Face::tabularDigits), palette::paper(), true, seal);
    seal->contentLayout()->addWidget(fmt);
    seal->contentLayout()->addStretch(1);

    // Bursts.
    Card* bursts = section(QStringLiteral("Ink drops and confetti"), 2, 2);
    auto* drops = new Canvas(QSize(170, 150), time, [](QPainter& p, const QRectF& r, double t) {
        InkDrops().draw(p, r.center(), t);
    }, bursts);
    auto* confetti = new Canvas(QSize(170, 150), time, [this](QPainter& p, const QRectF& r, double t) {
        if (!motion_.reduceMotion())
            GoldConfetti(7).draw(p, r.size(), t);
    }, bursts);
    bursts->contentLayout()->addWidget(row(bursts, {drops, confetti}));

    // Symbols, in one stroke.
    Card* syms = section(QStringLiteral("Symbols"), 3, 2);
    auto* symbolGrid = new Canvas(QSize(370, 170), time, [](QPainter& p, const QRectF& r, double) {
        const QStringList names = symbols::windowSymbols();
        const int perRow = 15;
        for (int i = 0; i < names.size(); ++i) {
            const QRectF box(r.left() + (i % perRow) * 24.5, r.top() + (i / perRow) * 26, 18, 18);
            symbols::paint(p, names[i], box, i % 7 == 0 ? palette::gold() : palette::paper());
        }
    }, syms);
    syms->contentLayout()->addWidget(symbolGrid);

    // Rising column under a title shade.
    Card* rise = section(QStringLiteral("Rise and title shade"), 3, 1, 1);
    auto* stage = new QWidget(rise);
    stage->setFixedHeight(110);
    auto* col = new QVBoxLayout(stage);
    col->setContentsMargins(0, 24, 0, 0);
    for (int i = 0; i < 3; ++i)
        col->addWidget(new Rise(makeLabel(QStringLiteral("Item %1").arg(i + 1), fonts::font(fonts::Role::body, fonts::Face::rounded), palette::paper()), i, motion_));
    auto* shade = new TitleShade(stage);
    shade->setTop(20);
    rise->contentLayout()->addWidget(stage);

    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    backdrop->lower();
}

void Gallery::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    started_ = motion_.frames().seconds();
    if (!motion_.reduceMotion())
        driver_.run([this] { return elapsed() < 2.5; });
}

double Gallery::elapsed() const
{
    return motion_.frames().seconds() - started_;
}

void Gallery::replay()
{
    started_ = motion_.frames().seconds();
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<LiveBrandMark*>(w) || qobject_cast<GrantSeal*>(w)) {
            w->hide();
            w->show();
        }
    }
    if (!motion_.reduceMotion())
        driver_.run([this] { return elapsed() < 2.5; });
}

} // namespace tq
