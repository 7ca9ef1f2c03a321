#include "platform/QtPlatform.h"
#include "platform/SignalWatcher.h"
#include "platform/SingleInstance.h"
#include "window/frmZwervel.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSessionManager>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// The reverse-DNS name of the desktop entry, the icon and the AppStream metadata; Wayland
// compositors match the window to its entry and icon by it.
constexpr char ApplicationId[] = "nl.zwervel.Zwervel";

// QCommandLineParser's own words (the usage line, its headings and its errors) in Dutch, like
// the rest of the program; every other text passes through untouched.
class DutchCommandLineWords : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return {};
        static constexpr std::pair<const char*, const char*> words[] = {
            {"Usage: %1", "Gebruik: %1"},
            {"[options]", "[opties]"},
            {"Options:", "Opties:"},
            {"Arguments:", "Argumenten:"},
            {"Unknown option '%1'.", "Onbekende optie '%1'."},
            {"Unknown options: %1.", "Onbekende opties: %1."},
            {"Missing value after '%1'.", "Ontbrekende waarde na '%1'."},
            {"Unexpected value after '%1'.", "Onverwachte waarde na '%1'."},
        };
        for (const auto& [english, dutch] : words) {
            if (qstrcmp(sourceText, english) == 0)
                return QString::fromUtf8(dutch);
        }
        return {};
    }
};

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Toont deze hulp en stopt.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Toont het versienummer en stopt.")};

    CommandLine()
    {
        parser.setApplicationDescription(
            QStringLiteral("Stel een reisroute samen als lijst van plaatsen en toon die als "
                           "routebeschrijving van Google Maps in de browser."));
        parser.addOption(help);
        parser.addOption(version);
    }
};

// Answers --help and --version, if asked, and ends the program. This comes before the window
// system is reached, so both work without a display.
void answerHelpOrVersion(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine commandLine;
    // Qt's own options (-platform, -session, ...) are not known here: their errors wait until
    // QApplication has taken them out.
    commandLine.parser.parse(arguments);
    const bool help = commandLine.parser.isSet(commandLine.help);
    if (!help && !commandLine.parser.isSet(commandLine.version))
        return;
    QCoreApplication app(argc, argv);
    DutchCommandLineWords dutch;
    QCoreApplication::installTranslator(&dutch);
    if (help)
        commandLine.parser.showHelp(EXIT_SUCCESS);
    commandLine.parser.showVersion();
}

// Refuses what the program does not understand, once Qt has taken its own options out.
void refuseUnknownArguments(const QApplication& app)
{
    DutchCommandLineWords dutch;
    QCoreApplication::installTranslator(&dutch);
    CommandLine commandLine;
    commandLine.parser.process(app);
    const QStringList unexpected = commandLine.parser.positionalArguments();
    if (!unexpected.isEmpty()) {
        std::fputs(
            qPrintable(QStringLiteral("%1: Onverwacht argument '%2'.\n")
                           .arg(QCoreApplication::applicationName(), unexpected.constFirst())),
            stderr);
        std::exit(EXIT_FAILURE);
    }
    QCoreApplication::removeTranslator(&dutch);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(zwervel::ApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZWERVEL_VERSION));
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ApplicationId));
    refuseUnknownArguments(app);
    zwervel::QtPlatform platform;
    zwervel::frmZwervel window(platform);
    platform.setWindow(&window);
    if (window.aborted())
        return 1;
    // One window per settings file: a second start brings the first to the front and ends.
    zwervel::SingleInstance instance(window.CfgBestand);
    if (!instance.isFirst()) {
        if (!instance.askFirstToShow())
            qWarning("Zwervel is al geopend met deze instellingen.");
        return 0;
    }
    QObject::connect(&instance, &zwervel::SingleInstance::showRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Ctrl+C, kill or a closed terminal end the program as closing its window does, and a
    // desktop session that ends saves first.
    zwervel::SignalWatcher endRequests;
    QObject::connect(&endRequests, &zwervel::SignalWatcher::endRequested, &window, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.saveForSession(); });
    window.show();
    return app.exec();
}
