#include "ui/settings/RuleRowDelegate.h"

#include "look/Palette.h"
#include "ui/design/Fonts.h"
#include "ui/settings/AppsLogic.h"
#include "ui/settings/SettingsStyle.h"

#include <QPainter>
#include <QStyle>

namespace tq {

QSize RuleRowDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    return {200, index.data(headerRole).toBool() ? 26 : 30};
}

void RuleRowDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QRect r = option.rect.adjusted(6, 0, -6, 0);
    // Laid out left to right, then mirrored within the row in a right-to-left interface.
    const Qt::LayoutDirection dir = option.direction;
    const auto place = [&](const QRectF& box) {
        return dir == Qt::RightToLeft ? QRectF(r.left() + r.right() - box.right() + 1, box.top(), box.width(), box.height()) : box;
    };
    const Qt::Alignment leading = QStyle::visualAlignment(dir, Qt::AlignLeft) | Qt::AlignAbsolute;
    const Qt::Alignment trailing = QStyle::visualAlignment(dir, Qt::AlignRight) | Qt::AlignAbsolute;
    if (index.data(headerRole).toBool()) {
        p->setFont(fonts::font(fonts::Role::subheadline, QFont::DemiBold));
        p->setPen(palette::paperDim());
        p->drawText(place(QRectF(r.adjusted(4, 6, 0, 0))), leading | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
        p->restore();
        return;
    }
    if (option.state & QStyle::State_Selected) {
        p->setPen(Qt::NoPen);
        p->setBrush(palette::inkHighlight());
        p->drawRoundedRect(QRectF(r), 6, 6);
    } else if (option.state & QStyle::State_MouseOver) {
        p->setPen(Qt::NoPen);
        p->setBrush(QColor::fromRgbF(1, 1, 1, 0.05f));
        p->drawRoundedRect(QRectF(r), 6, 6);
    }
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(p, place(QRectF(r.left() + 6, r.center().y() - 9, 18, 18)).toRect());
    double right = r.right() - 6;
    p->setFont(fonts::font(fonts::Role::callout, fonts::Face::tabularDigits));
    const qint64 words = index.data(wordsRole).toLongLong();
    if (words > 0) {
        const QString n = compactCount(words);
        const int w = p->fontMetrics().horizontalAdvance(n);
        p->setPen(palette::paperDim());
        p->drawText(place(QRectF(right - w, r.top(), w, r.height())), Qt::AlignVCenter | trailing, n);
        right -= w + 6;
    }
    const int badge = index.data(badgeRole).toInt();
    if (badge != int(RowBadge::none)) {
        paintSymbol(*p, badge == int(RowBadge::paused) ? QStringLiteral("pause.circle") : QStringLiteral("nosign"),
                    place(QRectF(right - 13, r.center().y() - 6.5, 13, 13)), palette::paperDim());
        right -= 19;
    }
    const QString key = index.data(keyRole).toString();
    p->setFont(fonts::font(fonts::Role::body));
    p->setPen(palette::paper());
    const QRectF nameRect(r.left() + 32, r.top(), std::max(0.0, right - 4 - (r.left() + 32)), r.height());
    const QString name = p->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(),
                                                     isWebKey(key) ? Qt::ElideMiddle : Qt::ElideRight, int(nameRect.width()));
    p->drawText(place(nameRect), Qt::AlignVCenter | leading, name);
    p->restore();
}

} // namespace tq
