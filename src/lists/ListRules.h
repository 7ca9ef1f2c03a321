// The text rules of the remembered lists: how a selection or a route becomes an entry, which
// entries a removal keeps, and the texts of the questions about them.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace zwervel {

QString zonderScheidingsteken(QString tekst);

// A selection of the route box as a place: the entry end removed, every CR LF turned into
// "/", leading and trailing spaces (only spaces) trimmed. Empty when nothing is left.
QString plaatsUitSelectie(const QString& selectie);

// A route in normal form as an entry of the route list: without the entry end, and still in
// normal form once that is gone.
QString routeAlsItem(const QString& normaalvorm);

// The entries that stay when every entry that is the same entry as `weg` (letter case
// ignored, nothing else) is removed, in their order.
QStringList itemsZonder(const QStringList& items, const QString& weg);

// "Plaats" CR LF " Utrecht" CR LF CR LF "uit de lijst verwijderen?"
QString uitLijstVerwijderenVraag(const QString& naam, const QString& item);
QString allePlaatsenVerwijderenVraag(qsizetype aantal);
QString alleRoutesVerwijderenVraag(qsizetype aantal);
QString routeKomtAlVoorMelding(const QString& route);
QString routeToevoegenVraag(const QString& route);

} // namespace zwervel
