// CRecentFileList: the most recently used files, kept in the profile as "<section>"/"File1".. in
// order, newest first. Paths compare exactly (file names are case-sensitive here).
#pragma once

#include "platform/afx/String.h"

#include <vector>

class CRecentFileList
{
public:
    CRecentFileList(UINT start, const char* section, const char* entryFormat, int size);

    int GetSize() const { return int(m_files.size()); }
    const CString& operator[](int index) const { return m_files[std::size_t(index)]; }
    // Puts the path first; a path already listed moves up, the oldest one drops off.
    void Add(const char* path);
    void Remove(int index);
    void ReadList();
    // Rewrites the section: the non-empty entries under File1.. and no others.
    void WriteList() const;
    // The menu text of an entry: "&1 name" (the file name part only).
    CString GetDisplayName(int index) const;
    UINT GetStartId() const { return m_nStart; }

private:
    UINT m_nStart;
    CString m_strSection;
    CString m_strEntryFormat;
    std::vector<CString> m_files; // size entries, empty ones unused
};
