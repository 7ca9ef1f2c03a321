#include "text/TextRules.h"

#include <algorithm>

namespace zwervel {

namespace {

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
    while (begin < eind && tekst.at(begin) == u' ')
        ++begin;
    while (eind > begin && tekst.at(eind - 1) == u' ')
        --eind;
    return tekst.sliced(begin, eind - begin);
}

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

} // namespace zwervel
