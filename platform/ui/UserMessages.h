// The system's private window messages.
#pragma once

#include "platform/afx/WinTypes.h"

constexpr UINT UM_PROCESS_SET_COUNT_TEXT = 0x61A8;
constexpr UINT UM_PROCESS_SET_PHASE_TEXT = 0x61A9;
constexpr UINT UM_IMPORT_EXCEL_DBIF = 0x61B1;
constexpr UINT UM_FIND_DIALOG_CLOSED = 0x61B2;
constexpr UINT UM_FIND_NEXT = 0x61B3;
constexpr UINT UM_FIND_ALL = 0x61B4;
constexpr UINT UM_REPLACE_DIALOG_CLOSED = 0x61B5;
constexpr UINT UM_REPLACE = 0x61B6;
constexpr UINT UM_REPLACE_ALL = 0x61B7;
constexpr UINT UM_LIST_ITEM_MOVED = 0x61B8;
constexpr UINT UM_SHOW_READONLY_NOTICE = 0x61BB;
