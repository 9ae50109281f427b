#include "platform/afx/StdioFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile(const char* fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        throw error;
}

CStdioFile::~CStdioFile()
{
    Abort();
}

BOOL CStdioFile::Open(const char* fileName, UINT openFlags, CFileException* error)
{
    if (!CFile::Open(fileName, openFlags, error))
        return FALSE;
    const UINT access = openFlags & 3;
    m_pStream = ::fdopen(m_hFile, access == modeReadWrite ? "r+" : access == modeWrite ? "w" : "r");
    if (!m_pStream) {
        const int osError = errno;
        CFile::Abort();
        if (error)
            *error = CFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
        return FALSE;
    }
    m_bText = !(openFlags & typeBinary);
    return TRUE;
}

void CStdioFile::CheckStream() const
{
    if (!m_pStream)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    CheckStream();
    const std::size_t n = std::fread(buffer, 1, count, m_pStream);
    if (n < count && std::ferror(m_pStream))
        ThrowErrno();
    return UINT(n);
}

void CStdioFile::Write(const void* buffer, UINT count)
{
    CheckStream();
    if (std::fwrite(buffer, 1, count, m_pStream) != count)
        ThrowErrno();
}

void CStdioFile::WriteString(const char* text)
{
    if (!text)
        AfxThrowInvalidArgException();
    if (!m_bText) {
        Write(text, UINT(std::strlen(text)));
        return;
    }
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            out += '\r';
        out += *p;
    }
    Write(out.data(), UINT(out.size()));
}

BOOL CStdioFile::ReadString(CString& line)
{
    CheckStream();
    char* buffer = nullptr;
    std::size_t capacity = 0;
    const ssize_t n = ::getline(&buffer, &capacity, m_pStream);
    const bool failed = n < 0 && std::ferror(m_pStream);
    std::string text(buffer ? buffer : "", n > 0 ? std::size_t(n) : 0);
    std::free(buffer);
    if (failed)
        ThrowErrno();
    if (n < 0) {
        line.Empty();
        return FALSE;
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
        if (m_bText && !text.empty() && text.back() == '\r')
            text.pop_back();
    }
    line = CString(std::move(text));
    return TRUE;
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from)
{
    CheckStream();
    const int whence = from == end ? SEEK_END : from == current ? SEEK_CUR : SEEK_SET;
    if (::fseeko(m_pStream, off_t(offset), whence) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const
{
    CheckStream();
    std::fflush(m_pStream);
    return CFile::GetLength();
}

void CStdioFile::SetLength(ULONGLONG newLength)
{
    Flush();
    CFile::SetLength(newLength);
}

ULONGLONG CStdioFile::GetPosition() const
{
    CheckStream();
    const off_t position = ::ftello(m_pStream);
    if (position < 0)
        ThrowErrno();
    return ULONGLONG(position);
}

void CStdioFile::Flush()
{
    if (m_pStream && std::fflush(m_pStream) != 0)
        ThrowErrno();
}

void CStdioFile::Close()
{
    if (!m_pStream)
        return CFile::Close();
    std::FILE* stream = std::exchange(m_pStream, nullptr);
    m_hFile = hFileNull; // fclose closes the descriptor
    if (std::fclose(stream) != 0)
        ThrowErrno();
}

void CStdioFile::Abort()
{
    if (m_pStream) {
        std::fclose(std::exchange(m_pStream, nullptr));
        m_hFile = hFileNull;
    }
    CFile::Abort();
}
