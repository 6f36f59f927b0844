#include "ui/settings/GeneralPane.h"

#include "services/Permissions.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"
#include "platform/TrayHost.h"
#include "settings/Preferences.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/settings/LanguagePicker.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/settings/StoreProblems.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
// 0.85 … 1.2 in steps of 0.05, and -4 … 4 points in steps of 0.5.
double textScaleAt(int step) { return 0.85 + 0.05 * step; }
double nudgeAt(int step) { return -4.0 + 0.5 * step; }

ValueSlider* stepSlider(const QString& name, int steps, int valueWidth, std::function<QString(int)> format, double first,
                        double step, QWidget* parent)
{
    auto* s = new ValueSlider(name, 0, steps, parent);
    s->slider()->setSingleStep(1);
    s->slider()->setPageStep(1);
    s->setSliderWidth(150);
    s->showValue(std::move(format), valueWidth, first, step);
    return s;
}
} // namespace

QString textScaleLabel(double scale)
{
    return percentText(std::lround(scale * 100) / 100.0);
}

QString verticalNudgeLabel(double points)
{
    return QString::asprintf("%+.1f pt", points);
}

QString trayIconDetail(bool trayRunning, TrayHelp help)
{
    if (trayRunning)
        return text("Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.");
    return noTrayText(help);
}

