// Whether a file may be written in place (the read-only attribute here) and replaced by a save.
#pragma once

#include <string>

namespace FileAccess {

// True when the file (UTF-8 path) exists, carries its owner's write permission and is writable for
// this process. The owner bit counts even for a user such as root whom the system would let write
// anyway: a file marked read-only stays read-only.
bool IsWritable(const std::string& path);

// True when the folder of the file lets a save put a new file in its place, judged as IsWritable
// judges a file.
bool IsFolderWritable(const std::string& path);

// The folder part of a path; "." for a bare file name.
std::string FolderOf(const std::string& path);

} // namespace FileAccess
