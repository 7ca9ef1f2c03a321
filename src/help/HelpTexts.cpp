#include "help/HelpTexts.h"

#include "text/TextRules.h"

#include <QList>
#include <QStringList>

namespace zwervel {

namespace {

QString regels(const QStringList& lijst) { return lijst.join(RegelEinde); }

// One row of the help table; two rows explain two controls each.
struct HulpRij {
    QString naam;
    QString ookVoor;
    QString tekst;
};

const QList<HulpRij>& hulpRijen()
{
    static const QList<HulpRij> rijen{
        {QStringLiteral("LabelRoute"), {}, QStringLiteral("Route aan lijst met Routes toevoegen")},
        {QStringLiteral("knopOngedaan"), {},
         QStringLiteral("Laatste toevoeging van plaats of vervanging route ongedaan maken")},
        {QStringLiteral("knopPlaatsVerwijderen"), {},
         regels({QStringLiteral("Plaats uit lijst met Plaatsen verwijderen"),
                 QStringLiteral("  Rechtsklikken: alle plaatsen uit de lijst verwijderen")})},
        {QStringLiteral("knopRouteVerwijderen"), {},
         regels({QStringLiteral("Route uit lijst met Routes verwijderen"),
                 QStringLiteral("  Rechtsklikken: alle routes uit de lijst verwijderen")})},
        {QStringLiteral("knopGoogleMaps"), {}, QStringLiteral("Zwervel tonen")},
        {QStringLiteral("KnopRouteLeegmaken"), {}, QStringLiteral("Vak met de route leegmaken")},
        {QStringLiteral("LabelPlaatsen"), QStringLiteral("tPlaats"),
         regels({QStringLiteral("Klik uit de lijst met Plaatsen, "
                                "teneinde een plaats aan de route toe te voegen"),
                 QStringLiteral("  Met Alt ingedrukt niet toevoegen"),
                 QStringLiteral("  Escape: geen plaats toevoegen")})},
        {QStringLiteral("LabelRoutes"), QStringLiteral("tRoutes"),
         regels({QStringLiteral("Klik uit de lijst met Routes, teneinde de route te vervangen"),
                 QStringLiteral("  Escape: geen route vervangen")})},
        {QStringLiteral("knopGoogleMapsOpenen"), {}, QStringLiteral("Google Maps openen")},
        {QStringLiteral("knopPlaatsToevoegen"), {},
         QStringLiteral("Selectie uit het vak met de route aan de lijst met Plaatsen toevoegen")},
        {QStringLiteral("knopRouteOpschonen"), {},
         QStringLiteral("Route opschonen (uit het vak met de route overbodige regels verwijderen)")},
    };
    return rijen;
}

} // namespace

QString voorbeeldTekst()
{
    return QStringLiteral(
        "  Voorbeeld: Nieuwegein / 48.860997, 2.352563 (Parijs) / Rome, Colosseum (reis)");
}

QString infoTekst(const QString& voorbeeld)
{
    return regels({
        QStringLiteral(" Gebruik Enter of schuine streep  / voor plaats, postcode, museum, hotel, e.d."),
        QStringLiteral("  Gebruik komma , voor extra informatie"),
        QStringLiteral("  Gebruik open- en sluithaakjes ( en ) voor informatie"),
        QString(),
        voorbeeld,
    });
}

QString tipTekst(const QString& naam, const QString& voorbeeld)
{
    // The information label explains the example it would load, as the example is now.
    if (naam == QLatin1String("Info"))
        return regels({voorbeeld, QString(), QStringLiteral("     Voorbeeld in Google Maps tonen"),
                       QStringLiteral("     Rechtsklikken: Zwervel tonen")});
    QString tekst;
    for (const HulpRij& rij : hulpRijen()) {
        if (naam == rij.naam || (!rij.ookVoor.isEmpty() && naam == rij.ookVoor))
            tekst = rij.tekst;
    }
    return tekst;
}

ToegankelijkeTekst toegankelijkeTekst(const QString& hulp)
{
    QStringList gevuld;
    for (const QString& regel : hulp.split(RegelEinde)) {
        const QString kaal = regel.trimmed();
        if (!kaal.isEmpty())
            gevuld << kaal;
    }
    return {gevuld.value(0), gevuld.join(u'\n')};
}

} // namespace zwervel
