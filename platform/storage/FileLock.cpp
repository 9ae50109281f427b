#include "platform/storage/FileLock.h"

#include "platform/storage/StorageError.h"

#include <cerrno>
#include <fcntl.h>

namespace file_lock {

struct flock WholeFileWriteLock()
{
    struct flock lock
    {
    };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return lock;
}

} // namespace file_lock

bool FileLock::TryLockForEditing(int fd)
{
    struct flock lock = file_lock::WholeFileWriteLock();
    if (fcntl(fd, F_OFD_SETLK, &lock) == 0)
        return true;
    if (errno == EAGAIN || errno == EACCES)
        return false;
    throw StorageError(StorageErrorCodeFromErrno(errno), "cannot lock the file", errno);
}

bool FileLock::IsLockedByAnother(int fd)
{
    struct flock lock = file_lock::WholeFileWriteLock();
    if (fcntl(fd, F_OFD_GETLK, &lock) != 0)
        throw StorageError(StorageErrorCodeFromErrno(errno), "cannot query the file lock", errno);
    return lock.l_type != F_UNLCK;
}
