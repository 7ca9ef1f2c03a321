#include "platform/ListOrder.h"

#include "platform/TekstDeel.h"

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

int exacteVolgorde(QStringView a, QStringView b)
{
    const int volgorde = a.compare(b, Qt::CaseSensitive);
    return (volgorde > 0) - (volgorde < 0);
}

QStringView alsUtf16(const QString& item, Utf16Buffer&) { return item; }
using zwervel::alsUtf16;

template <class Item>
bool gesorteerd(const QList<Item>& items)
{
    // Each entry is made UTF-16 once, in turn into one of two buffers, so that the one before
    // it stays readable.
    Utf16Buffer buffers[2];
    QStringView vorige;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QStringView huidige = alsUtf16(items.at(i), buffers[i % 2]);
        if (i > 0 && lijstVergelijking(huidige, vorige) < 0)
            return false;
        vorige = huidige;
    }
    return true;
}

template <class Item>
void sorteer(QList<Item>& items)
{
    if (gesorteerd(items))
        return;
    // A sort key per entry makes each comparison a plain byte comparison.
    std::vector<QCollatorSortKey> sleutels;
    sleutels.reserve(size_t(items.size()));
    Utf16Buffer buffer;
    for (const Item& item : std::as_const(items))
        sleutels.push_back(collator().sortKey(alsUtf16(item, buffer).toString()));
    Utf16Buffer a, b;
    std::vector<qsizetype> volgorde(size_t(items.size()));
    std::iota(volgorde.begin(), volgorde.end(), qsizetype(0));
    std::sort(volgorde.begin(), volgorde.end(), [&](qsizetype x, qsizetype y) {
        const int sleutel = sleutels[size_t(x)].compare(sleutels[size_t(y)]);
        if (sleutel != 0)
            return sleutel < 0;
        return exacteVolgorde(alsUtf16(items.at(x), a), alsUtf16(items.at(y), b)) < 0;
    });
    QList<Item> gesorteerd;
    gesorteerd.reserve(items.size());
    for (const qsizetype i : volgorde)
        gesorteerd.append(items.at(i));
    items = std::move(gesorteerd);
}

} // namespace

int lijstVergelijking(QStringView a, QStringView b)
{
    const int volgorde = collator().compare(a, b);
    return volgorde != 0 ? volgorde : exacteVolgorde(a, b);
}

bool lijstGesorteerd(const QStringList& items) { return gesorteerd(items); }
bool lijstGesorteerd(const QList<QAnyStringView>& items) { return gesorteerd(items); }
void sorteerLijst(QStringList& items) { sorteer(items); }
void sorteerLijst(QList<QAnyStringView>& items) { sorteer(items); }

} // namespace zwervel
