// The order the drop-down lists keep their entries in: alphabetical by Dutch collation with
// letter case ignored and numbers by their value ("Plaats 2" before "Plaats 10", "Île" among
// the I's). Entries that collate alike fall back to their exact text, so the order is total.
#pragma once

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zwervel {

// Negative when `a` comes first, positive when `b` does, 0 only for identical texts.
int lijstVergelijking(QStringView a, QStringView b);

// The lists keep their entries as strings or as views into a text they hold; both sort alike.
bool lijstGesorteerd(const QStringList& items);
bool lijstGesorteerd(const QList<QAnyStringView>& items);
// Sorts once: an already sorted list (as the configuration file brings it) is only checked.
void sorteerLijst(QStringList& items);
void sorteerLijst(QList<QAnyStringView>& items);

// Binary search among `aantal` sorted entries, read by `entry(i)`: the first index whose
// entry comes after `item` (where a new entry goes), or, with `naGelijke` false, the first
// whose entry does not come before it (where `item` itself would stand).
template <class Entry>
qsizetype lijstGrens(qsizetype aantal, Entry entry, QStringView item, bool naGelijke)
{
    qsizetype laag = 0, hoog = aantal;
    while (laag < hoog) {
        const qsizetype midden = laag + (hoog - laag) / 2;
        const int volgorde = lijstVergelijking(entry(midden), item);
        if (volgorde < 0 || (naGelijke && volgorde == 0))
            laag = midden + 1;
        else
            hoog = midden;
    }
    return laag;
}

} // namespace zwervel
