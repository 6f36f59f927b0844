#pragma once
// The field inspector pane: the engine's state, the last field's facts, the text near its
// caret, the last request, and "Copy Diagnostics". Follows the model objects live.

#include "field/RestartHint.h"
#include "ui/settings/FieldInspector.h"

#include <QWidget>

#include <functional>

class QFormLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tq {

class CompletionEngine;
class MotionContext;
class Permissions;
class Preferences;
class RowDisclosure;

struct InspectorSources {
    CompletionEngine& engine;
    Preferences& prefs;
    Permissions& permissions;
    MotionContext& motion;
    std::function<bool()> tapRunning;               // the key tap runs
    std::function<void(const QString&)> copyText;   // clears the clipboard and puts plain text on it
    // The front program built on Chromium that shares no text, and a way to hear of changes.
    std::function<std::optional<RestartHint>()> restartHint = [] { return std::nullopt; };
    std::function<void(QObject* receiver, std::function<void()> changed)> watchRestartHint;
    // Calls `changed` whenever the key tap starts or stops.
    std::function<void(QObject* receiver, std::function<void()> changed)> watchTapRunning;
};

class InspectorPane final : public QWidget {
    Q_OBJECT
public:
    explicit InspectorPane(InspectorSources sources, QWidget* parent = nullptr);

    inspector::Facts facts() const;
    // Label and value of every row now shown, section by section ("Status/Right now" → "Ready").
    QList<QPair<QString, QString>> rows() const;
    QPushButton* copyButton() const { return copy_; }

public slots:
    void refresh();

private:
    // The rows are built once and updated in place: a selection survives new values.
    struct Section {
        QWidget* box = nullptr;
        QFormLayout* form = nullptr;
        QString heading;
    };
    Section addSection(const QString& heading);
    QLabel* addRow(Section& section, const QString& name, QLabel* value = nullptr);
    void build();
    void copyDiagnostics();

    InspectorSources sources_;
    QVBoxLayout* sections_ = nullptr;
    QWidget* body_ = nullptr;
    QPushButton* copy_ = nullptr;
    bool copied_ = false;
    QList<QPair<QString, QString>> rows_;
    Section status_, field_, before_, last_;
    QLabel* now_ = nullptr;
    QLabel* access_ = nullptr;
    QLabel* keyboard_ = nullptr;
    QLabel* engineRow_ = nullptr;
    QLabel* hint_ = nullptr;
    QList<QLabel*> fieldRows_;
    QLabel* nearCaret_ = nullptr;
    QLabel* wait_ = nullptr;
    QLabel* suggestion_ = nullptr;
    QList<RowDisclosure*> groups_;
    QList<QLabel*> groupTexts_;
};

} // namespace tq
