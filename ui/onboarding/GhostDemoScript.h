#pragma once
// The welcome step's looping example as a pure function of time: a sentence typed with an
// irregular rhythm, a grey suggestion blooming in, Tab taking it word by word, a blinking
// caret and a fade, then the scene again. Any moment can be drawn from the elapsed time.

#include <QList>
#include <QString>

namespace tq {

struct GhostDemoState {
    int typedCount = 0;     // characters of the typed text shown
    double bloom = 0;       // 0…1
    double accepted = 0;    // characters of the ghost taken, fractional while animating
    double glow = 0;        // 0…1, the word just taken
    int chunkStart = 0;     // first character of the word just taken
    bool caretOn = true;
    double pressed = 0;     // 0…1, how far the Tab keycap is pressed
    double textOpacity = 1; // the text fades out at the end of a scene
    bool operator==(const GhostDemoState&) const = default;
};

class GhostDemoScript {
public:
    GhostDemoScript(QString typed, QString ghost);

    const QString& typed() const { return typed_; }
    const QString& ghost() const { return ghost_; }
    // Characters (user-visible) of each text.
    int typedLength() const { return typedBounds_.size() - 1; }
    int ghostLength() const { return ghostBounds_.size() - 1; }
    // The first `count` characters of the typed text.
    QString typedPrefix(int count) const;
    // Character index → UTF-16 offset in the ghost.
    qsizetype ghostOffset(int index) const;

    // Every index from 1 on whose character is a space, then the ghost's length.
    const QList<int>& wordStops() const { return stops_; }
    // The pause after typing character `index` (a space 0.11 s, else 0.035–0.075 s).
    static double typingPause(int index, bool isSpace);

    // Seconds of one scene; the scene repeats.
    double sceneLength() const;
    // The state `seconds` after the animation started.
    GhostDemoState at(double seconds) const;
    // The still picture under Reduce Motion: whole sentence, whole suggestion, caret after it.
    GhostDemoState still() const;

private:
    QString typed_;
    QString ghost_;
    QList<qsizetype> typedBounds_;
    QList<qsizetype> ghostBounds_;
    QList<int> stops_;
    QList<double> typedAt_; // when character i appears
    double bloomAt_ = 0;
    double wordsAt_ = 0;
    double blinkAt_ = 0;
    double fadeAt_ = 0;
};

} // namespace tq
