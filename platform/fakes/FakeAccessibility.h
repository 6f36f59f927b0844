#pragma once
// In-memory accessibility: elements with attribute maps and an optional text model laid out
// in a fixed grid (every character charWidth wide, rows lineHeight high, "\n" breaks rows),
// applications by process id, observers that tests fire notifications through.

#include "platform/Accessibility.h"

#include <QSet>

#include <functional>
#include <map>
#include <vector>

namespace tq {

class FakeElement final : public AccessibilityNode, public std::enable_shared_from_this<FakeElement> {
public:
    FakeElement(qint64 pid, QString role);

    // Explicit attributes win over the ones the text model derives.
    QVariantMap attributes;
    std::map<QString, std::function<QVariant(const QVariant&)>> parameterized;
    QSet<QString> settable;
    bool settableQueryFails = false;
    bool refusesSet = false;
    // Called for every successful set (after the value was stored).
    std::function<void(const QString&, const QVariant&)> onSet;

    // Text model; without text the element has none of the text attributes.
    std::optional<QString> text;
    AXRange selection;
    QRectF frame;             // top-left space, also "AXPosition"/"AXSize" when set
    double charWidth = 8;
    double lineHeight = 16;
    bool answersRanges = true; // "AXNumberOfCharacters" and "AXStringForRange"
    bool answersBounds = true; // "AXBoundsForRange"
    std::optional<double> fontSize;
    QString fontName;
    // Replaces the grid bounds when set; nullopt means no answer.
    std::function<std::optional<QRectF>(AXRange)> boundsFor;

    int messages = 0;
    double timeout = 0;
    qint64 pid;
    qint64 hashValue;

    QVariant attribute(const QString& name) override;
    QVariant parameterizedAttribute(const QString& name, const QVariant& parameter) override;
    std::optional<bool> isSettable(const QString& name) override;
    bool setAttribute(const QString& name, const QVariant& value) override;
    void setMessagingTimeout(double seconds) override { timeout = seconds; }
    qint64 hash() const override { return hashValue; }
    qint64 processId() const override { return pid; }
    bool isSameAs(const AccessibilityNode& other) const override { return &other == this; }

    AccessibilityElement element() { return AccessibilityElement(shared_from_this()); }
    // Makes `child` one of this element's children and this its parent.
    void addChild(const std::shared_ptr<FakeElement>& child);
    // Grid box of one UTF-16 position (top-left space).
    QRectF gridBox(qint64 position, bool empty) const;

private:
    QVariantList children_;
};

std::shared_ptr<FakeElement> makeFakeElement(qint64 pid, const QString& role);

class FakeAccessibility final : public Accessibility {
public:
    std::map<qint64, AccessibilityElement> apps;
    bool trusted = true;
    bool secureInput = false;
    bool observersFail = false;
    int observersCreated = 0;

    AccessibilityElement application(qint64 pid) override;
    std::unique_ptr<AccessibilityObserver> createObserver(qint64 pid, AXNotificationHandler handler) override;
    bool isProcessTrusted() override { return trusted; }
    bool isSecureInputEnabled() override { return secureInput; }
    // When set, readElsewhere() hands its work to it.
    std::function<bool(std::function<void(Accessibility&)>)> elsewhere;
    bool readElsewhere(std::function<void(Accessibility&)> work) override { return elsewhere && elsewhere(std::move(work)); }
    // While set, the bus is out of reach for this reason.
    std::optional<QString> problem;
    std::optional<QString> connectionProblem() override { return problem; }
    std::vector<std::function<void()>> reconnectHandlers;
    void whenReconnected(std::function<void()> handler) override { reconnectHandlers.push_back(std::move(handler)); }
    // The bus is back: the problem goes and every handler runs.
    void reconnect()
    {
        problem.reset();
        for (const auto& h : reconnectHandlers)
            h();
    }

    // Delivers a notification from `element` to every observer registered for it (the
    // focus notifications reach registrations on the application element).
    void post(const AccessibilityElement& element, const QString& notification);
    // Registrations of (element, notification) over all live observers.
    int registrations(const AccessibilityElement& element, const QString& notification) const;

    class Observer;
    std::vector<Observer*> live;
};

} // namespace tq
