// An X server of the benchmark's own: Xvfb on a display number it picks itself, with no window
// manager, so that start-up is also measured where a user's window appears. It is stopped when
// this object ends, and also should the driver end without ending it.
#pragma once

#include <string>
#include <sys/types.h>

namespace zwervel::bench {

class XServer {
public:
    // Starts Xvfb on this processor (-1: on any) and waits until it accepts clients.
    explicit XServer(int processor);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool running() const { return m_display >= 0; }
    // ":N", for DISPLAY.
    std::string display() const { return ":" + std::to_string(m_display); }
    // Why it is not running.
    const std::string& error() const { return m_error; }

private:
    void stop();

    pid_t m_pid = -1;
    int m_display = -1;
    std::string m_error;
};

} // namespace zwervel::bench
