#include "editing/RouteEditing.h"

#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QStringView>

namespace zwervel {

qsizetype geldigeCaret(const QString& tekst, qsizetype positie)
{
    positie = qBound(qsizetype(0), positie, tekst.size());
    const bool tussenCrEnLf = positie > 0 && positie < tekst.size() && tekst[positie - 1] == u'\r'
                              && tekst[positie] == u'\n';
    return tussenCrEnLf ? positie - 1 : positie;
}

RouteMetSelectie plaatsInvoegen(const QString& tekst, qsizetype selStart, qsizetype selLengte,
                                const QString& plaats)
{
    const qsizetype begin = geldigeCaret(tekst, selStart);
    // Bounded before adding, so that a huge length cannot wrap round to a small one.
    const qsizetype start = qBound(qsizetype(0), selStart, tekst.size());
    const qsizetype lengte = qBound(qsizetype(0), selLengte, tekst.size());
    const qsizetype eind = qMax(begin, geldigeCaret(tekst, start + lengte));

    RouteMetSelectie uit;
    uit.tekst.reserve(tekst.size() - (eind - begin) + plaats.size());
    uit.tekst.append(QStringView(tekst).first(begin));
    uit.tekst.append(plaats);
    uit.tekst.append(QStringView(tekst).sliced(eind));
    if (uit.tekst.endsWith(RegelEinde))
        uit.tekst.chop(RegelEinde.size());
    uit.selStart = begin;
    uit.selLengte = qMin(plaats.size(), uit.tekst.size() - begin);
    return uit;
}

QString routeOpgeschoond(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    for (const QStringView regel : QStringView(tekst).tokenize(RegelEinde)) {
        const QStringView plaats = zonderSpatiesAanDeRanden(regel);
        if (plaats.isEmpty())
            continue;
        if (!uit.isEmpty())
            uit.append(RegelEinde);
        uit.append(plaats);
    }
    return uit;
}

} // namespace zwervel
