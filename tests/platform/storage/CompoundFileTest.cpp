#include "tests/platform/storage/CompoundDirectoryBytes.h"
#include "tests/platform/storage/StorageTestSupport.h"
#include "tests/support/LeakCheck.h"

#include "platform/storage/StorageError.h"

#include <QFile>
#include <QProcess>

#include <fcntl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace compound_file_test {

QByteArray Pattern(int size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7);
    return bytes;
}

// An embedded object's storage as such objects look: a class id, a stream with a control
// character in its name, a stream large enough to leave the small-block area, an empty stream,
// and nested storages, one of them empty.
StorageTree SampleEmbedding()
{
    StorageTree nested{"Nested", {}, {{"Deep", Pattern(10, 'd')}}, {StorageTree{"Empty", {}, {}, {}}}};
    StorageTree embedding;
    embedding.name = "Embedding 1";
    embedding.classId = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 1, 2, 3, 4, 5, 6, 7, 8};
    embedding.streams = {{"\x01"
                          "CompObj",
                          Pattern(76, 'c')},
                         {"CONTENTS", Pattern(5000, 'x')},
                         {"Zero", {}}};
    embedding.storages = {nested};
    return embedding;
}

// The directory listing of python3-olefile, or a null array when it is not installed. The first
// python3 on the path may be a private one without the system's packages.
QByteArray ListWithOlefile(const QString& path)
{
    for (const QString& program : {QString("python3"), QString("/usr/bin/python3")}) {
        QProcess python;
        python.start(program, {"-c", "import olefile, sys; print(olefile.OleFileIO(sys.argv[1]).listdir())", path});
        if (!python.waitForFinished(20000) || python.exitStatus() != QProcess::NormalExit)
            continue;
        if (python.exitCode() == 0)
            return python.readAllStandardOutput();
        const QByteArray error = python.readAllStandardError();
        if (!error.contains("No module named"))
            return "python3 failed: " + error;
    }
    return {};
}

// The same tree with every level's streams and storages in name order, as a directory lists them.
StorageTree Sorted(StorageTree tree)
{
    std::sort(tree.streams.begin(), tree.streams.end(), [](auto& a, auto& b) { return a.name < b.name; });
    std::sort(tree.storages.begin(), tree.storages.end(), [](auto& a, auto& b) { return a.name < b.name; });
    for (StorageTree& storage : tree.storages)
        storage = Sorted(std::move(storage));
    return tree;
}

} // namespace compound_file_test

using namespace compound_file_test;

TEST(CompoundFile, WritesContentsAndEmbeddingsAndReadsThemBackExactly)
{
    StorageFolder folder;
    const CString path = folder.Path(QString::fromUtf8(u8"構造図.zvr"));
    const QByteArray contents = Pattern(3000, 'a');
    DocumentFile file;
    SaveDocument(file, path, contents, {SampleEmbedding()});

    QFile raw(folder.FileSystemPath(QString::fromUtf8(u8"構造図.zvr")));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly)) << "the name on disk is the UTF-8 form";
    EXPECT_EQ(raw.read(8), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));

    const CompoundFileReader reader(FileBytes(file));
    EXPECT_EQ(reader.StreamNames(), std::vector<std::string>{"Contents"});
    EXPECT_EQ(reader.StorageNames(), std::vector<std::string>{"Embedding 1"});
    EXPECT_TRUE(reader.HasStream("Contents"));
    EXPECT_FALSE(reader.HasStream("Embedding 1"));
    EXPECT_EQ(reader.ReadStream("Contents"), contents);
    EXPECT_EQ(Sorted(reader.ReadStorage("Embedding 1")), Sorted(SampleEmbedding()));
}

TEST(CompoundFile, OpaqueEmbeddingSurvivesAResaveByteForByte)
{
    StorageFolder folder;
    DocumentFile first;
    SaveDocument(first, folder.Path("first.zvr"), "old", {SampleEmbedding()});
    const CompoundFileReader original(FileBytes(first));

    DocumentFile second;
    SaveDocument(second, folder.Path("second.zvr"), "new", {original.ReadStorage("Embedding 1")});
    const CompoundFileReader copy(FileBytes(second));

    EXPECT_EQ(copy.ReadStream("Contents"), QByteArray("new"));
    StorageTree expected = original.ReadTree();
    expected.streams = {{"Contents", "new"}};
    EXPECT_EQ(copy.ReadTree(), expected);
}

