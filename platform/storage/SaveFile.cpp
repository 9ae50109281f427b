#include "platform/storage/SaveFile.h"

#include "platform/storage/FileAccess.h"
#include "platform/storage/FileLock.h"
#include "platform/storage/StorageError.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <string>
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

// The hidden names of the temporary files of a target: ".name.XXXXXXXX.tmp" beside it, the file
// name shortened so that the temporary name stays within the file system's name limit.
constexpr std::size_t kRandomPartLength = 8;

std::string TemporaryPrefix(const std::string& target)
{
    std::string prefix(".");
    prefix.append(target, target.find_last_of('/') + 1, 200);
    prefix += '.';
    return prefix;
}

std::string TemporaryName(const std::string& target)
{
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::random_device random;
    std::string suffix;
    for (std::size_t i = 0; i < kRandomPartLength; ++i)
        suffix += kDigits[random() % (sizeof kDigits - 1)];
    return FileAccess::FolderOf(target) + "/" + TemporaryPrefix(target) + suffix + ".tmp";
}

bool IsTemporaryOf(const std::string& entry, const std::string& prefix)
{
    return entry.size() == prefix.size() + kRandomPartLength + 4 && entry.compare(0, prefix.size(), prefix) == 0 &&
           entry.compare(entry.size() - 4, 4, ".tmp") == 0;
}

// Whether a named temporary file is left from a save that no process runs any more: a save locks
// its temporary file before the file has a name, and the lock ends with the process that held it.
bool IsStale(const std::string& path)
{
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat st
    {
    };
    try {
        return fd.IsValid() && fstat(fd.Get(), &st) == 0 && S_ISREG(st.st_mode) &&
               !FileLock::IsLockedByAnother(fd.Get());
    } catch (const StorageError&) {
        return false; // a file whose lock cannot be asked about is left alone
    }
}

// Removes the named temporary files of the target that killed saves left.
void RemoveStaleTemporaries(const std::string& target)
{
    const std::string folder = FileAccess::FolderOf(target);
    const std::string prefix = TemporaryPrefix(target);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(opendir(folder.c_str()), &closedir);
    if (!listing)
        return;
    while (const dirent* entry = readdir(listing.get())) {
        if (!IsTemporaryOf(entry->d_name, prefix))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        if (IsStale(path))
            unlink(path.c_str());
    }
}

// A file without a name in the target's folder, or an invalid descriptor where the file system
// cannot make one.
FileDescriptor CreateUnnamed(const std::string& target)
{
    // 0666 lets the process's umask decide the bits of a file that is new.
    return FileDescriptor(open(FileAccess::FolderOf(target).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
}

FileDescriptor CreateExclusive(const std::string& target, std::string& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target);
        const int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return FileDescriptor(fd);
        if (errno != EEXIST)
            throw StorageError::FromErrno(errno, "cannot create a file beside", target);
    }
    throw StorageError(StorageErrorCode::Generic, "no free temporary name beside '" + target + "'", EEXIST);
}

// The name through which this process reaches the file of its descriptor, named or not.
std::string DescriptorPath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

// Gives the unnamed file a temporary name beside the target, from which it is renamed.
void NameUnnamed(int fd, const std::string& target, std::string& temporary)
{
    const std::string self = DescriptorPath(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return;
        if (errno != EEXIST) {
            const int err = errno;
            temporary.clear();
            throw StorageError::FromErrno(err, "cannot save", target);
        }
    }
    temporary.clear();
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
    save_file::RemoveStaleTemporaries(m_target);
    m_fd = save_file::CreateUnnamed(m_target);
    if (!m_fd.IsValid())
        m_fd = save_file::CreateExclusive(m_target, m_temporary);
    struct stat old
    {
    };
    int err = 0;
    if (!FileLock::TryLockForEditing(m_fd.Get()))
        err = EAGAIN;
    else if (stat(m_target.c_str(), &old) == 0 && fchmod(m_fd.Get(), old.st_mode & 07777) != 0)
        err = errno;
    if (err != 0) {
        Discard();
        throw StorageError::FromErrno(err, "cannot prepare the new", m_target);
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
    if (!m_temporary.empty())
        unlink(m_temporary.c_str());
}

std::string SaveFile::ContentPath() const
{
    return save_file::DescriptorPath(m_fd.Get());
}

void SaveFile::Write(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(m_fd.Get(), data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw StorageError::FromErrno(written < 0 ? errno : ENOSPC, "cannot save", m_target);
        data += written;
        size -= std::size_t(written);
    }
}

FileDescriptor SaveFile::Commit()
{
    try {
        if (fsync(m_fd.Get()) != 0)
            throw StorageError::FromErrno(errno, "cannot save", m_target);
        if (m_temporary.empty())
            save_file::NameUnnamed(m_fd.Get(), m_target, m_temporary);
        if (rename(m_temporary.c_str(), m_target.c_str()) != 0)
            throw StorageError::FromErrno(errno, "cannot save", m_target);
    } catch (...) {
        Discard();
        throw;
    }
    save_file::SyncFolder(FileAccess::FolderOf(m_target));
    return std::move(m_fd);
}
