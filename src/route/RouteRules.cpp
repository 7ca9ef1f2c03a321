#include "route/RouteRules.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

namespace zwervel {

namespace {

constexpr QChar Spatie(u' ');
constexpr QChar Streep(u'/');

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

namespace {

constexpr char16_t Alinea = QChar::ParagraphSeparator;

// Whether the character may begin a separator: a space, a slash, a CR (of CR LF), or with
// `MetAlinea` a paragraph separator. One test for all, so that letters, digits, commas and
// periods go straight on. A paragraph separator is tested along with ")" by leaving out its
// 0x2000 bit, which keeps that test as cheap as without it; the few other characters it lets
// through are sorted out by the exact test that follows.
template <bool MetAlinea>
bool magScheiden(char16_t c)
{
    constexpr char16_t Zonder = MetAlinea ? 0x2000 : 0;
    constexpr quint64 Scheiders = (1ull << u' ') | (1ull << u'/') | (1ull << u'\r')
                                  | (MetAlinea ? 1ull << (Alinea & ~Zonder) : 0);
    const char16_t laag = c & ~Zonder;
    return laag < 64 && (Scheiders >> laag) & 1;
}

// The route text is read once and the normal form written straight into one buffer, which it
// never outgrows: runs of separators are collapsed on the way, and each place, once whole, is
// compared with the one before it and, when they are the same place, written over it. What is
// written last is always the place just read, so each place meets exactly its neighbour.
// `MetAlinea`: a paragraph separator is a line break too, as in the route box's own text.
template <bool MetAlinea>
QString normaalvorm(QStringView tekst, bool eenPlaatsDubbel, bool tussenHaakjesWis)
{
    tekst = zonderSpatiesAanDeRanden(tekst);
    if (tekst.isEmpty())
        return {};
    const char16_t* lees = tekst.utf16();
    const char16_t* const eind = lees + tekst.size();
    const auto regeleinde = [eind](const char16_t* p) -> int {
        if (MetAlinea && *p == Alinea)
            return 1;
        return *p == u'\r' && p + 1 != eind && p[1] == u'\n' ? 2 : 0;
    };
    const auto scheidingBegint = [&regeleinde](const char16_t* p) {
        return *p == u' ' || *p == u'/' || regeleinde(p);
    };
    // Walks a run of spaces, slashes and line breaks; true when it held more than spaces.
    const auto scheiding = [&lees, eind, &regeleinde] {
        bool metStreep = false;
        while (lees != eind) {
            if (*lees == u' ') {
                ++lees;
            } else if (*lees == u'/') {
                metStreep = true;
                ++lees;
            } else if (const int lengte = regeleinde(lees)) {
                metStreep = true;
                lees += lengte;
            } else {
                break;
            }
        }
        return metStreep;
    };
    // Only a capital I with dot above lets places of different lengths be the same place.
    const bool kanGroeien = tekst.contains(GrootIMetPunt);

    QString uit(tekst.size(), Qt::Uninitialized);
    char16_t* const begin = reinterpret_cast<char16_t*>(uit.data());
    char16_t* schrijf = begin;
    char16_t* vorige = nullptr; // where the last whole place starts; it ends before the "/"
    char16_t* plaats = begin;
    const auto plaatsKlaar = [&] {
        if (!vorige)
            return;
        const QStringView voor(vorige, plaats - 1), deze(plaats, schrijf);
        const bool kanGelijk = voor.size() == deze.size() || kanGroeien;
        if (kanGelijk && zelfdeTekstBehalveHoofdletters(voor, deze)) {
            schrijf = std::copy(plaats, schrijf, vorige);
            plaats = vorige;
        }
    };

    // The trimmed text starts with a place or with a run holding a slash or line break; such a
    // run stands before no place, so it is passed over.
    scheiding();
    while (lees != eind) {
        const char16_t teken = *lees;
        if (!magScheiden<MetAlinea>(teken) || !scheidingBegint(lees)) {
            *schrijf++ = teken;
            ++lees;
            continue;
        }
        const bool metStreep = scheiding();
        if (lees == eind)
            break; // a run at the very end only ever holds a slash or line break
        if (!metStreep) {
            *schrijf++ = u' ';
            continue;
        }
        plaatsKlaar();
        vorige = plaats;
        *schrijf++ = u'/';
        plaats = schrijf;
    }
    if (schrijf == begin)
        return {};
    plaatsKlaar();
    const bool eenPlaats = plaats == begin;
    uit.truncate(schrijf - begin);

    if (eenPlaatsDubbel && eenPlaats)
        uit = uit + Streep + uit;
    if (tussenHaakjesWis)
        uit = tussenHakenVerwijderen(uit);
    return uit;
}

} // namespace

QString routeNormaalvorm(const QString& routeTekst, bool eenPlaatsDubbel, bool tussenHaakjesWis)
{
    return normaalvorm<false>(routeTekst, eenPlaatsDubbel, tussenHaakjesWis);
}

QString routeNormaalvormVanDocument(QStringView documentTekst, bool eenPlaatsDubbel,
                                    bool tussenHaakjesWis)
{
    return normaalvorm<true>(documentTekst, eenPlaatsDubbel, tussenHaakjesWis);
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
        // "(" and ")" differ only in their lowest bit: one comparison finds either.
        const QChar* const open =
            std::find_if(vanaf, eind, [](QChar c) { return (c.unicode() | 1) == u')'; });
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
