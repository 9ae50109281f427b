// The tool table: which class serves each drawing tool.
#pragma once

#include "platform/afx/WinTypes.h"

class ViewTool;

// The tool of the command id, or null for a tool whose objects cannot be built.
const ViewTool* FindViewTool(UINT toolId);
