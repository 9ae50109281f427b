// One running instance per user: a start with a file hands it to the instance already running,
// over a local socket, instead of opening a second main window. The running instance listens under
// a per-user name and answers each command it accepts with an acknowledgement.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

class SingleInstance
{
public:
    // What the running instance does with a command; false leaves it unacknowledged.
    using Handler = std::function<bool(const QString& command)>;

    // The per-user name: a socket in $XDG_RUNTIME_DIR when that is set, else one named after the
    // user id in the temporary folder.
    static QString DefaultName();

    explicit SingleInstance(QString name = DefaultName());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Sends one command line to the instance listening under the name and waits for its
    // acknowledgement; false when none listens or it did not acknowledge in time.
    bool Send(const QString& command, int timeoutMs = 5000) const;
    // Starts listening; a socket left behind by an instance that is gone is taken over, one that
    // still answers is not. False when not listening.
    bool Listen(Handler handler);
    bool IsListening() const;
    // Stops listening and removes the socket, unless another instance has taken the name since.
    void Close();
    const QString& GetName() const { return m_name; }
    // The socket file a name stands for: an absolute name as it is, any other in the temporary
    // folder, where a client looks for it.
    static QString SocketPath(const QString& name);

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    // Binds a socket under a name of its own and gives it the name only while the name is free or
    // stale; its descriptor, or -1.
    int ClaimName();

    QString m_name;
    Handler m_handler;
    std::unique_ptr<QLocalServer> m_server;
    // The socket file this instance made, so that it never removes one it does not own.
    std::uint64_t m_ownDevice = 0;
    std::uint64_t m_ownInode = 0;
};
