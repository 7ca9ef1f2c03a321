#include "lists/ListRules.h"

#include "route/RouteRules.h"
#include "text/TextRules.h"

namespace zwervel {

QString zonderScheidingsteken(QString tekst) { return tekst.remove(Scheidingsteken); }

QString plaatsUitSelectie(const QString& selectie)
{
    // The entry end goes first: once gone, the CR and LF around it form a line break too.
    QString plaats = zonderScheidingsteken(selectie);
    plaats.replace(RegelEinde, QStringLiteral("/"));
    return zonderSpatiesAanDeRanden(plaats).toString();
}

QString routeAlsItem(const QString& normaalvorm)
{
    if (!normaalvorm.contains(Scheidingsteken))
        return normaalvorm;
    return routeNormaalvorm(zonderScheidingsteken(normaalvorm), false, false);
}

QStringList itemsZonder(const QStringList& items, const QString& weg)
{
    QStringList blijven;
    blijven.reserve(items.size());
    for (const QString& item : items) {
        if (!zelfdeTekstBehalveHoofdletters(item, weg))
            blijven.append(item);
    }
    return blijven;
}

QString uitLijstVerwijderenVraag(const QString& naam, const QString& item)
{
    return naam + RegelEinde + u' ' + item + RegelEinde + RegelEinde
           + QStringLiteral("uit de lijst verwijderen?");
}

QString allePlaatsenVerwijderenVraag(qsizetype aantal)
{
    return QStringLiteral("Alle plaatsen (") + QString::number(aantal)
           + QStringLiteral(") uit de lijst met Plaatsen verwijderen?");
}

QString alleRoutesVerwijderenVraag(qsizetype aantal)
{
    return QStringLiteral("Alle routes (") + QString::number(aantal)
           + QStringLiteral(") uit de lijst met Routes verwijderen?");
}

QString routeKomtAlVoorMelding(const QString& route)
{
    return QStringLiteral("Route") + RegelEinde + u' ' + route + RegelEinde
           + QStringLiteral("komt al voor in de lijst met Routes.");
}

QString routeToevoegenVraag(const QString& route)
{
    return QStringLiteral("Route") + RegelEinde + u' ' + route + RegelEinde
           + QStringLiteral("aan de lijst met Routes toevoegen?");
}

} // namespace zwervel
