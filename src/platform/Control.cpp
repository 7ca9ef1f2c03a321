#include "platform/Control.h"

#include "platform/Platform.h"

namespace zwervel {

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

} // namespace zwervel
