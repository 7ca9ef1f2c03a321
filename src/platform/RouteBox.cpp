#include "platform/RouteBox.h"

#include "text/TextRules.h"

#include <QMimeData>
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
    setPlainText(withNewlines(text));
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
