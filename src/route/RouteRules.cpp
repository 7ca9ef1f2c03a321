#include "route/RouteRules.h"

#include "text/TextRules.h"

#include <QByteArray>
#include <QStringList>

namespace zwervel {

namespace {

constexpr QChar Slash(u'/');

// Appends a place with every run of spaces made one space and none at its ends.
void appendPlace(QString& out, QStringView place)
{
    bool space = false;
    for (const QChar ch : trimSpaces(place)) {
        if (ch == u' ') {
            space = true;
            continue;
        }
        if (space)
            out += u' ';
        space = false;
        out += ch;
    }
}

} // namespace

QString routeAsLines(QString route)
{
    return route.replace(Slash, LineEnd);
}

QString routeNormalForm(const QString& routeText, bool doubleLonePlace, bool dropBracketed)
{
    // Each place is written after a "/" and then compared with the place before it: an empty
    // place is taken back, and so is the earlier of two neighbours that are the same place.
    QString out;
    out.reserve(routeText.size());
    qsizetype previous = -1; // where the place before the current one starts
    qsizetype places = 0;
    for (const QStringView line : QStringView(routeText).tokenize(LineEnd)) {
        for (const QStringView piece : line.tokenize(Slash)) {
            const qsizetype previousEnd = out.size();
            if (previous >= 0)
                out += Slash;
            const qsizetype begin = out.size();
            appendPlace(out, piece);
            if (out.size() == begin) {
                out.truncate(previousEnd);
                continue;
            }
            const QStringView current = QStringView(out).sliced(begin);
            if (previous >= 0 &&
                sameEntry(QStringView(out).sliced(previous, previousEnd - previous), current)) {
                out.remove(previous, begin - previous);
                continue;
            }
            previous = begin;
            ++places;
        }
    }
    if (out.isEmpty())
        return {};
    if (doubleLonePlace && places == 1)
        out = out + Slash + out;
    if (dropBracketed)
        out = removeBracketed(out);
    return out;
}

QString removeBracketed(const QString& input)
{
    // What precedes the first "(" holds neither bracket, so after each removal the search goes
    // on behind the removed ")": one pass, whatever the number of pairs.
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = input.indexOf(u'(', from);
        const qsizetype close = input.indexOf(u')', from);
        if (open < 0 || close < open)
            break;
        out += QStringView(input).sliced(from, open - from);
        from = close + 1;
    }
    if (from == 0)
        return input;
    out += QStringView(input).sliced(from);
    // Nothing left is no text at all, as when nothing was ever appended.
    return out.isEmpty() ? QString() : out;
}

QString routeAddress(const QString& normalForm)
{
    QByteArray address(MapBaseAddress);
    address += "/maps/dir/";
    const QByteArray unescaped = ",.-_";
    const QStringList places = normalForm.split(Slash);
    for (qsizetype i = 0; i < places.size(); ++i) {
        if (i > 0)
            address += '/';
        // Letters, digits and ",.-_" travel as they are; every other byte becomes %XX.
        address += places.at(i).toUtf8().toPercentEncoding(unescaped, "~");
    }
    return QString::fromLatin1(address);
}

QString startPageAddress()
{
    return QString::fromLatin1(MapBaseAddress) + QStringLiteral("/maps");
}

} // namespace zwervel
