// The per-user profile: the framework's application profile functions over an INI file kept by
// QSettings (~/.config/<organisation>/Zivra.conf), one group per section, keys unchanged.
// Sections, entries and string values are code page 932; whole numbers are stored in the C locale.
#pragma once

#include "platform/afx/String.h"

class QString;

namespace Profile {

// The registry key of the framework: the organisation the file lives under ("Orlek").
void SetRegistryKey(const char* organisation);
// Puts the profile file under another folder (tests point it at a temporary one).
void SetDirectory(const QString& folder);
// The full path of the profile file now in use.
QString FilePath();

int GetProfileInt(const char* section, const char* entry, int defaultValue);
CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
BOOL WriteProfileInt(const char* section, const char* entry, int value);
// A null value removes the entry; a null entry removes the whole section.
BOOL WriteProfileString(const char* section, const char* entry, const char* value);
// TRUE when the section holds the entry.
BOOL HasProfileEntry(const char* section, const char* entry);

// A write of the value already stored changes nothing on disk. Other writes reach the file at
// once, except while a batch lives: then the file is written once, when the outermost batch
// ends, if anything changed (closing the program writes its settings this way).
class WriteBatch
{
public:
    WriteBatch();
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;
};

} // namespace Profile
