// The options of one CREATE TABLE generation: the document's two option words, its name affixes
// and its default tablespaces, taken together when a run starts.
#pragma once

#include "platform/afx/String.h"

class CBaseDoc;

// DdlOptTable: one bit of each radio group, plus the check boxes.
constexpr DWORD DDL_TABLE_PHYSICAL_FILES_ONLY = 0x1;
constexpr DWORD DDL_TABLE_ALL_FILES = 0x2;
constexpr DWORD DDL_TABLE_RULE_STANDARD = 0x10;
constexpr DWORD DDL_TABLE_RULE_MERGED_FLAG = 0x20;
constexpr DWORD DDL_TABLE_NAME_FROM_TABLE_NAME = 0x100;
constexpr DWORD DDL_TABLE_NAME_FROM_FILE_NAME = 0x200;
constexpr DWORD DDL_TABLE_NAME_TABLE_ELSE_FILE = 0x400;
constexpr DWORD DDL_TABLE_NO_PRIMARY_KEY = 0x1000;
constexpr DWORD DDL_TABLE_PRIMARY_KEY_IN_CREATE = 0x2000;
constexpr DWORD DDL_TABLE_PRIMARY_KEY_BY_ALTER = 0x4000;
// Set by the dialog with every word; nothing tests it.
constexpr DWORD DDL_TABLE_DIALOG_MARK = 0x10000;
constexpr DWORD DDL_TABLE_DROP = 0x100000;
constexpr DWORD DDL_TABLE_PREFIX = 0x200000;
constexpr DWORD DDL_TABLE_TABLESPACES = 0x400000;
constexpr DWORD DDL_TABLE_KEY_NO_NAME = 0x1000000;
constexpr DWORD DDL_TABLE_KEY_INDEX_NAME = 0x2000000;
constexpr DWORD DDL_TABLE_KEY_PREFIX = 0x4000000;
constexpr DWORD DDL_TABLE_KEY_SUFFIX = 0x8000000;
// DdlOptColumn.
constexpr DWORD DDL_COLUMN_RULE_STANDARD = 0x1;
constexpr DWORD DDL_COLUMN_RULE_PHYSICAL_FLAG = 0x2;
constexpr DWORD DDL_COLUMN_NAME_FROM_COLUMN_NAME = 0x10;
constexpr DWORD DDL_COLUMN_NAME_FROM_ITEM_NAME = 0x20;
constexpr DWORD DDL_COLUMN_NAME_COLUMN_ELSE_ITEM = 0x40;
constexpr DWORD DDL_COLUMN_NULL_CLAUSES = 0x10000;
constexpr DWORD DDL_COLUMN_TYPE_PREFIX = 0x20000;
constexpr DWORD DDL_COLUMN_DEFAULTS = 0x40000;

// The defaults of a fresh profile.
constexpr DWORD DDL_TABLE_DEFAULT = 0x2012121;
constexpr DWORD DDL_COLUMN_DEFAULT = 0x50012;

struct DdlOptions
{
    DWORD table = DDL_TABLE_DEFAULT;
    DWORD column = DDL_COLUMN_DEFAULT;
    CString tablePrefix;
    CString primaryKeyPrefix;
    CString primaryKeySuffix;
    CString tableSpace;
    CString indexSpace;

    static DdlOptions FromDocument(const CBaseDoc& doc);
};
