#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QAbstractButton;

namespace tq {

class MotionContext;

// "Add a website": a domain field, Cancel and Add.
class AddWebsiteDialog final : public QDialog {
    Q_OBJECT
public:
    AddWebsiteDialog(const QString& typed, MotionContext& motion, QWidget* parent);
    QString typed() const;
    QLineEdit* field() const { return field_; }

private:
    QLineEdit* field_;
    QLabel* problem_;
    QAbstractButton* add_;
};

} // namespace tq
