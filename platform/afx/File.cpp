#include "platform/afx/File.h"

#include "platform/afx/Cp932.h"

#include <QDir>
#include <QString>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace FileSystem {

// The part of a code page 932 path after its last '/' or '\' (a '\' that is a trail byte is not one).
std::size_t NameStart(const std::string& path)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); i += Cp932CharLength(path, i))
        if (path[i] == '/' || path[i] == '\\')
            start = i + 1;
    return start;
}

int OpenFlagsFor(UINT openFlags)
{
    int flags = O_CLOEXEC;
    switch (openFlags & 3) {
    case CFile::modeWrite: flags |= O_WRONLY; break;
    case CFile::modeReadWrite: flags |= O_RDWR; break;
    default: flags |= O_RDONLY;
    }
    if (openFlags & CFile::modeCreate)
        flags |= O_CREAT;
    return flags;
}

// The advisory lock that stands in for the sharing mode: LOCK_EX, LOCK_SH or 0 for none.
int LockFor(UINT openFlags)
{
    const UINT share = openFlags & 0x70;
    const bool writes = (openFlags & 3) != CFile::modeRead;
    if (share == CFile::shareExclusive)
        return LOCK_EX;
    if (share == CFile::shareCompat || share == CFile::shareDenyNone)
        return 0;
    return writes ? LOCK_EX : LOCK_SH;
}

void FillStatus(const struct stat& info, bool writable, CFileStatus& status)
{
    status.m_ctime = CTime(info.st_ctime);
    status.m_mtime = CTime(info.st_mtime);
    status.m_atime = CTime(info.st_atime);
    status.m_size = ULONGLONG(info.st_size);
    status.m_attribute = S_ISDIR(info.st_mode) ? CFile::directory : CFile::normal;
    if (!writable || (info.st_mode & 0222) == 0)
        status.m_attribute |= CFile::readOnly;
}

} // namespace FileSystem

CString AfxFullPath(const char* fileName)
{
    const CString name(fileName ? fileName : "");
    if (name.IsEmpty())
        return name;
    const QString path = QString::fromStdString(ToFileSystemPath(name));
    return FromFileSystemPath(QDir::cleanPath(QDir::current().absoluteFilePath(path)).toStdString());
}

std::string ToFileSystemPath(const CString& fileName)
{
    std::string path = Cp932ToUtf8(fileName.Bytes());
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

CString FromFileSystemPath(const std::string& path)
{
    return CString(Utf8ToCp932(path));
}

CFile::CFile(const char* fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

CFile::~CFile()
{
    if (m_hFile != hFileNull)
        Abort();
}

BOOL CFile::Open(const char* fileName, UINT openFlags, CFileException* error)
{
    const CString path = AfxFullPath(fileName);
    const auto fail = [&](int osError) {
        if (error)
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        return FALSE;
    };
    if (m_hFile != hFileNull)
        return fail(EBUSY);
    if (path.IsEmpty())
        return fail(ENOENT);
    const int fd = ::open(ToFileSystemPath(path).c_str(), FileSystem::OpenFlagsFor(openFlags), 0666);
    if (fd < 0)
        return fail(errno);
    // Lock before truncating, so a file in use elsewhere is left as it is.
    const int lock = FileSystem::LockFor(openFlags);
    const bool truncate = (openFlags & modeCreate) && !(openFlags & modeNoTruncate);
    if ((lock && ::flock(fd, lock | LOCK_NB) != 0) || (truncate && ::ftruncate(fd, 0) != 0)) {
        const int osError = errno;
        ::close(fd);
        return fail(osError);
    }
    m_hFile = fd;
    m_strFileName = path;
    return TRUE;
}

void CFile::ThrowErrno() const
{
    CFileException::ThrowOsError(errno, m_strFileName);
}

void CFile::CheckOpen() const
{
    if (m_hFile == hFileNull)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count)
{
    CheckOpen();
    UINT done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_hFile, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowErrno();
        if (n == 0)
            break;
        done += UINT(n);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    CheckOpen();
    UINT done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_hFile, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ThrowErrno();
        done += UINT(n);
    }
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    CheckOpen();
    const int whence = from == end ? SEEK_END : from == current ? SEEK_CUR : SEEK_SET;
    const off_t position = ::lseek(m_hFile, off_t(offset), whence);
    if (position < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return ULONGLONG(position);
}

ULONGLONG CFile::GetLength() const
{
    CheckOpen();
    struct stat info;
    if (::fstat(m_hFile, &info) != 0)
        ThrowErrno();
    return ULONGLONG(info.st_size);
}

void CFile::SetLength(ULONGLONG newLength)
{
    CheckOpen();
    if (::ftruncate(m_hFile, off_t(newLength)) != 0)
        ThrowErrno();
}

ULONGLONG CFile::GetPosition() const
{
    CheckOpen();
    const off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0)
        ThrowErrno();
    return ULONGLONG(position);
}

ULONGLONG CFile::GetRemainingLength() const
{
    const ULONGLONG length = GetLength();
    const ULONGLONG position = GetPosition();
    return position < length ? length - position : 0;
}

void CFile::Flush() {}

void CFile::Close()
{
    if (m_hFile == hFileNull)
        return;
    const int fd = std::exchange(m_hFile, hFileNull);
    if (::close(fd) != 0)
        ThrowErrno();
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::close(std::exchange(m_hFile, hFileNull));
}

CString CFile::GetFileName() const
{
    return m_strFileName.Mid(int(FileSystem::NameStart(m_strFileName.Bytes())));
}

CString CFile::GetFileTitle() const
{
    const CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

BOOL CFile::GetStatus(CFileStatus& status) const
{
    struct stat info;
    if (m_hFile == hFileNull || ::fstat(m_hFile, &info) != 0)
        return FALSE;
    const bool writable = ::access(ToFileSystemPath(m_strFileName).c_str(), W_OK) == 0;
    FileSystem::FillStatus(info, writable, status);
    status.m_szFullName = m_strFileName;
    return TRUE;
}

BOOL CFile::GetStatus(const char* fileName, CFileStatus& status)
{
    const CString path = AfxFullPath(fileName);
    const std::string fsPath = ToFileSystemPath(path);
    struct stat info;
    if (path.IsEmpty() || ::stat(fsPath.c_str(), &info) != 0)
        return FALSE;
    FileSystem::FillStatus(info, ::access(fsPath.c_str(), W_OK) == 0, status);
    status.m_szFullName = path;
    return TRUE;
}

void CFile::Remove(const char* fileName)
{
    if (::unlink(ToFileSystemPath(CString(fileName)).c_str()) != 0)
        CFileException::ThrowOsError(errno, CString(fileName));
}

void CFile::Rename(const char* oldName, const char* newName)
{
    if (::rename(ToFileSystemPath(CString(oldName)).c_str(), ToFileSystemPath(CString(newName)).c_str()) != 0)
        CFileException::ThrowOsError(errno, CString(oldName));
}
