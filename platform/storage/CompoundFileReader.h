// Reads a compound file held in memory: the root's streams and sub-storages by name. A file that
// does not start with the compound-file signature is not one; callers ask IsCompoundFile first and
// read such a file as plain bytes.
#pragma once

#include "platform/storage/GsfHandle.h"
#include "platform/storage/StorageTree.h"

#include <QByteArray>

#include <string>
#include <vector>

struct _GsfInfile;

class CompoundFileReader
{
public:
    // True when the bytes start with the eight signature bytes D0 CF 11 E0 A1 B1 1A E1.
    static bool IsCompoundFile(const QByteArray& bytes);

    // Parses the directory of the file. Throws StorageError (InvalidFile) when the bytes are not a
    // readable compound file.
    explicit CompoundFileReader(QByteArray bytes);
    ~CompoundFileReader();
    CompoundFileReader(CompoundFileReader&&) noexcept;
    CompoundFileReader& operator=(CompoundFileReader&&) noexcept;

    StorageClassId ClassId() const;
    std::vector<std::string> StreamNames() const;
    std::vector<std::string> StorageNames() const;
    bool HasStream(const std::string& name) const;

    // The whole stream; throws StorageError (InvalidFile) when there is no such stream or it cannot be read.
    QByteArray ReadStream(const std::string& name) const;
    // The sub-storage with everything below it; throws StorageError (InvalidFile) like ReadStream.
    StorageTree ReadStorage(const std::string& name) const;
    // The root storage with everything in the file.
    StorageTree ReadTree() const;

private:
    QByteArray m_bytes; // the input reads from these bytes in place
    GsfHandle<_GsfInfile> m_root;
};
