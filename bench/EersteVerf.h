// Ends a benchmark run of a window once it has painted for the first time: "start" leaves the
// event loop at once, "sluit" asks the window to close as a user would. Each moment is written
// to standard output as "<what> <nanoseconds>" on the system's monotonic clock, which the
// driver reads as well, so that the two processes' times can be subtracted. At the very end the
// process reports its peak resident set ("piek <KiB>", from /proc/self/status): the rusage of
// a child would include the peak of the driver that started it.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zwervel::bench {

inline void meldMoment(const char* wat)
{
    const auto nu = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%s %lld\n", wat,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(nu).count()));
    std::fflush(stdout);
}

inline void meldPiek()
{
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char regel[256];
        while (std::fgets(regel, sizeof regel, status))
            if (std::strncmp(regel, "VmHWM:", 6) == 0)
                std::printf("piek %ld\n", std::strtol(regel + 6, nullptr, 10));
        std::fclose(status);
        std::fflush(stdout);
    }
}

class EersteVerf : public QObject {
public:
    EersteVerf(QWidget& venster, bool sluiten) : m_venster(venster), m_sluiten(sluiten)
    {
        venster.installEventFilter(this);
        std::atexit(meldPiek);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window paints first and its children within the same pass; a zero timer runs
        // once that whole pass is on screen.
        if (event->type() == QEvent::Paint && !m_geverfd) {
            m_geverfd = true;
            QTimer::singleShot(0, this, [this] { naEersteVerf(); });
        }
        return false;
    }

private:
    void naEersteVerf()
    {
        meldMoment("verf");
        if (!m_sluiten) {
            QCoreApplication::exit(0);
            return;
        }
        meldMoment("sluit");
        m_venster.close();
    }

    QWidget& m_venster;
    bool m_sluiten;
    bool m_geverfd = false;
};

} // namespace zwervel::bench
