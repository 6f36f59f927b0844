#pragma once
// The system-wide field source: follows the active application, watches its focused
// element through the accessibility interface, reads the text around the caret, locates the
// caret on screen and inserts text.

#include "field/AXElement.h"
#include "field/FieldSource.h"
#include "field/RestartHint.h"
#include "field/TextInjecting.h"
#include "platform/ActiveApp.h"
#include "platform/Clock.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tq {

class ScreenGeometry;

class AXFieldSource final : public QObject, public FieldSource {
    Q_OBJECT
public:
    enum class Change { app, focus, value };

    // One piece of visible static text near the field (frame in the screen space).
    struct TextRun {
        QString text;
        QRectF frame;
        AXElement element; // not compared
        friend bool operator==(const TextRun& a, const TextRun& b) { return a.text == b.text && a.frame == b.frame; }
    };

    struct Caret {
        std::optional<QRectF> rect;
        std::optional<double> lineStartX;
    };

    struct Estimate {
        QRectF caret;
        double lineStartX = 0;
        double fontSize = 0;
    };

    // Layout candidate of a wrapped run: row from the top, caret x in the row, widest row.
    struct LayoutCandidate {
        int row = 0;
        double caretX = 0;
        double widest = 0;
    };

    // Messaging time-out of every element of a watched application.
    static constexpr double kMessagingTimeout = 0.25;
    // The waits of the attach retries, in milliseconds.
    static constexpr int kRetryDelays[] = {300, 700, 1500, 3000, 5000, 8000};
    static constexpr int kBeforeLimit = 3000;
    static constexpr int kAfterLimit = 500;

    // `injector` may be set later; `screen` flips the accessibility rectangles.
    AXFieldSource(TextInjecting* injector, Accessibility& accessibility, ActiveApp& workspace, ScreenGeometry& screen,
                  Clock& clock, QObject* parent = nullptr);
    ~AXFieldSource() override;

    std::function<void(Change)> onChange;
    // The restart hint changed.
    std::function<void()> onRestartHintChanged;

    void setInjector(TextInjecting* injector) { injector_ = injector; }
    // Follows activations and attaches to the frontmost application.
    void start();
    // Detaches, then attaches to the process (nothing for nullopt or a process that is gone).
    void attach(std::optional<qint64> pid);

    // FieldSource
    std::optional<FieldSnapshot> snapshot() override;
    void insert(const QString& text, InsertionMethod mode) override;
    void deleteBackward(int count) override;
    std::optional<QString> whyNoField() const override { return whyNoField_; }
    // Set while the last snapshot found a program built on Chromium sharing no text.
    const std::optional<RestartHint>& restartHint() const { return restartHint_; }

    // State, for the application model and tests.
    const std::optional<RunningApplication>& app() const { return app_; }
    const AXElement& appElement() const { return appElement_; }
    const AXElement& watched() const { return watched_; }
    bool hasObserver() const { return bool(observer_); }
    bool isRetrying() const { return retry_.isActive(); }
    std::optional<QString> focusDomain() const { return focusDomain_; }
    std::optional<QString> focusWindowTitle() const { return focusWindowTitle_; }
    const QSet<qint64>& webAccessibilityEnabled() const { return webAccessibilityEnabled_; }

    // Reading, pure over an element.
    struct TextRead {
        QString before;    // zero-width characters removed
        QString after;
        QString rawBefore; // as the field holds it: positions are counted in this one
        qint64 location = 0;
    };
    static std::optional<TextRead> readText(const AXElement& element, qint64 location, qint64 length);
    static QString removingZeroWidth(const QString& text);
    static bool containsRightToLeft(QStringView text);
    static std::optional<QString> siteHost(const AXElement& focused);
    static std::optional<QString> windowTitle(const AXElement& appElement);
    static bool isTextField(const AXElement& element, const QString& role);

