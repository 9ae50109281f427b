// How a data item writes its SQL type: the edit kinds and the type text. The data items format
// their own type texts; the SQL data types of the physical design share these definitions.
#pragma once

#include "platform/afx/String.h"

// Edit kinds: how a data item of the type gives its size.
constexpr WORD DATATYPE_EDIT_NONE = 0;     // no size
constexpr WORD DATATYPE_EDIT_DIGITS = 1;   // digits only
constexpr WORD DATATYPE_EDIT_DECIMALS = 2; // digits and decimals

// The type text of a data item: "NAME(digits)" for kind 1, "NAME(digits,decimals)" for kind 2, the
// name alone for every other kind.
CString FormatDataTypeText(const char* name, WORD editKind, DWORD digits, DWORD decimals);
