// The fixed texts that explain the window: the general help, the example line and the help
// text of every explained control. Lines are joined by CR LF, with none at either end.
#pragma once

#include <QString>

namespace zwervel {

// "  Voorbeeld: Nieuwegein / ..." : the example line, also the last line of the general help.
QString voorbeeldTekst();
// The five lines of the general help, the example line last.
QString infoTekst(const QString& voorbeeld);
// The help text of the control with this name; empty for a control without one.
QString tipTekst(const QString& naam, const QString& voorbeeld);

} // namespace zwervel
