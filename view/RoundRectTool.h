// RoundRectTool: the rounded-rectangle tool, which builds a rectangle with rounded corners whatever
// its prototype says; its outline rounds the corners at the prototype's rate.
#pragma once

#include "view/RectTool.h"

class RoundRectTool : public RectTool
{
public:
    RoundRectTool() : RectTool(TRACK_ROUNDRECT, TRUE) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;
};
