#include "foundation/Csv.h"

#include <cstring>
#include <string>

namespace Csv {

// Copies length bytes from text into field when they fit both limits; returns length or -1.
int TakeField(const char* text, int length, char* field, int size)
{
    if (length > CSV_MAX_FIELD_BYTES || length >= size)
        return -1;
    std::memcpy(field, text, std::size_t(length));
    field[length] = '\0';
    return length;
}

int ParseUnquoted(const char* line, int& position, char* field, int size)
{
    const char* start = line + position;
    const char* comma = std::strchr(start, ',');
    const int length = comma ? int(comma - start) : int(std::strlen(start));
    if (TakeField(start, length, field, size) < 0)
        return -1;
    position += comma ? length + 1 : length;
    return length;
}

int ParseQuoted(const char* line, int& position, char* field, int size)
{
    const char* start = line + position;
    if (start[1] == '"' && start[2] == '\0') {
        if (size < 1)
            return -1;
        field[0] = '\0';
        position += 2;
        return 0;
    }
    const char* close = std::strstr(start + 1, "\",");
    if (close) {
        const int length = int(close - (start + 1));
        if (TakeField(start + 1, length, field, size) < 0)
            return -1;
        position += length + 3;
        return length;
    }
    const int rest = int(std::strlen(start + 1));
    const int length = (rest > 0 && start[rest] == '"') ? rest - 1 : rest;
    if (TakeField(start + 1, length, field, size) < 0)
        return -1;
    position += 1 + rest;
    return length;
}

} // namespace Csv

int ParseCsvField(const char* line, int& position, char* field, int size)
{
    const char first = line[position];
    if (first == ',') {
        if (size < 1)
            return -1;
        field[0] = '\0';
        ++position;
        return 0;
    }
    if (first == '"')
        return Csv::ParseQuoted(line, position, field, size);
    return Csv::ParseUnquoted(line, position, field, size);
}

int SplitCsvLine(const CString& line, std::vector<CString>& fields)
{
    // The line ends at its first NUL byte, as the field parser sees it.
    const std::string copy(line.GetString());
    const int length = int(copy.size());
    char field[CSV_MAX_FIELD_BYTES + 10];
    int position = 0;
    int count = 0;
    bool done = false;
    while (!done) {
        if (ParseCsvField(copy.c_str(), position, field, int(sizeof field)) < 0)
            return -1;
        fields.emplace_back(field);
        ++count;
        done = position >= length;
        if (count == CSV_MAX_FIELDS && (!done || copy[length - 1] == ','))
            return -2;
    }
    if (length > 0 && copy[length - 1] == ',') {
        fields.emplace_back();
        ++count;
    }
    return count;
}
