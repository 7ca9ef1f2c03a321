#include "route/RouteRules.h"

#include <QByteArray>
#include <QStringList>

namespace zwervel {

namespace {

constexpr QChar Spatie(u' ');
constexpr QChar Streep(u'/');

QString zonderSpatiesAanDeRanden(const QString& tekst)
{
    qsizetype begin = 0, eind = tekst.size();
    while (begin < eind && tekst.at(begin) == Spatie)
        ++begin;
    while (eind > begin && tekst.at(eind - 1) == Spatie)
        --eind;
    return tekst.mid(begin, eind - begin);
}

// One pass for the rewriting steps: line breaks become "/", a run of spaces becomes one
// space, and a run of spaces and slashes holding at least one slash becomes one "/".
QString scheidingenSamenvoegen(const QString& tekst)
{
    QString uit;
    uit.reserve(tekst.size());
    const qsizetype n = tekst.size();
    for (qsizetype i = 0; i < n;) {
        const bool regeleinde = tekst.at(i) == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n';
        if (tekst.at(i) != Spatie && tekst.at(i) != Streep && !regeleinde) {
            uit.append(tekst.at(i++));
            continue;
        }
        bool metStreep = false;
        while (i < n) {
            if (tekst.at(i) == Spatie) {
                ++i;
            } else if (tekst.at(i) == Streep) {
                metStreep = true;
                ++i;
            } else if (tekst.at(i) == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n') {
                metStreep = true;
                i += 2;
            } else {
                break;
            }
        }
        uit.append(metStreep ? Streep : Spatie);
    }
    return uit;
}

// The length of a text's lower-case form. Only the capital I with dot above grows when it is
// lowered (to "i" and a combining dot); every other character keeps its length.
qsizetype lengteInKleineLetters(QStringView tekst)
{
    return tekst.size() + tekst.count(QChar(0x0130));
}

} // namespace

bool zelfdeTekstBehalveHoofdletters(QStringView a, QStringView b)
{
    if (a == b)
        return true;
    return lengteInKleineLetters(a) == lengteInKleineLetters(b)
           && a.toString().toLower() == b.toString().toLower();
}

QString routeNormaalvorm(const QString& routeTekst, bool eenPlaatsDubbel, bool tussenHaakjesWis)
{
    QString s = zonderSpatiesAanDeRanden(routeTekst);
    if (s.isEmpty())
        return {};
    s = scheidingenSamenvoegen(s);
    if (s.startsWith(Streep))
        s.remove(0, 1);
    if (s.endsWith(Streep))
        s.chop(1);
    s = zonderSpatiesAanDeRanden(s);
    if (s.isEmpty())
        return {};

    const QStringList plaatsen = s.split(Streep);
    QString resultaat;
    resultaat.reserve(s.size());
    for (qsizetype i = 0; i + 1 < plaatsen.size(); ++i) {
        if (!zelfdeTekstBehalveHoofdletters(plaatsen.at(i), plaatsen.at(i + 1))) {
            resultaat += plaatsen.at(i);
            resultaat += Streep;
        }
    }
    resultaat += plaatsen.constLast();

    if (eenPlaatsDubbel && !resultaat.contains(Streep))
        resultaat = resultaat + Streep + resultaat;
    if (tussenHaakjesWis)
        resultaat = tussenHakenVerwijderen(resultaat);
    return resultaat;
}

QString tussenHakenVerwijderen(const QString& invoer)
{
    // What precedes the current first "(" holds neither bracket, so after each removal the
    // search simply goes on behind the removed ")".
    QString uit;
    qsizetype vanaf = 0;
    for (;;) {
        const qsizetype open = invoer.indexOf(u'(', vanaf);
        const qsizetype dicht = invoer.indexOf(u')', vanaf);
        if (open < 0 || dicht < 0 || dicht < open)
            break;
        uit += QStringView(invoer).mid(vanaf, open - vanaf);
        vanaf = dicht + 1;
    }
    if (vanaf == 0)
        return invoer;
    uit += QStringView(invoer).mid(vanaf);
    return uit;
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
