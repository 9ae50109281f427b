#include "platform/storage/StorageStreamFile.h"

#include "platform/storage/GsfSupport.h"
#include "platform/storage/StorageError.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <utility>

StorageStreamFile::StorageStreamFile(GsfHandle<_GsfInput> input, GsfHandle<_GsfInfile> container, const CString& path)
    : m_input(std::move(input)), m_container(std::move(container))
{
    m_strFileName = path;
}

StorageStreamFile::~StorageStreamFile() = default;

_GsfInput* StorageStreamFile::Input() const
{
    if (!m_input)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
    return m_input.get();
}

UINT StorageStreamFile::Read(void* buffer, UINT count)
{
    const ULONGLONG n = std::min<ULONGLONG>(count, GetRemainingLength());
    if (n > 0 && !gsf_input_read(Input(), std::size_t(n), static_cast<guint8*>(buffer)))
        throw StorageError(StorageErrorCode::InvalidFile,
                           std::string("stream '") + gsf_input_name(Input()) + "' cannot be read");
    return UINT(n);
}

ULONGLONG StorageStreamFile::Seek(LONGLONG offset, UINT from)
{
    const GSeekType whence = from == begin ? G_SEEK_SET : from == current ? G_SEEK_CUR : G_SEEK_END;
    if (gsf_input_seek(Input(), gsf_off_t(offset), whence))
        AfxThrowFileException(CFileException::badSeek, EINVAL, m_strFileName);
    return GetPosition();
}

ULONGLONG StorageStreamFile::GetLength() const
{
    return ULONGLONG(gsf_input_size(Input()));
}

ULONGLONG StorageStreamFile::GetPosition() const
{
    return ULONGLONG(gsf_input_tell(Input()));
}

void StorageStreamFile::Write(const void*, UINT)
{
    AfxThrowFileException(CFileException::accessDenied, EBADF, m_strFileName);
}

void StorageStreamFile::SetLength(ULONGLONG)
{
    AfxThrowFileException(CFileException::accessDenied, EBADF, m_strFileName);
}

void StorageStreamFile::Close()
{
    m_input.reset();
    m_container.reset();
}
