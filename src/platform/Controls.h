// Thin wrappers around Qt widgets that speak the form's own vocabulary: positions in twips,
// Text, SelStart and SelLength, ListCount and List(i), Caption. The handlers stay short and
// read like the rules they carry out.
#pragma once

#include <QComboBox>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <QPushButton>
#include <QString>
#include <QWheelEvent>
#include <QWidget>

#include <functional>

namespace zwervel {

// 15 twips are one logical pixel (1440 twips an inch at 96 dots per inch).
inline constexpr double TwipsPerPixel = 15.0;
int twipsNaarPixels(double twips);

// Left/Top/Width/Height in twips, stored as given so that layout arithmetic stays exact;
// the widget itself sits at the nearest whole pixel.
class TwipsGeometrie {
public:
    explicit TwipsGeometrie(QWidget* widget) : m_widget(widget) {}

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float v) { m_left = v; pasToe(); }
    void setTop(float v) { m_top = v; pasToe(); }
    void setWidth(float v) { m_width = v; pasToe(); }
    void setHeight(float v) { m_height = v; pasToe(); }
    void plaats(float left, float top, float width, float height);

private:
    void pasToe();

    QWidget* m_widget;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
};

// What VakSelecteren and the undo need of a text box, single- or multi-line.
class TekstVak {
public:
    virtual ~TekstVak() = default;
    virtual QString Text() const = 0;
    virtual void setText(const QString& tekst) = 0;
    virtual int SelStart() const = 0;
    virtual void setSelStart(int positie) = 0;
    virtual int SelLength() const = 0;
    virtual void setSelLength(int lengte) = 0;
    virtual QString SelText() const = 0;
    virtual int TextLength() const = 0;
    virtual void SetFocus() = 0;
};

// The mouse buttons as the handlers receive and test them.
enum MuisKnop : int { LinkerKnop = 1, RechterKnop = 2, MiddelsteKnop = 4 };

// The events a control reports to the window, in the form's terms: Button as above (in a
// move, the buttons held); Shift 1, Ctrl 2, Alt 4; X and Y in twips.
class Gebeurtenissen : public QObject {
    Q_OBJECT
signals:
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void Click();
    void KeyUp(int KeyCode, int Shift);
    void Change();
    void GotFocus();
    void LostFocus();
};

int toetsStand(Qt::KeyboardModifiers toetsen);
// The key code the handlers test (65 for A, 113 for F2, ...), from Qt's key number.
int toetsCode(int qtToets);
// A focus change between controls of the window, not the window's own (de)activation or a
// popup briefly taking the keyboard.
bool focusBinnenVenster(const QFocusEvent* event);

namespace detail {
void meldMuis(Gebeurtenissen& g, QMouseEvent* event, bool los);
}

// A Qt widget that reports its events through `gebeurtenissen` after handling them itself,
// and keeps its geometry in twips. It accepts its mouse events, so that they never reach
// the window beneath it. A left press and release inside it is a Click.
template <class Basis>
class Besturing : public Basis, public TwipsGeometrie {
public:
    explicit Besturing(QWidget* parent) : Basis(parent), TwipsGeometrie(this)
    {
        this->setMouseTracking(true);
    }

    Gebeurtenissen gebeurtenissen;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        Basis::mousePressEvent(event);
        event->accept();
        if (event->button() == Qt::LeftButton)
            m_linksIngedrukt = true;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Basis::mouseReleaseEvent(event);
        event->accept();
        const bool klik = event->button() == Qt::LeftButton && m_linksIngedrukt
                          && this->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            m_linksIngedrukt = false;
        detail::meldMuis(gebeurtenissen, event, true);
        if (klik && m_muisKlikIsClick)
            emit gebeurtenissen.Click();
    }
    // The second press of a double click arms no second Click: one click, one action, so a
    // double click on the empty button cannot overwrite the undo slot with the empty text.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        Basis::mouseDoubleClickEvent(event);
        event->accept();
        m_linksIngedrukt = false;
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Basis::mouseMoveEvent(event);
        event->accept();
        detail::meldMuis(gebeurtenissen, event, false);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        Basis::keyReleaseEvent(event);
        if (!event->isAutoRepeat())
            emit gebeurtenissen.KeyUp(toetsCode(event->key()), toetsStand(event->modifiers()));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Basis::focusInEvent(event);
        if (focusBinnenVenster(event))
            emit gebeurtenissen.GotFocus();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Basis::focusOutEvent(event);
        if (focusBinnenVenster(event))
            emit gebeurtenissen.LostFocus();
    }

    // A list reports a Click when an entry is picked, not when it is clicked open.
    bool m_muisKlikIsClick = true;

