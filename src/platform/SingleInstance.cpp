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
        }
    });
}

bool SingleInstance::askFirstToShow()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(2000))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace zwervel
