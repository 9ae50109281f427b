// TextTool: the text tool, which builds an empty text object over the dragged rectangle and opens
// its in-place editor at once, so the user types straight into the drawing.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class TextTool : public BoxCreationTool
{
public:
    TextTool() : BoxCreationTool(TRACK_TEXT) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
    void AfterCreate(CBaseView& view, const ToolEvent& event) const override;
};
