#include "platform/WindowStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace zwervel {

WindowStyle::WindowStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* answer) const
{
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, answer);
}

} // namespace zwervel
