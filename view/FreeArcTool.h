// FreeArcTool: the free-arc tool, which builds three quarters of the ellipse in the dragged
// rectangle, open at the lower left.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class FreeArcTool : public BoxCreationTool
{
public:
    FreeArcTool() : BoxCreationTool(TRACK_FREEARC) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
