#pragma once
// What the completion engine is doing or why it holds.

#include <QString>

namespace tq {

struct EngineStatus {
    enum class Kind { blocked, failed, idle, waiting, thinking, showing };
    Kind kind = Kind::idle;
    QString text; // blocked and failed only

    static EngineStatus blocked(const QString& text) { return {Kind::blocked, text}; }
    static EngineStatus failed(const QString& text) { return {Kind::failed, text}; }
    static EngineStatus idle() { return {Kind::idle, {}}; }
    static EngineStatus waiting() { return {Kind::waiting, {}}; }
    static EngineStatus thinking() { return {Kind::thinking, {}}; }
    static EngineStatus showing() { return {Kind::showing, {}}; }

    // The carried text, or "Ready", "Waiting for a pause", "Thinking", "Showing a suggestion".
    QString label() const;
    bool is(Kind k) const { return kind == k; }
    friend bool operator==(const EngineStatus& a, const EngineStatus& b)
    {
        if (a.kind != b.kind)
            return false;
        return (a.kind != Kind::blocked && a.kind != Kind::failed) || a.text == b.text;
    }
};

} // namespace tq
