// The fixed texts that explain the window: the general help, the example line and the help
// text of every explained control. Lines are joined by CR LF, with none at either end.
#pragma once

#include <QString>

namespace zwervel {

// "  Voorbeeld: Nieuwegein / ..." : the example line, also the last line of the general help.
QString voorbeeldTekst();
// The five lines of the general help, the example line last.
QString infoTekst(const QString& voorbeeld);
// The help text of the control with this name; empty for a control without one. The help of
// the information label is built from `voorbeeld` at each call.
QString tipTekst(const QString& naam, const QString& voorbeeld);

// A help text as assistive technology announces it: the first line as the name, every line
// without its indentation as the description; empty lines left out.
struct ToegankelijkeTekst {
    QString naam;
    QString beschrijving;
};
ToegankelijkeTekst toegankelijkeTekst(const QString& hulp);

} // namespace zwervel
