// The text work of the route box, free of widgets: inserting a place at the caret, the
// clean-up of route lines, and a stored route turned back into one place per line.
#pragma once

#include <QString>

namespace zwervel {

// A route text with the caret and selection the route box should show.
struct RouteWithSelection {
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
};

// A caret position that fits the text: below 0 goes to 0, beyond the end to the end, and a
// position between CR and LF to the end of its line, and one inside a character beyond U+FFFF
// to the start of that character.
qsizetype validCaret(const QString& text, qsizetype position);

// The place written over the selection (selStart, selLength) of the text, with nothing put
// around it; one final CR LF of the result is dropped. The place is left selected.
RouteWithSelection insertPlace(const QString& text, qsizetype selStart, qsizetype selLength,
                               const QString& place);

// One place per line: lines split at CR LF, trimmed of spaces (not tabs), empty lines dropped,
// joined by CR LF with none at the end. Order and repeats stay.
QString cleanedRoute(const QString& text);

} // namespace zwervel
