// The tool table: which class serves each drawing tool.
#pragma once

#include "platform/afx/WinTypes.h"

class ViewTool;

// The tool of the command id, or null for a tool whose objects cannot be built.
const ViewTool* FindViewTool(UINT toolId);

// Adds the tool of a command id whose objects the view cannot name (the data model's tools), or
// replaces the one registered before. The tool must outlive every view.
void RegisterViewTool(UINT toolId, const ViewTool& tool);
