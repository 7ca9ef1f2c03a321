#include "lists/ListOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace zwervel {

namespace {

QCollator maakCollator()
{
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Numbers by their digits: read by value, "52.9" would come before "52.10".
    collator.setNumericMode(false);
    return collator;
}

// Opening a collator is costly; the lists share one for the program's life.
const QCollator& collator()
{
    static const QCollator gedeeld = maakCollator();
    return gedeeld;
}

int exacteVolgorde(QStringView a, QStringView b)
{
    const int volgorde = a.compare(b, Qt::CaseSensitive);
    return (volgorde > 0) - (volgorde < 0);
}

} // namespace

int lijstVergelijking(QStringView a, QStringView b)
{
    const int volgorde = collator().compare(a, b);
    return volgorde != 0 ? volgorde : exacteVolgorde(a, b);
}

void sorteerLijst(QStringList& items)
{
    // A sort key per entry makes each of the many comparisons a plain byte comparison.
    std::vector<QCollatorSortKey> sleutels;
    sleutels.reserve(size_t(items.size()));
    for (const QString& item : std::as_const(items))
        sleutels.push_back(collator().sortKey(item));
    std::vector<qsizetype> volgorde(size_t(items.size()));
    std::iota(volgorde.begin(), volgorde.end(), qsizetype(0));
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](qsizetype x, qsizetype y) {
        const int sleutel = sleutels[size_t(x)].compare(sleutels[size_t(y)]);
        return sleutel != 0 ? sleutel < 0 : exacteVolgorde(items.at(x), items.at(y)) < 0;
    });
    QStringList gesorteerd;
    gesorteerd.reserve(items.size());
    for (const qsizetype i : volgorde)
        gesorteerd.append(items.at(i));
    items = std::move(gesorteerd);
}

qsizetype lijstPlek(const QStringList& items, QStringView item)
{
    return std::upper_bound(items.cbegin(), items.cend(), item,
                            [](QStringView a, const QString& b) {
                                return lijstVergelijking(a, b) < 0;
                            })
           - items.cbegin();
}

} // namespace zwervel
