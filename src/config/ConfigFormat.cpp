#include "config/ConfigFormat.h"

#include "config/Windows1252.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace zwervel {

namespace {

const QString RouteKey = QStringLiteral("route=");
const QString PlaceKey = QStringLiteral("plaats=");
const QString RoutesKey = QStringLiteral("routes=");

bool readBackUnchanged(const QByteArray& bytes);

// Every piece of the configuration text in order, handed to `add`: the text and its bytes are
// built from the same pieces.
template <typename Add>
void forEachPiece(const QString& route, const QStringList& places, const QStringList& routes,
                  const ConfigContent& keptAside, Add add)
{
    add(RouteKey);
    add(route);
    add(LineEnd);
    for (const QString& value : keptAside.routeValues) {
        add(RouteKey);
        add(value);
        add(LineEnd);
    }
    const QStringView separator(&EntrySeparator, 1);
    for (const auto& [key, lists] :
         {std::pair{&PlaceKey, std::pair{&places, &keptAside.places}},
          std::pair{&RoutesKey, std::pair{&routes, &keptAside.routes}}}) {
        add(*key);
        for (const QStringList* items : {lists.first, lists.second}) {
            for (const QString& item : *items) {
                add(item);
                add(separator);
            }
        }
        add(LineEnd);
    }
}

// The length of the text, one byte a character in Windows-1252: built in one piece of memory,
// the save spends no time growing and copying it.
qsizetype configSize(const QString& route, const QStringList& places, const QStringList& routes,
                     const ConfigContent& keptAside)
{
    qsizetype size = 0;
    forEachPiece(route, places, routes, keptAside,
                 [&size](QStringView piece) { size += piece.size(); });
    return size;
}

// Whether the lone LF at `at` ends its line. A file with no CR at all was written with LF line
// ends. Elsewhere LF belongs to its line, except where a key follows it (a line another editor
// added) or nothing does (before a CR, at the end), where ending the line changes no value.
bool lineFeedEnds(QStringView text, qsizetype at, bool anyCarriageReturn)
{
    if (!anyCarriageReturn)
        return true;
    const QStringView rest = text.sliced(at + 1);
    if (rest.isEmpty() || rest.front() == u'\r')
        return true;
    for (const QString& key : {RouteKey, PlaceKey, RoutesKey}) {
        if (rest.startsWith(key, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

namespace {

// Each line of the text in turn, as a piece of it: the big list lines are not copied.
template <typename Take> void forEachLine(QStringView text, Take take)
{
    const bool anyCarriageReturn = text.contains(u'\r');
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && !(ch == u'\n' && lineFeedEnds(text, i, anyCarriageReturn)))
            continue;
        take(text.sliced(begin, i - begin));
        if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < text.size())
        take(text.sliced(begin));
}

} // namespace

QStringList configLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines << line.toString(); });
    return lines;
}

ConfigContent parseConfig(QStringView text)
{
    ConfigContent content;
    QStringView placesText, routesText;
    forEachLine(text, [&](QStringView line) {
        const qsizetype equalsAt = line.indexOf(u'=');
        if (equalsAt < 0)
            return;
        const QString key = line.first(equalsAt + 1).toString().toLower();
        if (key == RouteKey)
            content.routeValues << line.sliced(equalsAt + 1).toString();
        else if (key == PlaceKey)
            placesText = line.sliced(equalsAt + 1);
        else if (key == RoutesKey)
            routesText = line.sliced(equalsAt + 1);
        else
            return;
        content.anyKey = true;
    });
    content.places = listEntries(placesText);
    content.routes = listEntries(routesText);
    return content;
}

QStringList listEntries(QStringView listText)
{
    QStringList pieces;
    pieces.reserve(listText.count(EntrySeparator) + 1);
    for (const QStringView piece : listText.tokenize(EntrySeparator)) {
        const QStringView item = trimSpaces(piece);
        if (!item.isEmpty())
            pieces << item.toString();
    }
    return pieces;
}

QString configText(const QString& route, const QStringList& places, const QStringList& routes,
                   const ConfigContent& keptAside)
{
    QString out;
    out.reserve(configSize(route, places, routes, keptAside));
    forEachPiece(route, places, routes, keptAside, [&out](QStringView piece) { out += piece; });
    return out;
}

QByteArray configBytes(const QString& route, const QStringList& places, const QStringList& routes,
                       const ConfigContent& keptAside)
{
    QByteArray bytes;
    bytes.reserve(configSize(route, places, routes, keptAside));
    bool coded = true;
    forEachPiece(route, places, routes, keptAside,
                 [&](QStringView piece) { coded = coded && appendWindows1252(bytes, piece); });
    if (coded && readBackUnchanged(bytes))
        return bytes;
    return encodeConfig(configText(route, places, routes, keptAside));
}