TEST(CompoundFile, RootClassIdIsKept)
{
    StorageFolder folder;
    StorageTree root{"", {9, 8, 7, 6, 5, 4, 3, 2, 1}, {{"Contents", "x"}}, {SampleEmbedding()}};
    DocumentFile file;
    file.Save(folder.Path("a.zvr"), [&](CompoundFileWriter& writer) { writer.WriteTree(root); });
    EXPECT_EQ(Sorted(CompoundFileReader(FileBytes(file)).ReadTree()), Sorted(root));
}

TEST(CompoundFile, OtherToolsSeeTheSameDirectory)
{
    StorageFolder folder;
    DocumentFile file;
    SaveDocument(file, folder.Path("tool.zvr"), "data", {SampleEmbedding()});
    const QByteArray listing = ListWithOlefile(folder.FileSystemPath("tool.zvr"));
    if (listing.isNull())
        GTEST_SKIP() << "python3 with olefile is not installed";
    EXPECT_TRUE(listing.contains("['Contents']")) << listing.constData();
    EXPECT_TRUE(listing.contains("['Embedding 1', 'Nested', 'Deep']")) << listing.constData();
    EXPECT_TRUE(listing.contains("['Embedding 1', 'CONTENTS']")) << listing.constData();
}

TEST(CompoundFile, PlainAndDamagedFilesAreToldApart)
{
    const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    const struct
    {
        const char* what;
        QByteArray bytes;
        bool compound;
    } cases[] = {
        {"plain archive", QByteArray("\xE9\x03plain archive bytes", 21), false},
        {"empty file", QByteArray(), false},
        {"signature cut short", signature.left(7), false},
        {"signature then rubbish", signature + QByteArray(600, '\xFF'), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompoundFileReader::IsCompoundFile(c.bytes), c.compound) << c.what;
        try {
            CompoundFileReader reader(c.bytes);
            ADD_FAILURE() << c.what << " was read as a compound file";
        } catch (const StorageError& error) {
            EXPECT_EQ(error.Code(), StorageErrorCode::InvalidFile) << c.what;
        }
    }
}

TEST(CompoundFile, MissingOrMistypedEntriesAreInvalidFileErrors)
{
    StorageFolder folder;
    DocumentFile file;
    SaveDocument(file, folder.Path("a.zvr"), "data", {SampleEmbedding()});
    const CompoundFileReader reader(FileBytes(file));
    for (const auto& read : std::vector<std::function<void()>>{
             [&] { reader.ReadStream("Missing"); },
             [&] { reader.ReadStream("Embedding 1"); },
             [&] { reader.ReadStorage("Contents"); },
             [&] { reader.ReadStorage("Embedding 2"); },
         }) {
        try {
            read();
            ADD_FAILURE() << "a missing or mistyped entry was read";
        } catch (const StorageError& error) {
            EXPECT_EQ(error.Code(), StorageErrorCode::InvalidFile);
        }
    }
}

TEST(CompoundFile, WriteFailureIsReportedNotSwallowed)
{
    const FileDescriptor full(open("/dev/full", O_WRONLY | O_CLOEXEC));
    if (!full.IsValid())
        GTEST_SKIP() << "no /dev/full";
    try {
        CompoundFileWriter writer(full.Get());
        writer.WriteStream("Contents", Pattern(200000, 'f'));
        writer.Close();
        ADD_FAILURE() << "writing to a full device succeeded";
    } catch (const StorageError& error) {
        EXPECT_EQ(error.Code(), StorageErrorCode::DiskFull) << error.what();
    }
}

