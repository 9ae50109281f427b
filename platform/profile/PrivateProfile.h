// The private-profile functions: named INI files of the user's own choosing, read and written
// section by section and key by key. Texts are code page 932 bytes; the file name is a code page
// 932 path. Sections and keys compare without regard to the case of single-byte letters; blanks
// around keys and values are not part of them.
#pragma once

#include "platform/afx/String.h"
#include "platform/afx/WinTypes.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Copies the value of the key into buffer (at most size - 1 bytes, cut on a character boundary,
// always terminated) and returns the number of bytes copied. A missing file, section or key, or a
// null section or key, gives the default (null: empty).
DWORD GetPrivateProfileString(const char* section, const char* key, const char* defaultValue, char* buffer, DWORD size,
                              const char* fileName);

// The value of the key read as a whole number (ParseProfileNumber), or the default when the key is
// missing.
UINT GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName);

// Sets the key to value, creating the file and the section when needed; a null value removes the
// key, a null key the whole section. Every other line of the file stays as it was, in its order.
// The file is written to a temporary file that then replaces it, so a failed write leaves the old
// file whole. FALSE when the file cannot be read or written, or when a name or value cannot be
// stored as one INI line (a line break anywhere, '=' in a key, ']' in a section).
BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName);

// One key's new value for WritePrivateProfileKeys; no value removes the key.
struct PrivateProfileChange
{
    CString key;
    std::optional<CString> value;
};

// Applies the changes to the section in their order, each as WritePrivateProfileString would, with
// one write of the file: it changes whole or not at all. FALSE, and nothing written, when the file
// cannot be read or written or any change cannot be stored.
BOOL WritePrivateProfileKeys(const char* section, const std::vector<PrivateProfileChange>& changes,
                             const char* fileName);

// A whole decimal number as profile values hold it, in the C locale: leading blanks and a sign are
// accepted, the first other character ends it, no digits give 0; values beyond the range of long
// long are held at its limits.
long long ParseProfileNumber(const char* text);

// A private-profile file read and parsed once, for a reader that asks for many keys (a data-type
// file holds up to 65,535 entries): each answer is the one the functions above give for the file
// as it was read. A missing or unreadable file, or no file name, reads as an empty file.
class PrivateProfileFile
{
public:
    explicit PrivateProfileFile(const char* fileName);

    DWORD GetString(const char* section, const char* key, const char* defaultValue, char* buffer, DWORD size) const;
    UINT GetInt(const char* section, const char* key, int defaultValue) const;

private:
    struct Entry
    {
        CString name;
        CString value;
    };
    // For each upper-case form, the positions of the names of that form in file order. Names equal
    // without regard to case share their form, so the first of them that compares equal is the
    // first in the file: the one a walk through the file would find.
    using NameIndex = std::unordered_map<std::string, std::vector<std::size_t>>;
    struct Section
    {
        CString name;
        std::vector<Entry> entries;
        NameIndex keys;
    };

    template <class Named>
    static void AddNamed(NameIndex& index, std::vector<Named>& items, Named item);
    template <class Named>
    static const Named* FirstNamed(const NameIndex& index, const std::vector<Named>& items, const char* name);
    std::optional<CString> Value(const char* section, const char* key) const;

    std::vector<Section> m_sections;
    NameIndex m_sectionIndex;
};
