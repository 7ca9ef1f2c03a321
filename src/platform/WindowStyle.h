// The application's style, except that a list drops down beneath its control, a screenful at
// a time with a scroll bar, as on the desktop the program comes from: the other way, a popup
// as tall as the list over the control, hides the window behind a long list.
#pragma once

#include <QProxyStyle>

namespace zwervel {

class WindowStyle : public QProxyStyle {
public:
    WindowStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override;
};

} // namespace zwervel
