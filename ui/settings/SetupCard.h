#pragma once

#include "ui/settings/SetupItems.h"

#include <QWidget>

#include <map>
#include <optional>

class QLabel;
class QVBoxLayout;

namespace tq {

class InkProgressBar;
class RollingFigure;
class SetupRowView;
struct SettingsContext;

class SetupCard final : public QWidget {
    Q_OBJECT
public:
    explicit SetupCard(SettingsContext& context, QWidget* parent = nullptr);
    void refresh();
    SetupRowView* row(SetupItem item) const;
    QString doneText() const;

private:
    void act(SetupAction action);
    struct RowState {
        SetupRowView* view = nullptr;
        std::optional<SetupProgress> shown;
        bool startedOpen = false;
    };
    SettingsContext& c_;
    RollingFigure* done_;
    int shownDone_ = -1;
    InkProgressBar* bar_;
    QVBoxLayout* rows_;
    std::map<SetupItem, RowState> state_;
};

} // namespace tq
