#include "platform/storage/CompoundDirectoryCheck.h"

#include "platform/storage/GsfSupport.h"
#include "platform/storage/StorageError.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace compound_directory_check {

// The header's fields (all little-endian) and the directory entry's links.
constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kSectorShiftAt = 0x1E;
constexpr std::size_t kFatSectorCountAt = 0x2C;
constexpr std::size_t kFirstDirectorySectorAt = 0x30;
constexpr std::size_t kFirstExtensionSectorAt = 0x44;
constexpr std::size_t kHeaderFatListAt = 0x4C;
constexpr std::size_t kHeaderFatListLength = 109;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kEntryTypeAt = 0x42;
constexpr std::size_t kEntryLinksAt = 0x44; // left sibling, right sibling, child
constexpr std::size_t kEntrySizeAt = 0x78;  // of a stream; libgsf reads the low 32 bits only

// libgsf reads sectors from 2^7 bytes (one entry) up to 2^30.
constexpr unsigned kSmallestShift = 7;
constexpr unsigned kLargestShift = 30;

constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFA;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;

constexpr std::uint8_t kStorageEntry = 1;
constexpr std::uint8_t kStreamEntry = 2;
constexpr std::uint8_t kRootEntry = 5;

StorageError Damaged(const std::string& what)
{
    return StorageError(StorageErrorCode::InvalidFile, "damaged compound file directory: " + what);
}

