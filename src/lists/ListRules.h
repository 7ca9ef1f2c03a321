// The text rules of the remembered lists: how a selection or a route becomes an entry, which
// entries a removal keeps, and the texts of the questions about them.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace zwervel {

QString withoutSeparator(QString text);

// A selection of the route box as a place: the entry end removed, every CR LF turned into
// "/", leading and trailing spaces (only spaces) trimmed. Empty when nothing is left.
QString placeFromSelection(const QString& selection);

// A route in normal form as an entry of the route list: without the entry end, and still in
// normal form once that is gone.
QString routeAsEntry(const QString& normalForm);

// The entries that stay when every entry that is the same entry as `drop` (letter case
// ignored, nothing else) is removed, in their order.
QStringList entriesWithout(const QStringList& items, const QString& drop);

// "Plaats" CR LF " Utrecht" CR LF CR LF "uit de lijst verwijderen?"
QString removeEntryQuestion(const QString& name, const QString& item);
QString removeAllPlacesQuestion(qsizetype count);
QString removeAllRoutesQuestion(qsizetype count);
QString routeExistsMessage(const QString& route);
QString addRouteQuestion(const QString& route);

} // namespace zwervel
