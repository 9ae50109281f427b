// PolygonTool: the hexagon and octagon tools, which build a polygon of their side count in the
// dragged rectangle; the outline cuts the corners at the ratio of that polygon's prototype.
#pragma once

#include "view/BoxCreationTool.h"
#include "view/TrackModes.h"

class PolygonTool : public BoxCreationTool
{
public:
    void DrawFeedback(CBaseView& view, CDC* dc) const override;

protected:
    PolygonTool(UINT trackMode, WORD sides) : BoxCreationTool(trackMode), m_wSides(sides) {}
    BOOL Create(CBaseView& view) const override;

private:
    WORD m_wSides;
};

class HexagonTool : public PolygonTool
{
public:
    HexagonTool() : PolygonTool(TRACK_HEXAGON, 6) {}
};

class OctagonTool : public PolygonTool
{
public:
    OctagonTool() : PolygonTool(TRACK_OCTAGON, 8) {}
};
