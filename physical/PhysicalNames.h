// The physical names a conceptual file derives from its conceptual name: the table name and the
// primary-key index name, and which files get them under the document's naming option words. The
// column names are the data items' own (CFileComp::CreateColumnNames).
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;
class CFileComp;

namespace PhysicalNames {

// Table-name option word.
constexpr DWORD TABLE_PHYSICAL_FILES_ONLY = 0x1;
constexpr DWORD TABLE_ALL_FILES = 0x2;
constexpr DWORD TABLE_SKIP_MERGED = 0x10;
constexpr DWORD TABLE_PREFIX = 0x100;
constexpr DWORD TABLE_OVERWRITE = 0x1000;
// Primary-index-name option word.
constexpr DWORD INDEX_PHYSICAL_FILES_ONLY = 0x1;
constexpr DWORD INDEX_ALL_FILES = 0x2;
constexpr DWORD INDEX_SKIP_MERGED = 0x10;
constexpr DWORD INDEX_FROM_FILE_NAME = 0x100;
constexpr DWORD INDEX_FROM_TABLE_NAME = 0x200;
constexpr DWORD INDEX_PREFIX = 0x1000;
constexpr DWORD INDEX_SUFFIX = 0x2000;
constexpr DWORD INDEX_OVERWRITE = 0x10000;
// Column-name option word (the item-level bits are CData's).
constexpr DWORD COLUMN_PHYSICAL_FILES_ONLY = 0x1;
constexpr DWORD COLUMN_ALL_FILES = 0x2;
constexpr DWORD COLUMN_PHYSICAL_ITEMS_ONLY = 0x10;
constexpr DWORD COLUMN_ALL_ITEMS = 0x20;
constexpr DWORD COLUMN_TYPE_PREFIX = 0x100;
constexpr DWORD COLUMN_OVERWRITE = 0x1000;

// The conceptual file name with every CR LF pair removed: the name tables are made from.
CString GetNameForTable(const CFileComp& file);

// Whether the file gets a table name under the option word: never a dedicated definition file;
// with 0x1 only a physical target; with 0x10 not a file merged into its parent; without 0x1000 not
// one that has a table name; and only when the name for tables is not empty.
BOOL IsTableNameTarget(const CFileComp& file, const CBaseDoc& doc, DWORD option);
// The table name becomes the name for tables, with 0x100 behind the prefix. TRUE.
BOOL CreateTableName(CFileComp& file, DWORD option, const CString& prefix);

// The same for the primary-key index name: its base is the name for tables (0x100) or the table
// name, which must not be empty; without 0x10000 a file that has one keeps it.
BOOL IsPrimaryIndexNameTarget(const CFileComp& file, const CBaseDoc& doc, DWORD option);
// prefix + base with 0x1000, else base + suffix. TRUE.
BOOL CreatePrimaryIndexName(CFileComp& file, DWORD option, const CString& prefix, const CString& suffix);

} // namespace PhysicalNames
