// Reading one line of a CSV file in code page 932: fields separated by commas, a field in double
// quotes may hold commas and ends at the first quote that a comma follows. Doubled quotes are kept
// as they stand.
#pragma once

#include "platform/afx/String.h"

#include <vector>

// The longest field a line may hold, in bytes, and the most fields in one line.
constexpr int CSV_MAX_FIELD_BYTES = 2048;
constexpr int CSV_MAX_FIELDS = 60;

// Parses the field that starts at position in line into field (size bytes, NUL-terminated) and
// moves position past it and its comma. Returns the field's length, or -1 when it is longer than
// CSV_MAX_FIELD_BYTES or than field can hold.
int ParseCsvField(const char* line, int& position, char* field, int size);

// Appends the fields of the line to fields (which is not emptied first). Returns their number,
// -1 when a field is too long, -2 when the line holds more than CSV_MAX_FIELDS fields.
int SplitCsvLine(const CString& line, std::vector<CString>& fields);
