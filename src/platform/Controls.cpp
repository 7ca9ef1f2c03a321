#include "platform/Controls.h"
#include "platform/ListOrder.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QImage>
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
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zwervel {

namespace {
constexpr QChar AlineaScheiding(0x2029); // how Qt's document marks the end of a line

// The application's style, with two changes: the lists drop down, and scroll bars are drawn
// without the raster engine's threads where that gives the very same pixels.
class VensterStijl : public QProxyStyle {
public:
    VensterStijl() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    // The open list drops down beneath its control, a screenful at a time with a scroll bar, as
    // on the desktop the program comes from. The style's other way, a popup as tall as the list,
    // first measures the width of every entry: a long wait with tens of thousands of them.
    int styleHint(StyleHint hint, const QStyleOption* optie, const QWidget* widget,
                  QStyleHintReturn* antwoord) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, optie, widget, antwoord);
    }

    // Qt's raster engine hands every blended fill of 96 device rows or more to its thread
    // pool, however narrow: for the route box's scroll bar, 16 pixels wide, that starts a
    // thread at the first paint and passes the work to and fro some thirty times, to fill a
    // few thousand pixels. Drawn a band of 64 rows at a time, each band whole into a picture of
    // its own, it stays on this thread. Only where that is known to give the style's own
    // pixels: Fusion, at one device pixel to the pixel, on whole pixels.
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* optie,
                            QPainter* schilder, const QWidget* widget) const override
    {
        constexpr int Band = 64;
        const QRect vlak = optie->rect;
        if (control != CC_ScrollBar || vlak.height() <= Band || !inBandenGelijk(schilder)) {
            QProxyStyle::drawComplexControl(control, optie, schilder, widget);
            return;
        }
        for (int y = vlak.top(); y <= vlak.bottom(); y += Band) {
            const QRect band(vlak.left(), y, vlak.width(), qMin(Band, vlak.bottom() + 1 - y));
            QImage beeld(band.size(), QImage::Format_ARGB32_Premultiplied);
            beeld.fill(Qt::transparent);
            QPainter bandSchilder(&beeld);
            bandSchilder.setRenderHints(schilder->renderHints());
            bandSchilder.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(control, optie, &bandSchilder, widget);
            bandSchilder.end();
            schilder->drawImage(band.topLeft(), beeld);
        }
    }

private:
    bool inBandenGelijk(const QPainter* schilder) const
    {
        const QPaintDevice* apparaat = schilder->device();
        const QTransform afbeelding = schilder->combinedTransform();
        return apparaat && apparaat->devicePixelRatioF() == 1.0
               && afbeelding.type() <= QTransform::TxTranslate
               && afbeelding.dx() == std::floor(afbeelding.dx())
               && afbeelding.dy() == std::floor(afbeelding.dy())
               && baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
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
    verticalScrollBar()->setStyle(vensterStijl());
    setTabChangesFocus(true);
    viewport()->setMouseTracking(true);
    // The right button belongs to the route box's own handler, not to a context menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QPlainTextEdit::textChanged, &gebeurtenissen, &Gebeurtenissen::Change);
}

