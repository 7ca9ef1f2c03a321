// A Qt widget as a control of the form: it reports its events in the form's terms and keeps
// its geometry in twips.
#pragma once

#include "platform/TwipsGeometry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>

namespace zwervel {

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

} // namespace zwervel
