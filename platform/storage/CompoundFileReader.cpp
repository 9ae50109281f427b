#include "platform/storage/CompoundFileReader.h"

#include "platform/storage/GsfSupport.h"
#include "platform/storage/StorageError.h"

#include <algorithm>
#include <cstring>

namespace compound_file_reader {

const unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

StorageError Damaged(const std::string& what)
{
    return StorageError(StorageErrorCode::InvalidFile, "damaged compound file: " + what);
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

// The child of that name, checked to be a stream (wantStorage false) or a storage.
GsfHandle<GsfInput> ChildOfKind(GsfInfile* root, const std::string& name, bool wantStorage)
{
    GsfHandle<GsfInput> child(gsf_infile_child_by_name(root, name.c_str()));
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
    using compound_file_reader::kSignature;
    return bytes.size() >= qsizetype(sizeof kSignature) &&
           std::memcmp(bytes.constData(), kSignature, sizeof kSignature) == 0;
}

CompoundFileReader::CompoundFileReader(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (!IsCompoundFile(m_bytes))
        throw StorageError(StorageErrorCode::InvalidFile, "not a compound file");
    EnsureGsfInitialized();
    GsfHandle<GsfInput> input(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(m_bytes.constData()), gsf_off_t(m_bytes.size()), FALSE));
    GError* error = nullptr;
    m_root.reset(gsf_infile_msole_new(input.get(), &error));
    if (!m_root)
        throw StorageError(StorageErrorCode::InvalidFile,
                           "damaged compound file: " + TakeGErrorMessage(error, "unreadable directory"));
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
    GsfHandle<GsfInput> child(gsf_infile_child_by_name(m_root.get(), name.c_str()));
    return child && !compound_file_reader::IsStorage(child.get());
}

QByteArray CompoundFileReader::ReadStream(const std::string& name) const
{
    const auto child = compound_file_reader::ChildOfKind(m_root.get(), name, false);
    return compound_file_reader::ReadAll(child.get());
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
