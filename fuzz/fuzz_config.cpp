// Any bytes as a configuration file: reading never fails, and what is written from a read
// reads back the same.
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "text/TextRules.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Check.h"

using namespace zwervel;

namespace {

// The route as the window would save it after reading: the last "route=" value the route box
// takes, then its normal form.
QString savedRoute(const ConfigContent& content)
{
    for (qsizetype i = content.routeValues.size() - 1; i >= 0; --i) {
        if (fitsInWindow(content.routeValues.at(i)))
            return routeNormalForm(routeAsLines(content.routeValues.at(i)), false, false);
    }
    return {};
}

// The entries as the window's lists take them.
QStringList accepted(QStringList items)
{
    items.removeIf([](const QString& item) { return !fitsInWindow(item); });
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const ConfigContent first = parseConfig(decodeConfig(bytes));
    for (const QString& entry : first.places + first.routes)
        CHECK(!entry.isEmpty() && !entry.contains(EntrySeparator));

    const QString route = savedRoute(first);
    const QStringList places = accepted(first.places);
    const QStringList routes = accepted(first.routes);
    const QString text = configText(route, places, routes);
    const QByteArray written = encodeConfig(text);
    CHECK(decodeConfig(written) == text); // no character lost to the code page

    const ConfigContent second = parseConfig(decodeConfig(written));
    CHECK(second.places == places);
    CHECK(second.routes == routes);
    CHECK(savedRoute(second) == route);
    return 0;
}
