#include "overlay/AlternativesPanel.h"

#include "overlay/ListPanel.h"
#include "platform/Chars.h"

namespace tq {

namespace {
template <typename T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void AlternativesModel::setItems(const QStringList& v) { if (assign(items_, v)) emit changed(); }
void AlternativesModel::setSelected(qint64 v) { if (assign(selected_, v)) emit changed(); }
void AlternativesModel::setAnchorBefore(const QString& v) { if (assign(anchorBefore_, v)) emit changed(); }
void AlternativesModel::setWordPrefix(const QString& v) { if (assign(wordPrefix_, v)) emit changed(); }
void AlternativesModel::setHint(const QString& v) { if (assign(hint_, v)) emit changed(); }

QString AlternativesModel::displayText(const QString& item) const
{
    const QString trimmed = chars::trimSpacesAndTabs(item).toString();
    if (item.isEmpty())
        return trimmed;
    const char32_t first = item.toUcs4().value(0);
    if (!QChar::isLetterOrNumber(first))
        return trimmed;
    return wordPrefix_ + trimmed;
}

AlternativesPanel::AlternativesPanel(const OverlayScreens& screens, QObject* parent)
    : QObject(parent), screens_(screens), view_(std::make_unique<ListPanelView>(kWidth))
{
    view_->setWindowTitle(QStringLiteral("Tessaquill alternatives"));
    view_->rowCount = [this] { return int(model_.items().size()); };
    view_->row = [this](int i) { return ListRow{QString(), model_.displayText(model_.items().at(i)), Qt::ElideRight, 13}; };
    view_->selected = [this] { return model_.selected(); };
    view_->badge = [this] { return model_.hint(); };
    connect(&model_, &AlternativesModel::changed, view_.get(), &ListPanelView::refresh);
}

AlternativesPanel::~AlternativesPanel() = default;

QWidget* AlternativesPanel::window() const { return view_.get(); }

bool AlternativesPanel::isVisible() const { return view_->isVisible(); }

void AlternativesPanel::show(const QStringList& items, const QString& anchorBefore, const QString& wordPrefix,
                             const QString& hint, const QRectF& caretRect)
{
    if (items.isEmpty()) {
        hide();
        return;
    }
    model_.setItems(items);
    model_.setSelected(0);
    model_.setAnchorBefore(anchorBefore);
    model_.setWordPrefix(wordPrefix);
    model_.setHint(hint);
    listpanel::placeAtCaret(screens_, view_.get(), caretRect, int(items.size()), kWidth);
}

void AlternativesPanel::hide()
{
    model_.setItems({});
    model_.setAnchorBefore(QString());
    view_->hide();
}

void AlternativesPanel::move(qint64 delta)
{
    model_.setSelected(listpanel::moved(model_.selected(), delta, model_.items().size()));
}

std::optional<QString> AlternativesPanel::selectedItem() const
{
    return listpanel::itemAt(model_.items(), model_.selected());
}

} // namespace tq
