#pragma once
// A row of the Apps & Sites list: icon, name, badge and words saved; section headers between.

#include <QStyledItemDelegate>

namespace tq {

// The item data the rule list's rows carry.
enum RuleRowRole { keyRole = Qt::UserRole + 1, badgeRole, wordsRole, headerRole };

class RuleRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace tq
