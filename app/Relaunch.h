#pragma once
// Starts this program again (a new process with the given arguments) and ends the running one
// through its own quit path, after the stores are written.

#include "services/AppLanguage.h"

#include <functional>

namespace tq {

class AppModel;

class AppRelauncher final : public Relauncher {
public:
    // `quit` ends the process the way Quit does; `program` is this program's file.
    AppRelauncher(AppModel& model, std::function<void()> quit, QString program);

    void flushStores() override;
    bool startNewInstance(const QStringList& arguments, QString* error) override;
    void quit() override;

private:
    AppModel& model_;
    std::function<void()> quit_;
    QString program_;
};

} // namespace tq
