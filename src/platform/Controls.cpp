#include "platform/Controls.h"
#include "lists/ListOrder.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <limits>

namespace zwervel {

namespace {
constexpr QChar AlineaScheiding(0x2029); // how Qt's document marks the end of a line

// The application's style, except that a list drops down beneath its control, a screenful at
// a time with a scroll bar, as on the desktop the program comes from: the other way, a popup
// as tall as the list over the control, hides the window behind a long list.
class VensterStijl : public QProxyStyle {
public:
    VensterStijl() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption* optie, const QWidget* widget,
                  QStyleHintReturn* antwoord) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, optie, widget, antwoord);
    }
};

// One for every control that needs it, for the life of the application.
VensterStijl* vensterStijl()
{
    static QPointer<VensterStijl> stijl;
    if (!stijl) {
        stijl = new VensterStijl;
        stijl->setParent(QCoreApplication::instance());
    }
    return stijl;
}

} // namespace

int twipsNaarPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

void TwipsGeometrie::plaats(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    pasToe();
}

void TwipsGeometrie::pasToe()
{
    m_widget->setGeometry(twipsNaarPixels(m_left), twipsNaarPixels(m_top),
                          twipsNaarPixels(m_width), twipsNaarPixels(m_height));
}

// ---- Events ----------------------------------------------------------------------------

int toetsStand(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? ShiftToets : 0)
           | (m.testFlag(Qt::ControlModifier) ? CtrlToets : 0)
           | (m.testFlag(Qt::AltModifier) ? AltToets : 0);
}

int toetsCode(int qtToets)
{
    const bool letter = qtToets >= Qt::Key_A && qtToets <= Qt::Key_Z;
    const bool cijfer = qtToets >= Qt::Key_0 && qtToets <= Qt::Key_9;
    if (letter || cijfer)
        return qtToets; // Qt numbers letters and digits by their ASCII codes, as the handlers do
    if (qtToets >= Qt::Key_F1 && qtToets <= Qt::Key_F24)
        return 112 + (qtToets - Qt::Key_F1);
    switch (qtToets) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

bool focusBinnenVenster(const QFocusEvent* event)
{
    const Qt::FocusReason reden = event->reason();
    return reden != Qt::ActiveWindowFocusReason && reden != Qt::PopupFocusReason;
}

void detail::meldMuis(Gebeurtenissen& g, QMouseEvent* event, bool los)
{
    const int knop = int(los ? event->button() : event->buttons()) & 7;
    const int shift = toetsStand(event->modifiers());
    const float x = float(event->position().x() * TwipsPerPixel);
    const float y = float(event->position().y() * TwipsPerPixel);
    if (los)
        emit g.MouseUp(knop, shift, x, y);
    else
        emit g.MouseMove(knop, shift, x, y);
}

// ---- Label -------------------------------------------------------------------------------

Label::Label(QWidget* parent) : Besturing<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption)
{
    m_caption = caption;
    ++m_captionWrites;
    QString zichtbaar = caption;
    zichtbaar.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setText(zichtbaar);
}

// ---- PictureButton -----------------------------------------------------------------------

PictureButton::PictureButton(QWidget* parent) : Besturing<QWidget>(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QIcon& picture)
{
    m_picture = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.paint(&painter, rect());
}

// ---- CommandButton -----------------------------------------------------------------------

CommandButton::CommandButton(QWidget* parent) : Besturing<QPushButton>(parent)
{
    setAutoDefault(false);
}

// ---- TextBox -----------------------------------------------------------------------------

TextBox::TextBox(QWidget* parent) : Besturing<QLineEdit>(parent)
{
    // A field shows a whole place or route; Qt would cut its text at 32,767 characters.
    setMaxLength(std::numeric_limits<int>::max());
}

int TextBox::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int positie)
{
    setCursorPosition(qBound(0, positie, int(text().size())));
}

int TextBox::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }

void TextBox::setSelLength(int lengte)
{
    const int start = SelStart();
    setSelection(start, qBound(0, lengte, int(text().size()) - start));
}

// ---- RouteBox ----------------------------------------------------------------------------

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

// ---- ComboBox ----------------------------------------------------------------------------

ComboBox::ComboBox(QWidget* parent)
    : Besturing<QComboBox>(parent), m_model(new QStringListModel(this))
{
    m_muisKlikIsClick = false;
    setEditable(false);
    setModel(m_model);
    setStyle(vensterStijl());
    // Sizing to the entries would measure every one of them.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // Every entry is one line of text in the same font: the open list need not measure each.
    if (auto* lijst = qobject_cast<QListView*>(view()))
        lijst->setUniformItemSizes(true);
    connect(this, &QComboBox::activated, this, [this] { gekozen(); });
}

void ComboBox::gekozen()
{
    if (!m_bladeren) {
        emit gebeurtenissen.Click();
    } else if (m_veldErboven) {
        m_veldErboven->setText(currentText());
    }
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    const QScopedValueRollback bladeren(m_bladeren, true);
    Besturing<QComboBox>::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    const QScopedValueRollback bladeren(m_bladeren, true);
    Besturing<QComboBox>::wheelEvent(event);
}

void ComboBox::AddItem(const QString& item)
{
    const bool nietsGetoond = currentIndex() < 0;
    insertItem(int(lijstPlek(Items(), item)), item);
    // Qt shows the first entry of a list that was empty; the list's own rule shows nothing
    // until the user or the program picks one.
    if (nietsGetoond)
        setCurrentIndex(-1);
}

void ComboBox::AddItems(const QStringList& items)
{
    if (items.isEmpty())
        return;
    const bool nietsGetoond = currentIndex() < 0;
    const QString getoond = currentText();
    QStringList alle = Items() + items;
    sorteerLijst(alle);
    vervang(alle);
    if (!nietsGetoond)
        setText(getoond);
}

void ComboBox::RemoveItems(const std::function<bool(QStringView)>& weg)
{
    QStringList blijven = Items();
    blijven.removeIf([&weg](const QString& item) { return weg(item); });
    vervang(blijven);
}

void ComboBox::vervang(const QStringList& items)
{
    m_model->setStringList(items);
    setCurrentIndex(-1);
}

void ComboBox::setText(const QString& tekst)
{
    // The entries are in list order, so the exact entry stands just before where it would go.
    const qsizetype plek = lijstPlek(Items(), tekst) - 1;
    int index = plek >= 0 && List(int(plek)) == tekst ? int(plek) : -1;
    if (index < 0)
        index = findText(tekst, Qt::MatchFixedString);
    setCurrentIndex(index);
}

} // namespace zwervel
