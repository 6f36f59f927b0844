#include "ui/settings/EnginePane.h"

#include "engines/ProviderHub.h"
#include "engines/Replies.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "stores/Keychain.h"
#include "stores/ServerKey.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "ui/design/Formatters.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Symbols.h"
#include "ui/download/ModelDownloadView.h"
#include "ui/settings/EngineTestText.h"
#include "ui/design/Decoration.h"
#include "ui/settings/RemoteWarning.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
const QColor kOrange(0xff, 0x9f, 0x0a);

QString symbolFor(EngineKind kind)
{
    switch (kind) {
    case EngineKind::builtIn: return QStringLiteral("cpu");
    case EngineKind::apple: return QStringLiteral("apple.intelligence");
    case EngineKind::ollama: return QStringLiteral("shippingbox");
    case EngineKind::openAI: return QStringLiteral("server.rack");
    }
    return QStringLiteral("cpu");
}

QLineEdit* makeField(const QString& name, const QString& prompt, QWidget* parent)
{
    auto* f = new QLineEdit(parent);
    f->setAccessibleName(name);
    f->setPlaceholderText(prompt);
    f->setMinimumWidth(260);
    return f;
}

// A warning under an address or the key: the drawn warning sign and the sentence, in one line
// holder that is hidden while there is nothing to say. Returns the sentence's label.
QLabel* makeWarning(QWidget* parent)
{
    auto* line = new QWidget(parent);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    auto* sign = new SymbolView(QStringLiteral("exclamationmark.triangle.fill"), fonts::pixelSize(fonts::Role::callout), kOrange, line);
    markDecorative(sign);
    row->addWidget(sign, 0, Qt::AlignTop);
    QLabel* l = makeLabel(QString(), fonts::Role::callout, kOrange, true, line);
    row->addWidget(l, 1);
    line->setVisible(false);
    return l;
}

void showNote(QLabel* label, const QString& note)
{
    label->setText(note);
    label->parentWidget()->setVisible(!note.isEmpty());
}

void showWarning(QLabel* label, const QString& address)
{
    showNote(label, remoteWarningText(address));
}

void setTextKeepingCursor(QLineEdit* field, const QString& value)
{
    if (field->text() != value)
        field->setText(value);
}
} // namespace

// ---- EngineChoiceRow

