// BalloonTool: the balloon tool, which builds a balloon with its default tail over the dragged
// rectangle; the outline shows the tail hanging from the bottom side.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class BalloonTool : public BoxCreationTool
{
public:
    BalloonTool() : BoxCreationTool(TRACK_BALLOON) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
