// The life of the window: start-up, activation, shut-down, and the small focus rules.
#include "help/HelpTexts.h"
#include "window/frmZwervel.h"

#include <QDir>
#include <QFileInfo>

namespace zwervel {

void frmZwervel::VakSelecteren(TextField& Vak)
{
    // Each step is tried on its own; a box that cannot take the focus is still selected.
    try {
        Vak.SetFocus();
    } catch (...) {
    }
    try {
        Vak.setSelStart(0);
    } catch (...) {
    }
    try {
        Vak.setSelLength(Vak.TextLength());
    } catch (...) {
    }
}

void frmZwervel::Form_Load()
{
    Fso = &m_platform;
    StartHoogte = toWholeTwips(Height());
    MinBreedte = toWholeTwips(Width());
    StartBreedte = toWholeTwips(Width());
    const QFileInfo program(m_platform.executablePath());
    CfgBestand = QDir::toNativeSeparators(program.absolutePath()) + QDir::separator() +
                 program.completeBaseName() + QStringLiteral(".cfg");
    VoorbeeldTekst = exampleText();
    InfoTekst = generalHelpText(VoorbeeldTekst);
    Info.setCaption(InfoTekst);
    tPlaatstRoutesPositioneren();
    CfgOpenen();
    setWindowLimits();
    setAccessibleTexts();
}

void frmZwervel::Form_Activate()
{
    VakSelecteren(Route);
    // Not during the loading itself: the window is there to be seen behind the message.
    tellKeptAside();
}

void frmZwervel::Form_Unload(int& Cancel)
{
    Q_UNUSED(Cancel); // the window always closes
    CfgOpslaan();
}

void frmZwervel::tPlaatstRoutesPositioneren()
{
    tPlaats.setLeft(Plaats.Left());
    tPlaats.setWidth(Plaats.Width() - 280);
    tRoutes.setLeft(Routes.Left());
    tRoutes.setWidth(Routes.Width() - 280);
}

void frmZwervel::tPlaats_GotFocus()
{
    Plaats.SetFocus();
}

void frmZwervel::tRoutes_GotFocus()
{
    Routes.SetFocus();
}

} // namespace zwervel
