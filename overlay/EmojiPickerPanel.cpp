#include "overlay/EmojiPickerPanel.h"

#include "overlay/ListPanel.h"
#include "platform/Text.h"

#include <algorithm>

namespace tq {

void EmojiPickerModel::setItems(const QList<EmojiItem>& v)
{
    if (items_ == v)
        return;
    items_ = v;
    emit changed();
}

void EmojiPickerModel::setSelected(qint64 v)
{
    if (selected_ == v)
        return;
    selected_ = v;
    emit changed();
}

void EmojiPickerModel::setReplacing(const QString& v)
{
    if (replacing_ == v)
        return;
    replacing_ = v;
    emit changed();
}

EmojiPickerPanel::EmojiPickerPanel(const OverlayScreens& screens, QObject* parent)
    : QObject(parent), screens_(screens), view_(std::make_unique<ListPanelView>(kWidth))
{
    view_->setWindowTitle(QStringLiteral("Tessaquill emoji"));
    view_->rowCount = [this] { return int(model_.items().size()); };
    view_->row = [this](int i) {
        const EmojiItem& item = model_.items().at(i);
        return ListRow{item.emoji, text(":%1:", "emoji name").arg(item.name), Qt::ElideMiddle, 12.5};
    };
    view_->selected = [this] { return model_.selected(); };
    view_->badge = [] { return text("enter"); };
    connect(&model_, &EmojiPickerModel::changed, view_.get(), &ListPanelView::refresh);
}

EmojiPickerPanel::~EmojiPickerPanel() = default;

QWidget* EmojiPickerPanel::window() const { return view_.get(); }

bool EmojiPickerPanel::isVisible() const { return view_->isVisible(); }

void EmojiPickerPanel::show(const QList<EmojiItem>& items, const QString& replacing, const QRectF& caretRect)
{
    if (items.isEmpty()) {
        hide();
        return;
    }
    const bool sameGlyphs = std::equal(items.begin(), items.end(), model_.items().begin(), model_.items().end(),
                                       [](const EmojiItem& a, const EmojiItem& b) { return a.emoji == b.emoji; });
    if (!(model_.replacing() == replacing && sameGlyphs))
        model_.setSelected(0);
    model_.setItems(items);
    model_.setReplacing(replacing);
    listpanel::placeAtCaret(screens_, view_.get(), caretRect, int(items.size()), kWidth);
}

void EmojiPickerPanel::hide()
{
    model_.setItems({});
    model_.setReplacing(QString());
    view_->hide();
}

void EmojiPickerPanel::move(qint64 delta)
{
    model_.setSelected(listpanel::moved(model_.selected(), delta, model_.items().size()));
}

std::optional<EmojiItem> EmojiPickerPanel::selectedItem() const
{
    return listpanel::itemAt(model_.items(), model_.selected());
}

} // namespace tq
