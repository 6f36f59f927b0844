#pragma once

#include "platform/StatusNotifierItem.h"

namespace tq {

// Records what the item would show; a test emits the host's clicks itself.
class FakeStatusNotifierItem final : public StatusNotifierItem {
public:
    void publish() override { published_ = true; }
    void withdraw() override { published_ = false; }
    bool published() const override { return published_; }
    void setIcon(const QList<QImage>& sizes) override { icon = sizes; }
    void setToolTip(const QString& t, const QString& b) override
    {
        title = t;
        body = b;
    }
    void setLabel(const QString& l, const QString& g) override
    {
        label = l;
        guide = g;
    }

    QList<QImage> icon;
    QString title, body, label, guide;

private:
    bool published_ = false;
};

} // namespace tq
