#include "platform/storage/DocumentFile.h"

#include "platform/afx/Cp932.h"
#include "platform/storage/FileAccess.h"
#include "platform/storage/FileLock.h"
#include "platform/storage/SaveFile.h"
#include "platform/storage/StorageError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace document_file {

std::string FileSystemPath(const CString& path)
{
    return Cp932ToUtf8(path.Bytes());
}

// Opens a regular file; a folder or device is refused as a bad path. The open does not wait, so a
// named pipe in the file's place is refused instead of blocking until a writer comes.
FileDescriptor OpenRegular(const std::string& path, int flags)
{
    FileDescriptor fd(open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK));
    if (!fd.IsValid())
        throw StorageError::FromErrno(errno, "cannot open", path);
    struct stat st
    {
    };
    if (fstat(fd.Get(), &st) != 0)
        throw StorageError::FromErrno(errno, "cannot open", path);
    if (!S_ISREG(st.st_mode))
        throw StorageError::FromErrno(EISDIR, "cannot open", path);
    if (fcntl(fd.Get(), F_SETFL, fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK) != 0)
        throw StorageError::FromErrno(errno, "cannot open", path);
    return fd;
}

bool IsPermissionError(const StorageError& error)
{
    return error.Code() == StorageErrorCode::AccessDenied;
}

} // namespace document_file

DocumentFile::DocumentFile(CString path, FileDescriptor fd, ReadOnlyReason reason)
    : m_path(std::move(path)), m_fd(std::move(fd)), m_reason(reason)
{
}

DocumentFile DocumentFile::Open(const CString& path, DocumentFileMode mode)
{
    using namespace document_file;
    const std::string target = FileSystemPath(path);
    if (mode == DocumentFileMode::ReadOnly)
        return DocumentFile(path, OpenRegular(target, O_RDONLY), ReadOnlyReason::Requested);
    if (!FileAccess::IsWritable(target))
        return DocumentFile(path, OpenRegular(target, O_RDONLY), ReadOnlyReason::NotWritable);
    FileDescriptor fd;
    try {
        fd = OpenRegular(target, O_RDWR);
    } catch (const StorageError& error) {
        if (!IsPermissionError(error))
            throw;
        return DocumentFile(path, OpenRegular(target, O_RDONLY), ReadOnlyReason::NotWritable);
    }
    const bool locked = FileLock::TryLockForEditing(fd.Get());
    return DocumentFile(path, std::move(fd), locked ? ReadOnlyReason::None : ReadOnlyReason::LockedByAnother);
}

bool DocumentFile::HasReadOnlyAttribute(const CString& path)
{
    const std::string target = document_file::FileSystemPath(path);
    return access(target.c_str(), F_OK) == 0 && !FileAccess::IsWritable(target);
}

QByteArray DocumentFile::ReadAll() const
{
    const std::string where = document_file::FileSystemPath(m_path);
    if (!IsOpen())
        throw StorageError(StorageErrorCode::Generic, "no file is open");
    QByteArray bytes;
    char buffer[1 << 16];
    for (off_t offset = 0;;) {
        const ssize_t n = pread(m_fd.Get(), buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw StorageError::FromErrno(errno, "cannot read", where);
        if (n == 0)
            return bytes;
        bytes.append(buffer, qsizetype(n));
        offset += n;
    }
}

bool DocumentFile::HoldsLockOn(const std::string& target) const
{
    struct stat mine
    {
    };
    struct stat theirs
    {
    };
    return IsOpen() && m_reason == ReadOnlyReason::None && fstat(m_fd.Get(), &mine) == 0 &&
           stat(target.c_str(), &theirs) == 0 && mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

void DocumentFile::CheckSaveTarget(const std::string& target) const
{
    if (access(target.c_str(), F_OK) != 0)
        return;
    if (!FileAccess::IsWritable(target))
        throw StorageError(StorageErrorCode::AccessDenied, "'" + target + "' is read-only", EACCES);
    if (HoldsLockOn(target))
        return;
    const FileDescriptor probe = document_file::OpenRegular(target, O_RDONLY);
    if (FileLock::IsLockedByAnother(probe.Get()))
        throw StorageError(StorageErrorCode::SharingViolation, "'" + target + "' is open for editing elsewhere",
                           EAGAIN);
}

void DocumentFile::Save(const CString& path, const std::function<void(CompoundFileWriter&)>& write)
{
    const std::string target = document_file::FileSystemPath(path);
    CheckSaveTarget(target);
    SaveFile save(target);
    // The lock goes on the new file before it takes the target's name, so no other open can get in
    // between.
    if (!FileLock::TryLockForEditing(save.Descriptor()))
        throw StorageError(StorageErrorCode::SharingViolation, "cannot lock the new '" + target + "'", EAGAIN);
    {
        CompoundFileWriter writer(save.Descriptor());
        write(writer);
        writer.Close();
    }
    m_fd = save.Commit();
    m_path = path;
    m_reason = ReadOnlyReason::None;
}

void DocumentFile::Close()
{
    m_fd.Reset();
    m_path.Empty();
    m_reason = ReadOnlyReason::None;
}
