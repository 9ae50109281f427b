// CStdioFile: a buffered file with text lines. In text mode (the default; typeBinary turns it off)
// WriteString writes every "\n" as CR LF and ReadString drops the line's LF and a CR before it.
// Read and Write move bytes unchanged in either mode.
#pragma once

#include "platform/afx/File.h"

#include <cstdio>

class CStdioFile : public CFile
{
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile() = default;
    // Opens the file or throws CFileException.
    CStdioFile(const char* fileName, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    void WriteString(const char* text);
    // The next line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& line);

    std::FILE* m_pStream = nullptr;

private:
    void CheckStream() const;
    bool m_bText = true;
};
