// Replacing a file safely: the new content goes to a temporary file beside the target, is flushed
// to disk and renamed over the target in one step, so the target is at every moment either the old
// file or the complete new one. A save that is not committed removes its temporary file and leaves
// the target untouched. Everything that depends on the operating system lives in SaveFile.cpp.
#pragma once

#include "platform/storage/FileDescriptor.h"

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

    // Open for reading and writing, positioned at the start of the empty temporary file.
    int Descriptor() const { return m_fd.Get(); }
    const std::string& TargetPath() const { return m_target; }
    const std::string& TemporaryPath() const { return m_temporary; }

    // Syncs the new content, renames it over the target and syncs the folder. Returns the
    // descriptor, which from now on is an open of the target. On failure the temporary file is
    // removed, the target is unchanged, and StorageError is thrown.
    FileDescriptor Commit();

private:
    void Discard();

    std::string m_target;
    std::string m_temporary;
    FileDescriptor m_fd;
};
