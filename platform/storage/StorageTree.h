// A storage of a compound file held in memory: its class id, its streams and its sub-storages, with
// names (UTF-8) and bytes exactly as read. An embedded object's storage is kept this way, opaque,
// and written back unchanged.
#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using StorageClassId = std::array<std::uint8_t, 16>;

struct StorageStream
{
    std::string name;
    QByteArray bytes;

    friend bool operator==(const StorageStream&, const StorageStream&) = default;
};

struct StorageTree
{
    std::string name;
    StorageClassId classId{};
    std::vector<StorageStream> streams;
    std::vector<StorageTree> storages;

    // The stream or sub-storage of that name, or null.
    const StorageStream* FindStream(const std::string& streamName) const;
    const StorageTree* FindStorage(const std::string& storageName) const;

    friend bool operator==(const StorageTree&, const StorageTree&) = default;
};
