#pragma once

#include "platform/TrayHost.h"
#include "platform/fakes/FakeStatusNotifierItem.h"

namespace tq {

class FakeTrayHost final : public TrayHost {
public:
    explicit FakeTrayHost(bool running = true) : kind_(running ? TrayKind::xembed : TrayKind::none) {}
    TrayKind kind() const override { return kind_; }
    bool showsLabels() const override { return kind_ == TrayKind::statusNotifier && labels; }
    TrayHelp help() const override { return trayHelp; }
    FakeStatusNotifierItem& statusNotifierItem() override { return item; }

    // An XEmbed tray, or none.
    void setRunning(bool running) { setKind(running ? TrayKind::xembed : TrayKind::none); }
    void setKind(TrayKind kind)
    {
        if (kind_ == kind)
            return;
        const bool was = running();
        kind_ = kind;
        emit kindChanged(kind);
        if (running() != was)
            emit runningChanged(running());
    }

    bool labels = true; // a StatusNotifier host that shows labels
    TrayHelp trayHelp = TrayHelp::panelApplet;
    FakeStatusNotifierItem item;

private:
    TrayKind kind_;
};

} // namespace tq
