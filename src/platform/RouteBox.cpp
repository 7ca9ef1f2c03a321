#include "platform/RouteBox.h"

#include "text/TextRules.h"

#include <QTextBlock>
#include <QTextDocument>

namespace zwervel {

namespace {
constexpr QChar AlineaScheiding(0x2029); // how Qt's document marks the end of a line
} // namespace

RouteBox::RouteBox(QWidget* parent) : Besturing<QPlainTextEdit>(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    // The right button belongs to the route box's own handler, not to a context menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QPlainTextEdit::textChanged, &gebeurtenissen, &Gebeurtenissen::Change);
}

QString RouteBox::Text() const
{
    QString tekst = documentTekst();
    return tekst.replace(AlineaScheiding, QStringLiteral("\r\n"));
}

QString RouteBox::documentTekst() const { return document()->toRawText(); }

void RouteBox::setText(const QString& tekst) { setPlainText(tekst); }

int RouteBox::TextLength() const
{
    // Every line break but the last block's end counts twice.
    return document()->characterCount() - 1 + document()->blockCount() - 1;
}

int RouteBox::naarTekstPositie(int documentPositie) const
{
    return documentPositie + document()->findBlock(documentPositie).blockNumber();
}

int RouteBox::naarDocumentPositie(int tekstPositie) const
{
    const QTextDocument* doc = document();
    const int laatste = doc->characterCount() - 1;
    if (tekstPositie <= 0)
        return 0;
    // The last line whose start, counted in Text, is at or before the position.
    int laag = 0, hoog = doc->blockCount() - 1;
    while (laag < hoog) {
        const int midden = laag + (hoog - laag + 1) / 2;
        if (doc->findBlockByNumber(midden).position() + midden <= tekstPositie)
            laag = midden;
        else
            hoog = midden - 1;
    }
    const QTextBlock regel = doc->findBlockByNumber(laag);
    const int inRegel = tekstPositie - (regel.position() + laag);
    const int regelLengte = regel.length() - 1;
    return qMin(regel.position() + qMin(inRegel, regelLengte), laatste);
}

void RouteBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        Besturing<QPlainTextEdit>::keyPressEvent(&enter);
        event->setAccepted(enter.isAccepted());
        return;
    }
    Besturing<QPlainTextEdit>::keyPressEvent(event);
}

int RouteBox::SelStart() const { return naarTekstPositie(textCursor().selectionStart()); }

void RouteBox::setSelStart(int positie)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(naarDocumentPositie(positie));
    setTextCursor(cursor);
}

int RouteBox::SelLength() const
{
    const QTextCursor cursor = textCursor();
    return naarTekstPositie(cursor.selectionEnd()) - naarTekstPositie(cursor.selectionStart());
}

void RouteBox::setSelLength(int lengte)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    // Past the end is the end; the sum must not overflow on the way there.
    const int beginInTekst = naarTekstPositie(start);
    const int eind = naarDocumentPositie(beginInTekst + qBound(0, lengte, TextLength() - beginInTekst));
    cursor.setPosition(start);
    cursor.setPosition(eind, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RouteBox::SelText() const
{
    QString tekst = textCursor().selectedText();
    tekst.replace(AlineaScheiding, QStringLiteral("\r\n"));
    return tekst;
}

} // namespace zwervel
