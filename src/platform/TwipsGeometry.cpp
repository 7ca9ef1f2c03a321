#include "platform/TwipsGeometry.h"

#include <QWidget>

#include <cmath>

namespace zwervel {

int twipsToPixels(double twips)
{
    return int(std::lround(twips / TwipsPerPixel));
}

void TwipsGeometry::place(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    apply();
}

void TwipsGeometry::apply()
{
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                          twipsToPixels(m_height));
}

} // namespace zwervel
