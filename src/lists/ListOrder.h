// The order the drop-down lists keep their entries in: alphabetical by Dutch collation with
// letter case ignored ("Île" among the I's). Entries that collate alike fall back to their
// exact text, so that the order is total and does not depend on the order of adding.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace zwervel {

// Negative when `a` comes first, positive when `b` does, 0 only for identical texts.
int compareEntries(QStringView a, QStringView b);

// Sorts the entries into that order.
void sortEntries(QStringList& items);

// Where a new entry goes among sorted entries: after every entry that does not come after it.
qsizetype insertPosition(const QStringList& items, QStringView item);

} // namespace zwervel
