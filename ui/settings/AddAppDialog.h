#pragma once

#include "platform/InstalledApps.h"

#include <QDialog>
#include <QList>

#include <optional>

class QLineEdit;
class QListWidget;
class QAbstractButton;

namespace tq {

class MotionContext;

// "Add App…": the installed applications with their icons, searchable.
class AddAppDialog final : public QDialog {
    Q_OBJECT
public:
    AddAppDialog(const QList<DesktopApp>& apps, MotionContext& motion, QWidget* parent);
    std::optional<DesktopApp> chosen() const;
    QLineEdit* search() const { return search_; }
    QListWidget* list() const { return list_; }

private:
    void filter();
    QList<DesktopApp> apps_;
    QLineEdit* search_;
    QListWidget* list_;
    QAbstractButton* add_;
};

} // namespace tq
