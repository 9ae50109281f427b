#include "platform/ui/RecentFileList.h"

#include "platform/profile/Profile.h"

#include <algorithm>

CRecentFileList::CRecentFileList(UINT start, const char* section, const char* entryFormat, int size)
    : m_nStart(start), m_strSection(section), m_strEntryFormat(entryFormat), m_files(std::size_t(std::max(size, 0)))
{
}

void CRecentFileList::Add(const char* path)
{
    if (!path || !*path || m_files.empty())
        return;
    auto it = std::find(m_files.begin(), m_files.end(), CString(path));
    if (it == m_files.end())
        it = m_files.end() - 1;
    std::rotate(m_files.begin(), it, it + 1);
    m_files.front() = path;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    m_files.erase(m_files.begin() + index);
    m_files.emplace_back();
}

void CRecentFileList::ReadList()
{
    for (int i = 0; i < GetSize(); ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        m_files[std::size_t(i)] = Profile::GetProfileString(m_strSection, entry, "");
    }
}

void CRecentFileList::WriteList() const
{
    // An unchanged list leaves the profile file alone.
    bool unchanged = true;
    for (int i = 0; i < GetSize() && unchanged; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        unchanged = Profile::GetProfileString(m_strSection, entry, "") == m_files[std::size_t(i)] &&
                    (!m_files[std::size_t(i)].IsEmpty() || !Profile::HasProfileEntry(m_strSection, entry));
    }
    if (unchanged)
        return;
    Profile::WriteProfileString(m_strSection, nullptr, nullptr);
    for (int i = 0; i < GetSize(); ++i) {
        if (m_files[std::size_t(i)].IsEmpty())
            continue;
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        Profile::WriteProfileString(m_strSection, entry, m_files[std::size_t(i)]);
    }
}

CString CRecentFileList::GetDisplayName(int index) const
{
    const CString& path = m_files[std::size_t(index)];
    const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    CString text;
    text.Format("&%d %s", index + 1, (slash < 0 ? path : path.Mid(slash + 1)).GetString());
    return text;
}
