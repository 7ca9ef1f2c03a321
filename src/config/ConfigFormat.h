// The configuration file as text rules: its lines and keys, the entry separator, and the code
// page of its bytes. No widget and no file here; the window moves values in and out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zwervel {

// What a configuration text holds, in the terms the window needs.
struct ConfigContent {
    // The value of every "route=" line, in file order: each one is set into the route box in
    // turn, so the last one stands at the end.
    QStringList routeValues;
    // The entries of the last "plaats=" and the last "routes=" line, trimmed, none empty.
    QStringList places;
    QStringList routes;
    // Whether any line held one of the three keys.
    bool anyKey = false;
};

// The lines of a text: CR LF and a lone CR each end a line, while a lone LF belongs to its line
// (but for a text without any CR, and an LF before a key, a CR or the end); a terminator at the
// very end opens no further line.
QStringList configLines(QStringView text);

// The keys "route=", "plaats=" and "routes=" in any letter case, each value after the first "="
// taken whole; lines with another key or without "=" count for nothing.
ConfigContent parseConfig(QStringView text);

// A list line's value cut at every entry separator, each piece without its surrounding spaces
// (tabs stay); empty pieces are no entries.
QStringList listEntries(QStringView listText);

// The longest place and the most places the window takes from the file into its route box or
// a list: past them the text controls need more than a couple of seconds to lay a text out (a
// place without a space grows dear fastest). The window keeps such a text aside, unchanged,
// and writes it back where it stood; everything else in the file still comes in.
inline constexpr qsizetype LongestPlace = 150000;
inline constexpr qsizetype MostPlaces = 500000;
// Whether a route or an entry ("/" between places) stays within those bounds and holds no line
// feed, which the window cannot show as it is.
bool fitsInWindow(QStringView text);

// The three lines "route=", "plaats=", "routes=", each ended by CR LF; every entry is written
// as it stands, followed by the entry separator. What the window kept aside goes back where it
// stood: its route values as "route=" lines after the route (so that the route stands when the
// file is read again), its entries after the entries of their list.
QString configText(const QString& route, const QStringList& places, const QStringList& routes,
                   const ConfigContent& keptAside = {});

// The bytes encodeConfig makes of that text, built without it.
QByteArray configBytes(const QString& route, const QStringList& places, const QStringList& routes,
                       const ConfigContent& keptAside = {});

// What the user is told, once, of a configuration file the window could not take whole.
QString keptAsideMessage(const ConfigContent& keptAside);

// The bytes of the file: Windows-1252 when that keeps every character (older copies of the
// program read it), otherwise the whole text as UTF-8.
QByteArray encodeConfig(const QString& text);
// Valid UTF-8 is read as UTF-8 (an initial byte order mark dropped); anything else as
// Windows-1252, where every byte stands for a character. Valid UTF-16 is read as UTF-16 where
// a byte order mark says so, as a Windows editor saves "Unicode", or where the bytes have its
// shape without one: a zero byte in every other place, as text mostly of Latin letters has.
QString decodeConfig(const QByteArray& bytes);

} // namespace zwervel