std::uint32_t Le32(const std::uint8_t* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

class DirectoryWalk
{
public:
    explicit DirectoryWalk(GsfInput* input) : m_input(input), m_fileSize(gsf_input_size(input)) {}

    void Run()
    {
        ReadHeader();
        ReadFatSectorList();
        ReadDirectoryChain();
        WalkEntries();
    }

private:
    void ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const
    {
        if (m_fileSize < 0 || offset > std::uint64_t(m_fileSize) || size > std::uint64_t(m_fileSize) - offset)
            throw Damaged("a sector lies beyond the end of the file");
        if (gsf_input_seek(m_input, gsf_off_t(offset), G_SEEK_SET) ||
            !gsf_input_read(m_input, size, static_cast<guint8*>(buffer)))
            throw Damaged("a sector cannot be read");
    }

    std::uint64_t SectorOffset(std::uint32_t sector) const { return (std::uint64_t(sector) + 1) << m_shift; }

    // A sector that the file holds whole; anything else (a special marker, a sector beyond the
    // end) is damage where a sector is wanted.
    void CheckSector(std::uint32_t sector, const char* what) const
    {
        if (sector > kLastRegularSector || SectorOffset(sector) + m_sectorSize > std::uint64_t(m_fileSize))
            throw Damaged(std::string(what) + " names sector " + std::to_string(sector) + ", which the file lacks");
    }

    std::uint32_t ReadWordAt(std::uint64_t offset) const
    {
        std::uint8_t bytes[4];
        ReadAt(offset, bytes, sizeof bytes);
        return Le32(bytes);
    }

    void ReadHeader()
    {
        std::uint8_t header[kHeaderSize];
        ReadAt(0, header, sizeof header);
        m_shift = unsigned(header[kSectorShiftAt]) | unsigned(header[kSectorShiftAt + 1]) << 8;
        if (m_shift < kSmallestShift || m_shift > kLargestShift)
            throw Damaged("impossible sector size 2^" + std::to_string(m_shift));
        m_sectorSize = std::uint64_t(1) << m_shift;
        m_fatCount = Le32(header + kFatSectorCountAt);
        m_firstDirectorySector = Le32(header + kFirstDirectorySectorAt);
        m_firstExtensionSector = Le32(header + kFirstExtensionSectorAt);
        // Every table sector is a sector of the file: a count beyond them is damage, and nothing
        // is allocated for it.
        if (m_fatCount > std::uint64_t(m_fileSize) >> m_shift)
            throw Damaged("more allocation table sectors than the file holds");
        for (std::size_t i = 0; i < kHeaderFatListLength && m_fatSectors.size() < m_fatCount; ++i)
            m_fatSectors.push_back(Le32(header + kHeaderFatListAt + 4 * i));
    }

    // The rest of the allocation table's sectors are listed in a chain of extension sectors, each
    // ending with the number of the next.
    void ReadFatSectorList()
    {
        const std::size_t perSector = std::size_t(m_sectorSize / 4) - 1;
        std::vector<bool> seen;
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(m_sectorSize));
        for (std::uint32_t sector = m_firstExtensionSector; m_fatSectors.size() < m_fatCount;) {
            CheckSector(sector, "the allocation table's extension chain");
            if (seen.size() <= sector)
                seen.resize(std::size_t(sector) + 1);
            if (seen[sector])
                throw Damaged("the allocation table's extension chain loops at sector " + std::to_string(sector));
            seen[sector] = true;
            ReadAt(SectorOffset(sector), bytes.data(), bytes.size());
            for (std::size_t i = 0; i < perSector && m_fatSectors.size() < m_fatCount; ++i)
                m_fatSectors.push_back(Le32(bytes.data() + 4 * i));
            sector = Le32(bytes.data() + 4 * perSector);
        }
    }

    std::uint32_t NextSector(std::uint32_t sector) const
    {
        const std::uint64_t perSector = m_sectorSize / 4;
        const std::uint64_t index = sector / perSector;
        if (index >= m_fatSectors.size())
            throw Damaged("sector " + std::to_string(sector) + " lies beyond the allocation table");
        const std::uint32_t fatSector = m_fatSectors[std::size_t(index)];
        CheckSector(fatSector, "the allocation table");
        return ReadWordAt(SectorOffset(fatSector) + 4 * (sector % perSector));
    }

    void ReadDirectoryChain()
    {
        std::vector<bool> seen;
        for (std::uint32_t sector = m_firstDirectorySector; sector != kEndOfChain; sector = NextSector(sector)) {
            CheckSector(sector, "the directory chain");
            if (seen.size() <= sector)
                seen.resize(std::size_t(sector) + 1);
            if (seen[sector])
                throw Damaged("the directory chain loops at sector " + std::to_string(sector));
            seen[sector] = true;
            m_directorySectors.push_back(sector);
        }
        m_entryCount = m_directorySectors.size() * std::size_t(m_sectorSize / kEntrySize);
        if (m_entryCount == 0)
            throw Damaged("no directory");
    }

    struct Entry
    {
        std::uint8_t type;
        std::uint32_t links[3];
        std::uint32_t size;
    };

    Entry ReadEntry(std::size_t id) const
    {
        const std::size_t perSector = std::size_t(m_sectorSize / kEntrySize);
        const std::uint64_t at = SectorOffset(m_directorySectors[id / perSector]) + (id % perSector) * kEntrySize;
        std::uint8_t bytes[kEntrySize];
        ReadAt(at, bytes, sizeof bytes);
        Entry entry{bytes[kEntryTypeAt], {}, Le32(bytes + kEntrySizeAt)};
        for (int i = 0; i < 3; ++i)
            entry.links[i] = Le32(bytes + kEntryLinksAt + 4 * i);
        return entry;
    }

    // From the root, every storage's children form a tree of left and right siblings: each entry
    // may be reached once, through one link. libgsf follows the siblings of streams and storages
    // and the children of storages. An entry that it would pass over with a warning (one of no
    // known type, a stream larger than the file) is refused too: an embedded object's storage
    // would otherwise be kept, and saved again, without it.
    void WalkEntries() const
    {
        std::vector<bool> reached(m_entryCount);
        std::vector<std::size_t> pending{0};
        reached[0] = true;
        while (!pending.empty()) {
            const std::size_t id = pending.back();
            pending.pop_back();
            const Entry entry = ReadEntry(id);
            const bool storage = entry.type == kStorageEntry || entry.type == kRootEntry;
            if (!storage && entry.type != kStreamEntry)
                throw Damaged("entry " + std::to_string(id) + " is of no known type");
            if (entry.type == kStreamEntry && entry.size > std::uint64_t(m_fileSize))
                throw Damaged("stream entry " + std::to_string(id) + " is larger than the file");
            for (int i = 0; i < (storage ? 3 : 2); ++i) {
                const std::uint32_t link = entry.links[i];
                if (link == kNoEntry)
                    continue;
                if (link >= m_entryCount)
                    throw Damaged("entry " + std::to_string(id) + " links to entry " + std::to_string(link) +
                                  ", which the directory lacks");
                if (reached[link])
                    throw Damaged("entry " + std::to_string(id) + " links back to entry " + std::to_string(link));
                reached[link] = true;
                pending.push_back(link);
            }
        }
    }

    GsfInput* m_input;
    gsf_off_t m_fileSize;
    unsigned m_shift = 0;
    std::uint64_t m_sectorSize = 0;
    std::uint32_t m_fatCount = 0;
    std::uint32_t m_firstDirectorySector = 0;
    std::uint32_t m_firstExtensionSector = 0;
    std::vector<std::uint32_t> m_fatSectors;
    std::vector<std::uint32_t> m_directorySectors;
    std::size_t m_entryCount = 0;
};

} // namespace compound_directory_check

void CheckCompoundDirectory(GsfInput* input)
{
    compound_directory_check::DirectoryWalk(input).Run();
    if (gsf_input_seek(input, 0, G_SEEK_SET))
        throw compound_directory_check::Damaged("the file cannot be read from its start");
}
