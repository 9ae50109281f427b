// Conversions between code page 932 bytes and Unicode, through iconv's CP932 tables.
// Bytes that have no mapping become '?' (from Unicode) or U+FFFD (to Unicode), never an error.
#pragma once

#include <string>
#include <string_view>

std::string Utf8ToCp932(std::string_view utf8);
// The same, counting the characters that had no mapping.
std::string Utf8ToCp932(std::string_view utf8, int& replaced);
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf16ToCp932(std::u16string_view utf16);

// Length in bytes of the character starting at text[i] (2 for a complete lead/trail pair, else 1).
std::size_t Cp932CharLength(std::string_view text, std::size_t i);
