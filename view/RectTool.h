// RectTool: the rectangle tool, which builds a rectangle with square corners whatever its
// prototype says.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class RectTool : public BoxCreationTool
{
public:
    RectTool() : RectTool(TRACK_RECT, FALSE) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    RectTool(UINT trackMode, BOOL rounded) : BoxCreationTool(trackMode), m_bRounded(rounded) {}
    BOOL Create(CBaseView& view) const override;

private:
    BOOL m_bRounded;
};
