// PolylineTool: the polyline tool. Each press fixes a point (the first starts the polyline, which
// the document holds while it grows); holding the button down draws freehand. The right button or
// a double click ends it, and the tool returns to the pointer. The rubber band is the line tool's.
#pragma once

#include "view/LineTool.h"

class PolylineTool : public LineTool
{
public:
    void Press(CBaseView& view, const ToolEvent& event) const override;
    // The release of the button changes nothing: the polyline goes on until it is ended.
    void Release(CBaseView& view, const ToolEvent& event) const override;
};
