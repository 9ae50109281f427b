// Reads a compound file, held in memory or read from its file as needed: the root's streams and
// sub-storages by name, which compare without regard to case as the format defines. A file that
// does not start with the compound-file signature is not one; callers ask IsCompoundFile first and
// read such a file as plain bytes.
#pragma once

#include "platform/storage/GsfHandle.h"
#include "platform/storage/StorageStreamFile.h"
#include "platform/storage/StorageTree.h"

#include <QByteArray>

#include <memory>
#include <string>
#include <vector>

struct _GsfInput;
struct _GsfInfile;

class CompoundFileReader
{
public:
    // True when the bytes start with the eight signature bytes D0 CF 11 E0 A1 B1 1A E1.
    static bool IsCompoundFile(const QByteArray& bytes);
    static bool IsCompoundFile(const unsigned char* bytes, std::size_t size);

    // Parses the directory of the file. Throws StorageError (InvalidFile) when the bytes are not a
    // readable compound file.
    explicit CompoundFileReader(QByteArray bytes);
    // The same over an input that reads the file where it lies.
    explicit CompoundFileReader(GsfHandle<_GsfInput> input);
    ~CompoundFileReader();
    CompoundFileReader(CompoundFileReader&&) noexcept;
    CompoundFileReader& operator=(CompoundFileReader&&) noexcept;

    StorageClassId ClassId() const;
    std::vector<std::string> StreamNames() const;
    std::vector<std::string> StorageNames() const;
    bool HasStream(const std::string& name) const;

    // The whole stream; throws StorageError (InvalidFile) when there is no such stream or it cannot be read.
    QByteArray ReadStream(const std::string& name) const;
    // The stream to be read piece by piece; throws like ReadStream, and when the stream claims more
    // bytes than the whole file holds.
    std::unique_ptr<StorageStreamFile> OpenStream(const std::string& name, const CString& path) const;
    // The sub-storage with everything below it; throws StorageError (InvalidFile) like ReadStream.
    StorageTree ReadStorage(const std::string& name) const;
    // The root storage with everything in the file.
    StorageTree ReadTree() const;

private:
    void OpenDirectory();

    QByteArray m_bytes; // a memory input reads from these bytes in place
    GsfHandle<_GsfInput> m_input;
    GsfHandle<_GsfInfile> m_root;
};