EngineChoiceRow::EngineChoiceRow(EngineKind kind, MotionContext& motion, QWidget* parent)
    : QAbstractButton(parent), kind_(kind)
{
    setCursor(Qt::PointingHandCursor);
    markSelectable(this); // one engine of several: selected or not, heard once with its status
    setCheckable(true);
    setAccessibleName(title(kind));
    setAccessibleDescription(detail(kind));
    setFocusPolicy(Qt::StrongFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);
    symbol_ = new SymbolView(symbolFor(kind), 17, palette::paperDim(), this);
    symbol_->setFixedWidth(24); // the symbols of all rows share one column
    row->addWidget(symbol_, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(makeLabel(title(kind), fonts::font(fonts::Role::body, QFont::Medium), palette::paper(), false, this));
    column->addWidget(makeLabel(detail(kind), fonts::Role::callout, palette::paperDim(), true, this));
    status_ = new StatusLine(motion, this);
    column->addWidget(status_);
    row->addLayout(column, 1);
    mark_ = new SymbolView(QStringLiteral("circle"), 17, palette::withOpacity(palette::paperDim(), 0.6), this);
    row->addWidget(mark_, 0, Qt::AlignTop);
    for (QWidget* child : findChildren<QWidget*>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Inside a button a label would take the button's text role (dark on ink).
    for (QLabel* label : findChildren<QLabel*>())
        label->setForegroundRole(QPalette::WindowText);
}

void EngineChoiceRow::setSelected(bool selected)
{
    selected_ = selected;
    symbol_->setSymbol(symbolFor(kind_), selected ? palette::gold() : palette::paperDim());
    mark_->setSymbol(selected ? QStringLiteral("checkmark.circle.fill") : QStringLiteral("circle"),
                     selected ? palette::gold() : palette::withOpacity(palette::paperDim(), 0.6));
    if (selected != isChecked()) {
        setChecked(selected);
        selectionChanged(this);
    }
}

void EngineChoiceRow::setStatus(const ProviderStatus& status)
{
    status_->setStatus(status);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged); // the status is part of it
    QAccessible::updateAccessibility(&changed);
}

void EngineChoiceRow::paintEvent(QPaintEvent*)
{
    if (!underMouse() && !hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(hasFocus() ? QPen(palette::withOpacity(palette::gold(), 0.6), 1) : Qt::NoPen);
    p.setBrush(QColor::fromRgbF(1, 1, 1, 0.04f));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

// ---- ModelPicker

ModelPicker::ModelPicker(ProviderHub& hub, Preferences& prefs, EngineKind kind, QWidget* parent)
    : QWidget(parent), hub_(hub), prefs_(prefs), kind_(kind)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(makeLabel(text("Model"), fonts::Role::body, palette::paper(), false, this));
    stack_ = new QStackedWidget(this);
    field_ = makeField(text("Model"), text("Model name"), stack_);
    field_->setMaxLength(int(Providers::kMaxModelName));
    box_ = new QComboBox(stack_);
    box_->setAccessibleName(text("Model"));
    box_->setCursor(Qt::PointingHandCursor);
    // Names come from the server: the box keeps its width and long ones are cut short.
    box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box_->setMinimumContentsLength(16);
    stack_->addWidget(field_);
    stack_->addWidget(box_);
    row->addWidget(stack_, 1);
    auto* reload = new QToolButton(this);
    reload->setIcon(QIcon(symbols::icon(QStringLiteral("arrow.clockwise"), palette::paperDim())));
    reload->setToolTip(text("Reload the model list"));
    reload->setAccessibleName(text("Reload the model list"));
    reload->setAutoRaise(true);
    reload->setCursor(Qt::PointingHandCursor);
    row->addWidget(reload);
    connect(reload, &QToolButton::clicked, this, &ModelPicker::reload);
    // Writes come from the user only: typing, or choosing in the list.
    connect(field_, &QLineEdit::textEdited, this, &ModelPicker::setSelection);
    connect(box_, &QComboBox::activated, this, [this](int i) {
        // "Choose a model" stands for no model: it asks for a choice and is never one.
        const QString name = box_->itemData(i).toString();
        if (name.isEmpty())
            return refresh();
        setSelection(name);
    });
    connect(&hub_, &ProviderHub::modelListChanged, this, [this](EngineKind k) {
        if (k == kind_)
            refresh();
    });
    refresh();
}

QString ModelPicker::selection() const
{
    return kind_ == EngineKind::ollama ? prefs_.ollamaModel() : prefs_.serverModel();
}

void ModelPicker::setSelection(const QString& name)
{
    if (kind_ == EngineKind::ollama)
        prefs_.setOllamaModel(name);
    else
        prefs_.setServerModel(name);
}

bool ModelPicker::showsList() const
{
    return stack_->currentWidget() == box_;
}

void ModelPicker::refresh()
{
    const QStringList list = hub_.modelList(kind_);
    const QString current = selection();
    if (list.isEmpty()) {
        stack_->setCurrentWidget(field_);
        setTextKeepingCursor(field_, current);
        return;
    }
    stack_->setCurrentWidget(box_);
    QSignalBlocker block(box_);
    box_->clear();
    // Names come from the server: long ones are cut short in the list, whole in the tooltip.
    const auto shown = [](const QString& name) {
        return chars::countAtLeast(name, 61) ? chars::first(name, 59).toString() + QStringLiteral("…") : name;
    };
    if (!list.contains(current)) {
        box_->addItem(current.isEmpty() ? text("Choose a model") : shown(current), current);
        if (current.isEmpty()) // "Choose a model" asks for a choice; it is none itself
            if (auto* items = qobject_cast<QStandardItemModel*>(box_->model()))
                items->item(0)->setEnabled(false);
    }
    for (const QString& name : list) {
        box_->addItem(shown(name), name);
        box_->setItemData(box_->count() - 1, name, Qt::ToolTipRole);
    }
    box_->setCurrentIndex(box_->findData(current));
}

void ModelPicker::reload()
{
    hub_.refresh(kind_);
}

// ---- EnginePane

EnginePane::EnginePane(SettingsContext& context, QWidget* parent)
    : QWidget(parent), c_(context), shownEngine_(context.prefs.engine())
{
    Preferences& p = c_.prefs;
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    auto addRow = [&](FormSection* section, EngineKind kind, QWidget* parentWidget) {
        auto* row = new EngineChoiceRow(kind, c_.motion, parentWidget);
        rows_.append(row);
        connect(row, &QAbstractButton::clicked, this, [this, kind] { choose(kind); });
        if (section)
            section->addRow(row);
        return row;
    };

    // The on-device model keeps text local only where the system has one that answers.
    FormSection* onDevice = form->addSection(QString(), c_.hub.apple().currentStatus().isReady()
                                                            ? text("Both keep your text on this computer.")
                                                            : text("The %app model keeps your text on this computer."));
    addRow(onDevice, EngineKind::builtIn, page);
    addRow(onDevice, EngineKind::apple, page);
    download_ = new ModelDownloadView(c_.modelStore, c_.hub, c_.motion, false, page);
    onDevice->addRow(download_);

    FormSection* own = form->addSection(QString(), text("For people who already run Ollama, LM Studio or llama-server."));
    auto* servers = new QWidget(page);
    auto* serverRows = new QVBoxLayout(servers);
    serverRows->setContentsMargins(0, 0, 0, 0);
    serverRows->addWidget(addRow(nullptr, EngineKind::ollama, servers));
    serverRows->addWidget(addRow(nullptr, EngineKind::openAI, servers));
    advanced_ = new RowDisclosure(text("Use your own model"), servers, c_.motion, page);
    own->addRow(advanced_);

    ollama_ = form->addSection(text("Ollama"));
    ollamaURL_ = makeField(text("Address"), QStringLiteral("http://localhost:11434"), page);
    auto* ollamaRow = new SettingRow(text("Address"), QString(), ollamaURL_, page);
    ollamaRow->titleLabel()->setBuddy(ollamaURL_);
    ollama_->addRow(ollamaRow);
    ollamaPicker_ = new ModelPicker(c_.hub, p, EngineKind::ollama, page);
    ollama_->addRow(ollamaPicker_);
    ollamaWarning_ = makeWarning(page);
    ollama_->addRow(ollamaWarning_->parentWidget());
    connect(ollamaURL_, &QLineEdit::textEdited, this, [&p](const QString& t) { p.setOllamaURL(t); });

    server_ = form->addSection(text("Local server"));
    serverURL_ = makeField(text("Address"), QStringLiteral("http://localhost:1234/v1"), page);
    auto* serverRow = new SettingRow(text("Address"), QString(), serverURL_, page);
    serverRow->titleLabel()->setBuddy(serverURL_);
    server_->addRow(serverRow);
    serverPicker_ = new ModelPicker(c_.hub, p, EngineKind::openAI, page);
    server_->addRow(serverPicker_);
    apiKey_ = makeField(text("API key"), text("Only if your server asks for one"), page);
    apiKey_->setEchoMode(QLineEdit::Password);
    auto* keyRow = new SettingRow(text("API key"), QString(), apiKey_, page);
    keyRow->titleLabel()->setBuddy(apiKey_);
    server_->addRow(keyRow);
    keyNote_ = makeWarning(page);
    keyNote_->setObjectName(QStringLiteral("apiKeyNote"));
    server_->addRow(keyNote_->parentWidget());
    serverWarning_ = makeWarning(page);
    server_->addRow(serverWarning_->parentWidget());
    connect(serverURL_, &QLineEdit::textEdited, this, [&p](const QString& t) { p.setServerURL(t); });
    {
        // The key in memory: the one typed this run, else the stored one once the keychain has
        // handed it out (it fills in when it arrives, unless the user has typed). A key that
        // cannot be read leaves the field empty and is never deleted unless the user edits it.
        storedKey_ = c_.hub.serverAPIKey();
        apiKey_->setText(storedKey_);
        connect(&c_.hub.serverKey(), &ServerKey::keyChanged, this, [this] {
            if (!keyEdited_ && apiKey_->text() == storedKey_)
                apiKey_->setText(storedKey_ = c_.hub.serverAPIKey());
            refreshKeyNote();
        });
        c_.hub.serverKey().load(); // again, when it could not be read before
    }
    connect(apiKey_, &QLineEdit::textEdited, this, [this] {
        keyEdited_ = true;
        if (!keyRefusal_.isEmpty()) { // edited: the refusal has had its say
            keyRefusal_.clear();
            refreshKeyNote();
        }
    });
    connect(apiKey_, &QLineEdit::editingFinished, this, &EnginePane::keyEditingFinished);
    connect(&c_.hub.serverKey(), &ServerKey::stateChanged, this, &EnginePane::refreshKeyNote);
    refreshKeyNote();

    FormSection* suggestions = form->addSection(text("Suggestions"));
    auto* segments = new SegmentedControl(text("Length"), page);
    for (CompletionLength length : allCases<CompletionLength>()) {
        QAbstractButton* b = segments->addSegment(label(length));
        lengthButtons_.append(b);
        connect(b, &QAbstractButton::clicked, this, [&p, length] { p.setLength(length); });
    }
    suggestions->addRow(new SettingRow(text("Length"), QString(), segments, page));

    auto* creativityControl = new QWidget(page);
    auto* cRow = new QHBoxLayout(creativityControl);
    cRow->setContentsMargins(0, 0, 0, 0);
    cRow->setSpacing(8);
    cRow->addWidget(makeLabel(text("Focused"), fonts::Role::caption, palette::paperDim(), false, creativityControl));
    creativity_ = new SpokenSlider(creativityControl);
    creativity_->setRange(0, 1000);
    creativity_->setSingleStep(10); // 0.01 a key, 0.1 a page
    creativity_->setPageStep(100);
    creativity_->speak(0, 0.1, [](int v) { return percentText(v / 1000.0); });
    creativity_->setFixedWidth(130);
    creativity_->setAccessibleName(text("Creativity"));
    cRow->addWidget(creativity_);
    cRow->addWidget(makeLabel(text("Loose"), fonts::Role::caption, palette::paperDim(), false, creativityControl));
    suggestions->addRow(new SettingRow(text("Creativity"), text("Lower stays close to the obvious next words. Higher tries more."),
                                       creativityControl, page));
    connect(creativity_, &QSlider::valueChanged, this, [&p](int v) { p.setCreativity(v / 1000.0); });

    auto* delayControl = new QWidget(page);
    auto* dRow = new QHBoxLayout(delayControl);
    dRow->setContentsMargins(0, 0, 0, 0);
    dRow->setSpacing(8);
    delay_ = new SpokenSlider(delayControl);
    delay_->setRange(0, 40); // 0 … 800 ms in steps of 20
    delay_->setPageStep(1);
    delay_->speak(0, 20, [](int v) { return formatLatency(std::int64_t(v) * 20); });
    delay_->setFixedWidth(150);
    delay_->setAccessibleName(text("Wait before suggesting"));
    dRow->addWidget(delay_);
    delayValue_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), false, delayControl);
    delayValue_->setFont(fonts::tabularDigits(12));
    delayValue_->setFixedWidth(58);
    delayValue_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    markDecorative(delayValue_); // the slider says its value
    dRow->addWidget(delayValue_);
    suggestions->addRow(new SettingRow(text("Wait before suggesting"), text("How long you pause before %app starts."),
                                       delayControl, page));
    connect(delay_, &QSlider::valueChanged, this, [&p](int v) { p.setDelayMilliseconds(v * 20.0); });

    FormSection* tryIt = form->addSection();
    run_ = makeButton(text("Run"), false, c_.motion, page);
    run_->setAccessibleName(text("Run"));
    tryIt->addRow(new SettingRow(text("Try the engine"), text("Sends a sample sentence and shows what comes back."), run_, page));
    result_ = makeLabel(QString(), fonts::Role::callout, palette::paper(), true, page);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    result_->setObjectName(QStringLiteral("engineTestResult"));
    result_->hide();
    tryIt->addRow(result_);
    test_ = new EngineTest(c_.hub, p, c_.clock, this);
    connect(run_, &QAbstractButton::clicked, test_, &EngineTest::run);
    connect(test_, &EngineTest::runningChanged, this, [this](bool running) {
        run_->setText(running ? text("Running…") : text("Run"));
        run_->setAccessibleName(run_->text());
        run_->setEnabled(!running);
    });
    connect(test_, &EngineTest::finished, this, [this](const EngineTestReply& reply) {
        result_->setText(enginetest::resultText(reply));
        result_->setVisible(true);
    });

    connect(&p, &Preferences::changed, this, [this](const QString& key) {
        // A picker rebuilds its list only for its own model.
        if (key == QLatin1String("ollamaModel"))
            ollamaPicker_->refresh();
        else if (key == QLatin1String("serverModel"))
            serverPicker_->refresh();
        refresh();
    });
    connect(&c_.hub, &ProviderHub::statusChanged, this, &EnginePane::refreshStatus);
    refresh();
    for (EngineChoiceRow* row : rows_)
        refreshStatus(row->kind());

    // On appearing: the disclosure follows the engine once, and the engine is checked.
    advanced_->setExpanded(usesServer(p.engine()));
    c_.hub.refresh(p.engine());
}

