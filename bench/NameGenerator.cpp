#include "NameGenerator.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <iterator>
#include <vector>

namespace zwervel::bench {

namespace {

const char* const Syllables[] = {
    "am",    "ster", "dam",    "rot",   "ter",   "trecht", "gro",   "nin",   "gen",  "zwol",
    "le",    "lei",  "den",    "delft", "hoorn", "bre",    "da",    "til",   "burg", "ven",
    "lo",    "maas", "tricht", "ber",   "gum",   "hui",    "zen",   "wijk",  "veen", "dorp",
    "broek", "ho",   "kerk",   "ra",    "de",    "mond",   "wou",   "hem",   "ar",   "nhem",
    "ol",    "zaan", "stad",   "kamp",  "sne",   "ek",     "mid",   "del",   "vlis", "sin",
    "as",    "sen",  "brug",   "ge",    "lo",    "ze",     "wolde", "horst", "haar", "lem"};

} // namespace

void sortInListOrder(QStringList& entries)
{
    QCollator collator{QLocale(QLocale::Dutch, QLocale::Netherlands)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::vector<std::pair<QCollatorSortKey, QString>> keyed;
    keyed.reserve(size_t(entries.size()));
    for (const QString& entry : std::as_const(entries))
        keyed.emplace_back(collator.sortKey(entry), entry);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    entries.clear();
    for (auto& [key, entry] : keyed)
        entries << std::move(entry);
}

int NameGenerator::below(int n)
{
    m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return int((m_state >> 33) % quint64(n));
}

QString NameGenerator::word()
{
    QString w;
    const int syllables = 2 + below(2);
    for (int i = 0; i < syllables; ++i)
        w += QLatin1String(Syllables[below(int(std::size(Syllables)))]);
    w[0] = w[0].toUpper();
    return w;
}

QString NameGenerator::placeName()
{
    QString place = word();
    switch (below(12)) {
    case 0:
    case 1:
        place += QStringLiteral(", ") + word();
        break;
    case 2:
        place += u' ' + QString::number(1 + below(200));
        break;
    case 3:
        place = QStringLiteral("Sint-") + place;
        break;
    case 4:
        place += QStringLiteral(" aan Zee");
        break;
    case 5:
        place = QString::fromUtf8("Île ") + place;
        break;
    case 6:
        place = QString::fromUtf8("Café ") + place;
        break;
    default:
        break;
    }
    return place;
}

QSet<QString> NameGenerator::inLowerCase(const QStringList& items)
{
    QSet<QString> set;
    set.reserve(items.size());
    for (const QString& item : items)
        set.insert(item.toLower());
    return set;
}

QStringList NameGenerator::newPlaces(int count, const QSet<QString>& known)
{
    QStringList made;
    QSet<QString> seen = known;
    while (made.size() < count) {
        const QString place = placeName();
        if (!seen.contains(place.toLower())) {
            seen.insert(place.toLower());
            made << place;
        }
    }
    return made;
}

QStringList NameGenerator::places(int count)
{
    QStringList list = newPlaces(count, {});
    sortInListOrder(list);
    return list;
}

QStringList NameGenerator::routes(int count, const QStringList& places)
{
    QStringList list;
    QSet<QString> seen;
    while (list.size() < count) {
        QStringList parts;
        const int length = 2 + below(4);
        while (parts.size() < length) {
            const QString place = places.at(below(int(places.size())));
            if (parts.isEmpty() || parts.constLast().compare(place, Qt::CaseInsensitive) != 0)
                parts << place;
        }
        const QString route = parts.join(u'/');
        if (!seen.contains(route.toLower())) {
            seen.insert(route.toLower());
            list << route;
        }
    }
    sortInListOrder(list);
    return list;
}

} // namespace zwervel::bench
