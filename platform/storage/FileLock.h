// The advisory lock that marks a file as held for editing. It belongs to one open of the file (an
// open file description), so two opens conflict even inside one process, and it ends when that
// open is closed.
#pragma once

namespace FileLock {

// Takes the exclusive lock on the whole file without waiting; the descriptor must be open for
// writing. False when another open holds a lock on the file; throws StorageError on other failures.
bool TryLockForEditing(int fd);

// True when an open other than this descriptor's holds a lock on the file.
bool IsLockedByAnother(int fd);

} // namespace FileLock
