// One running instance per user: a start with a file hands it to the instance already running,
// over a local socket, instead of opening a second main window. The running instance listens under
// a per-user name and answers each command it accepts with an acknowledgement.
#pragma once

#include <QString>

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
    const QString& GetName() const { return m_name; }

private:
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);

    QString m_name;
    Handler m_handler;
    std::unique_ptr<QLocalServer> m_server;
};
