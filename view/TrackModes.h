// The drags of the drawing view: one mode word per view says which one is in progress, from the
// press that starts it to the release that ends it. Each shape tool has its own mode; the values
// are the view's own and are not derived from the tool ids.
#pragma once

#include "platform/afx/WinTypes.h"

enum TrackMode : UINT {
    TRACK_NONE = 0,
    TRACK_PAGES_ACROSS = 1,
    TRACK_PAGES_DOWN = 3,
    TRACK_SELECT_RECT = 4,
    TRACK_ZOOM_RECT = 5,
    // Pick an object for a pending command: the next press ends them.
    TRACK_PICK_START = 6,
    TRACK_PICK_END = 7,
    TRACK_PICK_LINK = 8,
    TRACK_PICK_CLONE_SOURCE = 10,
    TRACK_PICK_CONNECTOR = 11,
    TRACK_LINE = 0x30,
    TRACK_POLYLINE = 0x40,
    TRACK_RECT = 0x50,
    TRACK_ROUNDRECT = 0x60,
    TRACK_ELLIPSE = 0x70,
    TRACK_TEXT = 0x80,
    TRACK_ARC = 0xA0,
    TRACK_FREEARC = 0xB0,
    TRACK_CONNECTOR = 0xC0,
    TRACK_DIAMOND = 0xD0,
    TRACK_HEXAGON = 0xE0,
    TRACK_OCTAGON = 0xF0,
    TRACK_DATA = 0x100,
    TRACK_PROCESS = 0x110,
    TRACK_FILE = 0x120,
    TRACK_RELARROW = 0x130,
    TRACK_TASK = 0x140,
    TRACK_CLONE = 0x150,
    TRACK_OLE = 0x160,
    TRACK_BALLOON = 0x240,
    TRACK_CIRCLE_CONNECTOR = 0x250,
    TRACK_MOVE = 0x1000,
    TRACK_GUIDE_X = 0x2000,
    TRACK_GUIDE_Y = 0x4000,
};

inline bool IsPickTrackMode(UINT mode)
{
    return mode == TRACK_PICK_START || mode == TRACK_PICK_END || mode == TRACK_PICK_LINK ||
           mode == TRACK_PICK_CLONE_SOURCE || mode == TRACK_PICK_CONNECTOR;
}

// Zones of a zoomed point relative to the document frame.
constexpr UINT ZONE_INSIDE = 0x1;
constexpr UINT ZONE_RIGHT_EDGE = 0x2;
constexpr UINT ZONE_BOTTOM_EDGE = 0x4;

// How an object is described in the status bar.
constexpr int DESCRIBE_SELECTED = 1;
constexpr int DESCRIBE_DESELECTED = 2;
constexpr int DESCRIBE_UNDER_MOUSE = 3;
constexpr int DESCRIBE_CONNECTED = 4;
