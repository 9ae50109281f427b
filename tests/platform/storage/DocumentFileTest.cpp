#include "tests/platform/storage/StorageTestSupport.h"

#include "platform/afx/Exception.h"
#include "platform/storage/FileLock.h"
#include "platform/storage/StorageError.h"

#include "tests/support/ProcessLimits.h"

#include <QFile>

#include <cstring>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace document_file_test {

mode_t ModeOf(const QString& path)
{
    struct stat st
    {
    };
    EXPECT_EQ(stat(path.toLocal8Bit().constData(), &st), 0);
    return st.st_mode & 07777;
}

void SetMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(chmod(path.toLocal8Bit().constData(), mode), 0);
}

template <typename Action>
StorageErrorCode ErrorOf(Action action)
{
    try {
        action();
    } catch (const StorageError& error) {
        return error.Code();
    }
    ADD_FAILURE() << "no StorageError";
    return StorageErrorCode::Generic;
}

// A document of `size` bytes whose every 32-bit word is the generation number, so that a file holding
// a mix of two saves, or a cut-off one, is seen at once.
QByteArray Generation(quint32 generation, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i + 4 <= size; i += 4)
        std::memcpy(bytes.data() + i, &generation, 4);
    return bytes;
}

bool IsWholeGeneration(const QByteArray& bytes, int size)
{
    if (bytes.size() != size)
        return false;
    quint32 generation = 0;
    std::memcpy(&generation, bytes.constData(), 4);
    return bytes == Generation(generation, size);
}

} // namespace document_file_test

using namespace document_file_test;

TEST(DocumentFile, FailedSaveLeavesTheOldFileAndItsPermissions)
{
    StorageFolder folder;
    const CString path = folder.Path("doc.zvr");
    const QString onDisk = folder.FileSystemPath("doc.zvr");
    DocumentFile file;
    SaveDocument(file, path, "first");
    SetMode(onDisk, 0640);

    EXPECT_THROW(file.Save(path,
                           [](CompoundFileWriter& writer) {
                               writer.WriteStream("Contents", QByteArray(100000, 'x'));
                               throw std::runtime_error("serializing failed midway");
                           }),
                 std::runtime_error);
    EXPECT_EQ(ReadContents(path), QByteArray("first"));
    EXPECT_EQ(folder.Entries(), QStringList{"doc.zvr"}) << "the temporary file is removed";
    EXPECT_EQ(file.GetReadOnlyReason(), ReadOnlyReason::None);

    SaveDocument(file, path, "second");
    EXPECT_EQ(ReadContents(path), QByteArray("second"));
    EXPECT_EQ(ModeOf(onDisk), mode_t(0640));
    EXPECT_EQ(folder.Entries(), QStringList{"doc.zvr"});
}

TEST(DocumentFile, EditingLockMakesEveryOtherEditorReadOnlyUntilClosed)
{
    StorageFolder folder;
    const CString path = folder.Path("doc.zvr");
    DocumentFile editor;
    SaveDocument(editor, path, "one");

    // Two opens in one process conflict just as two programs do.
    DocumentFile second = DocumentFile::Open(path, DocumentFileMode::Edit);
    EXPECT_EQ(second.GetReadOnlyReason(), ReadOnlyReason::LockedByAnother);
    EXPECT_EQ(ReadArchive(second), QByteArray("one"));
    EXPECT_EQ(ErrorOf([&] { SaveDocument(second, path, "two"); }), StorageErrorCode::SharingViolation);
    EXPECT_EQ(DocumentFile::Open(path, DocumentFileMode::ReadOnly).GetReadOnlyReason(), ReadOnlyReason::Requested);

    // A save replaces the file, and the lock moves with it to the new one.
    SaveDocument(editor, path, "three");
    EXPECT_EQ(DocumentFile::Open(path, DocumentFileMode::Edit).GetReadOnlyReason(), ReadOnlyReason::LockedByAnother);
    EXPECT_EQ(ReadContents(path), QByteArray("three"));

    // Saving under another name lets go of the first file.
    SaveDocument(editor, folder.Path("other.zvr"), "four");
    EXPECT_EQ(DocumentFile::Open(path, DocumentFileMode::Edit).GetReadOnlyReason(), ReadOnlyReason::None);
    EXPECT_EQ(DocumentFile::Open(folder.Path("other.zvr"), DocumentFileMode::Edit).GetReadOnlyReason(),
              ReadOnlyReason::LockedByAnother);

    editor.Close();
    DocumentFile third = DocumentFile::Open(folder.Path("other.zvr"), DocumentFileMode::Edit);
    EXPECT_EQ(third.GetReadOnlyReason(), ReadOnlyReason::None);
}

