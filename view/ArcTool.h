// ArcTool: the arc tool. The quarter it builds depends on the direction of the drag: the arc leaves
// the press point vertically and meets the release point horizontally.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class ArcTool : public BoxCreationTool
{
public:
    ArcTool() : BoxCreationTool(TRACK_ARC) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
