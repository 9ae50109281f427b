#include "platform/storage/StorageError.h"

#include <cerrno>
#include <cstring>

StorageErrorCode StorageErrorCodeFromErrno(int osError)
{
    switch (osError) {
    case ENOENT:
        return StorageErrorCode::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EISDIR:
        return StorageErrorCode::BadPath;
    case EMFILE:
    case ENFILE:
        return StorageErrorCode::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return StorageErrorCode::AccessDenied;
    case EAGAIN:
        return StorageErrorCode::SharingViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return StorageErrorCode::DiskFull;
    case EIO:
        return StorageErrorCode::HardIO;
    default:
        return StorageErrorCode::Generic;
    }
}

StorageError StorageError::FromErrno(int osError, const std::string& action, const std::string& path)
{
    return StorageError(StorageErrorCodeFromErrno(osError), action + " '" + path + "': " + std::strerror(osError),
                        osError);
}
