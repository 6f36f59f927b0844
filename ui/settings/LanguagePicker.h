#pragma once
// Entry points to the language picker: a settings row (General pane) and a small link-style
// button (onboarding footer). Both open the same sheet, which lists the languages, searches
// them and asks before switching.

#include "ui/design/Buttons.h"
#include "app/services/AppLanguage.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

class QLineEdit;
class QVBoxLayout;

namespace tq {

// One choice in the sheet: the system's language (no identifier) or one identifier.
class LanguageChoiceRow final : public QAbstractButton {
    Q_OBJECT
public:
    LanguageChoiceRow(std::optional<QString> identifier, const QString& flag, const QString& title,
                      const QString& subtitle, bool selected, QWidget* parent = nullptr);
    const std::optional<QString>& identifier() const { return identifier_; }
    bool isSelected() const { return selected_; }
    QString title() const { return title_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QString> identifier_;
    QString flag_;
    QString title_;
    QString subtitle_;
    bool selected_ = false;
};

class LanguageSheet final : public QDialog {
    Q_OBJECT
public:
    explicit LanguageSheet(AppLanguage& language, QWidget* parent = nullptr);

    void setQuery(const QString& query);
    // The rows shown, in order (the system's row first when the query is empty).
    QList<LanguageChoiceRow*> rows() const;
    // The choice awaiting confirmation: none, the system's language (nullopt inside) or one identifier.
    const std::optional<std::optional<QString>>& pending() const { return pending_; }
    // Tapping a row: closes for the selected one, else asks to confirm.
    void choose(LanguageChoiceRow* row);
    // The confirmation's title for a choice.
    static QString confirmTitle(const std::optional<QString>& choice);
    // The confirmation's "Reopen Now": applies the pending choice; a failure is shown over the sheet.
    void confirm();

private:
    void rebuild();

    AppLanguage& language_;
    QLineEdit* search_ = nullptr;
    QVBoxLayout* list_ = nullptr;
    QWidget* listHost_ = nullptr;
    QString query_;
    std::optional<std::optional<QString>> pending_;
};

// The label both entry points show: the current language's flag and its name in itself.
QString languageButtonText(const AppLanguage& language);

class LanguageRow final : public QWidget {
    Q_OBJECT
public:
    explicit LanguageRow(AppLanguage& language, QWidget* parent = nullptr);
    QPushButton* button() const { return button_; }
    LanguageSheet* openSheet();

private:
    AppLanguage& language_;
    QPushButton* button_ = nullptr;
};

class LanguageButton final : public PlainButton {
    Q_OBJECT
public:
    explicit LanguageButton(AppLanguage& language, QWidget* parent = nullptr);
    LanguageSheet* openSheet();

private:
    AppLanguage& language_;
};

} // namespace tq
