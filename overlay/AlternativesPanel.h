#pragma once
// The list of other ways to continue the text, opened under (or above) the caret. It never
// takes the keyboard: the engine routes the arrows here and reads the highlighted item.

#include <QObject>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <optional>

namespace tq {

class OverlayScreens;

class ListPanelView;

class AlternativesModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const QStringList& items() const { return items_; }
    qint64 selected() const { return selected_; }
    const QString& anchorBefore() const { return anchorBefore_; }
    const QString& wordPrefix() const { return wordPrefix_; }
    const QString& hint() const { return hint_; }

    void setItems(const QStringList& v);
    void setSelected(qint64 v);
    void setAnchorBefore(const QString& v);
    void setWordPrefix(const QString& v);
    void setHint(const QString& v);

    // The text drawn for an item: trimmed, and led by the word prefix when the item goes on
    // with the word being typed (its first character a letter or a number).
    QString displayText(const QString& item) const;

signals:
    void changed();

private:
    QStringList items_;
    qint64 selected_ = 0;
    QString anchorBefore_;
    QString wordPrefix_;
    QString hint_ = QStringLiteral("tab");
};

class AlternativesPanel : public QObject {
    Q_OBJECT
public:
    static constexpr double kWidth = 380;

    // `screens` places the panel at the caret.
    explicit AlternativesPanel(const OverlayScreens& screens, QObject* parent = nullptr);
    ~AlternativesPanel() override;

    // Fills the list, highlights the first row and places the panel at the caret (screen
    // space); an empty list hides the panel.
    void show(const QStringList& items, const QString& anchorBefore, const QString& wordPrefix,
              const QString& hint, const QRectF& caretRect);
    void hide();
    // Moves the highlight with wrap-around.
    void move(qint64 delta);
    std::optional<QString> selectedItem() const;
    bool isVisible() const;

    AlternativesModel& model() { return model_; }
    QWidget* window() const;

private:
    const OverlayScreens& screens_;
    AlternativesModel model_;
    std::unique_ptr<ListPanelView> view_;
};

} // namespace tq
