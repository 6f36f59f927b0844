#include "ui/settings/InspectorPane.h"

#include "app/services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "field/ContextCollector.h"
#include "settings/Enums.h"
#include "settings/Preferences.h"
#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "ui/design/Formatters.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Text.h"
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

    CompletionEngine& e = sources_.engine;
    for (auto signal : {&CompletionEngine::statusChanged, &CompletionEngine::snapshotChanged,
                        &CompletionEngine::lastLatencyChanged, &CompletionEngine::lastPromptChanged,
                        &CompletionEngine::lastOutputChanged, &CompletionEngine::lastSuggestionChanged})
        connect(&e, signal, this, &InspectorPane::refresh);
    connect(&sources_.permissions, &Permissions::accessibilityChanged, this, &InspectorPane::refresh);
    if (sources_.watchRestartHint)
        sources_.watchRestartHint(this, [this] { refresh(); });
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

void InspectorPane::refresh()
{
    const inspector::Facts f = facts();
    rows_.clear();
    while (QLayoutItem* item = sections_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto section = [&](const QString& heading) {
        auto* box = new QWidget(body_);
        auto* v = new QVBoxLayout(box);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(6);
        if (!heading.isEmpty()) {
            auto* h = infoLabel(heading, box, false, false, 14);
            QFont bold = h->font();
            bold.setWeight(QFont::DemiBold);
            h->setFont(bold);
            h->setAccessibleName(heading);
            v->addWidget(h);
        }
        auto* form = new QFormLayout;
        form->setHorizontalSpacing(16);
        form->setVerticalSpacing(6);
        v->addLayout(form);
        sections_->addWidget(box);
        return std::make_pair(box, form);
    };
    const auto row = [&](QWidget* box, QFormLayout* form, const QString& heading, const QString& name, const QString& value,
                         bool middleElide = false) {
        auto* v = infoLabel(value, box);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        v->setAccessibleDescription(name); // read as "value, label"
        if (middleElide) {
            v->setText(v->fontMetrics().elidedText(value, Qt::ElideMiddle, 420));
            v->setToolTip(value);
        }
        form->addRow(infoLabel(name, box, true), v);
        rows_.push_back({heading + u'/' + name, value});
    };

    const QString status = text("Status");
    auto [statusBox, statusForm] = section(status);
    row(statusBox, statusForm, status, text("Right now"), f.status);
    if (auto* now = qobject_cast<QLabel*>(statusForm->itemAt(0, QFormLayout::FieldRole)->widget()))
        now->setWordWrap(true); // a status sentence wraps in the pane's width
    row(statusBox, statusForm, status, text("Accessibility"), f.accessibility ? text("Allowed") : text("Not allowed"));
    row(statusBox, statusForm, status, text("Keyboard"), f.listening ? text("Listening") : text("Not listening"));
    row(statusBox, statusForm, status, text("Engine"), f.engineTitle);

    const QString field = text("Focused field");
    auto [fieldBox, fieldForm] = section(field);
    if (!f.snapshot) {
        auto* hint = infoLabel(text("Click into a text field in another app, then come back. The last field %1 saw stays here.")
                              .arg(QCoreApplication::applicationName()),
                          fieldBox, true);
        hint->setWordWrap(true);
        fieldForm->addRow(hint);
        rows_.push_back({field, hint->text()});
    } else {
        const FieldSnapshot& s = *f.snapshot;
        row(fieldBox, fieldForm, field, text("App"), s.appName);
        row(fieldBox, fieldForm, field, text("Field type"), inspector::fieldType(s.role));
        if (s.domain)
            row(fieldBox, fieldForm, field, text("Website"), *s.domain);
        if (s.windowTitle)
            row(fieldBox, fieldForm, field, text("Window"), QString(*s.windowTitle).replace(u'\n', u' '), true);
        row(fieldBox, fieldForm, field, text("Field size"), inspector::fieldSize(s.fieldFrame));
        row(fieldBox, fieldForm, field, text("Caret found"), inspector::caretText(s));
        row(fieldBox, fieldForm, field, text("Font"), inspector::fontText(s));
        row(fieldBox, fieldForm, field, text("At end of line"), inspector::atLineEnd(s) ? text("Yes") : text("No"));
        row(fieldBox, fieldForm, field, text("Secure input"), s.isSecure ? text("Yes") : text("No"));
        row(fieldBox, fieldForm, field, text("Looked at lately"), inspector::recentApps(f.recentApps));
        if (!s.isSecure) {
            const QString before = text("Text before the caret");
            auto [box, form] = section(before);
            auto* t = infoLabel(inspector::textNearCaret(s), box, false, true, 12);
            t->setWordWrap(true);
            t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            t->setAccessibleDescription(before);
            form->addRow(t);
            rows_.push_back({before, t->text()});
        }
    }

    const QString last = text("Last request");
    auto [lastBox, lastForm] = section(last);
    row(lastBox, lastForm, last, text("Wait"), formatLatency(f.latency));
    const QString suggestion = sources_.engine.lastSuggestion();
    row(lastBox, lastForm, last, text("Suggestion"), suggestion.isEmpty() ? text("None yet") : suggestion);
    if (auto* shown = qobject_cast<QLabel*>(lastForm->itemAt(lastForm->rowCount() - 1, QFormLayout::FieldRole)->widget()))
        shown->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter); // a suggestion's lines end at the trailing edge
    if (!sources_.engine.lastPrompt().isEmpty()) {
        const auto disclosure = [&](const QString& title, const QString& content) {
            auto* t = infoLabel(content, lastBox, false, true, 11);
            t->setWordWrap(true);
            t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            t->setAccessibleDescription(title);
            auto* group = new RowDisclosure(title, t, sources_.motion, lastBox);
            // A group keeps its open state while the pane follows new requests.
            if (openGroups_.contains(title))
                group->setExpanded(true);
            connect(group, &RowDisclosure::expandedChanged, this, [this, title](bool open) {
                if (open)
                    openGroups_.insert(title);
                else
                    openGroups_.remove(title);
            });
            lastForm->addRow(group);
            rows_.push_back({last + u'/' + title, content});
        };
        disclosure(text("Prompt sent to the engine"), sources_.engine.lastPrompt());
        const QString output = sources_.engine.lastOutput();
        disclosure(text("Raw answer"), output.isEmpty() ? text("(empty)") : output);
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
