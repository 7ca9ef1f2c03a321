// One window per settings file: a second start on the same file brings the running window to
// the front and ends, so that two copies never overwrite each other's changes at close.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace zwervel {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Takes the lock of this settings file, if no running copy holds it. A lock left by a copy
    // that crashed is taken over.
    explicit SingleInstance(const QString& settingsFile, QObject* parent = nullptr);

    bool isFirst() const { return m_first; }
    // From a second start: asks the running copy to come to the front. False where it does not
    // answer (it hangs, or was stopped).
    bool askFirstToShow();

signals:
    // A second start asked this copy to come to the front.
    void showRequested();

private:
    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
    bool m_first = false;
};

} // namespace zwervel
