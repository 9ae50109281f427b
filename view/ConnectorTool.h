// ConnectorTool: the connector tool. The connector takes its type and point depth from its
// prototype and points the way it was dragged.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class ConnectorTool : public BoxCreationTool
{
public:
    ConnectorTool() : BoxCreationTool(TRACK_CONNECTOR) {}

    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    BOOL Create(CBaseView& view) const override;
};