TEST(DocumentFile, ReadOnlyAttributeHoldsEvenForRootAndRefusesTheSave)
{
    StorageFolder folder;
    const CString path = folder.Path("doc.zvr");
    const QString onDisk = folder.FileSystemPath("doc.zvr");
    DocumentFile writer;
    SaveDocument(writer, path, "kept");
    writer.Close();
    SetMode(onDisk, 0444);

    EXPECT_TRUE(DocumentFile::HasReadOnlyAttribute(path));
    DocumentFile file = DocumentFile::Open(path, DocumentFileMode::Edit);
    EXPECT_EQ(file.GetReadOnlyReason(), ReadOnlyReason::NotWritable);
    EXPECT_EQ(ErrorOf([&] { SaveDocument(file, path, "lost"); }), StorageErrorCode::AccessDenied);
    EXPECT_EQ(ReadContents(path), QByteArray("kept"));
    EXPECT_EQ(ModeOf(onDisk), mode_t(0444));

    SetMode(onDisk, 0644);
    EXPECT_FALSE(DocumentFile::HasReadOnlyAttribute(path));
    EXPECT_FALSE(DocumentFile::HasReadOnlyAttribute(folder.Path("missing.zvr")));
}

// A save replaces the file through a new one in its folder: where the folder cannot be written,
// the file opens read-only with its own reason, though it may be written itself.
TEST(DocumentFile, AFolderThatCannotBeWrittenMakesTheFileReadOnly)
{
    StorageFolder folder;
    ASSERT_TRUE(QDir(folder.FileSystemPath("")).mkdir("shut"));
    const CString path = folder.Path("shut/doc.zvr");
    DocumentFile writer;
    SaveDocument(writer, path, "kept");
    writer.Close();
    SetMode(folder.FileSystemPath("shut"), 0555);
    EXPECT_FALSE(DocumentFile::HasReadOnlyAttribute(path));
    EXPECT_EQ(DocumentFile::Open(path, DocumentFileMode::Edit).GetReadOnlyReason(), ReadOnlyReason::FolderNotWritable);
    SetMode(folder.FileSystemPath("shut"), 0755);
    EXPECT_EQ(DocumentFile::Open(path, DocumentFileMode::Edit).GetReadOnlyReason(), ReadOnlyReason::None);
}

