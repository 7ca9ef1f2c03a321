// The normal form of a route and the addresses of the map service, as plain text rules.
#pragma once

#include <QString>
#include <QStringView>

namespace zwervel {

// A stored route, places separated by "/", as route box lines joined by CR LF.
QString routeAsLines(QString route);

// The route text in normal form: places separated by single "/", no spaces around a "/",
// no runs of spaces, no place repeated right after itself, empty when there is no place.
// A slash that only becomes doubled once spaces around it go is collapsed as well, so the
// result never holds an empty place.
QString routeNormalForm(const QString& routeText, bool doubleLonePlace, bool dropBracketed);

// Removes each part from the first "(" to the first ")" of the remaining text, until a ")"
// comes first or one of the two is missing. Parentheses do not nest.
QString removeBracketed(const QString& input);

// The map service, reached over https.
inline constexpr char MapBaseAddress[] = "https://www.google.com";

// Base address + "/maps/dir/" + the places of a normal-form route, each percent-encoded as
// UTF-8 except ASCII letters, digits, comma, period, hyphen and underscore, joined by "/".
QString routeAddress(const QString& normalForm);
// Base address + "/maps".
QString startPageAddress();

} // namespace zwervel
