// The fixed texts that explain the window: the general help, the example line and the help
// text of every explained control. Lines are joined by CR LF, with none at either end.
#pragma once

#include <QString>

namespace zwervel {

// "  Voorbeeld: Nieuwegein / ..." : the example line, also the last line of the general help.
QString exampleText();
// The five lines of the general help, the example line last.
QString generalHelpText(const QString& example);
// The help text of the control with this name; empty for a control without one. The help of
// the information label is built from `voorbeeld` at each call.
QString helpText(const QString& name, const QString& example);

// A help text as assistive technology announces it: the first line as the name, every line
// without its indentation as the description; empty lines left out.
struct AccessibleText {
    QString name;
    QString description;
};
AccessibleText accessibleText(const QString& help);

} // namespace zwervel
