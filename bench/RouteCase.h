// The worst cases of the route normal form, as route texts of a chosen length.
#pragma once

#include <QString>

namespace zwervel::bench {

enum class RouteCase { Spaces, Slashes, Alternating, Mixed };

QString routeText(RouteCase routeCase, int length);
const char* describe(RouteCase routeCase);

} // namespace zwervel::bench
