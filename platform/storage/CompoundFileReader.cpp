#include "platform/storage/CompoundFileReader.h"

#include "platform/storage/CompoundDirectoryCheck.h"
#include "platform/storage/GsfSupport.h"
#include "platform/storage/StorageError.h"

#include <QString>

#include <algorithm>
#include <cstring>
#include <utility>

namespace compound_file_reader {

const unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// What libgsf logged about the damage, if anything, is told with it.
StorageError Damaged(const std::string& what)
{
    const std::string logged = TakeGsfLogMessages();
    return StorageError(StorageErrorCode::InvalidFile,
                        "damaged compound file: " + what + (logged.empty() ? "" : " (" + logged + ")"));
}

// libgsf gives every child of a storage as an infile; only storages have a child count.
bool IsStorage(GsfInput* child)
{
    return GSF_IS_INFILE(child) && gsf_infile_num_children(GSF_INFILE(child)) >= 0;
}

QByteArray ReadAll(GsfInput* input)
{
    const gsf_off_t size = gsf_input_size(input);
    if (size < 0 || size > gsf_off_t(INT32_MAX))
        throw Damaged(std::string("stream '") + gsf_input_name(input) + "' has an impossible size");
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    const std::size_t chunk = 1 << 16;
    for (gsf_off_t done = 0; done < size;) {
        const std::size_t n = std::size_t(std::min<gsf_off_t>(gsf_off_t(chunk), size - done));
        if (!gsf_input_read(input, n, reinterpret_cast<guint8*>(bytes.data() + done)))
            throw Damaged(std::string("stream '") + gsf_input_name(input) + "' cannot be read");
        done += gsf_off_t(n);
    }
    return bytes;
}

StorageClassId ClassIdOf(GsfInfile* storage)
{
    StorageClassId id{};
    if (GSF_IS_INFILE_MSOLE(storage))
        gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(storage), id.data());
    return id;
}

StorageTree ReadStorageTree(GsfInfile* storage, const std::string& name)
{
    StorageTree tree;
    tree.name = name;
    tree.classId = ClassIdOf(storage);
    const int count = gsf_infile_num_children(storage);
    for (int i = 0; i < count; ++i) {
        GsfHandle<GsfInput> child(gsf_infile_child_by_index(storage, i));
        const char* childName = gsf_infile_name_by_index(storage, i);
        if (!child || !childName)
            throw Damaged("entry " + std::to_string(i) + " of '" + name + "' cannot be opened");
        if (IsStorage(child.get()))
            tree.storages.push_back(ReadStorageTree(GSF_INFILE(child.get()), childName));
        else
            tree.streams.push_back({childName, ReadAll(child.get())});
    }
    return tree;
}

// The names of a storage's entries compare as the compound-file format compares them: without
// regard to case.
bool IsSameEntryName(const char* entry, const std::string& name)
{
    return entry && QString::fromUtf8(entry).compare(QString::fromUtf8(name.c_str()), Qt::CaseInsensitive) == 0;
}

// The child of that name, or null.
GsfHandle<GsfInput> ChildNamed(GsfInfile* storage, const std::string& name)
{
    for (int i = 0, n = gsf_infile_num_children(storage); i < n; ++i) {
        if (IsSameEntryName(gsf_infile_name_by_index(storage, i), name))
            return GsfHandle<GsfInput>(gsf_infile_child_by_index(storage, i));
    }
    return nullptr;
}

// The child of that name, checked to be a stream (wantStorage false) or a storage.
GsfHandle<GsfInput> ChildOfKind(GsfInfile* root, const std::string& name, bool wantStorage)
{
    GsfHandle<GsfInput> child = ChildNamed(root, name);
    if (!child || IsStorage(child.get()) != wantStorage)
        throw StorageError(StorageErrorCode::InvalidFile,
                           (wantStorage ? "no storage '" : "no stream '") + name + "' in the compound file");
    return child;
}