QString RouteBox::Text() const
{
    const QString ruw = documentTekst();
    // Every line break becomes CR LF. The breaks are looked up once, with Qt's fast search, and
    // the lines between them copied into a string of the final length: the rules read the whole
    // route on every click, and it may be tens of thousands of lines long.
    QVarLengthArray<qsizetype, 64> breuken;
    for (qsizetype i = ruw.indexOf(AlineaScheiding); i >= 0; i = ruw.indexOf(AlineaScheiding, i + 1))
        breuken.append(i);
    if (breuken.isEmpty())
        return ruw;
    QString tekst(ruw.size() + breuken.size(), Qt::Uninitialized);
    QChar* uit = tekst.data();
    qsizetype van = 0;
    for (const qsizetype tot : breuken) {
        uit = std::copy(ruw.cbegin() + van, ruw.cbegin() + tot, uit);
        *uit++ = u'\r';
        *uit++ = u'\n';
        van = tot + 1;
    }
    std::copy(ruw.cbegin() + van, ruw.cend(), uit);
    return tekst;
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

ComboBox::ComboBox(QWidget* parent) : Besturing<QComboBox>(parent), m_model(new LijstModel(this))
{
    m_muisKlikIsClick = false;
    setEditable(false);
    setModel(m_model);
    connect(this, &QComboBox::activated, this, [this] { gekozen(); });
}

void ComboBox::setOpenLijstKleur(QPalette::ColorRole rol, const QColor& kleur)
{
    m_openLijstKleuren.append({rol, kleur});
    if (m_openLijstKlaar)
        openLijstKleurenZetten();
}

void ComboBox::openLijstKleurenZetten()
{
    QPalette palet = view()->palette();
    for (const auto& [rol, kleur] : std::as_const(m_openLijstKleuren))
        palet.setColor(rol, kleur);
    view()->setPalette(palet);
}

void ComboBox::showPopup()
{
    openLijstKlaarmaken();
    Besturing<QComboBox>::showPopup();
}

void ComboBox::openLijstKlaarmaken()
{
    // The open list is a window of its own (a frame, a list view, scroll bars), made the first
    // time the list opens rather than at start-up. Qt may have made it already, for the click
    // that opens the list, the wheel or a typed letter, in the application's style, whose popup
    // has no scroll bar and a menu's colours; what that left behind is set right here as well.
    if (m_openLijstKlaar)
        return;
    m_openLijstKlaar = true;
    setStyle(vensterStijl());
    // Sizing to the entries would measure each of tens of thousands.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    QAbstractItemView* lijstbeeld = view();
    lijstbeeld->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Every entry is one line of text in the same font: the open list need not measure each
    // of tens of thousands of entries to lay them out.
    if (auto* lijst = qobject_cast<QListView*>(lijstbeeld))
        lijst->setUniformItemSizes(true);
    openLijstKleurenZetten();
    // The list's window takes the list's own colours again.
    QEvent paletWissel(QEvent::PaletteChange);
    QCoreApplication::sendEvent(this, &paletWissel);
}

const QList<QAnyStringView>& ComboBox::Items() const { return m_model->items(); }

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
    Utf16Buffer buffer;
    const auto entry = [this, &buffer](qsizetype i) { return alsUtf16(Items().at(i), buffer); };
    const bool nietsGetoond = currentIndex() < 0;
    insertItem(int(lijstGrens(count(), entry, item, true)), item);
    // Qt shows the first entry of a list that was empty; the list's own rule shows nothing
    // until the user or the program picks one.
    if (nietsGetoond)
        setCurrentIndex(-1);
}

void ComboBox::AddItems(const QStringList& items)
{
    QList<QAnyStringView> delen;
    delen.reserve(items.size());
    for (const QString& item : items)
        delen.append(QStringView(item));
    voegToe(delen, items, {});
}

void ComboBox::AddItems(const QList<QAnyStringView>& delen, const QString& tekst,
                        const QByteArray& bytes)
{
    voegToe(delen, QStringList{tekst}, {bytes});
}

void ComboBox::voegToe(const QList<QAnyStringView>& delen, const QStringList& teksten,
                       const QList<QByteArray>& bytes)
{
    if (delen.isEmpty())
        return;
    const bool nietsGetoond = currentIndex() < 0;
    const QString getoond = currentText();
    // Into an empty list the entries come as they are: a list already in order is then shared,
    // not copied.
    QList<QAnyStringView> alle = Items().isEmpty() ? delen : Items() + delen;
    sorteerLijst(alle);
    // One batch with the drawing held back: a whole configuration's list fills at once.
    setUpdatesEnabled(false);
    m_model->vervang(std::move(alle), m_model->teksten() + teksten, m_model->bytes() + bytes);
    setCurrentIndex(-1);
    setUpdatesEnabled(true);
    if (!nietsGetoond)
        setText(getoond);
}

void ComboBox::RemoveItems(const std::function<bool(QStringView)>& weg)
{
    setUpdatesEnabled(false);
    Utf16Buffer buffer;
    m_model->verwijder([&weg, &buffer](QAnyStringView item) { return weg(alsUtf16(item, buffer)); });
    setCurrentIndex(-1);
    setUpdatesEnabled(true);
}

void ComboBox::setText(const QString& tekst)
{
    // The entries are kept sorted, so the exact entry is found by binary search first.
    Utf16Buffer buffer;
    const auto entry = [this, &buffer](qsizetype i) { return alsUtf16(Items().at(i), buffer); };
    int index = int(lijstGrens(count(), entry, tekst, false));
    if (index >= count() || entry(index) != tekst)
        index = findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = findText(tekst, Qt::MatchFixedString);
    setCurrentIndex(index);
}

} // namespace zwervel
