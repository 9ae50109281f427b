// A document's file on disk while the document is open: opened for editing under the advisory
// editing lock, or read-only with the reason, read as an archive where it lies, and replaced safely
// on save. File names are code page 932 strings, as the system's file names are everywhere else.
#pragma once

#include "platform/afx/String.h"
#include "platform/storage/CompoundFileWriter.h"
#include "platform/storage/FileDescriptor.h"

#include <functional>
#include <memory>
#include <string>

class CFile;

enum class DocumentFileMode {
    Edit,     // for writing, unless the file is read-only or another open holds it for editing
    ReadOnly, // for reading only; takes no lock and conflicts with nobody
};

enum class ReadOnlyReason {
    None,              // open for editing, the editing lock held
    Requested,         // opened with DocumentFileMode::ReadOnly
    NotWritable,       // the file has the read-only attribute (see FileAccess::IsWritable)
    LockedByAnother,   // another open holds the file for editing
    FolderNotWritable, // the file may be written but its folder not, so no save can replace it
};

class DocumentFile
{
public:
    DocumentFile() = default;

    // Opens an existing file. Throws StorageError when it cannot be opened even for reading
    // (missing, a folder, no permission to read).
    static DocumentFile Open(const CString& path, DocumentFileMode mode);

    // True when the file exists and may not be written in place (the read-only attribute).
    static bool HasReadOnlyAttribute(const CString& path);

    bool IsOpen() const { return m_fd.IsValid(); }
    bool IsReadOnly() const { return m_reason != ReadOnlyReason::None; }
    ReadOnlyReason GetReadOnlyReason() const { return m_reason; }
    const CString& GetPath() const { return m_path; }

    // True when the open file starts with the compound-file signature.
    bool IsCompoundFile() const;
    // The archive held in the file, to be read as it lies: the stream of that name when the file
    // is a compound file, else the whole file. Throws StorageError (InvalidFile when the compound
    // file is damaged or has no such stream).
    std::unique_ptr<CFile> OpenArchive(const std::string& streamName) const;

    // Writes a new compound file at path through `write` (which adds streams and storages; it
    // need not close the writer) and puts it in place of any file there, safely (see SaveFile).
    // Afterwards this object holds the new file for editing and has let go of the one it held.
    // Refused with StorageError when the target has the read-only attribute (AccessDenied) or
    // another open holds it for editing (SharingViolation); on any failure the old file on disk
    // and this object are unchanged, and the error (or the exception from `write`) goes on.
    void Save(const CString& path, const std::function<void(CompoundFileWriter&)>& write);

    // Lets go of the file and its editing lock.
    void Close();

private:
    DocumentFile(CString path, FileDescriptor fd, ReadOnlyReason reason);

    void CheckSaveTarget(const std::string& target) const;
    bool HoldsLockOn(const std::string& target) const;

    CString m_path;
    FileDescriptor m_fd;
    ReadOnlyReason m_reason = ReadOnlyReason::None;
};
