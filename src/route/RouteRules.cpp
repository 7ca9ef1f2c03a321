#include "route/RouteRules.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

namespace zwervel {

namespace {

constexpr QChar Spatie(u' ');
constexpr QChar Streep(u'/');

// One pass for the rewriting steps: line breaks become "/", a run of spaces becomes one
// space, and a run of spaces and slashes holding at least one slash becomes one "/". The
// result is never longer than the text, so it is written straight into one buffer.
QString scheidingenSamenvoegen(QStringView tekst)
{
    const qsizetype n = tekst.size();
    const auto regeleinde = [&tekst, n](qsizetype i) {
        return tekst.at(i) == u'\r' && i + 1 < n && tekst.at(i + 1) == u'\n';
    };
    QString uit(n, Qt::Uninitialized);
    QChar* const begin = uit.data();
    QChar* schrijf = begin;
    for (qsizetype i = 0; i < n;) {
        const QChar teken = tekst.at(i);
        // Letters and digits all come after the three characters that separate.
        if (teken > Streep || (teken != Spatie && teken != Streep && !regeleinde(i))) {
            *schrijf++ = teken;
            ++i;
            continue;
        }
        bool metStreep = false;
        while (i < n) {
            if (tekst.at(i) == Spatie) {
                ++i;
            } else if (tekst.at(i) == Streep) {
                metStreep = true;
                ++i;
            } else if (regeleinde(i)) {
                metStreep = true;
                i += 2;
            } else {
                break;
            }
        }
        *schrijf++ = metStreep ? Streep : Spatie;
    }
    uit.truncate(schrijf - begin);
    return uit;
}

// The capital I with dot above is the one character that grows when it is lowered (to "i" and
// a combining dot); every other keeps its length.
constexpr QChar GrootIMetPunt(0x0130);

// The length of a text's lower-case form.
qsizetype lengteInKleineLetters(QStringView tekst)
{
    return tekst.size() + tekst.count(GrootIMetPunt);
}

// The rule itself: both texts lowered whole and compared.
bool kleineLettersGelijk(QStringView a, QStringView b)
{
    return lengteInKleineLetters(a) == lengteInKleineLetters(b)
           && a.toString().toLower() == b.toString().toLower();
}

// A code unit that lowers on its own into the one unit the whole text's lowering puts in its
// place: not the capital I with dot above, and not half of a surrogate pair (a lone half may
// even come out as a replacement character, depending on the rest of the text).
bool losTeVerlagen(QChar c) { return !c.isSurrogate() && c != GrootIMetPunt; }

} // namespace

QStringView zonderSpatiesAanDeRanden(QStringView tekst)
{
    qsizetype begin = 0, eind = tekst.size();
    while (begin < eind && tekst.at(begin) == Spatie)
        ++begin;
    while (eind > begin && tekst.at(eind - 1) == Spatie)
        --eind;
    return tekst.sliced(begin, eind - begin);
}

QString routeAlsRegels(QString route) { return route.replace(Streep, QStringLiteral("\r\n")); }

bool zelfdeTekstBehalveHoofdletters(QStringView a, QStringView b)
{
    // Compared unit by unit without making the lowered texts: a list walks tens of thousands of
    // entries for one new place. Where a unit would lower unusually, the whole rule decides.
    if (a.size() == b.size()) {
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QChar x = a.at(i), y = b.at(i);
            if (x.isSurrogate() || y.isSurrogate())
                return kleineLettersGelijk(a, b);
            if (x == y)
                continue;
            if (!losTeVerlagen(x) || !losTeVerlagen(y))
                return kleineLettersGelijk(a, b);
            if (x.toLower() != y.toLower())
                return false;
        }
        return true;
    }
    // Texts of different lengths can only lower alike when the shorter one grows.
    const QStringView korter = a.size() < b.size() ? a : b;
    const bool groeit = std::find(korter.begin(), korter.end(), GrootIMetPunt) != korter.end();
    return groeit && kleineLettersGelijk(a, b);
}

QString routeNormaalvorm(const QString& routeTekst, bool eenPlaatsDubbel, bool tussenHaakjesWis)
{
    const QStringView getrimd = zonderSpatiesAanDeRanden(routeTekst);
    if (getrimd.isEmpty())
        return {};
    const QString samengevoegd = scheidingenSamenvoegen(getrimd);
    QStringView s = samengevoegd;
    if (s.startsWith(Streep))
        s = s.sliced(1);
    if (s.endsWith(Streep))
        s.chop(1);
    s = zonderSpatiesAanDeRanden(s);
    if (s.isEmpty())
        return {};

    // The places between the slashes, each looked at in place and kept unless the next one is
    // the same place; what is kept is copied straight into the result, which is never longer.
    qsizetype vanaf = 0;
    const auto volgendePlaats = [&s, &vanaf] {
        const qsizetype eind = std::find(s.begin() + vanaf, s.end(), Streep) - s.begin();
        const QStringView plaats = s.sliced(vanaf, eind - vanaf);
        vanaf = eind + 1;
        return plaats;
    };
    QString resultaat(s.size(), Qt::Uninitialized);
    QChar* schrijf = resultaat.data();
    QStringView plaats = volgendePlaats();
    while (vanaf <= s.size()) {
        const QStringView volgende = volgendePlaats();
        if (!zelfdeTekstBehalveHoofdletters(plaats, volgende)) {
            schrijf = std::copy(plaats.begin(), plaats.end(), schrijf);
            *schrijf++ = Streep;
        }
        plaats = volgende;
    }
    schrijf = std::copy(plaats.begin(), plaats.end(), schrijf);
    resultaat.truncate(schrijf - resultaat.constData());

    if (eenPlaatsDubbel && !resultaat.contains(Streep))
        resultaat = resultaat + Streep + resultaat;
    if (tussenHaakjesWis)
        resultaat = tussenHakenVerwijderen(resultaat);
    return resultaat;
}

QString tussenHakenVerwijderen(const QString& invoer)
{
    // What precedes the current first "(" holds neither bracket, so after each removal the
    // search simply goes on behind the removed ")". One pass, copying what stays.
    const QChar* const begin = invoer.constData();
    const QChar* const eind = begin + invoer.size();
    const QChar* vanaf = begin;
    QString uit;
    QChar* schrijf = nullptr;
    for (;;) {
        const QChar* const open =
            std::find_if(vanaf, eind, [](QChar c) { return c == u'(' || c == u')'; });
        if (open == eind || *open == u')')
            break;
        const QChar* const dicht = std::find(open + 1, eind, QChar(u')'));
        if (dicht == eind)
            break;
        if (!schrijf) {
            uit = QString(invoer.size(), Qt::Uninitialized);
            schrijf = uit.data();
        }
        schrijf = std::copy(vanaf, open, schrijf);
        vanaf = dicht + 1;
    }
    if (!schrijf)
        return invoer;
    schrijf = std::copy(vanaf, eind, schrijf);
    // Nothing left is no text at all, as when nothing was ever appended.
    if (schrijf == uit.constData())
        return {};
    uit.truncate(schrijf - uit.constData());
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
