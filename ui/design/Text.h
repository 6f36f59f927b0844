#pragma once
// Labels on ink: a step of the type ladder and a colour that dims to 0.45 of itself when the
// label is disabled.

#include "ui/design/Fonts.h"

#include <QColor>
#include <QFont>
#include <QLabel>

#include <functional>

namespace tq {

QLabel* makeLabel(const QString& text, fonts::Role role, const QColor& colour, bool wrap = false,
                  QWidget* parent = nullptr);
// With a weight or face other than the role's own, or an exact size of the ladder.
QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, bool wrap = false,
                  QWidget* parent = nullptr);
// The text colour of a label, check box or radio button, dimmed when it is disabled.
void setLabelColour(QWidget* label, const QColor& colour);

// Wraps `text` into at most `maxLines` lines of `width`; the last line is elided, and so is a
// line of one word too long for the width (at its end, never cut at both sides). `cut` tells
// whether anything was elided.
QStringList wrapLines(const QString& text, const QFont& font, double width, int maxLines, bool* cut = nullptr);

// `words` with their middle left out: the first `head` and the last `tail`, joined by " … ".
QString wordsAround(const QStringList& words, qsizetype head, qsizetype tail);

// `whole` shortened until `fits` takes it by leaving out the middle of `part`, a piece of it (a
// list of names): whole words first, down to one, then letters as the reader sees them
// (graphemes). `whole` when it fits or `part` is not in it; the shortest try when nothing fits.
QString shortenPart(const QString& whole, const QString& part, const std::function<bool(const QString&)>& fits);

// A label cut to fit its width: one line elided by `mode`, or up to `maxLines` wrapped lines
// with the last one elided. The full text stays its tooltip-free accessible name.
class ElidedLabel final : public QLabel {
    Q_OBJECT
public:
    ElidedLabel(const QString& text, const QFont& font, const QColor& colour, Qt::TextElideMode mode, int maxLines = 1,
                QWidget* parent = nullptr);
    void setFullText(const QString& text);
    QString fullText() const { return full_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();
    QString full_;
    Qt::TextElideMode mode_;
    int maxLines_;
};

} // namespace tq
