#include "platform/storage/StorageError.h"

#include "platform/afx/Exception.h"

#include <cerrno>
#include <cstring>

StorageErrorCode StorageErrorCodeFromErrno(int osError)
{
    switch (osError) {
    case ENOENT: return StorageErrorCode::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EISDIR: return StorageErrorCode::BadPath;
    case EMFILE:
    case ENFILE: return StorageErrorCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return StorageErrorCode::AccessDenied;
    case EAGAIN: return StorageErrorCode::SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return StorageErrorCode::DiskFull;
    case EIO: return StorageErrorCode::HardIO;
    default: return StorageErrorCode::Generic;
    }
}

StorageError StorageError::FromErrno(int osError, const std::string& action, const std::string& path)
{
    return StorageError(StorageErrorCodeFromErrno(osError), action + " '" + path + "': " + std::strerror(osError),
                        osError);
}

CFileException StorageError::ToFileException(const CString& fileName) const
{
    const int cause = [this] {
        switch (m_code) {
        case StorageErrorCode::Generic: return int(CFileException::genericException);
        case StorageErrorCode::FileNotFound: return int(CFileException::fileNotFound);
        case StorageErrorCode::BadPath: return int(CFileException::badPath);
        case StorageErrorCode::TooManyOpenFiles: return int(CFileException::tooManyOpenFiles);
        case StorageErrorCode::AccessDenied: return int(CFileException::accessDenied);
        case StorageErrorCode::InvalidFile: return int(CFileException::invalidFile);
        case StorageErrorCode::HardIO: return int(CFileException::hardIO);
        case StorageErrorCode::SharingViolation: return int(CFileException::sharingViolation);
        case StorageErrorCode::DiskFull: return int(CFileException::diskFull);
        }
        return int(CFileException::genericException);
    }();
    return CFileException(cause, m_osError ? LONG(m_osError) : -1, fileName);
}
