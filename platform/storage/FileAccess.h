// Whether a file may be written in place, which is what the read-only attribute means here.
#pragma once

#include <string>

namespace FileAccess {

// True when the file (UTF-8 path) exists, carries its owner's write permission, is writable for
// this process, and its folder lets a save replace it. The owner bit counts even for a user such as
// root whom the system would let write anyway: a file marked read-only stays read-only.
bool IsWritable(const std::string& path);

// The folder part of a path; "." for a bare file name.
std::string FolderOf(const std::string& path);

} // namespace FileAccess
