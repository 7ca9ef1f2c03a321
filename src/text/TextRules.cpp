#include "text/TextRules.h"

#include <algorithm>

namespace zwervel {

namespace {

// The capital I with dot above is the one character that grows when it is lowered (to "i" and
// a combining dot); every other keeps its length.
constexpr QChar CapitalIWithDot(0x0130);

// The length of a text's lower-case form.
qsizetype lowerCaseLength(QStringView text)
{
    return text.size() + text.count(CapitalIWithDot);
}

// The rule itself: both texts lowered whole and compared.
bool equalWhenLowered(QStringView a, QStringView b)
{
    return lowerCaseLength(a) == lowerCaseLength(b) &&
           a.toString().toLower() == b.toString().toLower();
}

// A code unit that lowers on its own into the one unit the whole text's lowering puts in its
// place: not the capital I with dot above, and not half of a surrogate pair (a lone half may
// even come out as a replacement character, depending on the rest of the text).
bool lowersAlone(QChar c)
{
    return !c.isSurrogate() && c != CapitalIWithDot;
}

} // namespace

QStringView trimSpaces(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

bool sameEntry(QStringView a, QStringView b)
{
    // Compared unit by unit without making the lowered texts: a list walks tens of thousands of
    // entries for one new place. Where a unit would lower unusually, the whole rule decides.
    if (a.size() == b.size()) {
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QChar x = a.at(i), y = b.at(i);
            if (x.isSurrogate() || y.isSurrogate())
                return equalWhenLowered(a, b);
            if (x == y)
                continue;
            if (!lowersAlone(x) || !lowersAlone(y))
                return equalWhenLowered(a, b);
            if (x.toLower() != y.toLower())
                return false;
        }
        return true;
    }
    // Texts of different lengths can only lower alike when the shorter one grows.
    const QStringView shorter = a.size() < b.size() ? a : b;
    const bool grows = std::find(shorter.begin(), shorter.end(), CapitalIWithDot) != shorter.end();
    return grows && equalWhenLowered(a, b);
}

} // namespace zwervel
