#include "RouteCase.h"

namespace zwervel::bench {

QString routeText(RouteCase routeCase, int length)
{
    QString pattern;
    switch (routeCase) {
    case RouteCase::Spaces:
        pattern = QStringLiteral(" ");
        break;
    case RouteCase::Slashes:
        pattern = QStringLiteral("/");
        break;
    case RouteCase::Alternating:
        pattern = QStringLiteral("/ ");
        break;
    case RouteCase::Mixed:
        // Line breaks, runs of spaces around slashes, empty lines, a place repeated in another
        // letter case, text in brackets.
        pattern = QStringLiteral("Nieuwegein\r\n  48.860997, 2.352563 (Parijs) / Utrecht /utrecht "
                                 "/Rome, Colosseum (reis)\r\n\r\n  Zwolle   aan Zee  /  ");
        break;
    }
    QString text;
    text.reserve(length + pattern.size());
    while (text.size() < length)
        text += pattern;
    text.truncate(length);
    return text;
}

const char* describe(RouteCase routeCase)
{
    switch (routeCase) {
    case RouteCase::Spaces:
        return "all spaces";
    case RouteCase::Slashes:
        return "all slashes";
    case RouteCase::Alternating:
        return "alternating \"/ \"";
    case RouteCase::Mixed:
        return "mixed text";
    }
    return "";
}

} // namespace zwervel::bench
