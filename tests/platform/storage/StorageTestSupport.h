// Shared by the storage tests: a temporary folder with CP932 file names, and document saving.
#pragma once

#include "platform/afx/String.h"
#include "platform/storage/CompoundFileReader.h"
#include "platform/storage/DocumentFile.h"
#include "platform/storage/StorageTree.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class StorageFolder
{
public:
    // The CP932 path of a file in the folder.
    CString Path(const QString& name) const { return FromQString(m_dir.filePath(name)); }
    QString FileSystemPath(const QString& name) const { return m_dir.filePath(name); }
    QStringList Entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
};

// Readable failure output for trees: names, class id bytes and stream sizes, indented by depth.
inline void PrintTo(const StorageTree& tree, std::ostream* os, int depth = 0)
{
    *os << "\n" << std::string(std::size_t(depth) * 2, ' ') << "storage '" << tree.name << "' class";
    for (int b : tree.classId)
        *os << ' ' << b;
    for (const StorageStream& stream : tree.streams)
        *os << "\n"
            << std::string(std::size_t(depth) * 2 + 2, ' ') << "stream '" << stream.name << "' " << stream.bytes.size()
            << " bytes " << qHash(stream.bytes);
    for (const StorageTree& storage : tree.storages)
        PrintTo(storage, os, depth + 1);
}

inline void SaveDocument(DocumentFile& file, const CString& path, const QByteArray& contents,
                         const std::vector<StorageTree>& storages = {})
{
    file.Save(path, [&](CompoundFileWriter& writer) {
        writer.WriteStream("Contents", contents);
        for (const StorageTree& storage : storages)
            writer.WriteStorage(storage);
    });
}

// The whole file on disk of an open document file.
inline QByteArray FileBytes(const DocumentFile& file)
{
    QFile onDisk(QString::fromStdString(ToFileSystemPath(file.GetPath())));
    return onDisk.open(QIODevice::ReadOnly) ? onDisk.readAll() : QByteArray();
}

// The archive of an open document file, as the document reads it.
inline QByteArray ReadArchive(const DocumentFile& file)
{
    const std::unique_ptr<CFile> archive = file.OpenArchive("Contents");
    QByteArray bytes(qsizetype(archive->GetLength()), '\0');
    bytes.resize(archive->Read(bytes.data(), UINT(bytes.size())));
    return bytes;
}

// What the action wrote to standard error (the descriptor itself, where C libraries write).
inline std::string CapturedStandardError(const std::function<void()>& action)
{
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    if (!capture || saved < 0) {
        ADD_FAILURE() << "standard error cannot be captured";
        if (capture)
            std::fclose(capture);
        action();
        return {};
    }
    dup2(fileno(capture), STDERR_FILENO);
    try {
        action();
    } catch (...) {
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        std::fclose(capture);
        throw;
    }
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string written;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;)
        written += char(c);
    std::fclose(capture);
    return written;
}

inline QByteArray ReadContents(const CString& path)
{
    return ReadArchive(DocumentFile::Open(path, DocumentFileMode::ReadOnly));
}