// The archive is read from the file as it lies: the stream of a compound file found without regard
// to the case of its name, or the whole of a plain file.
TEST(DocumentFile, TheArchiveIsReadWhereItLies)
{
    StorageFolder folder;
    const CString compound = folder.Path("compound.zvr");
    DocumentFile().Save(compound, [](CompoundFileWriter& writer) { writer.WriteStream("CONTENTS", "record"); });
    QFile plain(folder.FileSystemPath("plain.zvr"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("\x01\x00plain archive", 15);
    plain.close();
    const struct
    {
        CString path;
        bool compound;
        QByteArray bytes;
    } cases[] = {{compound, true, "record"},
                 {folder.Path("plain.zvr"), false, QByteArray("\x01\x00plain archive", 15)}};
    for (const auto& c : cases) {
        const DocumentFile file = DocumentFile::Open(c.path, DocumentFileMode::ReadOnly);
        EXPECT_EQ(file.IsCompoundFile(), c.compound);
        const std::unique_ptr<CFile> archive = file.OpenArchive("Contents");
        ASSERT_EQ(archive->GetLength(), ULONGLONG(c.bytes.size()));
        QByteArray bytes(c.bytes.size() + 4, '\0');
        EXPECT_EQ(archive->Read(bytes.data(), UINT(bytes.size())), UINT(c.bytes.size()));
        EXPECT_EQ(bytes.left(c.bytes.size()), c.bytes);
        EXPECT_EQ(archive->GetRemainingLength(), 0u);
        archive->SeekToBegin();
        EXPECT_EQ(archive->GetRemainingLength(), ULONGLONG(c.bytes.size()));
    }
    const DocumentFile file = DocumentFile::Open(compound, DocumentFileMode::ReadOnly);
    EXPECT_EQ(ErrorOf([&] { file.OpenArchive("Other"); }), StorageErrorCode::InvalidFile);
}

// Temporary files of saves that were killed (no process holds their lock any more) go with the next
// save of the same file; those of a save still running and of other files stay.
TEST(DocumentFile, ASaveRemovesTheTemporaryFilesOfKilledSaves)
{
    StorageFolder folder;
    const CString path = folder.Path("doc.zvr");
    const auto create = [&](const char* name) {
        QFile file(folder.FileSystemPath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    };
    create(".doc.zvr.k1lled00.tmp");
    create(".doc.zvr.k1lled01.tmp");
    create(".other.zvr.k1lled00.tmp");
    create(".doc.zvr.mine.tmp");
    create(".doc.zvr.running0.tmp");
    const FileDescriptor running(
        open(folder.FileSystemPath(".doc.zvr.running0.tmp").toLocal8Bit().constData(), O_RDWR));
    ASSERT_TRUE(FileLock::TryLockForEditing(running.Get()));

    DocumentFile file;
    SaveDocument(file, path, "new");
    EXPECT_EQ(folder.Entries(),
              QStringList({".doc.zvr.mine.tmp", ".doc.zvr.running0.tmp", ".other.zvr.k1lled00.tmp", "doc.zvr"}));
    EXPECT_EQ(ReadContents(path), QByteArray("new"));
}

TEST(DocumentFile, OpenFailuresNameTheirCause)
{
    StorageFolder folder;
    EXPECT_EQ(ErrorOf([&] { DocumentFile::Open(folder.Path("missing.zvr"), DocumentFileMode::Edit); }),
              StorageErrorCode::FileNotFound);
    EXPECT_EQ(ErrorOf([&] { DocumentFile::Open(folder.Path(""), DocumentFileMode::ReadOnly); }),
              StorageErrorCode::BadPath);
    EXPECT_EQ(ErrorOf([&] { DocumentFile().Save(folder.Path("no/such/folder.zvr"), [](CompoundFileWriter&) {}); }),
              StorageErrorCode::FileNotFound);
    // A named pipe is no document: refused at once, neither opened nor saved over, never waited on.
    ASSERT_EQ(mkfifo(folder.FileSystemPath("pipe.zvr").toLocal8Bit().constData(), 0600), 0);
    for (const DocumentFileMode mode : {DocumentFileMode::Edit, DocumentFileMode::ReadOnly})
        EXPECT_EQ(ErrorOf([&] { DocumentFile::Open(folder.Path("pipe.zvr"), mode); }), StorageErrorCode::BadPath);
    EXPECT_EQ(ErrorOf([&] { DocumentFile().Save(folder.Path("pipe.zvr"), [](CompoundFileWriter&) {}); }),
              StorageErrorCode::BadPath);

    try {
        DocumentFile::Open(folder.Path("missing.zvr"), DocumentFileMode::Edit);
        ADD_FAILURE() << "a missing file was opened";
    } catch (const StorageError& error) {
        const CFileException framework = error.ToFileException("missing.zvr");
        EXPECT_EQ(framework.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(framework.m_lOsError, ENOENT);
        EXPECT_EQ(framework.m_strFileName, CString("missing.zvr"));
    }
}

// A process killed at any moment of a save leaves the target as either the old or a new document,
// never a mix or a cut-off file.
TEST(DocumentFile, KilledSaveLeavesACompleteDocument)
{
    constexpr int kSize = 1 << 20;
    StorageFolder folder;
    const CString path = folder.Path("doc.zvr");
    DocumentFile first;
    SaveDocument(first, path, Generation(0, kSize));
    first.Close();

    std::mt19937 random(20240611);
    for (quint32 round = 1; round <= 10; ++round) {
        DocumentFile saver;
        quint32 generation = round * 1000;
        ASSERT_TRUE(KillDuringWork([&] { SaveDocument(saver, path, Generation(generation++, kSize)); },
                                   useconds_t(2000 + random() % 40000)))
            << "the saving process failed by itself in round " << round;

        const QByteArray contents = ReadContents(path);
        EXPECT_TRUE(IsWholeGeneration(contents, kSize)) << "round " << round;
    }
    // Nothing of the killed saves is left after one good save.
    SaveDocument(first, path, Generation(1, kSize));
    EXPECT_EQ(folder.Entries(), QStringList{"doc.zvr"});
}
