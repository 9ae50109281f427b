// CircleConnectorTool: the circular-connector tool, which builds a pair of connectors in one undo
// step: the first at the dragged corner, its partner 20 units to its right, both of the default
// size. The first is selected and its text is typed in place at once.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class CircleConnectorTool : public BoxCreationTool
{
public:
    CircleConnectorTool() : BoxCreationTool(TRACK_CIRCLE_CONNECTOR) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
    void AfterCreate(CBaseView& view, const ToolEvent& event) const override;
};
