// The configuration file as text rules: its lines and keys, the entry separator, and the code
// page of its bytes. No widget and no file here; the window moves values in and out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zwervel {

// The character with code 15 that follows every list entry on a list line.
inline constexpr QChar Scheidingsteken(u'\x0F');

// What a configuration text holds, in the terms the window needs.
struct CfgInhoud {
    // The value of every "route=" line, in file order: each one is set into the route box in
    // turn, so the last one stands at the end.
    QStringList routeWaarden;
    // The entries of the last "plaats=" and the last "routes=" line, trimmed, none empty.
    QStringList plaatsen;
    QStringList routes;
};

// The lines of a text: CR LF, a lone CR and a lone LF each end a line; a terminator at the very
// end opens no further line.
QStringList cfgRegels(QStringView tekst);

// The keys "route=", "plaats=" and "routes=" in any letter case, each value after the first "="
// taken whole; lines with another key or without "=" count for nothing.
CfgInhoud cfgInhoud(QStringView tekst);

// A list line's value cut at every entry separator, each piece without its surrounding spaces
// (tabs stay); empty pieces are no entries.
QStringList lijstStukken(QStringView lijstTekst);

// The three lines "route=", "plaats=", "routes=", each ended by CR LF; every entry is written
// as it stands, followed by the entry separator.
QString cfgTekst(const QString& route, const QStringList& plaatsen, const QStringList& routes);

// A stored route, places separated by "/", as route box lines joined by CR LF.
QString routeAlsRegels(QString route);

// The bytes of the file: Windows-1252 when that keeps every character (older copies of the
// program read it), otherwise the whole text as UTF-8.
QByteArray cfgCoderen(const QString& tekst);
// Valid UTF-8 is read as UTF-8 (an initial byte order mark dropped); anything else as
// Windows-1252, where every byte stands for a character.
QString cfgDecoderen(const QByteArray& bytes);

} // namespace zwervel
