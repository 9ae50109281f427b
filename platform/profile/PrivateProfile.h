// The private-profile functions: named INI files of the user's own choosing, read and written
// section by section and key by key. Texts are code page 932 bytes; the file name is a code page
// 932 path. Sections and keys compare without regard to the case of single-byte letters; blanks
// around keys and values are not part of them.
#pragma once

#include "platform/afx/WinTypes.h"

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

// A whole decimal number as profile values hold it, in the C locale: leading blanks and a sign are
// accepted, the first other character ends it, no digits give 0; values beyond the range of long
// long are held at its limits.
long long ParseProfileNumber(const char* text);
