#include "platform/storage/DocumentFile.h"

#include "platform/afx/Cp932.h"
#include "platform/storage/CompoundFileReader.h"
#include "platform/storage/FileAccess.h"
#include "platform/storage/FileLock.h"
#include "platform/storage/GsfSupport.h"
#include "platform/storage/SaveFile.h"
#include "platform/storage/StorageError.h"

#include <cerrno>
#include <cstdio>
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
    if (!FileAccess::IsFolderWritable(target))
        return DocumentFile(path, OpenRegular(target, O_RDONLY), ReadOnlyReason::FolderNotWritable);
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

bool DocumentFile::IsCompoundFile() const
{
    unsigned char head[8] = {};
    ssize_t n;
    do
        n = IsOpen() ? pread(m_fd.Get(), head, sizeof head, 0) : -1;
    while (n < 0 && errno == EINTR);
    return n > 0 && CompoundFileReader::IsCompoundFile(head, std::size_t(n));
}

std::unique_ptr<CFile> DocumentFile::OpenArchive(const std::string& streamName) const
{
    const std::string where = document_file::FileSystemPath(m_path);
    if (!IsOpen())
        throw StorageError(StorageErrorCode::Generic, "no file is open");
    const int fd = fcntl(m_fd.Get(), F_DUPFD_CLOEXEC, 0);
    FILE* stream = fd >= 0 ? fdopen(fd, "rb") : nullptr;
    if (!stream) {
        const int err = errno;
        if (fd >= 0)
            close(fd);
        throw StorageError::FromErrno(err, "cannot read", where);
    }
    EnsureGsfInitialized();
    GsfHandle<GsfInput> input(gsf_input_stdio_new_FILE(where.c_str(), stream, FALSE));
    if (!input) {
        fclose(stream);
        throw StorageError(StorageErrorCode::Generic, "cannot read '" + where + "'");
    }
    if (IsCompoundFile())
        return CompoundFileReader(std::move(input)).OpenStream(streamName, m_path);
    return std::make_unique<StorageStreamFile>(std::move(input), nullptr, m_path);
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
    // The new file holds the editing lock before it takes the target's name, so no other open can
    // get in between.
    SaveFile save(target);
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
