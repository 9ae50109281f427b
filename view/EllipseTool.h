// EllipseTool: the ellipse tool, which builds an ellipse inscribed in the dragged rectangle.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class EllipseTool : public BoxCreationTool
{
public:
    EllipseTool() : BoxCreationTool(TRACK_ELLIPSE) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
