#pragma once
// The accessibility interface as the field code reads it: elements of other applications
// with attributes and parameterised attributes by their AX names, settable attributes, an
// observer per process with AX notification names, messaging time-outs and process trust.
//
// Values travel as QVariant: QString, qint64 numbers, bool, AXRange, QPointF ("AXPosition"),
// QSizeF ("AXSize"), QRectF (bounds, top-left screen space), QUrl, AccessibilityElement,
// QVariantList of elements ("AXChildren"), AXAttributedString, AXTextMarker and
// AXTextMarkerRange. An invalid QVariant is a failed or missing read.
// Text positions are UTF-16 code units; a range never splits a surrogate pair.

#include <QMetaType>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

namespace ax {
// Attributes.
inline constexpr auto kRole = "AXRole";
inline constexpr auto kSubrole = "AXSubrole";
inline constexpr auto kValue = "AXValue";
inline constexpr auto kTitle = "AXTitle";
inline constexpr auto kParent = "AXParent";
inline constexpr auto kChildren = "AXChildren";
inline constexpr auto kPosition = "AXPosition";
inline constexpr auto kSize = "AXSize";
inline constexpr auto kURL = "AXURL";
inline constexpr auto kFocusedUIElement = "AXFocusedUIElement";
inline constexpr auto kFocusedWindow = "AXFocusedWindow";
inline constexpr auto kFocused = "AXFocused";
inline constexpr auto kNumberOfCharacters = "AXNumberOfCharacters";
inline constexpr auto kSelectedTextRange = "AXSelectedTextRange";
inline constexpr auto kSelectedText = "AXSelectedText";
inline constexpr auto kSelectedTextMarkerRange = "AXSelectedTextMarkerRange";
inline constexpr auto kManualAccessibility = "AXManualAccessibility";
inline constexpr auto kEnhancedUserInterface = "AXEnhancedUserInterface";
// The toolkit an application is built with, as its accessibility layer names it ("GTK", "Qt",
// "Chromium", "Gecko").
inline constexpr auto kToolkitName = "AXToolkitName";
// Parameterised attributes.
inline constexpr auto kStringForRange = "AXStringForRange";
inline constexpr auto kBoundsForRange = "AXBoundsForRange";
inline constexpr auto kAttributedStringForRange = "AXAttributedStringForRange";
inline constexpr auto kTextMarkerRangeForUIElement = "AXTextMarkerRangeForUIElement";
inline constexpr auto kStringForTextMarkerRange = "AXStringForTextMarkerRange";
inline constexpr auto kBoundsForTextMarkerRange = "AXBoundsForTextMarkerRange";
inline constexpr auto kPreviousTextMarkerForTextMarker = "AXPreviousTextMarkerForTextMarker";
inline constexpr auto kLineTextMarkerRangeForTextMarker = "AXLineTextMarkerRangeForTextMarker";
inline constexpr auto kPreviousLineStartTextMarkerForTextMarker = "AXPreviousLineStartTextMarkerForTextMarker";
inline constexpr auto kUIElementForTextMarker = "AXUIElementForTextMarker";
// Attributes of an attributed string's runs.
inline constexpr auto kFont = "AXFont";
inline constexpr auto kFontSize = "AXFontSize";
inline constexpr auto kFontName = "AXFontName";
// Roles and subroles.
inline constexpr auto kTextField = "AXTextField";
inline constexpr auto kTextArea = "AXTextArea";
inline constexpr auto kComboBox = "AXComboBox";
inline constexpr auto kSearchField = "AXSearchField";
inline constexpr auto kSecureTextField = "AXSecureTextField";
inline constexpr auto kStaticText = "AXStaticText";
inline constexpr auto kWebArea = "AXWebArea";
inline constexpr auto kButton = "AXButton";
inline constexpr auto kWindow = "AXWindow";
inline constexpr auto kApplication = "AXApplication";
inline constexpr auto kGroup = "AXGroup";
// Notifications.
inline constexpr auto kFocusedUIElementChanged = "AXFocusedUIElementChanged";
inline constexpr auto kFocusedWindowChanged = "AXFocusedWindowChanged";
inline constexpr auto kValueChanged = "AXValueChanged";
inline constexpr auto kSelectedTextChanged = "AXSelectedTextChanged";
} // namespace ax

// A character range in UTF-16 units.
struct AXRange {
    qint64 location = 0;
    qint64 length = 0;
    friend bool operator==(const AXRange&, const AXRange&) = default;
};

// An opaque position in a holder's text; only the holder that made it understands it.
struct AXTextMarker {
    QVariant token;
    friend bool operator==(const AXTextMarker& a, const AXTextMarker& b) { return a.token == b.token; }
};

