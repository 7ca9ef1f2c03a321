#include "lists/ListOrder.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>
#include <vector>

namespace zwervel {

namespace {

QCollator makeCollator()
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
    static const QCollator shared = makeCollator();
    return shared;
}

int exactOrder(QStringView a, QStringView b)
{
    const int order = a.compare(b, Qt::CaseSensitive);
    return (order > 0) - (order < 0);
}

} // namespace

int compareEntries(QStringView a, QStringView b)
{
    const int order = collator().compare(a, b);
    return order != 0 ? order : exactOrder(a, b);
}

void sortEntries(QStringList& items)
{
    // A list the program saved is in order already: checking costs one comparison an entry,
    // sorting a sort key an entry.
    const auto before = [](const QString& a, const QString& b) { return compareEntries(a, b) < 0; };
    if (std::is_sorted(items.cbegin(), items.cend(), before))
        return;
    // A sort key per entry makes each of the many comparisons a plain byte comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(items.size()));
    for (const QString& item : std::as_const(items))
        keys.push_back(collator().sortKey(item));
    std::vector<qsizetype> order(size_t(items.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype x, qsizetype y) {
        const int key = keys[size_t(x)].compare(keys[size_t(y)]);
        return key != 0 ? key < 0 : exactOrder(items.at(x), items.at(y)) < 0;
    });
    QStringList sorted;
    sorted.reserve(items.size());
    for (const qsizetype i : order)
        sorted.append(items.at(i));
    // Where the platform's keys disagree with its own comparison (Qt's keys on Windows carry
    // bytes beyond the key proper), the comparison itself has the last word.
    if (!std::is_sorted(sorted.cbegin(), sorted.cend(), before))
        std::stable_sort(sorted.begin(), sorted.end(), before);
    items = std::move(sorted);
}

qsizetype insertPosition(const QStringList& items, QStringView item)
{
    return std::upper_bound(
               items.cbegin(), items.cend(), item,
               [](QStringView a, const QString& b) { return compareEntries(a, b) < 0; }) -
           items.cbegin();
}

} // namespace zwervel
