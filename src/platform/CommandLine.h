// The program's command line: --help and --version answered on the terminal, in Dutch, and
// anything else the program does not understand refused.
#pragma once

class QApplication;

namespace zwervel {

class CommandLine {
public:
    // Answers --help and --version, if asked, and ends the program. This comes before the
    // window system is reached, so both work without a display.
    static void answerHelpOrVersion(int& argc, char* argv[]);
    // Refuses what the program does not understand, once Qt has taken its own options out.
    static void refuseUnknownArguments(const QApplication& app);
};

} // namespace zwervel
