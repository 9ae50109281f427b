#include "platform/storage/SaveFile.h"

#include "platform/storage/FileAccess.h"
#include "platform/storage/StorageError.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace save_file {

// A symbolic link is followed, so that the save replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& path)
{
    struct stat st
    {
    };
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// A hidden name beside the target with a random part; the file name is shortened so that the
// temporary name stays within the file system's name limit.
std::string TemporaryName(const std::string& target)
{
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device random;
    std::string suffix;
    for (int i = 0; i < 8; ++i)
        suffix += kDigits[random() % (sizeof kDigits - 1)];
    const std::string folder = FileAccess::FolderOf(target);
    const std::string base = target.substr(target.find_last_of('/') + 1).substr(0, 200);
    return folder + "/." + base + "." + suffix + ".tmp";
}

FileDescriptor CreateExclusive(const std::string& target, std::string& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target);
        // 0666 lets the process's umask decide the bits of a file that is new.
        const int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return FileDescriptor(fd);
        if (errno != EEXIST)
            throw StorageError::FromErrno(errno, "cannot create a file beside", target);
    }
    throw StorageError(StorageErrorCode::Generic, "no free temporary name beside '" + target + "'", EEXIST);
}

// Makes the rename itself durable. The new file is in place whatever happens here, so a failure
// is not reported as a failed save.
void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace save_file

SaveFile::SaveFile(const std::string& targetPath) : m_target(save_file::ResolvedTarget(targetPath))
{
    m_fd = save_file::CreateExclusive(m_target, m_temporary);
    struct stat old
    {
    };
    if (stat(m_target.c_str(), &old) == 0 && fchmod(m_fd.Get(), old.st_mode & 07777) != 0) {
        const int err = errno;
        Discard();
        throw StorageError::FromErrno(err, "cannot keep the permissions of", m_target);
    }
}

SaveFile::~SaveFile()
{
    if (m_fd.IsValid())
        Discard();
}

void SaveFile::Discard()
{
    m_fd.Reset();
    unlink(m_temporary.c_str());
}

FileDescriptor SaveFile::Commit()
{
    if (fsync(m_fd.Get()) != 0 || rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int err = errno;
        Discard();
        throw StorageError::FromErrno(err, "cannot save", m_target);
    }
    save_file::SyncFolder(FileAccess::FolderOf(m_target));
    return std::move(m_fd);
}
