// The benchmark's test data: a user's many remembered places and routes, generated the same
// way in every run, and route texts of a chosen length for the worst cases of the normal form.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace zwervel::bench {

// A small fixed-seed generator, so that every run measures the same lists.
class Toeval {
public:
    explicit Toeval(quint64 zaad) : m_stand(zaad) {}
    int onder(int n);

private:
    quint64 m_stand;
};

// A place name as users write them: "Zwolleven", "Delftbroek, Hoornkamp", "Ambergum 12",
// now and then with a non-ASCII letter.
QString plaatsNaam(Toeval& toeval);
// `aantal` distinct places (letter case ignored), in the program's list order.
QStringList plaatsen(int aantal, Toeval& toeval);
// `aantal` distinct routes of two to five of the places, in normal form and in list order.
QStringList routes(int aantal, const QStringList& plaatsen, Toeval& toeval);
// Places that are in none of `bekend` (compared in lower case).
QStringList nieuwePlaatsen(int aantal, const QSet<QString>& bekend, Toeval& toeval);
QSet<QString> inKleineLetters(const QStringList& items);

// The worst cases of the route normal form, `lengte` characters each.
enum class RouteGeval { Spaties, Strepen, Afwisselend, Gemengd };
QString routeTekst(RouteGeval geval, int lengte);
const char* naam(RouteGeval geval);

} // namespace zwervel::bench