EnginePane::~EnginePane()
{
    // A key typed but not yet left is kept; its write finishes without the pane.
    keyEditingFinished();
}

void EnginePane::choose(EngineKind kind)
{
    c_.prefs.setEngine(kind);
    refresh(); // a click on the chosen row keeps it marked
    result_->clear();
    result_->hide();
}

EngineChoiceRow* EnginePane::choiceRow(EngineKind kind) const
{
    for (EngineChoiceRow* row : rows_)
        if (row->kind() == kind)
            return row;
    return nullptr;
}

void EnginePane::refreshStatus(EngineKind kind)
{
    if (EngineChoiceRow* row = choiceRow(kind))
        row->setStatus(c_.hub.status(kind));
}

void EnginePane::refresh()
{
    Preferences& p = c_.prefs;
    const EngineKind engine = p.engine();
    for (EngineChoiceRow* row : rows_)
        row->setSelected(row->kind() == engine);
    download_->setVisible(engine == EngineKind::builtIn);
    ollama_->setVisible(engine == EngineKind::ollama);
    server_->setVisible(engine == EngineKind::openAI);
    setTextKeepingCursor(ollamaURL_, p.ollamaURL());
    setTextKeepingCursor(serverURL_, p.serverURL());
    showWarning(ollamaWarning_, p.ollamaURL());
    showWarning(serverWarning_, p.serverURL());
    for (int i = 0; i < lengthButtons_.size(); ++i) {
        QSignalBlocker b(lengthButtons_[i]);
        lengthButtons_[i]->setChecked(allCases<CompletionLength>()[std::size_t(i)] == p.length());
    }
    {
        QSignalBlocker b(creativity_);
        creativity_->setValue(int(std::lround(std::clamp(p.creativity(), 0.0, 1.0) * 1000)));
    }
    {
        QSignalBlocker b(delay_);
        delay_->setValue(int(std::lround(std::clamp(p.delayMilliseconds(), 0.0, 800.0) / 20)));
    }
    delayValue_->setText(formatLatency(std::int64_t(std::lround(p.delayMilliseconds()))));
    if (engine != shownEngine_) {
        shownEngine_ = engine;
        c_.hub.refresh(engine);
    }
}

