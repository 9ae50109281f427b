#include "platform/profile/PrivateProfile.h"

#include "platform/afx/Cp932.h"
#include "platform/afx/File.h"
#include "platform/afx/String.h"
#include "platform/storage/SaveFile.h"
#include "platform/storage/StorageError.h"

#include <QFile>
#include <QString>

#include <charconv>
#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace PrivateProfile {

// The file as lines without their terminators, and the line end it uses.
struct IniLines
{
    std::vector<std::string> lines;
    std::string eol = "\r\n";
};

QString FileSystemName(const char* fileName)
{
    return QString::fromStdString(ToFileSystemPath(CString(fileName)));
}

// The file's lines; an empty set for a file that does not exist, nothing when it cannot be read.
std::optional<IniLines> ReadLines(const char* fileName)
{
    IniLines ini;
    QFile file(FileSystemName(fileName));
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const std::string text(bytes.constData(), std::size_t(bytes.size()));
    const std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r'))
        ini.eol.assign(1, '\n');
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ini.lines.push_back(std::move(line));
        start = end + 1;
    }
    return ini;
}

// The new content replaces the file through a safe save, so the file is at every moment either the
// old one or the new one, and a write killed on the way leaves no temporary file for good.
BOOL WriteLines(const char* fileName, const IniLines& ini)
{
    std::string text;
    for (const std::string& line : ini.lines)
        text += line + ini.eol;
    try {
        SaveFile save(ToFileSystemPath(CString(fileName)));
        save.Write(text.data(), text.size());
        save.Commit();
    } catch (const StorageError&) {
        return FALSE;
    }
    return TRUE;
}

CString Trimmed(const std::string& text)
{
    CString out(text);
    out.Trim(" \t");
    return out;
}

bool SameName(const CString& a, const char* b)
{
    return a.CompareNoCase(b) == 0;
}

// The section name of a "[name]" line.
std::optional<CString> SectionOf(const std::string& line)
{
    const CString trimmed = Trimmed(line);
    if (trimmed.IsEmpty() || trimmed[0] != '[')
        return std::nullopt;
    const int close = trimmed.Find(']');
    return Trimmed(trimmed.Mid(1, close < 0 ? trimmed.GetLength() - 1 : close - 1).Bytes());
}

// The key of a "key=value" line; comments and other lines have none.
std::optional<CString> KeyOf(const std::string& line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    const CString key = Trimmed(line.substr(0, equals));
    if (!key.IsEmpty() && key[0] == ';')
        return std::nullopt;
    return key;
}

// The lines [begin, end) of the first section with the name: its header and its body.
struct SectionRange
{
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const IniLines& ini, const char* section)
{
    const std::size_t count = ini.lines.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<CString> name = SectionOf(ini.lines[i]);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < count && !SectionOf(ini.lines[end]))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

// The index of the key's line in the section, or kNoLine.
constexpr std::size_t kNoLine = std::size_t(-1);

std::size_t FindKey(const IniLines& ini, const SectionRange& range, const char* key)
{
    for (std::size_t i = range.begin + 1; i < range.end; ++i) {
        const std::optional<CString> name = KeyOf(ini.lines[i]);
        if (name && SameName(*name, key))
            return i;
    }
    return kNoLine;
}

bool HasLineBreak(const char* text)
{
    return text && std::strpbrk(text, "\r\n") != nullptr;
}

bool CanStore(const char* section, const char* key, const char* value)
{
    if (!section || !*section || HasLineBreak(section) || std::strchr(section, ']'))
        return false;
    if (key && (!*key || HasLineBreak(key) || std::strchr(key, '=') || *key == '[' || *key == ';'))
        return false;
    return !HasLineBreak(value);
}

// The line after the last non-blank line of the section, where a new key goes.
std::size_t EndOfEntries(const IniLines& ini, const SectionRange& range)
{
    std::size_t end = range.end;
    while (end > range.begin + 1 && Trimmed(ini.lines[end - 1]).IsEmpty())
        --end;
    return end;
}

