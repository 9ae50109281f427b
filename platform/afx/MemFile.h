// CMemFile: a file in memory. It grows in steps of growBytes; a buffer attached with growBytes 0 has
// a fixed size and holds readable contents, one attached with growBytes > 0 starts empty and must
// come from malloc (it is reallocated as it grows). Detach hands the buffer (malloc'd) to the caller.
#pragma once

#include "platform/afx/File.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT growBytes = 1024) : m_nGrowBytes(growBytes) {}
    CMemFile(BYTE* buffer, UINT bufferSize, UINT growBytes = 0) { Attach(buffer, bufferSize, growBytes); }
    ~CMemFile() override;

    void Attach(BYTE* buffer, UINT bufferSize, UINT growBytes = 0);
    // The buffer, now the caller's to free(); the file is empty afterwards.
    BYTE* Detach();

    BOOL Open(const char* fileName, UINT openFlags, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG newLength) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetRemainingLength() const override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

private:
    void Grow(std::size_t newSize);
    void FreeBuffer();

    UINT m_nGrowBytes = 1024;
    BYTE* m_lpBuffer = nullptr;
    std::size_t m_nBufferSize = 0;
    std::size_t m_nFileSize = 0;
    std::size_t m_nPosition = 0;
    bool m_bAutoDelete = true;
};
