#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace zwervel {

namespace {

// A name of the settings file's own, short enough for a local socket's path.
QString nameFor(const QString& settingsFile)
{
    const QString path = QFileInfo(settingsFile).absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("zwervel-") + QString::fromLatin1(hash);
}

// Long enough for a copy that is still reading a large settings file; a second start waits
// for the connection and for the answer, each this long at most.
constexpr int AnswerTime = 3000;

QString lockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstance::SingleInstance(const QString& settingsFile, QObject* parent)
    : QObject(parent), m_name(nameFor(settingsFile)),
      m_lock(lockFolder() + QLatin1Char('/') + m_name + QStringLiteral(".lock"))
{
    m_lock.setStaleLockTime(0);
    m_first = m_lock.tryLock(0);
    if (!m_first)
        return;
    // A socket left by a copy that crashed would keep the name taken.
    QLocalServer::removeServer(m_name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit showRequested();
            // The answer tells the second start that this copy is alive, not merely holding
            // the lock while it hangs.
            socket->write("1", 1);
            socket->flush();
        }
    });
}

bool SingleInstance::askFirstToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    // A copy stopped or hung still has its connection accepted by the system: only its answer
    // says that it came to the front.
    const bool answered =
        socket.waitForConnected(AnswerTime) && socket.waitForReadyRead(AnswerTime);
    socket.abort();
    return answered;
}

} // namespace zwervel
