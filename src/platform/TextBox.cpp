#include "platform/TextBox.h"

#include <limits>

namespace zwervel {

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

} // namespace zwervel
