#include "platform/storage/StorageTree.h"

#include <algorithm>

const StorageStream* StorageTree::FindStream(const std::string& streamName) const
{
    const auto it =
        std::find_if(streams.begin(), streams.end(), [&](const StorageStream& s) { return s.name == streamName; });
    return it == streams.end() ? nullptr : &*it;
}

const StorageTree* StorageTree::FindStorage(const std::string& storageName) const
{
    const auto it =
        std::find_if(storages.begin(), storages.end(), [&](const StorageTree& s) { return s.name == storageName; });
    return it == storages.end() ? nullptr : &*it;
}
