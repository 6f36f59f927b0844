#include "ui/onboarding/PlaygroundField.h"

#include "completion/CompletionEngine.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Theme.h"
#include "ui/onboarding/PlaygroundKeys.h"
#include "ui/onboarding/PlaygroundText.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QWindow>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QUuid>

namespace tq {

namespace {
bool isWindowKey(const QKeyEvent* e)
{
    const int key = e->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}
} // namespace

PlaygroundField::PlaygroundField(CompletionEngine& engine, FocusHandler focusChanged, QWidget* parent)
    : QTextEdit(parent)
    , engine_(&engine)
    , focusChanged_(std::move(focusChanged))
    , fieldID_(QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper())
{
    setObjectName(QStringLiteral("practiceField"));
    setAccessibleName(tq::text("Practice field"));
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(false);
    setUndoRedoEnabled(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // Plain text only; a rich-text field also lays out every paragraph in its own direction,
    // so an Arabic line starts at the right edge whatever the interface's direction.
    setAcceptRichText(false);
    document()->setDocumentMargin(kInset);

    setFont(fonts::system(kFontSize));

    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::transparent);
    p.setColor(QPalette::Text, palette::paper());
    p.setColor(QPalette::PlaceholderText, palette::paperDim());
    p.setColor(QPalette::Highlight, palette::withOpacity(palette::gold(), 0.35));
    p.setColor(QPalette::HighlightedText, palette::paper());
    setPalette(p);
    markBareField(this); // the card behind it is its surface
    viewport()->setAutoFillBackground(false);

    connect(this, &QTextEdit::textChanged, this, &PlaygroundField::scheduleReread);
    connect(this, &QTextEdit::cursorPositionChanged, this, &PlaygroundField::scheduleReread);
    connect(this, &QTextEdit::selectionChanged, this, &PlaygroundField::scheduleReread);
}

PlaygroundField::~PlaygroundField()
{
    // The engine must not keep a source that is going away.
    if (isSource() && focusChanged_)
        focusChanged_(this, false);
    if (isSource()) {
        engine_->setSource(nullptr);
        engine_->sourceChanged();
    }
}

bool PlaygroundField::isSource() const { return engine_ && engine_->source() == this; }

std::optional<FieldSnapshot> PlaygroundField::snapshot()
{
    if (!window() || !window()->windowHandle())
        return std::nullopt;

    // Paragraph and line separators are line feeds in the text handed on (same length, so
    // the document's positions still hold).
    QString text = document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    }
    const QTextCursor cursor = textCursor();
    const qsizetype start = std::min<qsizetype>(cursor.selectionStart(), text.size());
    const qsizetype selection = cursor.selectionEnd() - cursor.selectionStart();
    const playground::Cut cut = playground::cut(text, start, selection);

    const auto caretAt = [this](qsizetype position) {
        QTextCursor c(document());
        c.setPosition(int(position));
        const QRect r = cursorRect(c);
        return QRectF(QPointF(viewport()->mapToGlobal(r.topLeft())), QSizeF(r.size()));
    };

    FieldSnapshot s;
    s.fieldKey = fieldKey();
    s.bundleID = QStringLiteral("com.morvenfax.tessaquill");
    s.appName = appName();
    s.role = QStringLiteral("AXTextArea");
    s.before = cut.before;
    s.after = cut.after;
    s.selectionLength = selection;

    const QRectF caret = caretAt(start);
    if (caret.height() > 0)
        s.caretRect = screen::fromQt(QRectF(caret.left(), caret.top(), 1, caret.height()));
    const qsizetype n = playground::lineLengthBefore(text, start);
    if (n >= 1 && caret.height() > 0) {
        if (auto x = playground::lineStartX(caret, caretAt(start - n)))
            s.lineStartX = *x;
    }
    s.fieldFrame = screen::fromQt(QRectF(QPointF(mapToGlobal(QPoint(0, 0))), QSizeF(size())));
    // In screen units like the caret rectangle, so the ghost text matches the field's.
    const QFontInfo info(font());
    s.fontSize = double(info.pixelSize());
    s.fontName = info.family();
    s.isSecure = false;
    s.isLocal = true;
    return s;
}

