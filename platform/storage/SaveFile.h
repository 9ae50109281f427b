// Replacing a file safely: the new content goes to a temporary file beside the target, is flushed
// to disk and renamed over the target in one step, so the target is at every moment either the old
// file or the complete new one. A save that is not committed removes its temporary file and leaves
// the target untouched. The temporary file has no name until the commit where the file system
// allows it, so a save killed on the way leaves nothing behind; a named temporary file holds the
// editing lock from its creation, and one left by a killed save (no process holds its lock any
// more) is removed by the next save of the same file. Everything that depends on the operating
// system lives in SaveFile.cpp.
#pragma once

#include "platform/storage/FileDescriptor.h"

#include <cstddef>
#include <string>

class SaveFile
{
public:
    // Creates the temporary file (UTF-8 paths) with the target's permission bits, or with the
    // defaults for a new file. Throws StorageError.
    explicit SaveFile(const std::string& targetPath);
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // Open for reading and writing, positioned at the start of the empty temporary file, and
    // holding the editing lock.
    int Descriptor() const { return m_fd.Get(); }
    const std::string& TargetPath() const { return m_target; }
    // A path that opens the temporary file until the commit, for a library that writes only to a
    // file it opens by name: it writes the new content in place, and a save killed meanwhile
    // leaves nothing more behind than any other save.
    std::string ContentPath() const;

    // Writes all the bytes at the current position. Throws StorageError.
    void Write(const char* data, std::size_t size);

    // Syncs the new content, renames it over the target and syncs the folder. Returns the
    // descriptor, which from now on is an open of the target. On failure the temporary file is
    // removed, the target is unchanged, and StorageError is thrown.
    FileDescriptor Commit();

private:
    void Discard();

    std::string m_target;
    std::string m_temporary; // empty while the temporary file has no name
    FileDescriptor m_fd;
};
