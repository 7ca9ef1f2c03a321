#include "platform/WindowStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace zwervel {

VensterStijl::VensterStijl() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

int VensterStijl::styleHint(StyleHint hint, const QStyleOption* optie, const QWidget* widget,
                            QStyleHintReturn* antwoord) const
{
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, optie, widget, antwoord);
}

} // namespace zwervel
