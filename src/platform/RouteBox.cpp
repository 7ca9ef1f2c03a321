#include "platform/RouteBox.h"

#include "text/TextRules.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace zwervel {

namespace {

constexpr QChar DocumentLineBreak(0x2029); // how Qt's document marks the end of a line

// Half of a character beyond U+FFFF, as a broken source may paste it, becomes the replacement
// character: the configuration file could not keep it, and the rules would count it as text.
QString wholeCharacters(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// Every line break the box shows, as the one Qt's plain text setter reads as a new line; every
// character whole.
QString withNewlines(QString text)
{
    text = wholeCharacters(std::move(text));
    text.replace(LineEnd, QStringLiteral("\n"));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(QChar::LineSeparator), DocumentLineBreak})
        text.replace(lineBreak, u'\n');
    return text;
}

} // namespace

RouteBox::RouteBox(QWidget* parent) : Control<QPlainTextEdit>(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    // The right button belongs to the route box's own handler, not to a context menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QPlainTextEdit::textChanged, &events, &ControlEvents::Change);
}

QString RouteBox::Text() const
{
    return document()->toRawText().replace(DocumentLineBreak, LineEnd);
}

void RouteBox::setText(const QString& text)
{
    takePendingSize();
    QString shown = withNewlines(text);
    shown.replace(u'\n', DocumentLineBreak);
    QTextDocument* doc = document();
    const QString current = doc->toRawText();
    // Only the part between what the two texts share at the start and at the end is replaced:
    // a place picked into a long route, or its undo, then costs what the place costs. Where most
    // of the text differs, building it anew is quicker than taking the old lines out one by one.
    const qsizetype shorter = qMin(current.size(), shown.size());
    qsizetype head = 0;
    while (head < shorter && current.at(head) == shown.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           current.at(current.size() - 1 - tail) == shown.at(shown.size() - 1 - tail))
        ++tail;
    // Never between the two halves of a character beyond U+FFFF.
    if (head > 0 && current.at(head - 1).isHighSurrogate())
        --head;
    if (tail > 0 && current.at(current.size() - tail).isLowSurrogate())
        --tail;
    const qsizetype replaced = current.size() - tail - head;
    if (replaced > current.size() / 2) {
        setPlainText(shown);
        return;
    }
    // Otherwise as setPlainText leaves the box: its own undo history gone, unmodified, the caret
    // at the start, and the change reported even when nothing differs.
    doc->setUndoRedoEnabled(false);
    if (replaced > 0 || shown.size() != current.size()) {
        QTextCursor cursor(doc);
        cursor.setPosition(int(head));
        cursor.setPosition(int(current.size() - tail), QTextCursor::KeepAnchor);
        cursor.insertText(shown.sliced(head, shown.size() - tail - head));
    } else {
        emit textChanged();
    }
    doc->setUndoRedoEnabled(true);
    doc->setModified(false);
    setTextCursor(QTextCursor(doc));
}

void RouteBox::takePendingSize()
{
    // A box that has not been shown yet lays out every line again when it first gets its size;
    // given its size before a long text arrives, it lays out only the lines it shows.
    for (QWidget* widget : {static_cast<QWidget*>(this), viewport()}) {
        if (!widget->testAttribute(Qt::WA_PendingResizeEvent))
            continue;
        QResizeEvent resize(widget->size(), QSize());
        QCoreApplication::sendEvent(widget, &resize);
        widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
}

QString RouteBox::asShown(QString text)
{
    return withNewlines(std::move(text)).replace(u'\n', LineEnd);
}

void RouteBox::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText()) {
        Control<QPlainTextEdit>::insertFromMimeData(source);
        return;
    }
    insertPlainText(withNewlines(source->text()));
}

int RouteBox::TextLength() const
{
    // Every line break but the last block's end counts twice.
    return document()->characterCount() - 1 + document()->blockCount() - 1;
}

int RouteBox::toTextPosition(int documentPosition) const
{
    return documentPosition + document()->findBlock(documentPosition).blockNumber();
}

int RouteBox::toDocumentPosition(int textPosition) const
{
    const QTextDocument* doc = document();
    const int last = doc->characterCount() - 1;
    if (textPosition <= 0)
        return 0;
    // The last line whose start, counted in Text, is at or before the position.
    int low = 0, high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + middle <= textPosition)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock line = doc->findBlockByNumber(low);
    const int inLine = textPosition - (line.position() + low);
    const int lineLength = line.length() - 1;
    const int position = qMin(line.position() + qMin(inLine, lineLength), last);
    const bool inCharacter = position > 0 && doc->characterAt(position).isLowSurrogate() &&
                             doc->characterAt(position - 1).isHighSurrogate();
    return inCharacter ? position - 1 : position;
}

void RouteBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        Control<QPlainTextEdit>::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    Control<QPlainTextEdit>::keyPressEvent(event);
}

int RouteBox::SelStart() const
{
    return toTextPosition(textCursor().selectionStart());
}

void RouteBox::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toDocumentPosition(position));
    setTextCursor(cursor);
}

int RouteBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return toTextPosition(cursor.selectionEnd()) - toTextPosition(cursor.selectionStart());
}

void RouteBox::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    // Past the end is the end; the sum must not overflow on the way there.
    const int startInText = toTextPosition(start);
    const int end = toDocumentPosition(startInText + qBound(0, length, TextLength() - startInText));
    // The caret stays at the start of the selection, and the view with it: a long route that
    // is selected whole shows its first places.
    cursor.setPosition(end);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RouteBox::SelText() const
{
    QString text = textCursor().selectedText();
    text.replace(DocumentLineBreak, QStringLiteral("\r\n"));
    return text;
}

} // namespace zwervel
