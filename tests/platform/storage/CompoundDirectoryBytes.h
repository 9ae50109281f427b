// Finding and patching the directory of a compound file in its bytes, for crafting damaged files
// from a valid one: the header, the sector allocation table listed in the header, the directory
// chain and its entries by name.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace CompoundDirectoryBytes {

constexpr std::size_t kLeftSibling = 0x44;
constexpr std::size_t kRightSibling = 0x48;
constexpr std::size_t kChild = 0x4C;
constexpr std::size_t kEntryType = 0x42;
constexpr std::size_t kStartSector = 0x74;
constexpr std::size_t kStreamSize = 0x78;

inline std::uint32_t Get32(const QByteArray& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | std::uint8_t(bytes[qsizetype(at) + i]);
    return v;
}

inline void Put32(QByteArray& bytes, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[qsizetype(at) + i] = char(v >> (8 * i));
}

inline std::size_t SectorSize(const QByteArray& bytes)
{
    return std::size_t(1) << (std::uint8_t(bytes[0x1E]) | std::uint8_t(bytes[0x1F]) << 8);
}

inline std::size_t SectorOffset(const QByteArray& bytes, std::uint32_t sector)
{
    return (std::size_t(sector) + 1) * SectorSize(bytes);
}

// Where the allocation table holds the entry of the sector (its first sectors, listed in the header).
inline std::size_t FatEntryOffset(const QByteArray& bytes, std::uint32_t sector)
{
    const std::size_t perSector = SectorSize(bytes) / 4;
    const std::uint32_t fatSector = Get32(bytes, 0x4C + 4 * (sector / perSector));
    return SectorOffset(bytes, fatSector) + 4 * (sector % perSector);
}

inline std::vector<std::uint32_t> DirectorySectors(const QByteArray& bytes)
{
    std::vector<std::uint32_t> sectors;
    for (std::uint32_t s = Get32(bytes, 0x30); s < 0xFFFFFFFA && sectors.size() < 1000;
         s = Get32(bytes, FatEntryOffset(bytes, s)))
        sectors.push_back(s);
    return sectors;
}

inline std::size_t EntryCount(const QByteArray& bytes)
{
    return DirectorySectors(bytes).size() * (SectorSize(bytes) / 128);
}

inline std::size_t EntryOffset(const QByteArray& bytes, std::size_t id)
{
    const std::size_t perSector = SectorSize(bytes) / 128;
    return SectorOffset(bytes, DirectorySectors(bytes)[id / perSector]) + 128 * (id % perSector);
}

// The id of the entry of that name (ASCII), or -1.
inline int EntryId(const QByteArray& bytes, const std::string& name)
{
    for (std::size_t id = 0; id < EntryCount(bytes); ++id) {
        const std::size_t at = EntryOffset(bytes, id);
        std::string entryName;
        for (std::size_t i = 0; i < 32 && bytes[qsizetype(at + 2 * i)] != 0; ++i)
            entryName += bytes[qsizetype(at + 2 * i)];
        if (entryName == name)
            return int(id);
    }
    return -1;
}

// The bytes with one link (kLeftSibling, kRightSibling, kChild) or other 32-bit field of the named
// entry set.
inline QByteArray WithLink(QByteArray bytes, const std::string& name, std::size_t link, std::uint32_t to)
{
    Put32(bytes, EntryOffset(bytes, std::size_t(EntryId(bytes, name))) + link, to);
    return bytes;
}

inline std::uint32_t Link(const QByteArray& bytes, const std::string& name, std::size_t link)
{
    return Get32(bytes, EntryOffset(bytes, std::size_t(EntryId(bytes, name))) + link);
}

inline QByteArray WithType(QByteArray bytes, const std::string& name, std::uint8_t type)
{
    bytes[qsizetype(EntryOffset(bytes, std::size_t(EntryId(bytes, name))) + kEntryType)] = char(type);
    return bytes;
}

// The bytes with the allocation table's entry for the sector (the next in its chain) set.
inline QByteArray WithNextSector(QByteArray bytes, std::uint32_t sector, std::uint32_t next)
{
    Put32(bytes, FatEntryOffset(bytes, sector), next);
    return bytes;
}

} // namespace CompoundDirectoryBytes