QString keptAsideMessage(const ConfigContent& keptAside)
{
    const auto count = [](qsizetype n, const char* one, const char* more) {
        return QStringLiteral(" ") + QString::number(n) + QLatin1Char(' ') +
               QString::fromUtf8(n == 1 ? one : more);
    };
    QStringList what;
    if (!keptAside.routeValues.isEmpty())
        what << QStringLiteral(" de route");
    if (!keptAside.places.isEmpty())
        what << count(keptAside.places.size(), "plaats", "plaatsen");
    if (!keptAside.routes.isEmpty())
        what << count(keptAside.routes.size(), "route uit de lijst met Routes",
                      "routes uit de lijst met Routes");
    return QStringLiteral("Niet alles uit het instellingenbestand is in het venster geladen:") +
           LineEnd + what.join(LineEnd) + LineEnd + LineEnd +
           QStringLiteral("Een plaats van meer dan %1 tekens of een route van meer dan %2 "
                          "plaatsen zou het venster te lang ophouden. Een plaats met een los "
                          "regeleinde (LF) erin kan het venster niet tonen zoals die is. Wat niet "
                          "geladen is, blijft ongewijzigd in het bestand bewaard.")
               .arg(LongestPlace)
               .arg(MostPlaces);
}

bool fitsInWindow(QStringView text)
{
    // The route box and the lists would show a line feed as a line break, and give it back as
    // CR LF or not at all.
    if (text.contains(u'\n'))
        return false;
    // A shorter text can hold neither too long a place nor too many: no need to look, which
    // matters for tens of thousands of entries at start-up.
    if (text.size() <= LongestPlace && text.size() < MostPlaces)
        return true;
    qsizetype places = 0;
    for (qsizetype begin = 0;;) {
        const qsizetype slash = text.indexOf(u'/', begin);
        const qsizetype end = slash < 0 ? text.size() : slash;
        if (end - begin > LongestPlace || ++places > MostPlaces)
            return false;
        if (slash < 0)
            return true;
        begin = slash + 1;
    }
}

namespace {

// UTF-16 without a byte order mark, little- or big-endian, by its shape: the high byte of
// most characters of Latin text is zero, which no 8-bit text has in a quarter of its places.
std::optional<QStringConverter::Encoding> utf16Shape(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    if (units == 0 || bytes.size() % 2 != 0)
        return std::nullopt;
    qsizetype zeroFirst = 0, zeroSecond = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        zeroFirst += bytes[i] == 0;
        zeroSecond += bytes[i + 1] == 0;
    }
    const auto shape = [units](qsizetype zeroHigh, qsizetype zeroLow) {
        return zeroHigh * 4 >= units && zeroLow * 8 < zeroHigh;
    };
    if (shape(zeroSecond, zeroFirst))
        return QStringConverter::Utf16LE;
    if (shape(zeroFirst, zeroSecond))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

std::optional<QString> decodedUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    // A character cut off at the very end is no character.
    QStringDecoder utf16(encoding, QStringConverter::Flag::Stateless);
    const QString text = utf16.decode(bytes.first(bytes.size() & ~qsizetype(1)));
    if (utf16.hasError() || !QStringView(text).isValidUtf16())
        return std::nullopt;
    return text;
}

std::optional<QString> readAsUtf16(QByteArrayView bytes)
{
    // Saved as "Unicode" by a Windows editor: UTF-16, its order told by the mark.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        if (auto text = decodedUtf16(bytes, QStringConverter::Utf16))
            return text;
    }
    if (const auto encoding = utf16Shape(bytes))
        return decodedUtf16(bytes, *encoding);
    return std::nullopt;
}

const QByteArrayView Utf8Mark("\xEF\xBB\xBF");

bool readBackUnchanged(const QByteArray& bytes)
{
    // Windows-1252 bytes come back as their text only when they are read as Windows-1252, or
    // are ASCII, which every reading but UTF-16 reads alike. Bytes that happen to form valid
    // UTF-8 ("Ã©" is C3 A9, which is "é") or begin with its mark would come back changed.
    // Decided on the bytes: reading a big file back would cost the save as much again.
    if (readAsUtf16(bytes))
        return false;
    const bool ascii =
        std::all_of(bytes.cbegin(), bytes.cend(), [](char b) { return uchar(b) < 0x80; });
    return ascii || (!bytes.startsWith(Utf8Mark) && !bytes.isValidUtf8());
}

} // namespace

QByteArray encodeConfig(const QString& text)
{
    const std::optional<QByteArray> bytes = toWindows1252(text);
    if (bytes && readBackUnchanged(*bytes))
        return *bytes;
    return text.toUtf8();
}

QString decodeConfig(const QByteArray& bytes)
{
    if (auto text = readAsUtf16(bytes))
        return *std::move(text);
    // Checked before decoding: a big file that is not UTF-8 is then decoded only once.
    if (bytes.isValidUtf8()) {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    // A UTF-8 byte order mark before bytes that are not UTF-8 after all is still no text: read
    // as Windows-1252 it would hide the first line's key.
    const QByteArrayView ansiBytes =
        bytes.startsWith(Utf8Mark) ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    return fromWindows1252(ansiBytes);
}

} // namespace zwervel
