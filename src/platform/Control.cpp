#include "platform/Control.h"

#include "platform/Platform.h"

namespace zwervel {

int modifierState(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? ShiftKey : 0) |
           (m.testFlag(Qt::ControlModifier) ? CtrlKey : 0) |
           (m.testFlag(Qt::AltModifier) ? AltKey : 0);
}

int keyCode(int qtKey)
{
    const bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    const bool digit = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    if (letter || digit)
        return qtKey; // Qt numbers letters and digits by their ASCII codes, as the handlers do
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

bool isFocusWithinWindow(const QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void detail::reportMouse(ControlEvents& g, QMouseEvent* event, bool released)
{
    const int button = int(released ? event->button() : event->buttons()) & 7;
    // Only the left, right and middle buttons are the form's: a side button's release
    // raises nothing, rather than passing for "any other button".
    if (released && button == 0)
        return;
    const int shift = modifierState(event->modifiers());
    const float x = float(event->position().x() * TwipsPerPixel);
    const float y = float(event->position().y() * TwipsPerPixel);
    if (released)
        emit g.MouseUp(button, shift, x, y);
    else
        emit g.MouseMove(button, shift, x, y);
}

} // namespace zwervel
