// Start-up to the first paint, closing and peak memory, measured on whole processes: Zwervel's
// window with no configuration file, with a heavy user's lists and with full lists, and the
// baseline window, started in turns, each on one processor, on an X server and offscreen.
#pragma once

#include "Table.h"

#include <QByteArray>

#include <string>
#include <vector>

namespace zwervel::bench {

class StartupBenchmarks {
public:
    struct Programs {
        std::string window;   // Zwervel's window, as bench_window starts it
        std::string baseline; // the baseline window, bench_baseline
        // Program paths: the configuration file lies beside each, or is missing.
        std::string noConfig, heavyConfig, fullConfig;
        // A program path of its own for the closing runs, whose save rewrites the file: each
        // such run first gets these bytes back.
        std::string closingConfig;
        QByteArray fullConfigBytes;
    };
    // Where the windows are shown: a name for the table and the settings that choose it.
    struct Screen {
        std::string name;
        std::vector<std::string> settings;
    };

    StartupBenchmarks(Programs programs, int repeats)
        : m_programs(std::move(programs)), m_repeats(repeats)
    {
    }

    void run(const std::vector<Screen>& screens, Table& table) const;

private:
    Programs m_programs;
    int m_repeats;
};

} // namespace zwervel::bench
