#pragma once
// The emoji list opened at the caret after a colon and a word. Like the alternatives list it
// never takes the keyboard; the engine moves the highlight and reads the chosen emoji.

#include "overlay/EmojiItem.h"

#include <QList>
#include <QObject>
#include <QRectF>

#include <memory>
#include <optional>

namespace tq {

class OverlayScreens;

class ListPanelView;

class EmojiPickerModel : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const QList<EmojiItem>& items() const { return items_; }
    qint64 selected() const { return selected_; }
    const QString& replacing() const { return replacing_; }

    void setItems(const QList<EmojiItem>& v);
    void setSelected(qint64 v);
    void setReplacing(const QString& v);

signals:
    void changed();

private:
    QList<EmojiItem> items_;
    qint64 selected_ = 0;
    QString replacing_;
};

class EmojiPickerPanel : public QObject {
    Q_OBJECT
public:
    static constexpr double kWidth = 272;

    // `screens` places the panel at the caret.
    explicit EmojiPickerPanel(const OverlayScreens& screens, QObject* parent = nullptr);
    ~EmojiPickerPanel() override;

    // Fills the list and places the panel at the caret. The highlight stays only when the
    // word and the emoji glyphs (in order) are the same as before; else the first row.
    void show(const QList<EmojiItem>& items, const QString& replacing, const QRectF& caretRect);
    void hide();
    void move(qint64 delta);
    std::optional<EmojiItem> selectedItem() const;
    bool isVisible() const;

    EmojiPickerModel& model() { return model_; }
    QWidget* window() const;

private:
    const OverlayScreens& screens_;
    EmojiPickerModel model_;
    std::unique_ptr<ListPanelView> view_;
};

} // namespace tq
