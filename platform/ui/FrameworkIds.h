// The framework's standard command, window and string ids. The system's resources and code use
// these numbers, so they keep their documented values.
#pragma once

#include "platform/afx/WinTypes.h"

// File commands.
constexpr UINT ID_FILE_NEW = 0xE100;           // 57600
constexpr UINT ID_FILE_OPEN = 0xE101;          // 57601
constexpr UINT ID_FILE_CLOSE = 0xE102;         // 57602
constexpr UINT ID_FILE_SAVE = 0xE103;          // 57603
constexpr UINT ID_FILE_SAVE_AS = 0xE104;       // 57604
constexpr UINT ID_FILE_PAGE_SETUP = 0xE105;    // 57605
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;   // 57606
constexpr UINT ID_FILE_PRINT = 0xE107;         // 57607
constexpr UINT ID_FILE_PRINT_DIRECT = 0xE108;  // 57608
constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109; // 57609
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;     // 57616; the recent files follow
constexpr UINT ID_FILE_MRU_FILE4 = 0xE113;
constexpr UINT ID_FILE_MRU_FILE16 = 0xE11F;

// Edit commands.
constexpr UINT ID_EDIT_CLEAR = 0xE120;
constexpr UINT ID_EDIT_CLEAR_ALL = 0xE121;
constexpr UINT ID_EDIT_COPY = 0xE122;  // 57634
constexpr UINT ID_EDIT_CUT = 0xE123;   // 57635
constexpr UINT ID_EDIT_FIND = 0xE124;  // 57636
constexpr UINT ID_EDIT_PASTE = 0xE125; // 57637
constexpr UINT ID_EDIT_PASTE_LINK = 0xE126;
constexpr UINT ID_EDIT_PASTE_SPECIAL = 0xE127;
constexpr UINT ID_EDIT_REPEAT = 0xE128;
constexpr UINT ID_EDIT_REPLACE = 0xE129;    // 57641
constexpr UINT ID_EDIT_SELECT_ALL = 0xE12A; // 57642
constexpr UINT ID_EDIT_UNDO = 0xE12B;       // 57643
constexpr UINT ID_EDIT_REDO = 0xE12C;       // 57644

// Window commands.
constexpr UINT ID_WINDOW_NEW = 0xE130;
constexpr UINT ID_WINDOW_ARRANGE = 0xE131;
constexpr UINT ID_WINDOW_CASCADE = 0xE132;
constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
constexpr UINT ID_WINDOW_TILE_VERT = 0xE134;

// Application and help commands.
constexpr UINT ID_APP_ABOUT = 0xE140; // 57664
constexpr UINT ID_APP_EXIT = 0xE141;  // 57665
constexpr UINT ID_HELP_INDEX = 0xE142;
constexpr UINT ID_HELP_FINDER = 0xE143; // 57667
constexpr UINT ID_HELP_USING = 0xE144;
constexpr UINT ID_CONTEXT_HELP = 0xE145; // 57669
constexpr UINT ID_HELP = 0xE146;         // 57670
constexpr UINT ID_DEFAULT_HELP = 0xE147; // 57671

constexpr UINT ID_OLE_INSERT_NEW = 0xE200; // 57856

// The window menu's list of document windows: the first of nine.
constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;
constexpr UINT kMaxMdiChildrenListed = 9;

// Control bars and their toggles.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;    // 59392
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801; // 59393
constexpr UINT AFX_IDW_RESIZE_BAR = 0xE803; // 59395
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;
constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;
constexpr UINT ID_SEPARATOR = 0;

// Framework strings.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;   // 57344
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001; // 57345
constexpr UINT AFX_IDS_OPENFILE = 0xF000;    // 61440
constexpr UINT AFX_IDS_SAVEFILE = 0xF001;    // 61441
constexpr UINT AFX_IDS_ALLFILTER = 0xF002;   // 61442
constexpr UINT AFX_IDS_UNTITLED = 0xF003;    // 61443
constexpr UINT AFX_IDP_ASK_TO_SAVE = 0xF10A;
constexpr UINT AFX_IDP_FAILED_TO_OPEN_DOC = 0xF104;
constexpr UINT AFX_IDP_FAILED_TO_SAVE_DOC = 0xF105;
constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
constexpr UINT AFX_IDP_PARSE_REAL = 0xF111;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 0xF112;
constexpr UINT AFX_IDP_PARSE_STRING_SIZE = 0xF114;
constexpr UINT AFX_IDP_PARSE_UINT = 0xF116;
constexpr UINT AFX_IDS_NO_HELP = 0xF120;
constexpr UINT AFX_IDP_NO_PRINTER = 0xF130;            // 61744
constexpr UINT AFX_IDP_FAILED_TO_START_PRINT = 0xF131; // 61745

// Window messages the layer dispatches.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_USER = 0x0400;

// Dialog control ids.
constexpr UINT IDC_STATIC = UINT(-1);
