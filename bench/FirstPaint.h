// Ends a benchmark run of a window once it has painted for the first time: "start" leaves the
// event loop at once, "close" asks the window to close as a user would. Each moment is written
// to standard output as "<what> <nanoseconds>" on the system's monotonic clock, which the
// driver reads as well, so that the two processes' times can be subtracted. At the very end the
// process reports its peak resident set ("peak <KiB>", from /proc/self/status): the rusage of
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

inline void reportMoment(const char* what)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "%s %lld\n", what,
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

inline void reportPeak()
{
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::printf("peak %ld\n", std::strtol(line + 6, nullptr, 10));
        std::fclose(status);
        std::fflush(stdout);
    }
}

class FirstPaint : public QObject {
public:
    // `mode` is the run's first argument: "close" closes the window, anything else quits.
    FirstPaint(QWidget& window, const char* mode)
        : m_window(window), m_close(std::strcmp(mode, "close") == 0)
    {
        window.installEventFilter(this);
        std::atexit(reportPeak);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window paints first and its children within the same pass; a zero timer runs
        // once that whole pass is on screen.
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, this, [this] { afterFirstPaint(); });
        }
        return false;
    }

private:
    void afterFirstPaint()
    {
        reportMoment("paint");
        if (!m_close) {
            QCoreApplication::exit(0);
            return;
        }
        reportMoment("close");
        m_window.close();
    }

    QWidget& m_window;
    bool m_close;
    bool m_painted = false;
};

} // namespace zwervel::bench
