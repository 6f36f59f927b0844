#include "ui/settings/AddWebsiteDialog.h"

#include "platform/Text.h"
#include "settings/SiteNames.h"
#include "look/Palette.h"
#include "ui/design/Theme.h"
#include "ui/settings/AppsLogic.h"
#include "ui/settings/AppsSheet.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

AddWebsiteDialog::AddWebsiteDialog(const QString& typed, MotionContext& motion, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(text("Add a website"));
    applyInkTheme(this);
    setWindowModality(Qt::WindowModal);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(14);
    column->addWidget(makeLabel(text("Add a website"), fonts::font(fonts::Role::body, QFont::DemiBold), palette::paper(), false, this));
    field_ = new QLineEdit(typed, this);
    field_->setAccessibleName(text("Domain"));
    field_->setPlaceholderText(QStringLiteral("wikipedia.org"));
    field_->setFixedWidth(300);
    column->addWidget(field_);
    problem_ = makeLabel(QString(), fonts::Role::callout, palette::orange(), true, this);
    problem_->setObjectName(QStringLiteral("siteProblem"));
    problem_->setFixedWidth(300);
    problem_->hide();
    column->addWidget(problem_);
    column->addWidget(makeLabel(text("Rules for a site apply in any browser %app can read."), fonts::Role::callout, palette::paperDim(), true, this));
    add_ = addSheetButtons(this, column, motion);
    // Return is the sheet's own: it never reaches Cancel as a default button.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    // The sheet follows its content, so a refusal that wraps pushes the hint down.
    column->setSizeConstraint(QLayout::SetFixedSize);
    connect(field_, &QLineEdit::textChanged, this, [this] { check(false); });
    connect(add_, &QAbstractButton::clicked, this, &AddWebsiteDialog::submit);
    check(false);
}

void AddWebsiteDialog::check(bool submitted)
{
    const SiteName site = checkSiteName(field_->text(), submitted);
    add_->setEnabled(site.host.has_value());
    problem_->setText(site.problem.isEmpty() ? QString() : QStringLiteral("⚠ ") + site.problem);
    problem_->setAccessibleName(site.problem);
    problem_->setFixedHeight(site.problem.isEmpty() ? 0 : problem_->heightForWidth(problem_->width()));
    problem_->setVisible(!site.problem.isEmpty());
}

void AddWebsiteDialog::submit()
{
    if (normalizedDomain(field_->text()))
        accept();
    else
        check(true);
}

void AddWebsiteDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        submit();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString AddWebsiteDialog::problem() const
{
    return problem_->accessibleName();
}

QString AddWebsiteDialog::typed() const
{
    return field_->text();
}

} // namespace tq
