#include "help/HelpTexts.h"

#include <QStringList>

namespace zwervel {

namespace {
const QString RegelEinde = QStringLiteral("\r\n");
}

QString voorbeeldTekst()
{
    return QStringLiteral(
        "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");
}

QString infoTekst(const QString& voorbeeld)
{
    return QStringList{
        QStringLiteral(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d."),
        QStringLiteral("  Gebruik komma , voor extra informatie"),
        QStringLiteral("  Gebruik open- en sluithaakjes ( en ) voor informatie"),
        QString(),
        voorbeeld,
    }.join(RegelEinde);
}

QString tipTekst(const QString& naam, const QString& voorbeeld)
{
    Q_UNUSED(naam);
    Q_UNUSED(voorbeeld);
    return {};
}

} // namespace zwervel
