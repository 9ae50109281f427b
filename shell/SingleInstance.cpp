#include "shell/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace SingleInstanceImpl {

const QByteArray kAcknowledgement = QByteArrayLiteral("ACK\n");
constexpr qint64 kMaxLine = 64 * 1024;

// Reads one line of a socket, waiting for its parts; an empty array when none came in time.
QByteArray ReadLine(QLocalSocket& socket, int timeoutMs)
{
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs))
            return {};
    return socket.readLine();
}

} // namespace SingleInstanceImpl

QString SingleInstance::DefaultName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("zivra.socket"));
    return QStringLiteral("zivra-%1").arg(getuid());
}

SingleInstance::SingleInstance(QString name) : m_name(std::move(name)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Send(const QString& command, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(command.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    return SingleInstanceImpl::ReadLine(socket, timeoutMs) == SingleInstanceImpl::kAcknowledgement;
}

bool SingleInstance::Listen(Handler handler)
{
    m_handler = std::move(handler);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        QLocalSocket probe;
        probe.connectToServer(m_name);
        if (probe.waitForConnected(200) || !QLocalServer::removeServer(m_name) || !m_server->listen(m_name)) {
            m_server.reset();
            return false;
        }
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] { OnNewConnection(); });
    return true;
}

bool SingleInstance::IsListening() const
{
    return m_server && m_server->isListening();
}

void SingleInstance::OnNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { OnReadyRead(socket); });
        OnReadyRead(socket); // what came before the connection was taken
    }
}

void SingleInstance::OnReadyRead(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        // A command never ends without a line break; a sender that keeps writing is cut off.
        if (socket->bytesAvailable() > SingleInstanceImpl::kMaxLine)
            socket->abort();
        return;
    }
    const QString command = QString::fromUtf8(socket->readLine()).chopped(1);
    if (m_handler && m_handler(command)) {
        socket->write(SingleInstanceImpl::kAcknowledgement);
        socket->flush();
    }
    socket->disconnectFromServer();
}
