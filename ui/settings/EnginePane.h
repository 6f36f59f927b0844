#pragma once
// Engine: which of the four engines writes suggestions with each one's status, the built-in
// model's download card, the two server engines' addresses, models and key, the length,
// creativity and pause of suggestions, and "Try the engine".

#include "engines/CompletionProvider.h"
#include "settings/Enums.h"
#include "ui/design/Components.h"
#include "ui/settings/SettingsContext.h"

#include <QAbstractButton>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QStackedWidget;

namespace tq {

class EngineTest;
class FormSection;
class RowDisclosure;
class StatusLine;
class SymbolView;

// One selectable engine: symbol, title, detail, status line and the selection mark.
class EngineChoiceRow final : public QAbstractButton {
    Q_OBJECT
public:
    EngineChoiceRow(EngineKind kind, MotionContext& motion, QWidget* parent = nullptr);
    EngineKind kind() const { return kind_; }
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    void setStatus(const ProviderStatus& status);
    StatusLine* statusLine() const { return status_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EngineKind kind_;
    bool selected_ = false;
    SymbolView* symbol_;
    SymbolView* mark_;
    StatusLine* status_;
};

// The model name of a server engine: a list from the hub, or a free field when it has none.
class ModelPicker final : public QWidget {
    Q_OBJECT
public:
    ModelPicker(ProviderHub& hub, Preferences& prefs, EngineKind kind, QWidget* parent = nullptr);
    QComboBox* box() const { return box_; }
    QLineEdit* field() const { return field_; }
    bool showsList() const;
    void refresh();
    void reload();

private:
    QString selection() const;
    void setSelection(const QString& name);

    ProviderHub& hub_;
    Preferences& prefs_;
    EngineKind kind_;
    QStackedWidget* stack_;
    QComboBox* box_;
    QLineEdit* field_;
};

class EnginePane final : public QWidget {
    Q_OBJECT
public:
    explicit EnginePane(SettingsContext& context, QWidget* parent = nullptr);
    ~EnginePane() override;

    void choose(EngineKind kind);
    EngineChoiceRow* choiceRow(EngineKind kind) const;
    QWidget* downloadCard() const { return download_; }
    RowDisclosure* advanced() const { return advanced_; }
    FormSection* ollamaSection() const { return ollama_; }
    FormSection* serverSection() const { return server_; }
    QLineEdit* ollamaAddress() const { return ollamaURL_; }
    QLineEdit* serverAddress() const { return serverURL_; }
    ModelPicker* ollamaPicker() const { return ollamaPicker_; }
    ModelPicker* serverPicker() const { return serverPicker_; }
    QLabel* ollamaWarning() const { return ollamaWarning_; }
    QLabel* serverWarning() const { return serverWarning_; }
    QLineEdit* apiKeyField() const { return apiKey_; }
    QLabel* apiKeyNote() const { return keyNote_; }
    QSlider* creativitySlider() const { return creativity_; }
    QSlider* delaySlider() const { return delay_; }
    QLabel* delayValue() const { return delayValue_; }
    QAbstractButton* runButton() const { return run_; }
    QLabel* testResult() const { return result_; }

private:
    void refresh();
    void refreshStatus(EngineKind kind);
    void keyEditingFinished();
    void showKeyNote(const QString& note);
    void refreshKeyNote();

    SettingsContext& c_;
    QList<EngineChoiceRow*> rows_;
    QWidget* download_ = nullptr;
    RowDisclosure* advanced_ = nullptr;
    FormSection* ollama_ = nullptr;
    FormSection* server_ = nullptr;
    QLineEdit* ollamaURL_ = nullptr;
    QLineEdit* serverURL_ = nullptr;
    ModelPicker* ollamaPicker_ = nullptr;
    ModelPicker* serverPicker_ = nullptr;
    QLabel* ollamaWarning_ = nullptr;
    QLabel* serverWarning_ = nullptr;
    QLineEdit* apiKey_ = nullptr;
    QLabel* keyNote_ = nullptr;
    QString storedKey_;     // what the keychain holds as far as this pane knows
    bool keyEdited_ = false; // the user typed in the key field since the last write
    QString keyRefusal_;     // why the typed key was refused, until the user edits it
    QList<QAbstractButton*> lengthButtons_;
    SpokenSlider* creativity_ = nullptr;
    SpokenSlider* delay_ = nullptr;
    QLabel* delayValue_ = nullptr;
    QAbstractButton* run_ = nullptr;
    QLabel* result_ = nullptr;
    EngineTest* test_ = nullptr;
    EngineKind shownEngine_;
};

} // namespace tq
