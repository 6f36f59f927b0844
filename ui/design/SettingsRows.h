#pragma once
// The rows of the settings panes: the pane form with its sections, toggle rows, rows with a
// trailing control, the disclosure row and the engine status line.

#include "ui/design/Animation.h"
#include "ui/design/HandToggle.h"

#include <QScrollArea>
#include <QWidget>

#include <functional>

class QLabel;
class QVBoxLayout;

namespace tq {

// One group of rows on a raised card, with an optional header above and footer below.
class FormSection final : public QWidget {
    Q_OBJECT
public:
    FormSection(const QString& header, const QString& footer, QWidget* parent = nullptr);
    void addRow(QWidget* row);
    // Shows or hides a row added before, with the hairline above it.
    void setRowVisible(QWidget* row, bool visible);
    void setFooter(const QString& footer);
    int rowCount() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* card_;
    QVBoxLayout* rows_;
    QLabel* footer_;
};

// The scrolling form every pane puts its sections in.
class PaneForm final : public QScrollArea {
    Q_OBJECT
public:
    explicit PaneForm(QWidget* parent = nullptr);
    FormSection* addSection(const QString& header = {}, const QString& footer = {});
    // Adds any widget between sections.
    void addWidget(QWidget* widget);
    QVBoxLayout* contentLayout() const { return layout_; }

private:
    QVBoxLayout* layout_;
};

// A toggle row: title, and under it the explanation in the secondary colour.
class SettingToggle final : public HandToggle {
    Q_OBJECT
public:
    SettingToggle(const QString& title, const QString& detail, MotionContext& motion, QWidget* parent = nullptr);
    QLabel* titleLabel() const { return title_; }
    QLabel* detailLabel() const { return detail_; }

private:
    QLabel* title_;
    QLabel* detail_;
};

// A row of a title, an optional detail and a trailing control.
class SettingRow final : public QWidget {
    Q_OBJECT
public:
    SettingRow(const QString& title, const QString& detail, QWidget* trailing, QWidget* parent = nullptr);
    QLabel* titleLabel() const { return title_; }
    QLabel* detailLabel() const { return detail_; } // nullptr without detail
    QWidget* trailing() const { return trailing_; }

private:
    QLabel* title_;
    QLabel* detail_ = nullptr;
    QWidget* trailing_;
};

// A row that folds its content in and out. Closed at first; setExpanded() opens it from
// outside, `expandedChanged` tells the owner.
class RowDisclosure final : public QWidget {
    Q_OBJECT
public:
    RowDisclosure(const QString& title, QWidget* content, MotionContext& motion, QWidget* parent = nullptr);
    ~RowDisclosure() override;
    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);
    QAbstractButton* header() const { return header_; }
    QWidget* content() const { return content_; }

signals:
    void expandedChanged(bool expanded);

private:
    void applyHeight();
    MotionContext& motion_;
    QAbstractButton* header_;
    QWidget* content_;
    AnimatedValue openness_;
    FrameClock::ListenerId listener_ = 0;
    bool expanded_ = false;
};

// What a status line shows: the state and its text.
struct StatusView {
    enum class Kind { ready, unavailable, unknown, checking };
    Kind kind = Kind::unknown;
    QString label;
    bool operator==(const StatusView&) const = default;
};

// An engine's status (its kind() names the same four states, label() its text) as a status
// line shows it.
template <typename Status>
StatusView statusView(const Status& status)
{
    using From = decltype(status.kind());
    static_assert(int(From::ready) == int(StatusView::Kind::ready) && int(From::checking) == int(StatusView::Kind::checking));
    return {StatusView::Kind(int(status.kind())), status.label()};
}

// An engine's status: a symbol (or a small spinner while checking) and its label, at most
// two lines. One accessible element.
class StatusLine final : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(MotionContext& motion, QWidget* parent = nullptr);
    void setStatus(const StatusView& status);
    template <typename Status>
    void setStatus(const Status& status)
    {
        setStatus(statusView(status));
    }
    const StatusView& status() const { return status_; }
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // The symbol's name for a kind ("" while checking: a spinner is drawn).
    static QString symbolFor(StatusView::Kind kind);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void spin();
    MotionContext& motion_;
    FrameDriver driver_;
    StatusView status_;
};

} // namespace tq
