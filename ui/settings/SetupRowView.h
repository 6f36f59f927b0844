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
    // Called with the note, the button row or the old icon when it goes; `gone` hides or deletes
    // it. Without a handler it goes at once.
    std::function<void(QWidget* part, std::function<void()> gone)> onDisappear;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void disappear(QWidget* part, std::function<void()> gone);
    QWidget* iconSlot_;
    QLabel* title_;
    QLabel* detail_;
    QLabel* note_;
    QWidget* noteRow_;
    QWidget* actions_;
    QBoxLayout* outer_;
    QList<QAbstractButton*> buttons_;
    QList<QAbstractButton*> leaving_; // buttons fading out
    bool noteLeaving_ = false;
};

} // namespace tq
