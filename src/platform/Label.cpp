#include "platform/Label.h"

namespace zwervel {

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

} // namespace zwervel
