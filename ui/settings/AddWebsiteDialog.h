#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace tq {

class MotionContext;

// "Add a website": a domain field, Cancel and Add. Return adds the site, or says why it cannot.
class AddWebsiteDialog final : public QDialog {
    Q_OBJECT
public:
    AddWebsiteDialog(const QString& typed, MotionContext& motion, QWidget* parent);
    QString typed() const;
    QLineEdit* field() const { return field_; }
    // The refusal shown under the field; empty when none.
    QString problem() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void check(bool submitted);
    void submit();

    QLineEdit* field_;
    QLabel* problem_;
    QAbstractButton* add_;
};

} // namespace tq