void EnginePane::keyEditingFinished()
{
    if (!keyEdited_)
        return; // filled, not typed: nothing to write
    keyEdited_ = false;
    const std::optional<QString> key = ServerKey::normalize(apiKey_->text());
    if (!key) {
        keyRefusal_ = ServerKey::refusal(apiKey_->text());
        showKeyNote(keyRefusal_);
        return;
    }
    if (*key != apiKey_->text())
        apiKey_->setText(*key);
    if (*key == storedKey_) {
        refreshKeyNote();
        return;
    }
    storedKey_ = *key;
    // The keychain may wait on an unlock prompt: the hub's key stores it in the background.
    c_.hub.serverKey().set(*key);
}

void EnginePane::showKeyNote(const QString& note)
{
    showNote(keyNote_, note);
}

void EnginePane::refreshKeyNote()
{
    // A refused key keeps its note until the user edits it, whatever the keyring says meanwhile.
    if (!keyRefusal_.isEmpty())
        return showKeyNote(keyRefusal_);
    const ServerKey& key = c_.hub.serverKey();
    if (const QString problem = key.problem(); !problem.isEmpty())
        return showKeyNote(problem);
    switch (key.state()) {
    case ServerKey::State::saving:
        return showKeyNote(text("Waiting for the keyring to store the key."));
    case ServerKey::State::sessionOnly:
        if (!key.typedKey().value_or(QString()).isEmpty())
            return showKeyNote(text("The keyring cannot keep this key, so it is used only until %app quits."));
        break;
    case ServerKey::State::untouched:
    case ServerKey::State::saved:
        break;
    }
    showKeyNote({});
}

} // namespace tq
