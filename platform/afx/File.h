// CFile: an unbuffered file with the framework's open flags, over a POSIX descriptor. File names
// are code page 932 in the system and UTF-8 on disk. Sharing modes become advisory locks (flock):
// exclusive access or any writer that denies sharing takes an exclusive lock, a reader that
// denies writing a shared one; a lock held elsewhere fails the open with sharingViolation.
#pragma once

#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"
#include "platform/afx/Time.h"

#include <string>

struct CFileStatus
{
    CTime m_ctime; // last status change (Linux keeps no creation time)
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;
    CString m_szFullName;
};

// A code page 932 file name as the file system's UTF-8 path; '\' separates folders as '/' does.
std::string ToFileSystemPath(const CString& fileName);
CString FromFileSystemPath(const std::string& path);
// The absolute, cleaned form of a file name ("." and ".." resolved, links left alone), so that one
// file has one name however it was given.
CString AfxFullPath(const char* fileName);

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum Attribute : BYTE {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };
    enum SeekPosition : UINT {
        begin = 0,
        current = 1,
        end = 2,
    };
    static constexpr int hFileNull = -1;

    CFile() = default;
    // Opens the file or throws CFileException.
    CFile(const char* fileName, UINT openFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in *error when given.
    virtual BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG newLength);
    virtual ULONGLONG GetPosition() const;
    // The bytes between the position and the end: what a reader can still expect to get.
    virtual ULONGLONG GetRemainingLength() const;
    virtual void Flush();
    virtual void Close();
    // Closes without reporting errors.
    virtual void Abort();

    virtual CString GetFilePath() const { return m_strFileName; }
    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual void SetFilePath(const char* path) { m_strFileName = path; }

    BOOL GetStatus(CFileStatus& status) const;
    static BOOL GetStatus(const char* fileName, CFileStatus& status);
    static void Remove(const char* fileName);
    static void Rename(const char* oldName, const char* newName);

    int m_hFile = hFileNull;

protected:
    [[noreturn]] void ThrowErrno() const;
    void CheckOpen() const;

    CString m_strFileName;
};
