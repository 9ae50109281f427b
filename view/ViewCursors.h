// The mouse cursors of the drawing view: the sizing arrows and hands shown over handles, and the
// cross-hairs of the drawing tools with a small picture of what each tool draws. They are drawn
// once, on first use, into 32 x 32 pixmaps: black strokes on a white halo, so that they stay
// visible over any drawing. The two cursors of picking an object are pictures among the resources.
#pragma once

#include "platform/afx/WinTypes.h"

class QCursor;

// Cursor resource ids of the view.
constexpr UINT IDC_SIZE_NS = 211;
constexpr UINT IDC_SIZE_WE = 212;
constexpr UINT IDC_SIZE_NWSE = 213;
constexpr UINT IDC_SIZE_NESW = 214;
constexpr UINT IDC_POINT_HAND = 215;
constexpr UINT IDC_POINT_HAND_PLUS = 216;
constexpr UINT IDC_POINT_HAND_MINUS = 217;
constexpr UINT IDC_OPEN_HAND = 218;
constexpr UINT IDC_OPEN_HAND_PLUS = 219;
constexpr UINT IDC_TOOL_ZOOM = 221;
constexpr UINT IDC_TOOL_LINE = 222;
constexpr UINT IDC_TOOL_POLYLINE = 223;
constexpr UINT IDC_TOOL_RECT = 224;
constexpr UINT IDC_TOOL_ROUNDRECT = 225;
constexpr UINT IDC_TOOL_ELLIPSE = 226;
constexpr UINT IDC_TOOL_TEXT = 227;
constexpr UINT IDC_BAR_WE = 228;
constexpr UINT IDC_BAR_NS = 229;
constexpr UINT IDC_TOOL_ARC = 236;
constexpr UINT IDC_TOOL_FREEARC = 237;
constexpr UINT IDC_TOOL_CONNECTOR = 238;
constexpr UINT IDC_TOOL_DIAMOND = 239;
constexpr UINT IDC_TOOL_DATA = 240;
constexpr UINT IDC_TOOL_PROCESS = 241;
// A pick over empty paper, and over an object it can take.
constexpr UINT IDC_PICK_NONE = 242;
constexpr UINT IDC_PICK_TARGET = 243;
constexpr UINT IDC_TOOL_HEXAGON = 305;
constexpr UINT IDC_TOOL_OCTAGON = 306;
constexpr UINT IDC_TOOL_ARROW_ONE_TO_MANY = 312;
constexpr UINT IDC_TOOL_ARROW_SUBTYPE = 313;
constexpr UINT IDC_TOOL_ARROW_SUBSTRUCTURE = 314;
constexpr UINT IDC_TOOL_ARROW_OTHER = 327;
constexpr UINT IDC_TOOL_BALLOON = 330;

// The cursor of a resource id; the standard arrow for an id the view does not know.
const QCursor& GetViewCursor(UINT cursorId);
