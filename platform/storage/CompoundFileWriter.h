// Writes a new compound file through an open descriptor: streams and sub-storages of the root, then
// Close, which finishes the file. Nothing is complete until Close returns.
#pragma once

#include "platform/storage/GsfHandle.h"
#include "platform/storage/StorageTree.h"

#include <QByteArray>

#include <cstdio>
#include <string>

struct _GsfOutput;
struct _GsfOutfile;

class CompoundFileWriter
{
public:
    // The file behind the descriptor should be empty; the descriptor stays open and owned by the caller.
    // Throws StorageError when the descriptor cannot be used.
    explicit CompoundFileWriter(int fd);
    ~CompoundFileWriter();
    CompoundFileWriter(const CompoundFileWriter&) = delete;
    CompoundFileWriter& operator=(const CompoundFileWriter&) = delete;

    void SetClassId(const StorageClassId& classId);
    void WriteStream(const std::string& name, const QByteArray& bytes);
    // A sub-storage of the root named storage.name, with everything below it, exactly as given.
    void WriteStorage(const StorageTree& storage);
    // The root storage's class id, streams and sub-storages (its name is not used).
    void WriteTree(const StorageTree& root);

    // Finishes the file and flushes it to the descriptor; a second call does nothing. Throws
    // StorageError on any write failure.
    void Close();

private:
    void WriteStreamInto(_GsfOutfile* parent, const StorageStream& stream);
    void WriteStorageInto(_GsfOutfile* parent, const StorageTree& storage);
    void WriteChildren(_GsfOutfile* storage, const StorageTree& tree);
    [[noreturn]] void ThrowWriteError(const std::string& what) const;

    FILE* m_file = nullptr;
    GsfHandle<_GsfOutput> m_sink;
    GsfHandle<_GsfOutfile> m_root;
};
