#include "lists/ListRules.h"

#include "route/RouteRules.h"
#include "text/TextRules.h"

namespace zwervel {

QString withoutSeparator(QString text)
{
    return text.remove(EntrySeparator);
}

QString placeFromSelection(const QString& selection)
{
    // The entry end goes first: once gone, the CR and LF around it form a line break too.
    QString place = withoutSeparator(selection);
    place.replace(LineEnd, QStringLiteral("/"));
    return trimSpaces(place).toString();
}

QString routeAsEntry(const QString& normalForm)
{
    if (!normalForm.contains(EntrySeparator))
        return normalForm;
    return routeNormalForm(withoutSeparator(normalForm), false, false);
}

QStringList entriesWithout(const QStringList& items, const QString& drop)
{
    QStringList kept;
    kept.reserve(items.size());
    for (const QString& item : items) {
        if (!sameEntry(item, drop))
            kept.append(item);
    }
    return kept;
}

QString removeEntryQuestion(const QString& name, const QString& item)
{
    return name + LineEnd + u' ' + item + LineEnd + LineEnd +
           QStringLiteral("uit de lijst verwijderen?");
}

QString removeAllPlacesQuestion(qsizetype count)
{
    return QStringLiteral("Alle plaatsen (") + QString::number(count) +
           QStringLiteral(") uit de lijst met Plaatsen verwijderen?");
}

QString removeAllRoutesQuestion(qsizetype count)
{
    return QStringLiteral("Alle routes (") + QString::number(count) +
           QStringLiteral(") uit de lijst met Routes verwijderen?");
}

QString routeExistsMessage(const QString& route)
{
    return QStringLiteral("Route") + LineEnd + u' ' + route + LineEnd +
           QStringLiteral("komt al voor in de lijst met Routes.");
}

QString addRouteQuestion(const QString& route)
{
    return QStringLiteral("Route") + LineEnd + u' ' + route + LineEnd +
           QStringLiteral("aan de lijst met Routes toevoegen?");
}

} // namespace zwervel
