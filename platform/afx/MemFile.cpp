#include "platform/afx/MemFile.h"

#include <cstdlib>
#include <cstring>
#include <utility>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::~CMemFile()
{
    FreeBuffer();
}

void CMemFile::FreeBuffer()
{
    if (m_bAutoDelete)
        std::free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
}

void CMemFile::Attach(BYTE* buffer, UINT bufferSize, UINT growBytes)
{
    FreeBuffer();
    m_lpBuffer = buffer;
    m_nBufferSize = buffer ? bufferSize : 0;
    m_nFileSize = growBytes == 0 ? m_nBufferSize : 0;
    m_nGrowBytes = growBytes;
    m_bAutoDelete = growBytes != 0;
}

BYTE* CMemFile::Detach()
{
    BYTE* buffer = std::exchange(m_lpBuffer, nullptr);
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = true;
    m_nGrowBytes = m_nGrowBytes ? m_nGrowBytes : 1024;
    return buffer;
}

BOOL CMemFile::Open(const char*, UINT, CFileException* error)
{
    if (error)
        *error = CFileException(CFileException::genericException);
    return FALSE;
}

void CMemFile::Grow(std::size_t newSize)
{
    if (newSize <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();
    const std::size_t step = std::max<std::size_t>(m_nGrowBytes, m_nBufferSize / 2);
    const std::size_t capacity = std::max(newSize, m_nBufferSize + step);
    auto* grown = static_cast<BYTE*>(std::realloc(m_lpBuffer, capacity));
    if (!grown)
        AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = capacity;
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    const std::size_t available = m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
    const std::size_t n = std::min<std::size_t>(count, available);
    if (n > 0)
        std::memcpy(buffer, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return UINT(n);
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    const std::size_t end = m_nPosition + count;
    Grow(end);
    if (m_nPosition > m_nFileSize) // written after a seek past the end: the gap reads as zeros
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, buffer, count);
    m_nPosition = end;
    m_nFileSize = std::max(m_nFileSize, end);
}

ULONGLONG CMemFile::Seek(LONGLONG offset, UINT from)
{
    const LONGLONG base = from == end ? LONGLONG(m_nFileSize) : from == current ? LONGLONG(m_nPosition) : 0;
    if (offset < -base)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = std::size_t(base + offset);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG newLength)
{
    Grow(std::size_t(newLength));
    if (newLength > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, std::size_t(newLength) - m_nFileSize);
    m_nFileSize = std::size_t(newLength);
    m_nPosition = std::min(m_nPosition, m_nFileSize);
}

ULONGLONG CMemFile::GetRemainingLength() const
{
    return m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
}

void CMemFile::Close()
{
    FreeBuffer();
    m_hFile = hFileNull;
}
