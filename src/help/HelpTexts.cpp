#include "help/HelpTexts.h"

#include "text/TextRules.h"

#include <QList>
#include <QStringList>

namespace zwervel {

namespace {

QString joinLines(const QStringList& list)
{
    return list.join(LineEnd);
}

// One row of the help table; two rows explain two controls each.
struct HelpRow {
    QString name;
    QString alsoFor;
    QString text;
};

const QList<HelpRow>& helpRows()
{
    static const QList<HelpRow> rows{
        {QStringLiteral("LabelRoute"), {}, QStringLiteral("Route aan lijst met Routes toevoegen")},
        {QStringLiteral("knopOngedaan"),
         {},
         QStringLiteral("Laatste toevoeging van plaats of vervanging route ongedaan maken")},
        {QStringLiteral("knopPlaatsVerwijderen"),
         {},
         joinLines({QStringLiteral("Plaats uit lijst met Plaatsen verwijderen"),
                    QStringLiteral("  Rechtsklikken: alle plaatsen uit de lijst verwijderen")})},
        {QStringLiteral("knopRouteVerwijderen"),
         {},
         joinLines({QStringLiteral("Route uit lijst met Routes verwijderen"),
                    QStringLiteral("  Rechtsklikken: alle routes uit de lijst verwijderen")})},
        {QStringLiteral("knopGoogleMaps"), {}, QStringLiteral("Zwervel tonen")},
        {QStringLiteral("KnopRouteLeegmaken"), {}, QStringLiteral("Vak met de route leegmaken")},
        {QStringLiteral("LabelPlaatsen"), QStringLiteral("tPlaats"),
         joinLines({QStringLiteral("Klik uit de lijst met Plaatsen, "
                                   "teneinde een plaats aan de route toe te voegen"),
                    QStringLiteral("  Met Alt ingedrukt niet toevoegen"),
                    QStringLiteral("  Escape: geen plaats toevoegen")})},
        {QStringLiteral("LabelRoutes"), QStringLiteral("tRoutes"),
         joinLines({QStringLiteral("Klik uit de lijst met Routes, teneinde de route te vervangen"),
                    QStringLiteral("  Escape: geen route vervangen")})},
        {QStringLiteral("knopGoogleMapsOpenen"), {}, QStringLiteral("Google Maps openen")},
        {QStringLiteral("knopPlaatsToevoegen"),
         {},
         QStringLiteral("Selectie uit het vak met de route aan de lijst met Plaatsen toevoegen")},
        {QStringLiteral("knopRouteOpschonen"),
         {},
         QStringLiteral(
             "Route opschonen (uit het vak met de route overbodige regels verwijderen)")},
    };
    return rows;
}

} // namespace

QString exampleText()
{
    return QStringLiteral(
        "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");
}

QString generalHelpText(const QString& example)
{
    return joinLines({
        QStringLiteral(
            " Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d."),
        QStringLiteral("  Gebruik komma , voor extra informatie"),
        QStringLiteral("  Gebruik open- en sluithaakjes ( en ) voor informatie"),
        QString(),
        example,
    });
}

QString helpText(const QString& name, const QString& example)
{
    // The information label explains the example it would load, as the example is now.
    if (name == QLatin1String("Info"))
        return joinLines({example, QString(), QStringLiteral("     Voorbeeld in Google Maps tonen"),
                          QStringLiteral("     Rechtsklikken: Zwervel tonen")});
    QString text;
    for (const HelpRow& row : helpRows()) {
        if (name == row.name || (!row.alsoFor.isEmpty() && name == row.alsoFor))
            text = row.text;
    }
    return text;
}

AccessibleText accessibleText(const QString& help)
{
    QStringList filled;
    for (const QString& line : help.split(LineEnd)) {
        const QString bare = line.trimmed();
        if (!bare.isEmpty())
            filled << bare;
    }
    return {filled.value(0), filled.join(u'\n')};
}

} // namespace zwervel
