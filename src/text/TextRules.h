// Text rules that several parts of the window share: the line end, the entry separator of
// the configuration file, trimming, and when two texts are the same entry.
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace zwervel {

// How the route box and the help texts separate lines.
inline const QString LineEnd = QStringLiteral("\r\n");

// The character with code 15 that follows every list entry in the configuration file, so an
// entry must never hold it: it would come back as two entries.
inline constexpr QChar EntrySeparator(u'\x0F');

// The text without the spaces at its ends; tabs and other white space stay.
QStringView trimSpaces(QStringView text);

// Two texts are the same place or entry when their lower-case forms are equal over the whole
// text; nothing is trimmed.
bool sameEntry(QStringView a, QStringView b);

} // namespace zwervel
