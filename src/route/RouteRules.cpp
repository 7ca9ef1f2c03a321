#include "route/RouteRules.h"

#include "text/TextRules.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

namespace zwervel {

namespace {

constexpr QChar Slash(u'/');

} // namespace

QString routeAsLines(QString route)
{
    return route.replace(Slash, LineEnd);
}

QString routeNormalForm(const QString& routeText, bool doubleLonePlace, bool dropBracketed)
{
    // One pass over the text, writing into a buffer of its length, which the result never
    // outgrows: each "/" written stands for at least one separator read. Within a place a run
    // of spaces is written as one space, and only when more of the place follows. An empty
    // place is not written, and of two neighbours that are the same place only the later one
    // stays.
    QString out(routeText.size(), Qt::Uninitialized);
    QChar* const begin = out.data();
    QChar* end = begin;        // the end of the places written so far
    QChar* previous = nullptr; // where the last place written starts
    QChar* start = begin;      // where the place being read is written
    QChar* write = start;
    bool space = false;
    qsizetype places = 0;
    const auto placeDone = [&] {
        if (write != start) {
            if (previous && sameEntry(QStringView(previous, end), QStringView(start, write))) {
                end = std::copy(start, write, previous);
            } else {
                if (previous)
                    *end = Slash;
                previous = start;
                end = write;
                ++places;
            }
        }
        start = write = previous ? end + 1 : end;
        space = false;
    };
    const QChar* const last = routeText.cend();
    for (const QChar* read = routeText.cbegin(); read != last; ++read) {
        const QChar ch = *read;
        if (ch == Slash) {
            placeDone();
        } else if (ch == u'\r' && read + 1 != last && read[1] == u'\n') {
            placeDone();
            ++read;
        } else if (ch == u' ') {
            space = write != start;
        } else {
            if (space)
                *write++ = u' ';
            space = false;
            *write++ = ch;
        }
    }
    placeDone();
    if (end == begin)
        return {};
    out.truncate(end - begin);
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
