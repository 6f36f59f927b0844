#include "ui/settings/InspectorPane.h"

#include "services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "field/ContextCollector.h"
#include "settings/Enums.h"
#include "settings/Preferences.h"
#include "ui/design/Buttons.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "ui/design/Formatters.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Text.h"
#include "ui/settings/Figures.h"
#include "ui/settings/SettingsStyle.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tq {

namespace {

QLabel* infoLabel(const QString& t, QWidget* parent, bool dim = false, bool mono = false, int pixelSize = 13)
{
    QLabel* l = makeLabel(t, mono ? fonts::monospaced(pixelSize) : fonts::system(pixelSize), dim ? palette::paperDim() : palette::paper(),
                          false, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

InspectorPane::InspectorPane(InspectorSources sources, QWidget* parent) : QWidget(parent), sources_(std::move(sources))
{
    setObjectName(QStringLiteral("InspectorPane"));
    QScrollArea* scroll = fillWithScrollArea(this);
    auto* host = new QWidget(scroll);
    host->setAutoFillBackground(false);
    auto* column = new QVBoxLayout(host);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(18);
    body_ = new QWidget(host);
    sections_ = new QVBoxLayout(body_);
    sections_->setContentsMargins(0, 0, 0, 0);
    sections_->setSpacing(18);
    column->addWidget(body_);

    copy_ = new HandButton(text("Copy Diagnostics"), host);
    copy_->setObjectName(QStringLiteral("CopyDiagnostics"));
    connect(copy_, &QPushButton::clicked, this, [this] { copyDiagnostics(); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(copy_);
    buttonRow->addStretch(1);
    column->addLayout(buttonRow);
    column->addWidget(infoLabel(text("Diagnostics leave out the text you typed."), host, true, false, 11));
    column->addStretch(1);
    scroll->setWidget(host);
    host->setAutoFillBackground(false); // the window's backdrop shows through

    build();
    CompletionEngine& e = sources_.engine;
    for (auto signal : {&CompletionEngine::statusChanged, &CompletionEngine::snapshotChanged,
                        &CompletionEngine::lastLatencyChanged, &CompletionEngine::lastPromptChanged,
                        &CompletionEngine::lastOutputChanged, &CompletionEngine::lastSuggestionChanged})
        connect(&e, signal, this, &InspectorPane::refresh);
    connect(&sources_.permissions, &Permissions::accessibilityChanged, this, &InspectorPane::refresh);
    if (sources_.watchRestartHint)
        sources_.watchRestartHint(this, [this] { refresh(); });
    if (sources_.watchTapRunning)
        sources_.watchTapRunning(this, [this] { refresh(); });
    if (ContextCollector* context = e.contextCollector())
        connect(context, &ContextCollector::recentChanged, this, &InspectorPane::refresh);
    connect(&sources_.prefs, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("engine"))
            refresh();
    });
    refresh();
}

inspector::Facts InspectorPane::facts() const
{
    inspector::Facts f;
    f.status = sources_.engine.status().label();
    // "Ready" is not true while the front program keeps its text to itself.
    if (const auto hint = sources_.restartHint(); hint && sources_.engine.status() == CompletionEngine::Status::idle())
        f.status = hint->sentence();
    f.engineTitle = title(sources_.prefs.engine());
    f.accessibility = sources_.permissions.accessibility();
    f.listening = sources_.tapRunning && sources_.tapRunning();
    f.latency = sources_.engine.lastLatency();
    f.snapshot = sources_.engine.lastSeenSnapshot();
    if (ContextCollector* context = sources_.engine.contextCollector())
        f.recentApps = context->recentAppNames();
    return f;
}

QList<QPair<QString, QString>> InspectorPane::rows() const
{
    return rows_;
}

namespace {

// The text changes only when it differs, so a selection in an unchanged value survives.
void setValue(QLabel* label, const QString& value)
{
    if (auto* elided = qobject_cast<ElidedLabel*>(label)) {
        if (elided->fullText() != value)
            elided->setFullText(value);
    } else if (label->text() != value) {
        label->setText(value);
    }
}

} // namespace

InspectorPane::Section InspectorPane::addSection(const QString& heading)
{
    Section section;
    section.box = new QWidget(body_);
    auto* v = new QVBoxLayout(section.box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);
    auto* h = makeLabel(heading, fonts::Role::headline, palette::paper(), false, section.box);
    groupForAccessibility(h, heading, QAccessible::Heading);
    v->addWidget(h);
    section.form = new QFormLayout;
    section.form->setHorizontalSpacing(16);
    section.form->setVerticalSpacing(6);
    v->addLayout(section.form);
    section.heading = heading;
    sections_->addWidget(section.box);
    return section;
}

QLabel* InspectorPane::addRow(Section& section, const QString& name, QLabel* value)
{
    if (!value)
        value = infoLabel(QString(), section.box);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleDescription(name); // read as "value, label"
    value->setProperty("rowName", name);
    section.form->addRow(infoLabel(name, section.box, true), value);
    return value;
}

void InspectorPane::build()
{
    status_ = addSection(text("Status"));
    now_ = addRow(status_, text("Right now"));
    now_->setWordWrap(true); // a status sentence wraps in the pane's width
    access_ = addRow(status_, text("Accessibility"));
    keyboard_ = addRow(status_, text("Keyboard"));
    engineRow_ = addRow(status_, text("Engine"));

    field_ = addSection(text("Focused field"));
    hint_ = infoLabel(text("Click into a text field in another app, then come back. The last field %1 saw stays here.")
                          .arg(QCoreApplication::applicationName()),
                      field_.box, true);
    hint_->setWordWrap(true);
    field_.form->addRow(hint_);
    for (const QString& name : {text("App"), text("Field type"), text("Website")})
        fieldRows_ << addRow(field_, name);
    fieldRows_ << addRow(field_, text("Window"),
                         new ElidedLabel(QString(), fonts::font(fonts::Role::body), palette::paper(), Qt::ElideMiddle, 1, field_.box));
    for (const QString& name : {text("Field size"), text("Caret found"), text("Font"), text("At end of line"), text("Secure input")})
        fieldRows_ << addRow(field_, name);
    fieldRows_ << addRow(field_, text("Looked at lately"),
                         new ElidedLabel(QString(), fonts::font(fonts::Role::body), palette::paper(), Qt::ElideRight, 1, field_.box));

    before_ = addSection(text("Text before the caret"));
    nearCaret_ = infoLabel(QString(), before_.box, false, true, 12);
    nearCaret_->setWordWrap(true);
    nearCaret_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    nearCaret_->setAccessibleDescription(before_.heading);
    before_.form->addRow(nearCaret_);

    last_ = addSection(text("Last request"));
    wait_ = addRow(last_, text("Wait"));
    suggestion_ = addRow(last_, text("Suggestion"));
    suggestion_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter); // a suggestion's lines end at the trailing edge
    for (const QString& title : {text("Prompt sent to the engine"), text("Raw answer")}) {
        auto* t = infoLabel(QString(), last_.box, false, true, 11);
        t->setWordWrap(true);
        t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        t->setAccessibleDescription(title);
        auto* group = new RowDisclosure(title, t, sources_.motion, last_.box);
        last_.form->addRow(group);
        groups_ << group;
        groupTexts_ << t;
    }
}

void InspectorPane::refresh()
{
    const inspector::Facts f = facts();
    rows_.clear();
    const auto show = [this](const Section& section, QLabel* value, const QString& text) {
        setValue(value, text);
        rows_.push_back({section.heading + u'/' + value->property("rowName").toString(), text});
    };

    show(status_, now_, f.status);
    show(status_, access_, f.accessibility ? text("Allowed") : text("Not allowed"));
    show(status_, keyboard_, f.listening ? text("Listening") : text("Not listening"));
    show(status_, engineRow_, f.engineTitle);

    field_.form->setRowVisible(0, !f.snapshot);
    for (int i = 0; i < fieldRows_.size(); ++i)
        field_.form->setRowVisible(i + 1, f.snapshot.has_value());
    if (!f.snapshot) {
        rows_.push_back({field_.heading, hint_->text()});
    } else {
        const FieldSnapshot& s = *f.snapshot;
        const std::optional<QString> window =
            s.windowTitle ? std::optional<QString>(QString(*s.windowTitle).replace(u'\n', u' ')) : std::nullopt;
        const std::optional<QString> values[] = {
            s.appName,
            inspector::fieldType(s.role),
            s.domain,
            window,
            inspector::fieldSize(s.fieldFrame),
            inspector::caretText(s),
            inspector::fontText(s),
            inspector::atLineEnd(s) ? text("Yes") : text("No"),
            s.isSecure ? text("Yes") : text("No"),
            inspector::recentApps(f.recentApps),
        };
        for (int i = 0; i < fieldRows_.size(); ++i) {
            field_.form->setRowVisible(i + 1, values[i].has_value());
            if (values[i])
                show(field_, fieldRows_[i], *values[i]);
        }
    }
    const bool near = f.snapshot && !f.snapshot->isSecure;
    before_.box->setVisible(near);
    if (near) {
        setValue(nearCaret_, inspector::textNearCaret(*f.snapshot));
        rows_.push_back({before_.heading, nearCaret_->text()});
    }

    show(last_, wait_, formatLatency(f.latency));
    const QString suggestion = sources_.engine.lastSuggestion();
    show(last_, suggestion_, suggestion.isEmpty() ? text("None yet", "no suggestion shown yet") : suggestion);
    const bool asked = !sources_.engine.lastPrompt().isEmpty();
    const QString output = sources_.engine.lastOutput();
    const QString contents[] = {sources_.engine.lastPrompt(), output.isEmpty() ? text("(empty)") : output};
    for (int i = 0; i < groups_.size(); ++i) {
        last_.form->setRowVisible(groups_[i], asked);
        if (!asked)
            continue;
        setValue(groupTexts_[i], contents[i]);
        rows_.push_back({last_.heading + u'/' + groups_[i]->header()->text(), contents[i]});
    }
}

void InspectorPane::copyDiagnostics()
{
    if (sources_.copyText)
        sources_.copyText(inspector::report(facts()));
    copied_ = true;
    copy_->setText(text("Copied"));
}

} // namespace tq