// Removes the section; false when there is none.
bool RemoveSection(IniLines& ini, const char* section)
{
    const std::optional<SectionRange> range = FindSection(ini, section);
    if (!range)
        return false;
    ini.lines.erase(ini.lines.begin() + std::ptrdiff_t(range->begin), ini.lines.begin() + std::ptrdiff_t(range->end));
    return true;
}

std::string UpperForm(const CString& name)
{
    CString form = name;
    return form.MakeUpper().Bytes();
}

// The entry lines of one section as slots that the changes set, empty (a removed line) or add to,
// with the slots of each key found by its upper-case form, so that many changes cost one pass.
class SectionEdit
{
public:
    SectionEdit(const IniLines& ini, const std::optional<SectionRange>& range)
    {
        if (!range)
            return;
        const std::size_t end = EndOfEntries(ini, *range);
        for (std::size_t i = range->begin + 1; i < end; ++i)
            Add(ini.lines[i], KeyOf(ini.lines[i]));
    }

    void Apply(const PrivateProfileChange& change)
    {
        const char* key = change.key;
        const std::optional<std::size_t> slot = Find(key);
        if (!change.value) {
            if (slot)
                m_slots[*slot].reset();
            return;
        }
        std::string entry = std::string(key) + "=" + static_cast<const char*>(*change.value);
        if (slot)
            m_slots[*slot] = std::move(entry);
        else
            Add(std::move(entry), change.key);
    }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (const std::optional<std::string>& slot : m_slots)
            if (slot)
                lines.push_back(*slot);
        return lines;
    }

private:
    void Add(std::string line, const std::optional<CString>& key)
    {
        if (key)
            m_keys[UpperForm(*key)].push_back(m_slots.size());
        m_slots.emplace_back(std::move(line));
    }

    std::optional<std::size_t> Find(const char* key) const
    {
        const auto found = m_keys.find(UpperForm(CString(key)));
        if (found == m_keys.end())
            return std::nullopt;
        for (const std::size_t slot : found->second)
            if (m_slots[slot] && SameName(*KeyOf(*m_slots[slot]), key))
                return slot;
        return std::nullopt;
    }

    std::vector<std::optional<std::string>> m_slots;
    std::unordered_map<std::string, std::vector<std::size_t>> m_keys;
};

// Applies the changes to the section's lines, in their order; a section that does not exist yet
// is added at the end of the file when a change gives it an entry.
void ApplyChanges(IniLines& ini, const char* section, const std::vector<PrivateProfileChange>& changes)
{
    const std::optional<SectionRange> range = FindSection(ini, section);
    SectionEdit edit(ini, range);
    for (const PrivateProfileChange& change : changes)
        edit.Apply(change);
    std::vector<std::string> entries = edit.Lines();
    if (!range) {
        if (entries.empty())
            return;
        ini.lines.push_back(std::string(1, '[').append(section).append(1, ']'));
        ini.lines.insert(ini.lines.end(), entries.begin(), entries.end());
        return;
    }
    const auto first = ini.lines.begin() + std::ptrdiff_t(range->begin + 1);
    ini.lines.erase(first, ini.lines.begin() + std::ptrdiff_t(EndOfEntries(ini, *range)));
    ini.lines.insert(ini.lines.begin() + std::ptrdiff_t(range->begin + 1), entries.begin(), entries.end());
}

} // namespace PrivateProfile

PrivateProfileFile::PrivateProfileFile(const char* fileName)
{
    if (!fileName || !*fileName)
        return;
    const std::optional<PrivateProfile::IniLines> ini = PrivateProfile::ReadLines(fileName);
    if (!ini)
        return;
    for (const std::string& line : ini->lines) {
        if (const std::optional<CString> name = PrivateProfile::SectionOf(line)) {
            AddNamed(m_sectionIndex, m_sections, Section{*name, {}, {}});
            continue;
        }
        const std::optional<CString> key = m_sections.empty() ? std::nullopt : PrivateProfile::KeyOf(line);
        if (key) {
            Section& section = m_sections.back();
            AddNamed(section.keys, section.entries,
                     Entry{*key, PrivateProfile::Trimmed(line.substr(line.find('=') + 1))});
        }
    }
}

