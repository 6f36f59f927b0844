#pragma once
// Entry points to the language picker: a settings row (General pane) and a small link-style
// button (onboarding footer). Both open the same sheet, which lists the languages, searches
// them and asks before switching.

#include "ui/design/Buttons.h"
#include "services/AppLanguage.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QVBoxLayout;

namespace tq {

// One choice in the sheet: the system's language (no identifier) or one identifier. Drawn as a
// choice card whose hover and press ease as the card's do over `motion`; without one they
// change at once.
class LanguageChoiceRow final : public QAbstractButton {
    Q_OBJECT
public:
    LanguageChoiceRow(std::optional<QString> identifier, const QString& flag, const QString& title,
                      const QString& subtitle, bool selected, MotionContext* motion = nullptr,
                      QWidget* parent = nullptr);
    ~LanguageChoiceRow() override;
    const std::optional<QString>& identifier() const { return identifier_; }
    bool isSelected() const { return selected_; }
    QString title() const { return title_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void nextCheckState() override {} // a click asks; the stored choice alone marks the row

private:
    void follow(); // eases hover and press towards the pointer and the button state
    std::optional<QString> identifier_;
    QString flag_;
    QString title_;
    QString subtitle_;
    bool selected_ = false;
    bool hovering_ = false;
    MotionContext* motion_ = nullptr;
    std::optional<AnimatedValue> hover_;
    std::optional<AnimatedValue> press_;
    std::unique_ptr<FrameDriver> driver_;
};

class LanguageSheet final : public QDialog {
    Q_OBJECT
public:
    // With `motion` (which must outlive the sheet) the rows ease as choice cards do.
    explicit LanguageSheet(AppLanguage& language, QWidget* parent = nullptr, MotionContext* motion = nullptr);

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
    MotionContext* motion_ = nullptr;
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
    explicit LanguageRow(AppLanguage& language, QWidget* parent = nullptr, MotionContext* motion = nullptr);
    QPushButton* button() const { return button_; }
    LanguageSheet* openSheet();

private:
    AppLanguage& language_;
    MotionContext* motion_ = nullptr;
    QPushButton* button_ = nullptr;
};

class LanguageButton final : public PlainButton {
    Q_OBJECT
public:
    explicit LanguageButton(AppLanguage& language, QWidget* parent = nullptr, MotionContext* motion = nullptr);
    LanguageSheet* openSheet();

private:
    AppLanguage& language_;
    MotionContext* motion_ = nullptr;
};

} // namespace tq
