// Archive fixtures for the data model's records: byte strings built field by field, and storing
// and loading through a memory file.
#pragma once

#include "platform/afx/Archive.h"
#include "platform/afx/MemFile.h"

#include <functional>
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

} // namespace ArchiveBytes
