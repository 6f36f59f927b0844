#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QBoxLayout;
class QLabel;

namespace tq {

// One row of the setup card or the ready card: icon, title, detail, note and buttons, side by
// side when wide and stacked when narrow.
class SetupRowView final : public QWidget {
    Q_OBJECT
public:
    explicit SetupRowView(QWidget* parent = nullptr);
    void setIcon(QWidget* icon);
    void setTexts(const QString& title, const QString& detail, const QString& note);
    void setButtons(const QList<QAbstractButton*>& buttons);
    QString title() const;
    QList<QAbstractButton*> buttons() const { return buttons_; }
    // Called with the note or the button row when it turns up.
    std::function<void(QWidget*)> onAppear;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* iconSlot_;
    QLabel* title_;
    QLabel* detail_;
    QLabel* note_;
    QWidget* noteRow_;
    QWidget* actions_;
    QBoxLayout* outer_;
    QList<QAbstractButton*> buttons_;
};

} // namespace tq
