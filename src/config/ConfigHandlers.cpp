// Reading and writing the configuration file beside the program.
#include "config/ConfigBestand.h"
#include "config/ConfigFormat.h"
#include "route/RouteRules.h"
#include "window/frmZwervel.h"

#include <QDir>
#include <QFileInfo>

namespace zwervel {

void frmZwervel::CfgOpenen()
{
    if (!Fso->fileExists(m_settingsSource))
        return; // no file yet: it is made when the window closes
    // From here on a failure is passed over: the window opens with whatever could be read.
    ConfigContent content;
    try {
        const QByteArray bytes = readConfigBytes(m_settingsSource);
        const QString text = decodeConfig(bytes);
        content = parseConfig(text);
        // A file that holds something, but nothing the window knows or can read, is kept as
        // it is before the save replaces it. The user is told of one read but not understood;
        // a save over one that could not be read at all is refused at the close, and says why.
        const QFileInfo file(m_settingsSource);
        const bool unread = bytes.isEmpty() && file.isFile() && file.size() > 0;
        const bool ours = m_settingsSource == CfgBestand;
        m_configNotUnderstood = ours && !content.anyKey && !text.trimmed().isEmpty();
        m_configUnreadable = m_configNotUnderstood || (ours && unread);
    } catch (...) {
    }
    // Every "route=" line replaces the box's text in turn, so the last one the box takes is what
    // stands; it alone is set, so that a file of a million such lines does not hold up the start.
    // A later line the box refuses is kept aside, to be written back after it.
    for (qsizetype i = content.routeValues.size() - 1; i >= 0; --i) {
        if (!fitsInWindow(content.routeValues.at(i))) {
            m_keptAside.routeValues.prepend(content.routeValues.at(i));
            continue;
        }
        try {
            Route.setText(routeAsLines(content.routeValues.at(i)));
        } catch (...) {
        }
        break;
    }
    // An entry a list refuses is kept aside; the entries after it still come in.
    for (QStringList* list : {&content.places, &content.routes}) {
        QStringList& keptAside = list == &content.places ? m_keptAside.places : m_keptAside.routes;
        for (const QString& item : std::as_const(*list)) {
            if (!fitsInWindow(item))
                keptAside << item;
        }
        list->removeIf([](const QString& item) { return !fitsInWindow(item); });
    }
    // The lists only after the file is read, places before routes.
    try {
        Plaats.AddItems(content.places);
    } catch (...) {
    }
    try {
        Routes.AddItems(content.routes);
    } catch (...) {
    }
}

void frmZwervel::CfgOpslaan()
{
    // A failed save is not passed over: the window's failure report names the path and why.
    // The user's own folder is made when first needed.
    if (m_ownSettings)
        QDir().mkpath(QFileInfo(CfgBestand).absolutePath());
    if (m_configUnreadable) {
        keepConfigCopy(CfgBestand);
        m_configUnreadable = false;
    }
    writeConfigBytes(CfgBestand, configBytes(RouteGestript(false, false), Plaats.Items(),
                                             Routes.Items(), m_keptAside));
}

void frmZwervel::tellKeptAside()
{
    if (m_configNotUnderstood) {
        m_platform.beep();
        m_platform.ask(Question{
            QStringLiteral("Zwervel begrijpt het instellingenbestand\r\n") +
                QDir::toNativeSeparators(CfgBestand) +
                QStringLiteral("\r\nniet: er staat geen route of lijst in. Het blijft ongewijzigd "
                               "tot het venster sluit. Dan wordt het als kopie bewaard in\r\n") +
                QDir::toNativeSeparators(configCopyName(CfgBestand)) +
                QStringLiteral("\r\nen vervangen door de instellingen van dit venster."),
            Question::Icon::Information, Question::Buttons::OK, Question::Answer::OK});
    }
    if (m_keptAside.routeValues.isEmpty() && m_keptAside.places.isEmpty() &&
        m_keptAside.routes.isEmpty())
        return;
    m_platform.beep();
    m_platform.ask(Question{keptAsideMessage(m_keptAside), Question::Icon::Information,
                            Question::Buttons::OK, Question::Answer::OK});
}

} // namespace zwervel