GeneralPane::GeneralPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    Preferences& p = c_.prefs;
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    // Read once, each time the pane is made.
    predictionsOn_ = c_.permissions.systemPredictionsOn();

    auto bind = [&](FormSection* section, const QString& title, const QString& detail, auto get, auto set) {
        auto* t = new SettingToggle(title, detail, c_.motion, page);
        section->addRow(t);
        tq::bind(t, p, get, set);
        return t;
    };

    StoreSet settingsFile;
    settingsFile.settings = &c_.prefs;
    form->addWidget(makeStoreProblemLine(settingsFile, page));
    form->addSection()->addRow(new LanguageRow(c_.language, page, &c_.motion));

    FormSection* startup = form->addSection(text("Startup"));
    launch_ = new SettingToggle(text("Launch at login"), text("%app opens by itself when you start your computer."), c_.motion, page);
    launch_->setChecked(c_.permissions.launchAtLogin());
    startup->addRow(launch_);
    connect(launch_, &QAbstractButton::clicked, this, [this](bool on) {
        c_.permissions.setLaunchAtLogin(on);
        // A change that failed leaves nothing registered: show what is really there.
        launch_->setChecked(c_.permissions.launchAtLogin());
    });
    trayIcon_ = bind(startup, text("Show in the system tray"),
                     trayIconDetail(c_.trayHost.running() || !p.showMenuBarIcon(), c_.trayHost.help()),
                     &Preferences::showMenuBarIcon, &Preferences::setShowMenuBarIcon);
    // The note that no tray runs only while the icon is asked for.
    const auto trayDetail = [this] {
        const QString detail = trayIconDetail(c_.trayHost.running() || !c_.prefs.showMenuBarIcon(), c_.trayHost.help());
        if (trayIcon_->detailLabel()->text() != detail)
            trayIcon_->detailLabel()->setText(detail);
    };
    connect(&c_.trayHost, &TrayHost::kindChanged, trayIcon_, trayDetail);
    connect(&p, &Preferences::changed, trayIcon_, trayDetail);
    auto* count = new SettingToggle(text("Show today's word count next to the icon"),
                                    text("This tray can't show text beside icons, so the count shows in the icon's tooltip."),
                                    c_.motion, page);
    wordCount_ = count;
    startup->addRow(count);
    // The sentence only where a running tray shows no labels (KDE Plasma, XEmbed trays).
    const auto labels = [count, &tray = c_.trayHost] {
        count->detailLabel()->setVisible(tray.running() && !tray.showsLabels());
    };
    labels();
    connect(&c_.trayHost, &TrayHost::kindChanged, count, labels);
    toggles_.append({count, [count, &p] {
                         count->setChecked(p.showWordCountInMenuBar());
                         count->setEnabled(p.showMenuBarIcon());
                     }});
    connect(count, &QAbstractButton::clicked, this, [&p](bool on) { p.setShowWordCountInMenuBar(on); });

    FormSection* where = form->addSection(text("Where suggestions appear"));
    bind(where, text("Suggest in every app"), text("Turn this off to use %app only in the apps you switch on under Apps & Sites."),
         &Preferences::enabledByDefault, &Preferences::setEnabledByDefault);
    bind(where, text("Suggest in code editors"), text("VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps."),
         &Preferences::codeEditorsEnabled, &Preferences::setCodeEditorsEnabled);
    bind(where, text("Suggest in the middle of a line"), text("By default %app waits until the caret is at the end of a line."),
         &Preferences::completeInsideText, &Preferences::setCompleteInsideText);
    bind(where, text("Suggest in small fields"), text("Without this, %app skips search bars and one-word boxes."),
         &Preferences::ignoreSmallFields, &Preferences::setIgnoreSmallFields);
    bind(where, text("Only when I ask"), text("Suggestions appear only after you press the Suggest Now shortcut."),
         &Preferences::onDemandOnly, &Preferences::setOnDemandOnly);

    FormSection* spelling = form->addSection(text("Spelling"));
    bind(spelling, text("Hold back on misspelled words"),
         text("Waits while the word you're typing looks misspelled, so %app doesn't build on a typo."),
         &Preferences::hideOnTypo, &Preferences::setHideOnTypo);
    bind(spelling, text("Offer spelling fixes"), text("After a misspelled word, shows a fix next to the caret. Press Tab to swap it in."),
         &Preferences::suggestFixes, &Preferences::setSuggestFixes);

    FormSection* look = form->addSection(text("Look"));
    auto* segments = new SegmentedControl(text("Suggestion color"), page);
    for (GhostStyle style : allCases<GhostStyle>()) {
        QAbstractButton* b = segments->addSegment(label(style));
        ghostButtons_.append(b);
        connect(b, &QAbstractButton::clicked, this, [&p, style] { p.setGhostStyle(style); });
    }
    auto* colorRow = new SettingRow(text("Suggestion color"), QString(), segments, page);
    look->addRow(colorRow);

    scale_ = stepSlider(text("Text size"), 7, 42, [](int v) { return textScaleLabel(textScaleAt(v)); }, 85, 5, page);
    look->addRow(new SettingRow(text("Text size"), text("Fine-tune if suggestions look larger or smaller than your text."),
                                scale_, page));
    connect(scale_->slider(), &QSlider::valueChanged, this, [&p](int v) { p.setTextScale(textScaleAt(v)); });
    nudge_ = stepSlider(text("Vertical position"), 16, 52, [](int v) { return verticalNudgeLabel(nudgeAt(v)); }, -4, 0.5, page);
    look->addRow(new SettingRow(text("Vertical position"), text("Nudge suggestions up or down to line up with your text."),
                                nudge_, page));
    connect(nudge_->slider(), &QSlider::valueChanged, this, [&p](int v) { p.setVerticalNudge(nudgeAt(v)); });
    bind(look, text("Show the key hint"), text("A small keycap after your first suggestions, as a reminder of what to press."),
         &Preferences::showKeyHint, &Preferences::setShowKeyHint);

    FormSection* typing = form->addSection(text("Typing", "section header"));
    insertion_ = new QComboBox(page);
    insertion_->setAccessibleName(text("Insert suggestions by"));
    insertion_->setCursor(Qt::PointingHandCursor);
    for (InsertionMethod m : allCases<InsertionMethod>())
        insertion_->addItem(label(m));
    auto* insertionRow = new SettingRow(text("Insert suggestions by"), QString(), insertion_, page);
    insertionRow->titleLabel()->setBuddy(insertion_);
    typing->addRow(insertionRow);
    insertionDetail_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, page);
    typing->addRow(insertionDetail_);
    // Only the user's choice writes (activated), never the box being filled.
    connect(insertion_, &QComboBox::activated, this,
            [&p](int i) { p.setInsertion(allCases<InsertionMethod>()[std::size_t(std::clamp(i, 0, 2))]); });

    FormSection* predictions = form->addSection(text("System predictions"));
    auto* trailing = new QWidget(page);
    auto* tRow = bareRow(trailing, 6);
    turnOff_ = makeButton(text("Turn Off"), false, c_.motion, trailing);
    tRow->addWidget(turnOff_);
    auto* mark = new SymbolView(QStringLiteral("checkmark.circle.fill"), 18, palette::green(), trailing);
    mark->setAccessibleName(text("Off"));
    offMark_ = mark;
    tRow->addWidget(mark);
    predictions_ = new SettingRow(QString(), text("The system can show its own grey predictions. Keeping them off avoids two suggestions at once."),
                                  trailing, page);
    predictions->addRow(predictions_);
    connect(turnOff_, &QAbstractButton::clicked, this, [this] {
        if (c_.hooks.turnOffSystemPredictions)
            c_.hooks.turnOffSystemPredictions();
        c_.permissions.refresh();
        predictionsOn_ = c_.permissions.systemPredictionsOn();
        refreshPredictions();
    });

    FormSection* rivals = form->addSection(text("Other autocomplete apps"));
    bind(rivals, text("Quit other autocomplete apps when they open"),
         text("They take the Tab key before %app can. With this off, %app asks you first."),
         &Preferences::quitRivalsAutomatically, &Preferences::setQuitRivalsAutomatically);

    connect(&p, &Preferences::changed, this, &GeneralPane::refresh);
    refresh();
    refreshPredictions();
}

void GeneralPane::refresh()
{
    Preferences& p = c_.prefs;
    for (auto& entry : toggles_)
        entry.second();
    for (int i = 0; i < ghostButtons_.size(); ++i) {
        QSignalBlocker b(ghostButtons_[i]);
        ghostButtons_[i]->setChecked(allCases<GhostStyle>()[std::size_t(i)] == p.ghostStyle());
    }
    scale_->setValue(int(std::lround((p.textScale() - 0.85) / 0.05)));
    scale_->valueLabel()->setText(textScaleLabel(p.textScale()));
    nudge_->setValue(int(std::lround((p.verticalNudge() + 4.0) / 0.5)));
    nudge_->valueLabel()->setText(verticalNudgeLabel(p.verticalNudge()));
    {
        QSignalBlocker b(insertion_);
        insertion_->setCurrentIndex(int(p.insertion()));
    }
    insertionDetail_->setText(detail(p.insertion()));
}

void GeneralPane::refreshPredictions()
{
    predictions_->titleLabel()->setText(predictionsOn_ ? text("System predictions are on") : text("System predictions are off"));
    turnOff_->setVisible(predictionsOn_);
    offMark_->setVisible(!predictionsOn_);
}

} // namespace tq
