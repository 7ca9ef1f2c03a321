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
enum MouseButton : int { MouseLeft = 1, MouseRight = 2, MouseMiddle = 4 };

// The events a control reports to the window, in the form's terms: Button as above (in a
// move, the buttons held); Shift 1, Ctrl 2, Alt 4; X and Y in twips.
class ControlEvents : public QObject {
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

int modifierState(Qt::KeyboardModifiers modifiers);
// The key code the handlers test (65 for A, 113 for F2, ...), from Qt's key number.
int keyCode(int qtKey);
// A focus change between controls of the window, not the window's own (de)activation or a
// popup briefly taking the keyboard.
bool isFocusWithinWindow(const QFocusEvent* event);

namespace detail {
void reportMouse(ControlEvents& g, QMouseEvent* event, bool released);
}

// A Qt widget that reports its events through `events` after handling them itself,
// and keeps its geometry in twips. It accepts its mouse events, so that they never reach
// the window beneath it. A left press and release inside it is a Click.
template <class Widget> class Control : public Widget, public TwipsGeometry {
public:
    explicit Control(QWidget* parent) : Widget(parent), TwipsGeometry(this)
    {
        this->setMouseTracking(true);
    }

    ControlEvents events;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        Widget::mousePressEvent(event);
        event->accept();
        if (event->button() == Qt::LeftButton)
            m_leftPressed = true;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Widget::mouseReleaseEvent(event);
        event->accept();
        if (event->button() == m_doubleClickButton) {
            m_doubleClickButton = Qt::NoButton;
            m_leftPressed = false;
            return;
        }
        const bool click = event->button() == Qt::LeftButton && m_leftPressed &&
                           this->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            m_leftPressed = false;
        detail::reportMouse(events, event, true);
        if (click && m_clickOnRelease)
            emit events.Click();
    }
    // The second press of a double click is no second click: its release raises nothing, so
    // that a double click acts once (the empty button keeps the undo slot, the information
    // label loads the example once and keeps the route box's own undo history).
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        Widget::mouseDoubleClickEvent(event);
        event->accept();
        m_doubleClickButton = event->button();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        Widget::mouseMoveEvent(event);
        event->accept();
        detail::reportMouse(events, event, false);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        Widget::keyReleaseEvent(event);
        if (!event->isAutoRepeat())
            emit events.KeyUp(keyCode(event->key()), modifierState(event->modifiers()));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Widget::focusInEvent(event);
        if (isFocusWithinWindow(event))
            emit events.GotFocus();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Widget::focusOutEvent(event);
        if (isFocusWithinWindow(event))
            emit events.LostFocus();
    }

    // A list reports a Click when an entry is picked, not when it is clicked open.
    bool m_clickOnRelease = true;

private:
    bool m_leftPressed = false;
    Qt::MouseButton m_doubleClickButton = Qt::NoButton;
};

} // namespace zwervel
