// Positions and sizes in twips, the unit the form is designed in, kept on a Qt widget that
// lives in logical pixels.
#pragma once

class QWidget;

namespace zwervel {

// 15 twips are one logical pixel (1440 twips an inch at 96 dots per inch).
inline constexpr double TwipsPerPixel = 15.0;
int twipsToPixels(double twips);

// Left/Top/Width/Height in twips, stored as given so that layout arithmetic stays exact;
// the widget itself sits at the nearest whole pixel.
class TwipsGeometry {
public:
    explicit TwipsGeometry(QWidget* widget) : m_widget(widget) {}

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setLeft(float v)
    {
        m_left = v;
        apply();
    }
    void setTop(float v)
    {
        m_top = v;
        apply();
    }
    void setWidth(float v)
    {
        m_width = v;
        apply();
    }
    void setHeight(float v)
    {
        m_height = v;
        apply();
    }
    void place(float left, float top, float width, float height);

private:
    void apply();

    QWidget* m_widget;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
};

} // namespace zwervel
