#include "ui/settings/AddAppDialog.h"

#include "platform/Text.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Theme.h"
#include "ui/settings/AppsSheet.h"
#include "ui/settings/RuleRowDelegate.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {
QIcon symbolIcon(const QString& name)
{
    return symbols::icon(name, palette::paperDim());
}
} // namespace

AddAppDialog::AddAppDialog(const QList<DesktopApp>& apps, MotionContext& motion, QWidget* parent)
    : QDialog(parent), apps_(apps)
{
    setWindowTitle(text("Add App…"));
    applyInkTheme(this);
    setWindowModality(Qt::WindowModal);
    resize(360, 440);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(12);
    column->addWidget(makeLabel(text("Add an app"), fonts::font(fonts::Role::body, QFont::DemiBold), palette::paper(), false, this));
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(text("Search"));
    search_->setAccessibleName(text("Search"));
    column->addWidget(search_);
    list_ = new QListWidget(this);
    list_->setAccessibleName(text("Installed applications"));
    list_->setIconSize(QSize(20, 20));
    column->addWidget(list_, 1);
    add_ = addSheetButtons(this, column, motion);
    connect(search_, &QLineEdit::textChanged, this, &AddAppDialog::filter);
    connect(search_, &QLineEdit::returnPressed, add_, &QAbstractButton::click);
    connect(add_, &QAbstractButton::clicked, this, [this] {
        if (chosen())
            accept();
    });
    connect(list_, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { add_->setEnabled(chosen().has_value()); });
    filter();
}

void AddAppDialog::filter()
{
    const QString q = search_->text().trimmed().toLower();
    list_->clear();
    for (int i = 0; i < apps_.size(); ++i) {
        const DesktopApp& app = apps_[i];
        if (!q.isEmpty() && !app.name.toLower().contains(q) && !app.id.toLower().contains(q))
            continue;
        QIcon icon = desktopIcon(app.icon);
        if (icon.isNull())
            icon = symbolIcon(QStringLiteral("app.dashed"));
        auto* item = new QListWidgetItem(icon, app.name, list_);
        item->setData(keyRole, i);
        item->setToolTip(app.id);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    add_->setEnabled(chosen().has_value());
}

std::optional<DesktopApp> AddAppDialog::chosen() const
{
    const QListWidgetItem* item = list_->currentItem();
    if (!item)
        return std::nullopt;
    return apps_.value(item->data(keyRole).toInt());
}

} // namespace tq
