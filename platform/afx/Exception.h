// The framework's exceptions, thrown by value and caught by reference. std::bad_alloc counts as
// the memory exception: see AfxIsMemoryException and AfxTranslateBadAlloc.
#pragma once

#include "platform/afx/Object.h"
#include "platform/afx/String.h"

#include <exception>
#include <new>

class CException : public CObject, public std::exception
{
    DECLARE_DYNAMIC(CException)
public:
    // The message for the user; FALSE (and an empty text) when there is none.
    virtual BOOL GetErrorMessage(CString& message) const;
    // The same into a buffer of maxLength bytes including the terminating NUL.
    BOOL GetErrorMessage(char* buffer, UINT maxLength, UINT* helpContext = nullptr) const;
    // Shows the message (or the string of messageId, or a generic text) in a message box.
    virtual int ReportError(UINT type = MB_OK, UINT messageId = 0) const;
    const char* what() const noexcept override;
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(CString& message) const override;
    using CException::GetErrorMessage;
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(CString& message) const override;
    using CException::GetErrorMessage;
};

class CInvalidArgException : public CException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    BOOL GetErrorMessage(CString& message) const override;
    using CException::GetErrorMessage;
};

// The user has already been told; the catcher only unwinds.
class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        bufferFull,
        generic = genericException,
    };

    explicit CArchiveException(int cause = none, const CString& archiveName = CString())
        : m_cause(cause), m_strFileName(archiveName)
    {
    }
    BOOL GetErrorMessage(CString& message) const override;
    using CException::GetErrorMessage;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
        generic = genericException,
    };

    explicit CFileException(int cause = none, LONG osError = -1, const CString& fileName = CString())
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
    {
    }
    BOOL GetErrorMessage(CString& message) const override;
    using CException::GetErrorMessage;

    // The cause for an errno value.
    static int OsErrorToException(LONG osError);
    [[noreturn]] static void ThrowOsError(LONG osError, const CString& fileName = CString());

    int m_cause;
    LONG m_lOsError; // errno, or -1
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowArchiveException(int cause, const CString& archiveName = CString());
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, const CString& fileName = CString());

// True when the exception is a memory exception: CMemoryException or std::bad_alloc. Inside a
// catch (...) block the default argument is the exception being handled.
bool AfxIsMemoryException(const std::exception_ptr& e = std::current_exception());
// True for the framework's exceptions (any CException) and std::bad_alloc.
bool AfxIsFrameworkException(const std::exception_ptr& e = std::current_exception());

// Runs body and returns its result; a std::bad_alloc leaving it travels on as CMemoryException.
template <typename Body>
decltype(auto) AfxTranslateBadAlloc(Body&& body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
}
