// The requests to end that reach the program from outside the window: a terminal's Ctrl+C
// (SIGINT), `kill` (SIGTERM) and a closed terminal (SIGHUP). Each is turned into a Qt signal
// on the window's thread, so that the program ends as when its window is closed.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zwervel {

class SignalWatcher : public QObject {
    Q_OBJECT
public:
    // Only one watcher can hear the process's signals at a time.
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

signals:
    void endRequested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zwervel
