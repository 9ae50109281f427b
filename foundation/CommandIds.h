// The command ids of the system: menus, tool bars, accelerators, status-bar panes and the code that
// handles them name the numbers here. The numbers are the ones the program has always had (files
// and the profile do not store them, but help contexts and string resources are keyed by them).
// The framework's own commands (file, edit, window, help) are in platform/ui/FrameworkIds.h.
#pragma once

#include "platform/afx/WinTypes.h"

// --- Drawing tools: the pointer, then every other tool up to ID_TOOL_LAST ----------------------
constexpr UINT ID_TOOL_POINTER = 32810;
constexpr UINT ID_TOOL_ZOOM = 32811;
constexpr UINT ID_TOOL_LINE = 32814;
constexpr UINT ID_TOOL_POLYLINE = 32815;
constexpr UINT ID_TOOL_RECT = 32816;
constexpr UINT ID_TOOL_ROUNDRECT = 32817;
constexpr UINT ID_TOOL_ELLIPSE = 32818;
constexpr UINT ID_TOOL_TEXT = 32819;
constexpr UINT ID_TOOL_ARC = 32820;
constexpr UINT ID_TOOL_FREEARC = 32821;
constexpr UINT ID_TOOL_CONNECTOR = 32822;
constexpr UINT ID_TOOL_DIAMOND = 32823;
constexpr UINT ID_TOOL_HEXAGON = 32824;
constexpr UINT ID_TOOL_OCTAGON = 32825;
constexpr UINT ID_TOOL_DATA = 32826;
constexpr UINT ID_TOOL_PROCESS = 32827;
constexpr UINT ID_TOOL_FILE = 32828;
constexpr UINT ID_TOOL_RELARROW = 32829;
constexpr UINT ID_TOOL_TASK = 32830;
constexpr UINT ID_TOOL_CLONE = 32831;
constexpr UINT ID_TOOL_OLE = 32832;
constexpr UINT ID_TOOL_BALLOON = 32833;
constexpr UINT ID_TOOL_CIRCLE_CONNECTOR = 32834;
constexpr UINT ID_TOOL_FIRST = ID_TOOL_POINTER;
constexpr UINT ID_TOOL_LAST = ID_TOOL_CIRCLE_CONNECTOR;