    // Text markers.
    struct MarkerSelection {
        AXElement holder;
        AXTextMarkerRange selected;
        AXTextMarkerRange elementRange;
    };
    static std::optional<std::pair<AXElement, AXTextMarkerRange>> markerHolder(const AXElement& element);
    static std::optional<MarkerSelection> markerSelection(const AXElement& element);
    static std::optional<qint64> markerCaretPosition(const AXElement& element, const MarkerSelection& selection, const QString& before);

    // Caret location.
    static Caret caretRect(const AXElement& element, qint64 location, const QString& before);
    static std::optional<QRectF> newLineProbe(const AXElement& element, qint64 location, const QString& before);
    static std::optional<QRectF> combineWithPreviousLine(std::optional<QRectF> empty, std::optional<QRectF> prevLine, std::optional<double> x);
    static Caret markerCaret(const AXElement& element, qint64 location, const QString& before);
    static std::optional<QRectF> markerBounds(const AXElement& holder, const AXTextMarkerRange& range, std::optional<QRectF> fieldFrame);
    static bool plausibleBox(const QRectF& box, std::optional<QRectF> reference);
    static std::optional<double> lineStartX(const AXElement& element, qint64 location, const QString& before, const QRectF& caret);
    static std::pair<std::optional<double>, std::optional<QString>> readFont(const AXElement& element, qint64 location);
    static std::optional<Estimate> estimateCaret(const QString& before, const QString& after, std::optional<double> fontSize,
                                                 const std::optional<QString>& fontName, const QRectF& fieldFrame);
    static void logField(const QString& line);
    static void resetFieldLog();

    // Caret from visible text runs.
    static Caret textRuns(const AXElement& holder, const AXTextMarker& end, const QString& before);
    static std::vector<TextRun> collectRuns(const AXElement& element, int depth = 0);
    static QRectF runCaret(const std::vector<TextRun>& runs, const QRectF& containerFrame, const QString& before,
                           const std::function<std::vector<qsizetype>(const TextRun&)>& rowStarts);
    static std::vector<qsizetype> markerLineProbe(const AXElement& holder, const AXTextMarker& end, const AXElement& runElement);
    static QRectF wrappedRowsCaret(const TextRun& run, int offset, const std::vector<qsizetype>& rowStarts, double leastWidth,
                                   double lineHeight);
    static std::vector<LayoutCandidate> fittingLayouts(double width, bool strict, const QString& text, qsizetype c, int rows,
                                                       const std::vector<qsizetype>& knownStarts);
    static std::optional<LayoutCandidate> layoutRows(double size, double width, const QString& text, qsizetype c,
                                                     std::vector<qsizetype>* lineStarts = nullptr, int* lineCount = nullptr);
    static double runsLeftEdge(const std::vector<TextRun>& runs, const QRectF& containerFrame);
    static QString runNote();
    static QString wrappedNote();

private:
    void detach();
    void refreshWatch();
    void enableWebAccessibility();
    void setRestartHint(std::optional<RestartHint> hint);
    void startRetry();
    void retryLook(qint64 pid, int index);
    void scheduleNextLook(qint64 pid, int index);
    void attachedLate(int index);
    void onNotification(const QString& notification);
    void report(Change change);
    QString label() const;

    TextInjecting* injector_;
    Accessibility& accessibility_;
    ActiveApp& workspace_;
    ScreenGeometry& screen_;
    Clock& clock_;
    bool started_ = false;

    std::optional<RunningApplication> app_;
    AXElement appElement_;
    std::unique_ptr<AccessibilityObserver> observer_;
    AXElement watched_;
    std::optional<QString> focusDomain_;
    std::optional<QString> focusWindowTitle_;
    QSet<qint64> webAccessibilityEnabled_;
    std::optional<QString> whyNoField_;
    std::optional<RestartHint> restartHint_;
    Timer retry_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    struct RememberedFont {
        QString fieldKey;
        double size = 0;
        std::optional<QString> name;
    };
    std::optional<RememberedFont> rememberedFont_;
};

} // namespace tq
