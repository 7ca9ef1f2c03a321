#include "route/RouteRules.h"

#include "text/TextRules.h"

#include <QByteArray>
#include <QStringList>

namespace zwervel {

namespace {

constexpr QChar Streep(u'/');

// Appends a place with every run of spaces made one space and none at its ends.
void plaatsToevoegen(QString& uit, QStringView plaats)
{
    bool spatie = false;
    for (const QChar teken : zonderSpatiesAanDeRanden(plaats)) {
        if (teken == u' ') {
            spatie = true;
            continue;
        }
        if (spatie)
            uit += u' ';
        spatie = false;
        uit += teken;
    }
}

} // namespace

QString routeAlsRegels(QString route) { return route.replace(Streep, RegelEinde); }

QString routeNormaalvorm(const QString& routeTekst, bool eenPlaatsDubbel, bool tussenHaakjesWis)
{
    // Each place is written after a "/" and then compared with the place before it: an empty
    // place is taken back, and so is the earlier of two neighbours that are the same place.
    QString uit;
    uit.reserve(routeTekst.size());
    qsizetype vorige = -1; // where the place before the current one starts
    qsizetype plaatsen = 0;
    for (const QStringView regel : QStringView(routeTekst).tokenize(RegelEinde)) {
        for (const QStringView stuk : regel.tokenize(Streep)) {
            const qsizetype eindVorige = uit.size();
            if (vorige >= 0)
                uit += Streep;
            const qsizetype begin = uit.size();
            plaatsToevoegen(uit, stuk);
            if (uit.size() == begin) {
                uit.truncate(eindVorige);
                continue;
            }
            const QStringView deze = QStringView(uit).sliced(begin);
            if (vorige >= 0
                && zelfdeTekstBehalveHoofdletters(QStringView(uit).sliced(vorige, eindVorige - vorige),
                                                  deze)) {
                uit.remove(vorige, begin - vorige);
                continue;
            }
            vorige = begin;
            ++plaatsen;
        }
    }
    if (uit.isEmpty())
        return {};
    if (eenPlaatsDubbel && plaatsen == 1)
        uit = uit + Streep + uit;
    if (tussenHaakjesWis)
        uit = tussenHakenVerwijderen(uit);
    return uit;
}

QString tussenHakenVerwijderen(const QString& invoer)
{
    // What precedes the first "(" holds neither bracket, so after each removal the search goes
    // on behind the removed ")": one pass, whatever the number of pairs.
    QString uit;
    qsizetype vanaf = 0;
    for (;;) {
        const qsizetype open = invoer.indexOf(u'(', vanaf);
        const qsizetype dicht = invoer.indexOf(u')', vanaf);
        if (open < 0 || dicht < open)
            break;
        uit += QStringView(invoer).sliced(vanaf, open - vanaf);
        vanaf = dicht + 1;
    }
    if (vanaf == 0)
        return invoer;
    uit += QStringView(invoer).sliced(vanaf);
    // Nothing left is no text at all, as when nothing was ever appended.
    return uit.isEmpty() ? QString() : uit;
}

QString routeAdres(const QString& normaalvorm)
{
    QByteArray adres(KaartBasisAdres);
    adres += "/maps/dir/";
    const QByteArray ongemoeid = ",.-_";
    const QStringList plaatsen = normaalvorm.split(Streep);
    for (qsizetype i = 0; i < plaatsen.size(); ++i) {
        if (i > 0)
            adres += '/';
        // Letters, digits and ",.-_" travel as they are; every other byte becomes %XX.
        adres += plaatsen.at(i).toUtf8().toPercentEncoding(ongemoeid, "~");
    }
    return QString::fromLatin1(adres);
}

QString startpaginaAdres() { return QString::fromLatin1(KaartBasisAdres) + QStringLiteral("/maps"); }

} // namespace zwervel
