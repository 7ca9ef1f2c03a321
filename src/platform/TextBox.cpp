#include "platform/TextBox.h"

#include <limits>

namespace zwervel {

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent)
{
    // A field shows a whole place or route; Qt would cut its text at 32,767 characters.
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::focusInEvent(QFocusEvent* event)
{
    Control<QLineEdit>::focusInEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason)
        emit events.GotFocus();
}

int TextBox::SelStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void TextBox::setSelStart(int position)
{
    setCursorPosition(qBound(0, position, int(text().size())));
}

int TextBox::SelLength() const
{
    return hasSelectedText() ? selectionLength() : 0;
}

void TextBox::setSelLength(int length)
{
    const int start = SelStart();
    const int end = start + qBound(0, length, int(text().size()) - start);
    // From the end back to the start, so that the caret stays at the start, as in the route box.
    setSelection(end, start - end);
}

} // namespace zwervel
