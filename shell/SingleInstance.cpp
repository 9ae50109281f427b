#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// True when an instance listens under the name. Connecting is answered by the system at once, even
// while that instance is busy, so a short wait tells a live socket from a stale one.
bool Answers(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    const bool live = probe.waitForConnected(1000);
    probe.abort();
    return live;
}

// Removes the socket file at the path when it is a socket nobody answers on.
bool RemoveStaleSocket(const QString& name, const QByteArray& path)
{
    struct stat before
    {
    };
    if (::lstat(path.constData(), &before) != 0)
        return errno == ENOENT;
    if (!S_ISSOCK(before.st_mode) || before.st_uid != ::getuid() || Answers(name))
        return false;
    return ::unlink(path.constData()) == 0 || errno == ENOENT;
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

SingleInstance::~SingleInstance()
{
    Close();
}

QString SingleInstance::SocketPath(const QString& name)
{
    return QDir::isAbsolutePath(name) ? name : QDir(QDir::tempPath()).filePath(name);
}

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
    Close();
    m_handler = std::move(handler);
    const int fd = ClaimName();
    if (fd < 0)
        return false;
    // The server owns the descriptor from here on and closes it with itself.
    m_server = std::make_unique<QLocalServer>();
    if (!m_server->listen(qintptr(fd))) {
        Close();
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] { OnNewConnection(); });
    return true;
}

int SingleInstance::ClaimName()
{
    using namespace SingleInstanceImpl;
    // A name that answers belongs to a running instance: this one then runs without it.
    if (Answers(m_name))
        return -1;
    const QByteArray path = QFile::encodeName(SocketPath(m_name));
    static std::atomic<int> serial{0};
    const QByteArray fresh = path + QByteArray(".") + QByteArray::number(getpid()) + QByteArray("-") +
                             QByteArray::number(serial++) + QByteArray(".new");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::size_t(fresh.size()) >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, fresh.constData(), std::size_t(fresh.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    ::unlink(fresh.constData()); // a name of this process's own, left by an earlier run
    struct stat own
    {
    };
    bool claimed = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                   ::chmod(fresh.constData(), S_IRUSR | S_IWUSR) == 0 && ::listen(fd, 16) == 0 &&
                   ::lstat(fresh.constData(), &own) == 0;
    // The name is given with link(), which never replaces a file: of two instances that start
    // together only one gets it. A socket nobody answers on is left by an instance that is gone
    // and may be removed once.
    for (int attempt = 0; claimed; ++attempt) {
        if (::link(fresh.constData(), path.constData()) == 0)
            break;
        claimed = errno == EEXIST && attempt == 0 && RemoveStaleSocket(m_name, path);
    }
    ::unlink(fresh.constData());
    if (!claimed) {
        ::close(fd);
        return -1;
    }
    m_ownDevice = std::uint64_t(own.st_dev);
    m_ownInode = std::uint64_t(own.st_ino);
    return fd;
}

void SingleInstance::Close()
{
    if (m_ownInode != 0) {
        const QByteArray path = QFile::encodeName(SocketPath(m_name));
        struct stat current
        {
        };
        if (::lstat(path.constData(), &current) == 0 && std::uint64_t(current.st_dev) == m_ownDevice &&
            std::uint64_t(current.st_ino) == m_ownInode)
            ::unlink(path.constData());
        m_ownDevice = m_ownInode = 0;
    }
    m_server.reset();
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
