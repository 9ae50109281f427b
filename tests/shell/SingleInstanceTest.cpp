// The hand-over channel between instances: a second instance never takes the name of a running
// one, a socket left by an instance that is gone is taken over, and an instance removes only the
// socket it made.
#include "shell/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace SingleInstanceTestImpl {

// Sends a command to the name from another thread while this one serves the instances living
// here; whether it was acknowledged.
bool SendServed(const QString& name, const QString& command)
{
    std::atomic<bool> done{false};
    bool acknowledged = false;
    std::thread client([&] {
        acknowledged = SingleInstance(name).Send(command);
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    client.join();
    return acknowledged;
}

// An instance that keeps the commands it takes.
struct Listener
{
    explicit Listener(const QString& name) : instance(name) {}
    bool Listen()
    {
        return instance.Listen([this](const QString& command) {
            received << command;
            return true;
        });
    }
    SingleInstance instance;
    QStringList received;
};

// What an instance that crashed leaves behind: a socket file nobody listens on.
bool MakeStaleSocket(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound;
}

} // namespace SingleInstanceTestImpl

using SingleInstanceTestImpl::Listener;
using SingleInstanceTestImpl::SendServed;

TEST(SingleInstance, ASecondInstanceThatQuitsLeavesTheHandOverToTheRunningOne)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString name = QDir(runtime.path()).filePath(QStringLiteral("zivra.socket"));

    Listener first(name); // A: the running editor
    ASSERT_TRUE(first.Listen());
    {
        Listener second(name); // B: started again without a file, then quit
        EXPECT_FALSE(second.Listen());
        EXPECT_FALSE(second.instance.IsListening());
    }
    EXPECT_TRUE(QFileInfo::exists(name));
    const QString open = QStringLiteral("[open(\"/home/u/diagram.zvr\")]");
    EXPECT_TRUE(SendServed(name, open)); // the third start hands its file to A
    EXPECT_EQ(first.received, QStringList{open});

    first.instance.Close();
    EXPECT_FALSE(QFileInfo::exists(name)); // A removes its own socket when it ends
    EXPECT_FALSE(SendServed(name, open));
}

TEST(SingleInstance, AStaleSocketIsTakenOverAndAnInstanceRemovesOnlyTheSocketItMade)
{
    // A name without a folder lives in the temporary folder, as when no runtime folder is set.
    const QString name = QStringLiteral("zivra-test-%1").arg(getpid());
    const QString path = SingleInstance::SocketPath(name);
    ASSERT_EQ(QFileInfo(path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QFile::remove(path);
    ASSERT_TRUE(SingleInstanceTestImpl::MakeStaleSocket(path));

    auto first = std::make_unique<Listener>(name);
    ASSERT_TRUE(first->Listen());
    EXPECT_TRUE(SendServed(name, QStringLiteral("one")));
    EXPECT_EQ(first->received, QStringList{QStringLiteral("one")});

    // The first one's socket goes (a cleaner emptied the folder) and another instance takes the
    // free name: when the first one ends, the other's socket stays.
    ASSERT_TRUE(QFile::remove(path));
    Listener other(name);
    ASSERT_TRUE(other.Listen());
    first.reset();
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(SendServed(name, QStringLiteral("two")));
    EXPECT_EQ(other.received, QStringList{QStringLiteral("two")});
    other.instance.Close();
    EXPECT_FALSE(QFileInfo::exists(path));

    // A file of another kind under the name is nobody's socket: it is left alone.
    QFile plain(path);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    Listener blocked(name);
    EXPECT_FALSE(blocked.Listen());
    EXPECT_TRUE(QFileInfo(path).isFile());
    QFile::remove(path);
}
