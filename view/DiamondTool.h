// DiamondTool: the diamond tool, which builds a diamond in the dragged rectangle.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class DiamondTool : public BoxCreationTool
{
public:
    DiamondTool() : BoxCreationTool(TRACK_DIAMOND) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