private:
    bool m_linksIngedrukt = false;
};

// A static caption.
class Label : public Besturing<QLabel> {
public:
    explicit Label(QWidget* parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // How often the caption was written: the hover rules promise few writes.
    int captionWrites() const { return m_captionWrites; }

private:
    QString m_caption;
    int m_captionWrites = 0;
};

// A 16 × 16 picture that reacts to the mouse, takes no focus and has no caption.
class PictureButton : public Besturing<QWidget> {
public:
    explicit PictureButton(QWidget* parent);
    void setPicture(const QIcon& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_picture;
};

// The one captioned push button.
class CommandButton : public Besturing<QPushButton> {
public:
    explicit CommandButton(QWidget* parent);
};

// A single-line text box: the place field and the route field.
class TextBox : public Besturing<QLineEdit>, public TekstVak {
public:
    explicit TextBox(QWidget* parent);

    QString Text() const override { return text(); }
    void setText(const QString& tekst) override { QLineEdit::setText(tekst); }
    int SelStart() const override;
    void setSelStart(int positie) override;
    int SelLength() const override;
    void setSelLength(int lengte) override;
    QString SelText() const override { return selectedText(); }
    int TextLength() const override { return int(text().size()); }
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }
};

// The multi-line route box. Its Text separates lines with CR LF and its positions count each
// CR LF as two characters, as the rules expect; underneath, Qt keeps one block per line.
class RouteBox : public Besturing<QPlainTextEdit>, public TekstVak {
public:
    explicit RouteBox(QWidget* parent);

    // Lone CR and lone LF become line breaks too: the editor has no other way to keep them.
    QString Text() const override;
    // The document's own text, where a line break is one paragraph separator (U+2029): Text
    // before its CR LF copy is made, for readers that take U+2029 as a line break themselves.
    QString documentTekst() const;
    void setText(const QString& tekst) override;
    int SelStart() const override;
    void setSelStart(int positie) override;
    int SelLength() const override;
    void setSelLength(int lengte) override;
    QString SelText() const override;
    int TextLength() const override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }

    // Positions in Text (CR LF = 2) to and from Qt's document positions (a line break = 1).
    // A position that would fall between CR and LF goes to the end of its line.
    int naarTekstPositie(int documentPositie) const;
    int naarDocumentPositie(int tekstPositie) const;

protected:
    // Shift+Enter makes the same line break as Enter: Qt's soft line separator would look like
    // a new line but keep two places as one.
    void keyPressEvent(QKeyEvent* event) override;
};

// A drop-down list whose shown entry is picked, not typed. Its entries stay in list order
// (lists/ListOrder.h).
class ComboBox : public Besturing<QComboBox> {
public:
    explicit ComboBox(QWidget* parent);

    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    // Every entry in list order.
    QStringList Items() const { return m_model->stringList(); }
    // A new entry goes to its sorted place. What the list shows does not change; an empty
    // list keeps showing nothing.
    void AddItem(const QString& item);
    // Several entries at once, as the configuration file brings them: sorted once.
    void AddItems(const QStringList& items);
    void Clear() { clear(); }
    // Removes every entry `weg` picks; like Clear, the list then shows nothing.
    void RemoveItems(const std::function<bool(QStringView)>& weg);
    // The shown text: the entry the user last picked or the program last set; empty if none.
    QString Text() const { return currentText(); }
    // Shows the entry with this text (the exact one first, else one that differs in case only);
    // this is not the user's pick and raises no Click.
    void setText(const QString& tekst);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    void OpenList() { showPopup(); }
    // The field laid over the list: it shows the entry the user moves to in the closed list.
    void setVeldErboven(TextBox& veld) { m_veldErboven = &veld; }

protected:
    // Arrow keys, typing and the wheel on the closed list only show another entry; a pick, and
    // so a Click, is a choice in the open list, by mouse or Enter.
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void gekozen();
    void vervang(const QStringList& items);

    QStringListModel* m_model;
    bool m_bladeren = false;
    TextBox* m_veldErboven = nullptr;
};

} // namespace zwervel