// Directories crafted from a valid file: links that lead back to an entry already reached, or to
// an entry the directory does not hold, directory chains that loop or leave the file, and entries
// that libgsf would pass over. Each is refused as an invalid file before libgsf walks it (it read
// on without the entries, leaving an embedding to be saved again without them), read from memory
// and where it lies. libgsf's own complaints about a damaged stream are told in the error, never
// on standard error.
TEST(CompoundFile, DirectoriesThatLoopOrLeadNowhereAreRefused)
{
    namespace cdb = CompoundDirectoryBytes;
    StorageFolder folder;
    DocumentFile file;
    SaveDocument(file, folder.Path("a.zvr"), "data", {SampleEmbedding()});
    const QByteArray valid = FileBytes(file);
    // Root, Contents, the embedding's eight entries: three directory sectors.
    const std::vector<std::uint32_t> directory = cdb::DirectorySectors(valid);
    ASSERT_EQ(directory.size(), 3u);
    const auto entries = std::uint32_t(cdb::EntryCount(valid));
    const auto id = [&](const char* name) { return std::uint32_t(cdb::EntryId(valid, name)); };
    const std::uint32_t streamStart = cdb::Link(valid, "CONTENTS", cdb::kStartSector);
    const struct
    {
        const char* what;
        QByteArray bytes;
        const char* told; // in the error; refused on opening when null
    } cases[] = {
        {"storage is its own child", cdb::WithLink(valid, "Nested", cdb::kChild, id("Nested")), nullptr},
        {"stream is its own sibling", cdb::WithLink(valid, "Contents", cdb::kLeftSibling, id("Contents")), nullptr},
        {"child links back to the root", cdb::WithLink(valid, "Nested", cdb::kChild, 0), nullptr},
        {"child links up to its storage's sibling",
         cdb::WithLink(valid, "Nested", cdb::kChild, cdb::Link(valid, "Embedding 1", cdb::kChild)), nullptr},
        {"sibling one past the last entry", cdb::WithLink(valid, "Deep", cdb::kRightSibling, entries), nullptr},
        {"child far beyond the directory", cdb::WithLink(valid, "Embedding 1", cdb::kChild, 0x7FFFFFF0), nullptr},
        {"directory chain loops", cdb::WithNextSector(valid, directory[2], directory[0]), nullptr},
        {"directory chain leaves the file", cdb::WithNextSector(valid, directory[1], 0x00FFFFFF), nullptr},
        {"directory chain ends in a free sector", cdb::WithNextSector(valid, directory[1], 0xFFFFFFFF), nullptr},
        {"entry of no known type", cdb::WithType(valid, "Zero", 0), nullptr},
        {"stream larger than the file", cdb::WithLink(valid, "CONTENTS", cdb::kStreamSize, 0x7FFFFF), nullptr},
        {"stream's own chain loops", cdb::WithNextSector(valid, streamStart, streamStart), "Block Allocation Table"},
    };
    // The file as written reads whole.
    EXPECT_EQ(Sorted(CompoundFileReader(valid).ReadTree()).storages[0], Sorted(SampleEmbedding()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.bytes, valid);
        const CString path = folder.Path("damaged.zvr");
        QFile damaged(folder.FileSystemPath("damaged.zvr"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(c.bytes);
        damaged.close();
        const std::string errors = CapturedStandardError([&] {
            try {
                CompoundFileReader(c.bytes).ReadTree();
                ADD_FAILURE() << "read from memory";
            } catch (const StorageError& error) {
                EXPECT_EQ(error.Code(), StorageErrorCode::InvalidFile) << error.what();
                if (c.told) {
                    EXPECT_NE(std::string(error.what()).find(c.told), std::string::npos) << error.what();
                }
            }
            if (c.told)
                return;
            try {
                ReadContents(path);
                ADD_FAILURE() << "read where it lies";
            } catch (const StorageError& error) {
                EXPECT_EQ(error.Code(), StorageErrorCode::InvalidFile) << error.what();
            }
        });
        EXPECT_EQ(errors, "");
        EXPECT_FALSE(LeakSanitizerFindsLeaks());
    }
}

// A file large enough that its allocation table is listed in extension sectors beyond the header
// opens as before; an extension chain that leaves the file is refused.
TEST(CompoundFile, TablesListedInExtensionSectorsAreFollowed)
{
    namespace cdb = CompoundDirectoryBytes;
    StorageFolder folder;
    DocumentFile file;
    const QByteArray contents = Pattern(8 << 20, 'L');
    SaveDocument(file, folder.Path("large.zvr"), contents);
    const QByteArray valid = FileBytes(file);
    ASSERT_GT(cdb::Get32(valid, 0x2C), 109u); // more table sectors than the header lists
    ASSERT_LT(cdb::Get32(valid, 0x44), 0xFFFFFFFAu);
    EXPECT_EQ(CompoundFileReader(valid).ReadStream("Contents"), contents);
    EXPECT_EQ(ReadContents(folder.Path("large.zvr")), contents);

    QByteArray damaged = valid;
    cdb::Put32(damaged, 0x44, 0x00FFFFFF);
    try {
        CompoundFileReader reader(damaged);
        ADD_FAILURE() << "an extension chain beyond the file was followed";
    } catch (const StorageError& error) {
        EXPECT_EQ(error.Code(), StorageErrorCode::InvalidFile) << error.what();
    }
}
