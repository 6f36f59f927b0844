#pragma once
// The context sections of one prompt, as the context collector fills them.

#include <QString>
#include <QStringList>

#include <optional>

namespace tq {

struct PromptContext {
    std::optional<QString> appName;
    std::optional<QString> windowTitle;
    std::optional<QString> domain;
    std::optional<QString> clipboard;
    std::optional<QString> screenText;
    std::optional<QString> nearbyText;
    std::optional<QString> aboutWriter;
    QStringList examples;
    std::optional<QString> recentText;
    std::optional<QString> writerName;
    std::optional<QString> now;

    friend bool operator==(const PromptContext&, const PromptContext&) = default;
};

} // namespace tq
