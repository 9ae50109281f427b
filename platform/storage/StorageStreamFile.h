// A read-only CFile over a libgsf input: one stream of a compound file, or a whole plain file. The
// archive reads it piece by piece as it goes, so opening a document never copies the file into
// memory, and the length it reports is what the file really holds.
#pragma once

#include "platform/afx/File.h"
#include "platform/storage/GsfHandle.h"

struct _GsfInput;
struct _GsfInfile;

class StorageStreamFile : public CFile
{
public:
    // Reads `input`; `container` (may be null) is the compound file the stream belongs to, kept
    // alive as long as the stream is read.
    StorageStreamFile(GsfHandle<_GsfInput> input, GsfHandle<_GsfInfile> container, const CString& path);
    ~StorageStreamFile() override;

    // Fewer bytes only at the end; a stream that cannot be read throws StorageError (InvalidFile).
    UINT Read(void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetLength() const override;
    ULONGLONG GetPosition() const override;
    // The stream is read-only: writing throws CFileException (accessDenied).
    void Write(const void* buffer, UINT count) override;
    void SetLength(ULONGLONG newLength) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

private:
    _GsfInput* Input() const;

    GsfHandle<_GsfInput> m_input;
    GsfHandle<_GsfInfile> m_container;
};
