// The benchmark's lists: a user's many remembered places and routes, generated the same way
// in every run from a fixed seed, in the order the program's lists show them.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace zwervel::bench {

class NameGenerator {
public:
    explicit NameGenerator(quint64 seed) : m_state(seed) {}

    // A place name as users write them: "Zwolleven", "Delftbroek, Hoornkamp", "Ambergum 12",
    // now and then with a non-ASCII letter.
    QString placeName();
    // `count` distinct places (letter case ignored), in list order.
    QStringList places(int count);
    // `count` distinct routes of two to five of `places`, in normal form and in list order.
    QStringList routes(int count, const QStringList& places);
    // `count` places that are in none of `known` (compared in lower case), in the order made.
    QStringList newPlaces(int count, const QSet<QString>& known);

    static QSet<QString> inLowerCase(const QStringList& items);

private:
    // A whole number from 0 to n - 1.
    int below(int n);
    QString word();

    quint64 m_state;
};

// Sorts as the program's lists show their entries: Dutch order, letter case ignored, digits
// compared one by one.
void sortInListOrder(QStringList& entries);

} // namespace zwervel::bench
