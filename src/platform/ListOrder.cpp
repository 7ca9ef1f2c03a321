#include "platform/ListOrder.h"

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
    collator.setNumericMode(true);
    return collator;
}

// Opening a collator is costly; the lists share one for the program's life.
const QCollator& collator()
{
    static const QCollator gedeeld = maakCollator();
    return gedeeld;
}

int exacteVolgorde(const QString& a, const QString& b)
{
    const int volgorde = QString::compare(a, b, Qt::CaseSensitive);
    return (volgorde > 0) - (volgorde < 0);
}

} // namespace

int lijstVergelijking(const QString& a, const QString& b)
{
    const int volgorde = collator().compare(a, b);
    return volgorde != 0 ? volgorde : exacteVolgorde(a, b);
}

bool lijstGesorteerd(const QStringList& items)
{
    return std::is_sorted(items.cbegin(), items.cend(), [](const QString& a, const QString& b) {
        return lijstVergelijking(a, b) < 0;
    });
}

void sorteerLijst(QStringList& items)
{
    if (lijstGesorteerd(items))
        return;
    // A sort key per entry makes each comparison a plain byte comparison.
    std::vector<QCollatorSortKey> sleutels;
    sleutels.reserve(size_t(items.size()));
    for (const QString& item : std::as_const(items))
        sleutels.push_back(collator().sortKey(item));
    std::vector<qsizetype> volgorde(size_t(items.size()));
    std::iota(volgorde.begin(), volgorde.end(), qsizetype(0));
    std::sort(volgorde.begin(), volgorde.end(), [&](qsizetype a, qsizetype b) {
        const int sleutel = sleutels[size_t(a)].compare(sleutels[size_t(b)]);
        return sleutel != 0 ? sleutel < 0 : exacteVolgorde(items.at(a), items.at(b)) < 0;
    });
    QStringList gesorteerd;
    gesorteerd.reserve(items.size());
    for (const qsizetype i : volgorde)
        gesorteerd.append(items.at(i));
    items = std::move(gesorteerd);
}

} // namespace zwervel
