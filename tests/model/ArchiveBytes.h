// Archive fixtures for the data model's records: byte strings built field by field, and storing
// and loading through a memory file.
#pragma once

#include "platform/afx/Archive.h"
#include "platform/afx/Exception.h"
#include "platform/afx/MemFile.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace ArchiveBytes {

inline std::string Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    std::string bytes(std::size_t(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

inline void Load(std::string bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(reinterpret_cast<BYTE*>(bytes.data()), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

inline std::string Le16(WORD v)
{
    return std::string{char(v & 0xFF), char(v >> 8)};
}

// A record written field by field: W a WORD, D a DWORD, S a short archive string.
struct Bytes
{
    std::string data;
    Bytes& W(WORD v)
    {
        data += Le16(v);
        return *this;
    }
    Bytes& D(DWORD v)
    {
        data += Le16(WORD(v & 0xFFFF)) + Le16(WORD(v >> 16));
        return *this;
    }
    Bytes& S(const std::string& text)
    {
        data += char(text.size());
        data += text;
        return *this;
    }
    // n empty strings or zero WORDs.
    Bytes& Ss(int n)
    {
        data.append(std::size_t(n), '\0');
        return *this;
    }
    Bytes& Ws(int n)
    {
        data.append(std::size_t(2 * n), '\0');
        return *this;
    }
};

// An object record as the first object of an archive: the new-class tag (schema 1), then the record.
inline std::string FirstObject(const std::string& className, const std::string& record)
{
    Bytes b;
    b.W(0xFFFF).W(1).W(WORD(className.size()));
    return b.data + className + record;
}

// The rectangle part of a box record as each version wrote it: the kind, id 7, (0, 0)-(200, -100),
// solid black pen, not filled, shown in define mode, deletable, not rounded; the shadow and the
// corner rate from version 5, the link from version 11.
inline Bytes RectRecord(WORD version, WORD kind)
{
    Bytes b;
    b.W(version).W(kind).W(7).D(0).D(0).D(200).D(DWORD(-100)).W(0).D(0).W(1).W(0).D(0xFFFFFF).W(0).W(1);
    if (version >= 5)
        b.W(0).D(0x808080);
    if (version >= 11)
        b.W(0);
    b.W(0); // not rounded
    if (version >= 5)
        b.D(0x3E800000); // 0.25f
    return b;
}

// The archive bytes of one object, its class tag first.
inline std::string StoreObject(const CObject& object)
{
    return Store([&](CArchive& ar) { ar.WriteObject(&object); });
}

// The object read back as the first of an archive of that base class, every byte used.
inline std::unique_ptr<CObject> LoadObject(const std::string& bytes, const CRuntimeClass* baseClass)
{
    std::unique_ptr<CObject> loaded;
    Load(bytes, [&](CArchive& ar) {
        loaded = ar.ReadNewObject(baseClass);
        EXPECT_EQ(ar.GetRemainingLength(), 0u);
    });
    return loaded;
}

// Every shorter piece of the bytes fails to load as an archive error (and leaks nothing).
inline void ExpectEveryTruncationFails(const std::string& bytes, const CRuntimeClass* baseClass)
{
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        Load(bytes.substr(0, length),
             [&](CArchive& ar) { EXPECT_THROW(ar.ReadNewObject(baseClass), CArchiveException) << length; });
    }
}

} // namespace ArchiveBytes
