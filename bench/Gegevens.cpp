#include "Gegevens.h"

#include "platform/ListOrder.h"

#include <iterator>

namespace zwervel::bench {

int Toeval::onder(int n)
{
    m_stand = m_stand * 6364136223846793005ULL + 1442695040888963407ULL;
    return int((m_stand >> 33) % quint64(n));
}

namespace {

const char* const Lettergrepen[] = {
    "am", "ster", "dam", "rot", "ter", "trecht", "gro", "nin", "gen", "zwol", "le", "lei",
    "den", "delft", "hoorn", "bre", "da", "til", "burg", "ven", "lo", "maas", "tricht", "ber",
    "gum", "hui", "zen", "wijk", "veen", "dorp", "broek", "ho", "kerk", "ra", "de", "mond",
    "wou", "hem", "ar", "nhem", "ol", "zaan", "stad", "kamp", "sne", "ek", "mid", "del",
    "vlis", "sin", "as", "sen", "brug", "ge", "lo", "ze", "wolde", "horst", "haar", "lem"};

QString woord(Toeval& toeval)
{
    QString w;
    const int grepen = 2 + toeval.onder(2);
    for (int i = 0; i < grepen; ++i)
        w += QLatin1String(Lettergrepen[toeval.onder(int(std::size(Lettergrepen)))]);
    w[0] = w[0].toUpper();
    return w;
}

} // namespace

QString plaatsNaam(Toeval& toeval)
{
    QString plaats = woord(toeval);
    switch (toeval.onder(12)) {
    case 0:
    case 1: plaats += QStringLiteral(", ") + woord(toeval); break;
    case 2: plaats += u' ' + QString::number(1 + toeval.onder(200)); break;
    case 3: plaats = QStringLiteral("Sint-") + plaats; break;
    case 4: plaats += QStringLiteral(" aan Zee"); break;
    case 5: plaats = QString::fromUtf8("Île ") + plaats; break;
    case 6: plaats = QString::fromUtf8("Café ") + plaats; break;
    default: break;
    }
    return plaats;
}

QSet<QString> inKleineLetters(const QStringList& items)
{
    QSet<QString> set;
    set.reserve(items.size());
    for (const QString& item : items)
        set.insert(item.toLower());
    return set;
}

QStringList nieuwePlaatsen(int aantal, const QSet<QString>& bekend, Toeval& toeval)
{
    QStringList nieuw;
    QSet<QString> gezien = bekend;
    while (nieuw.size() < aantal) {
        const QString plaats = plaatsNaam(toeval);
        if (!gezien.contains(plaats.toLower())) {
            gezien.insert(plaats.toLower());
            nieuw << plaats;
        }
    }
    return nieuw;
}

QStringList plaatsen(int aantal, Toeval& toeval)
{
    QStringList lijst = nieuwePlaatsen(aantal, {}, toeval);
    sorteerLijst(lijst);
    return lijst;
}

QStringList routes(int aantal, const QStringList& plaatsen, Toeval& toeval)
{
    QStringList lijst;
    QSet<QString> gezien;
    while (lijst.size() < aantal) {
        QStringList delen;
        const int lengte = 2 + toeval.onder(4);
        while (delen.size() < lengte) {
            const QString plaats = plaatsen.at(toeval.onder(int(plaatsen.size())));
            if (delen.isEmpty() || delen.constLast().compare(plaats, Qt::CaseInsensitive) != 0)
                delen << plaats;
        }
        const QString route = delen.join(u'/');
        if (!gezien.contains(route.toLower())) {
            gezien.insert(route.toLower());
            lijst << route;
        }
    }
    sorteerLijst(lijst);
    return lijst;
}

QString routeTekst(RouteGeval geval, int lengte)
{
    QString patroon;
    switch (geval) {
    case RouteGeval::Spaties: patroon = QStringLiteral(" "); break;
    case RouteGeval::Strepen: patroon = QStringLiteral("/"); break;
    case RouteGeval::Afwisselend: patroon = QStringLiteral("/ "); break;
    case RouteGeval::Gemengd:
        // Line breaks, runs of spaces around slashes, empty lines, a place repeated in another
        // letter case, text in brackets.
        patroon = QStringLiteral("Nieuwegein\r\n  48.860997, 2.352563 (Parijs) / Utrecht /utrecht "
                                 "/Rome, Colosseum (reis)\r\n\r\n  Zwolle   aan Zee  /  ");
        break;
    }
    QString tekst;
    tekst.reserve(lengte + patroon.size());
    while (tekst.size() < lengte)
        tekst += patroon;
    tekst.truncate(lengte);
    return tekst;
}

const char* naam(RouteGeval geval)
{
    switch (geval) {
    case RouteGeval::Spaties: return "all spaces";
    case RouteGeval::Strepen: return "all slashes";
    case RouteGeval::Afwisselend: return "alternating \"/ \"";
    case RouteGeval::Gemengd: return "mixed text";
    }
    return "";
}

} // namespace zwervel::bench