template <class Named>
void PrivateProfileFile::AddNamed(NameIndex& index, std::vector<Named>& items, Named item)
{
    CString form = item.name;
    index[form.MakeUpper().Bytes()].push_back(items.size());
    items.push_back(std::move(item));
}

template <class Named>
const Named* PrivateProfileFile::FirstNamed(const NameIndex& index, const std::vector<Named>& items, const char* name)
{
    CString form(name);
    const auto found = index.find(form.MakeUpper().Bytes());
    if (found == index.end())
        return nullptr;
    for (const std::size_t at : found->second)
        if (PrivateProfile::SameName(items[at].name, name))
            return &items[at];
    return nullptr;
}

std::optional<CString> PrivateProfileFile::Value(const char* section, const char* key) const
{
    if (!section || !key)
        return std::nullopt;
    const Section* found = FirstNamed(m_sectionIndex, m_sections, section);
    const Entry* entry = found ? FirstNamed(found->keys, found->entries, key) : nullptr;
    return entry ? std::optional<CString>(entry->value) : std::nullopt;
}

DWORD PrivateProfileFile::GetString(const char* section, const char* key, const char* defaultValue, char* buffer,
                                    DWORD size) const
{
    if (!buffer || size == 0)
        return 0;
    const std::optional<CString> stored = Value(section, key);
    const std::string text = stored ? stored->Bytes() : std::string(defaultValue ? defaultValue : "");
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + Cp932CharLength(text, length);
        if (next > std::size_t(size - 1))
            break;
        length = next;
    }
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return DWORD(length);
}

UINT PrivateProfileFile::GetInt(const char* section, const char* key, int defaultValue) const
{
    const std::optional<CString> stored = Value(section, key);
    if (!stored)
        return UINT(defaultValue);
    return UINT(ParseProfileNumber(*stored));
}

DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, DWORD size,
                              const char* fileName)
{
    if (!buffer || size == 0)
        return 0;
    return PrivateProfileFile(fileName).GetString(section, key, defaultValue, buffer, size);
}

UINT GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName)
{
    return PrivateProfileFile(fileName).GetInt(section, key, defaultValue);
}

BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName)
{
    if (key) {
        const std::optional<CString> stored = value ? std::optional<CString>(CString(value)) : std::nullopt;
        return WritePrivateProfileKeys(section, {PrivateProfileChange{CString(key), stored}}, fileName);
    }
    if (!fileName || !*fileName || !PrivateProfile::CanStore(section, nullptr, value))
        return FALSE;
    std::optional<PrivateProfile::IniLines> ini = PrivateProfile::ReadLines(fileName);
    if (!ini)
        return FALSE;
    if (!PrivateProfile::RemoveSection(*ini, section))
        return TRUE;
    return PrivateProfile::WriteLines(fileName, *ini);
}

BOOL WritePrivateProfileKeys(const char* section, const std::vector<PrivateProfileChange>& changes,
                             const char* fileName)
{
    if (!fileName || !*fileName)
        return FALSE;
    for (const PrivateProfileChange& change : changes)
        if (!PrivateProfile::CanStore(section, change.key,
                                      change.value ? static_cast<const char*>(*change.value) : nullptr))
            return FALSE;
    std::optional<PrivateProfile::IniLines> ini = PrivateProfile::ReadLines(fileName);
    if (!ini)
        return FALSE;
    const std::vector<std::string> before = ini->lines;
    PrivateProfile::ApplyChanges(*ini, section, changes);
    if (ini->lines == before)
        return TRUE;
    return PrivateProfile::WriteLines(fileName, *ini);
}

long long ParseProfileNumber(const char* text)
{
    if (!text)
        return 0;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    const char* end = p + std::strlen(p);
    unsigned long long magnitude = 0;
    const std::from_chars_result result = std::from_chars(p, end, magnitude);
    if (result.ec == std::errc::invalid_argument)
        return 0;
    if (result.ec == std::errc::result_out_of_range || magnitude > (unsigned long long)(LLONG_MAX))
        return negative ? LLONG_MIN : LLONG_MAX;
    return negative ? -(long long)(magnitude) : (long long)(magnitude);
}