struct AXTextMarkerRange {
    AXTextMarker start;
    AXTextMarker end;
    friend bool operator==(const AXTextMarkerRange&, const AXTextMarkerRange&) = default;
};

// Text with attribute runs; the font run carries ax::kFont → {ax::kFontSize, ax::kFontName}.
struct AXAttributedString {
    struct Run {
        qsizetype location = 0;
        qsizetype length = 0;
        QVariantMap attributes;
    };
    QString string;
    QList<Run> runs;
    // The attribute in force at a UTF-16 index; invalid when none.
    QVariant attribute(const QString& name, qsizetype index) const;
};

// One element of another application. Reads block for at most the element's messaging
// time-out per message; every failure is an invalid value.
class AccessibilityNode {
public:
    virtual ~AccessibilityNode() = default;
    virtual QVariant attribute(const QString& name) = 0;
    virtual QVariant parameterizedAttribute(const QString& name, const QVariant& parameter) = 0;
    // nullopt when the query itself failed.
    virtual std::optional<bool> isSettable(const QString& name) = 0;
    virtual bool setAttribute(const QString& name, const QVariant& value) = 0;
    virtual void setMessagingTimeout(double seconds) = 0;
    // Stable for the element's life: the same element read twice hashes the same.
    virtual qint64 hash() const = 0;
    virtual qint64 processId() const = 0;
    virtual bool isSameAs(const AccessibilityNode& other) const = 0;
    // False where the platform has no text markers at all, so that no walk looks for them.
    virtual bool providesTextMarkers() const { return true; }
};

// A shared handle to an element; empty when there is none.
class AccessibilityElement {
public:
    AccessibilityElement() = default;
    explicit AccessibilityElement(std::shared_ptr<AccessibilityNode> node) : node_(std::move(node)) {}
    bool isNull() const { return !node_; }
    explicit operator bool() const { return bool(node_); }
    AccessibilityNode* operator->() const { return node_.get(); }
    AccessibilityNode* node() const { return node_.get(); }
    friend bool operator==(const AccessibilityElement& a, const AccessibilityElement& b)
    {
        if (!a.node_ || !b.node_)
            return !a.node_ && !b.node_;
        return a.node_ == b.node_ || a.node_->isSameAs(*b.node_);
    }

private:
    std::shared_ptr<AccessibilityNode> node_;
};

using AXNotificationHandler = std::function<void(const AccessibilityElement& element, const QString& notification)>;

// Notifications of one process. An element registered for a notification hears it for
// itself; the application element hears the focus notifications of its whole process.
class AccessibilityObserver {
public:
    virtual ~AccessibilityObserver() = default;
    virtual bool add(const AccessibilityElement& element, const QString& notification) = 0;
    virtual void remove(const AccessibilityElement& element, const QString& notification) = 0;
};

class Accessibility {
public:
    virtual ~Accessibility() = default;
    // The application element of a process; empty when the process shows no accessibility
    // tree (not running, not registered, or started before accessibility was on).
    virtual AccessibilityElement application(qint64 pid) = 0;
    // nullptr when no observer can be made for the process.
    virtual std::unique_ptr<AccessibilityObserver> createObserver(qint64 pid, AXNotificationHandler handler) = 0;
    virtual bool isProcessTrusted() = 0;
    // True while another application holds the keyboard for secure entry.
    virtual bool isSecureInputEnabled() = 0;
    // Runs `work` on a thread of its own, one job after another, with an accessibility made
    // for that thread (reads only), so that a long walk never holds the caller. False when
    // there is no such thread; `work` then never runs.
    virtual bool readElsewhere(std::function<void(Accessibility&)> work)
    {
        (void)work;
        return false;
    }
    // While the accessibility bus cannot be reached (gone, restarting): why, for the log.
    virtual std::optional<QString> connectionProblem() { return std::nullopt; }
    // `handler` runs on this thread whenever the bus is reached again after being out of
    // reach: elements and observers made before then are dead, and made anew.
    virtual void whenReconnected(std::function<void()> handler) { (void)handler; }
};

// UTF-16 helpers shared by the implementations.
namespace utf16 {
// Moves a range inward so that neither end splits a surrogate pair.
AXRange clampToPairs(QStringView text, AXRange range);
} // namespace utf16

} // namespace tq

Q_DECLARE_METATYPE(tq::AXRange)
Q_DECLARE_METATYPE(tq::AXTextMarker)
Q_DECLARE_METATYPE(tq::AXTextMarkerRange)
Q_DECLARE_METATYPE(tq::AXAttributedString)
Q_DECLARE_METATYPE(tq::AccessibilityElement)
