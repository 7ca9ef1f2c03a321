#include "platform/CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace zwervel {

namespace {

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

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Toont deze hulp en stopt.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Toont het versienummer en stopt.")};

    Options()
    {
        parser.setApplicationDescription(
            QStringLiteral("Stel een reisroute samen als lijst van plaatsen en toon die als "
                           "routebeschrijving van Google Maps in de browser."));
        // Qt's own options are single-dash words (-reverse, -stylesheet): whole options, not
        // runs of letters that would spell -v or -h.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
    }
};

} // namespace

void CommandLine::answerHelpOrVersion(int& argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options commandLine;
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

void CommandLine::refuseUnknownArguments(const QApplication& app)
{
    DutchCommandLineWords dutch;
    QCoreApplication::installTranslator(&dutch);
    Options commandLine;
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

} // namespace zwervel
