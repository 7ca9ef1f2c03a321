#include "platform/TwipsGeometry.h"

#include <QWidget>

#include <cmath>

namespace zwervel {

int twipsNaarPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

void TwipsGeometrie::plaats(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    pasToe();
}

void TwipsGeometrie::pasToe()
{
    m_widget->setGeometry(twipsNaarPixels(m_left), twipsNaarPixels(m_top),
                          twipsNaarPixels(m_width), twipsNaarPixels(m_height));
}

} // namespace zwervel
