#include "platform/PictureButton.h"

#include <QPainter>

namespace zwervel {

PictureButton::PictureButton(QWidget* parent) : Control<QWidget>(parent)
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

} // namespace zwervel