std::vector<std::string> ChildNames(GsfInfile* storage, bool wantStorages)
{
    std::vector<std::string> names;
    for (int i = 0, n = gsf_infile_num_children(storage); i < n; ++i) {
        GsfHandle<GsfInput> child(gsf_infile_child_by_index(storage, i));
        if (child && IsStorage(child.get()) == wantStorages)
            names.emplace_back(gsf_infile_name_by_index(storage, i));
    }
    return names;
}

} // namespace compound_file_reader

bool CompoundFileReader::IsCompoundFile(const QByteArray& bytes)
{
    return IsCompoundFile(reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size()));
}

bool CompoundFileReader::IsCompoundFile(const unsigned char* bytes, std::size_t size)
{
    using compound_file_reader::kSignature;
    return size >= sizeof kSignature && std::memcmp(bytes, kSignature, sizeof kSignature) == 0;
}

CompoundFileReader::CompoundFileReader(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (!IsCompoundFile(m_bytes))
        throw StorageError(StorageErrorCode::InvalidFile, "not a compound file");
    EnsureGsfInitialized();
    m_input.reset(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(m_bytes.constData()), gsf_off_t(m_bytes.size()), FALSE));
    OpenDirectory();
}

CompoundFileReader::CompoundFileReader(GsfHandle<_GsfInput> input) : m_input(std::move(input))
{
    EnsureGsfInitialized();
    OpenDirectory();
}

void CompoundFileReader::OpenDirectory()
{
    // libgsf is not safe against a directory that loops or names entries it does not hold.
    CheckCompoundDirectory(m_input.get());
    TakeGsfLogMessages();
    GError* error = nullptr;
    m_root.reset(gsf_infile_msole_new(m_input.get(), &error));
    if (!m_root)
        throw compound_file_reader::Damaged(TakeGErrorMessage(error, "unreadable directory"));
}

CompoundFileReader::~CompoundFileReader() = default;
CompoundFileReader::CompoundFileReader(CompoundFileReader&&) noexcept = default;
CompoundFileReader& CompoundFileReader::operator=(CompoundFileReader&&) noexcept = default;

StorageClassId CompoundFileReader::ClassId() const
{
    return compound_file_reader::ClassIdOf(m_root.get());
}

std::vector<std::string> CompoundFileReader::StreamNames() const
{
    return compound_file_reader::ChildNames(m_root.get(), false);
}

std::vector<std::string> CompoundFileReader::StorageNames() const
{
    return compound_file_reader::ChildNames(m_root.get(), true);
}

bool CompoundFileReader::HasStream(const std::string& name) const
{
    const GsfHandle<GsfInput> child = compound_file_reader::ChildNamed(m_root.get(), name);
    return child && !compound_file_reader::IsStorage(child.get());
}

QByteArray CompoundFileReader::ReadStream(const std::string& name) const
{
    const auto child = compound_file_reader::ChildOfKind(m_root.get(), name, false);
    return compound_file_reader::ReadAll(child.get());
}

std::unique_ptr<StorageStreamFile> CompoundFileReader::OpenStream(const std::string& name, const CString& path) const
{
    GsfHandle<GsfInput> child = compound_file_reader::ChildOfKind(m_root.get(), name, false);
    if (gsf_input_size(child.get()) > gsf_input_size(m_input.get()))
        throw compound_file_reader::Damaged("stream '" + name + "' is larger than the file");
    g_object_ref(m_root.get());
    return std::make_unique<StorageStreamFile>(std::move(child), GsfHandle<_GsfInfile>(m_root.get()), path);
}

StorageTree CompoundFileReader::ReadStorage(const std::string& name) const
{
    const auto child = compound_file_reader::ChildOfKind(m_root.get(), name, true);
    return compound_file_reader::ReadStorageTree(GSF_INFILE(child.get()), name);
}

StorageTree CompoundFileReader::ReadTree() const
{
    return compound_file_reader::ReadStorageTree(m_root.get(), std::string());
}
