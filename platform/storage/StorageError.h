// The one error type of the storage layer: what went wrong, in the categories the document layer
// reports to the user, with the operating system's error number where there is one.
#pragma once

#include <stdexcept>
#include <string>

class CFileException;
class CString;

enum class StorageErrorCode {
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile, // not a readable compound file, or a stream or storage is missing or damaged
    HardIO,
    SharingViolation, // another opener holds the file for editing
    DiskFull,
};

class StorageError : public std::runtime_error
{
public:
    StorageError(StorageErrorCode code, const std::string& message, int osError = 0)
        : std::runtime_error(message), m_code(code), m_osError(osError)
    {
    }

    // An error from a failed system call: the code follows errno, the message names the action
    // and the file (UTF-8) and ends with the system's text.
    static StorageError FromErrno(int osError, const std::string& action, const std::string& path);

    // The same failure as the framework's file exception, for the document layer to throw or report.
    CFileException ToFileException(const CString& fileName) const;

    StorageErrorCode Code() const { return m_code; }
    int OsError() const { return m_osError; }

private:
    StorageErrorCode m_code;
    int m_osError;
};

StorageErrorCode StorageErrorCodeFromErrno(int osError);
