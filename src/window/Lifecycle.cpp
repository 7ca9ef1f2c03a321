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

void frmZwervel::chooseSettingsFile()
{
    // The file beside the program, as a copy in a folder of its own has always kept it, where
    // this user may write it (or make it). An installed copy's folder is closed to its users:
    // then each user has a file of their own, and a file beside the program that they may only
    // read (an administrator's list of places) is where their first start begins.
    const QFileInfo program(m_platform.executablePath());
    const QString name = program.completeBaseName() + QStringLiteral(".cfg");
    const QString besideProgram =
        QDir::toNativeSeparators(program.absolutePath()) + QDir::separator() + name;
    const bool besideExists = m_platform.fileExists(besideProgram);
    if (!m_platform.isInstalledCopy() &&
        (besideExists ? m_platform.canWrite(besideProgram)
                      : m_platform.canWrite(program.absolutePath()))) {
        CfgBestand = besideProgram;
        m_settingsSource = CfgBestand;
        return;
    }
    m_ownSettings = true;
    CfgBestand =
        QDir::toNativeSeparators(m_platform.userSettingsFolder()) + QDir::separator() + name;
    // Which of the two is read is settled once the file is this window's (claimSettingsFile).
    m_settingsSource = besideExists ? besideProgram : CfgBestand;
}

bool frmZwervel::claimSettingsFile()
{
    m_claim = m_platform.claimSettingsFile(CfgBestand);
    if (m_claim == Platform::SettingsClaim::Taken) {
        // The administrator's file starts a user's settings only until their own exists: asked
        // now, so that what a copy saved a moment ago is what this one reads.
        if (m_platform.fileExists(CfgBestand))
            m_settingsSource = CfgBestand;
        return true;
    }
    // This window reads nothing and is never shown, so it must not save either.
    m_unloaded = true;
    if (m_claim == Platform::SettingsClaim::HeldElsewhere) {
        m_platform.beep();
        m_platform.ask(Question{
            QStringLiteral("Zwervel is al geopend met de instellingen in\r\n") +
                QDir::toNativeSeparators(CfgBestand) +
                QStringLiteral("\r\nmaar dat venster reageert niet. Sluit het of beëindig dat "
                               "programma, en start Zwervel daarna opnieuw."),
            Question::Icon::Error, Question::Buttons::OK, Question::Answer::OK});
    }
    return false;
}

void frmZwervel::Form_Load()
{
    Fso = &m_platform;
    StartHoogte = toWholeTwips(Height());
    MinBreedte = toWholeTwips(Width());
    StartBreedte = toWholeTwips(Width());
    chooseSettingsFile();
    // Before the file is read: a copy that saved and ended a moment ago has written it whole.
    if (!claimSettingsFile())
        return;
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