void PlaygroundField::insert(const QString& text, InsertionMethod)
{
    // One edit block: Undo takes the inserted text back on its own, not with the typing
    // before it.
    QTextCursor c = textCursor();
    c.beginEditBlock();
    c.insertText(text);
    c.endEditBlock();
    setTextCursor(c);
    ensureCursorVisible();
}

void PlaygroundField::deleteBackward(int count)
{
    QTextCursor c = textCursor();
    for (int i = 0; i < count; ++i) {
        if (c.hasSelection())
            c.removeSelectedText();
        else
            c.deletePreviousChar();
    }
    setTextCursor(c);
}

bool PlaygroundField::event(QEvent* e)
{
    // Return and Escape belong to the field before the window's default and cancel buttons.
    if (e->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    const bool handled = QTextEdit::event(e);
    // The text sits kInset in from the field's edge, whatever frame a style sheet gives it.
    if (e->type() == QEvent::Resize || e->type() == QEvent::StyleChange || e->type() == QEvent::Polish) {
        const int margin = std::max(0, kInset - viewport()->geometry().left());
        if (document()->documentMargin() != margin)
            document()->setDocumentMargin(margin);
    }
    return handled;
}

void PlaygroundField::keyPressEvent(QKeyEvent* e)
{
    const auto press = keyPressFromQt(e->key(), e->modifiers(), e->nativeScanCode(), e->text(), e->isAutoRepeat());
    if (press && isSource() && engine_->handleKey(*press)) {
        e->accept();
        return;
    }
    if (press && press->keyCode == keycode::kTab && press->modifiers.isEmpty() && engine_) {
        engine_->triggerNow();
        e->accept();
        return;
    }
    QTextEdit::keyPressEvent(e);
    // The field keeps Escape even when nothing used it; the window never sees it as Back.
    if (e->key() == Qt::Key_Escape)
        e->accept();
}

void PlaygroundField::focusInEvent(QFocusEvent* e)
{
    QTextEdit::focusInEvent(e);
    // Already the source (our window came back from one of our own panels): nothing to reset.
    if (engine_ && focusChanged_ && !isSource())
        focusChanged_(this, true);
}

void PlaygroundField::focusOutEvent(QFocusEvent* e)
{
    QTextEdit::focusOutEvent(e);
    selecting_ = false;
    // One of our own panels that never takes the keyboard (the ghost text) does not end the
    // field; some platforms activate it anyway.
    const QWindow* now = QGuiApplication::focusWindow();
    if (e->reason() == Qt::ActiveWindowFocusReason && now && now->flags().testFlag(Qt::WindowDoesNotAcceptFocus))
        return;
    if (engine_ && focusChanged_)
        focusChanged_(this, false);
}

void PlaygroundField::hidePanels()
{
    if (engine_)
        engine_->pointerDown();
}

void PlaygroundField::mousePressEvent(QMouseEvent* e)
{
    hidePanels();
    selecting_ = true;
    QTextEdit::mousePressEvent(e);
}

void PlaygroundField::mouseReleaseEvent(QMouseEvent* e)
{
    QTextEdit::mouseReleaseEvent(e);
    selecting_ = false;
    if (rereadPending_) {
        rereadPending_ = false;
        scheduleReread();
    }
}

void PlaygroundField::wheelEvent(QWheelEvent* e)
{
    hidePanels();
    QTextEdit::wheelEvent(e);
}

void PlaygroundField::scheduleReread()
{
    if (!isSource())
        return;
    if (selecting_) {
        rereadPending_ = true;
        return;
    }
    if (rereadQueued_)
        return;
    rereadQueued_ = true;
    QMetaObject::invokeMethod(this, &PlaygroundField::reread, Qt::QueuedConnection);
}

void PlaygroundField::reread()
{
    rereadQueued_ = false;
    if (isSource())
        engine_->restartRefresh(0);
}

} // namespace tq
