// CCnctObj: the connector symbol of flow diagrams, an arrow-like figure in its rectangle: a
// triangle, a pentagon or a notched pentagon (a chevron) pointing right, left, up or down. Its
// point-depth ratio sets how far the point and the notch reach in; a handle on the pentagon's
// shoulder drags it.
#pragma once

#include "objects/OutlineObj.h"

enum ConnectorType : WORD { CONNECTOR_TRIANGLE = 0, CONNECTOR_PENTAGON = 1, CONNECTOR_NOTCHED = 2 };
// The side the point faces; up is towards larger y. Any other value points down.
enum ConnectorDirection : WORD { CONNECTOR_RIGHT = 0, CONNECTOR_LEFT = 1, CONNECTOR_UP = 2, CONNECTOR_DOWN = 3 };
constexpr float DEFAULT_CONNECTOR_RATIO = 0.125f;

// The number of outline points of a type: 5, 6, and 3 for the triangle and any other value.
int GetConnectorPointCount(WORD type);
// The outline points (as many as GetConnectorPointCount says).
int CalcConnectorOutline(const RECT& rect, WORD type, WORD direction, float ratio, POINT* points);
// The direction of a drag from the anchor to the current point: vertical when it is taller than
// wide (a tie counts as horizontal).
WORD GetConnectorDragDirection(POINT anchor, POINT current);

class CCnctObj : public COutlineObj
{
    DECLARE_SERIAL(CCnctObj)
public:
    CCnctObj();
    CCnctObj(WORD objectId, const CRect& rect, WORD type, WORD direction);
    CCnctObj(const CCnctObj& other);

    // The rectangle's record, then type, direction and (from object version 5) the ratio.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // Filled, or without the outline-only request, the whole rectangle; otherwise near an edge.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;

    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The type and direction switches; FALSE when the field already had that value.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    void CopyAttributes(const CBaseObj& other) override;

    WORD GetConnectType() const { return m_wConnectType; }
    WORD GetDirection() const { return m_wDirection; }
    void SetDirection(WORD direction) { m_wDirection = direction; }
    float GetPointRatio() const { return m_fPointRatio; }
    // Where the point-depth handle lies; FALSE for a triangle or a flat rectangle.
    BOOL GetPointDepthHandlePos(CPoint& handle) const;

protected:
    int CalcOutline(const RECT& rect, float ratio, POINT* points) const override;
    BOOL HasRatioHandle() const override { return TRUE; }
    float GetShapeRatio() const override { return m_fPointRatio; }
    void SetShapeRatio(float ratio) override { m_fPointRatio = ratio; }
    BOOL CalcRatioHandlePos(const RECT& rect, CPoint& handle) const override;
    // The handle runs along its side between the two ends: ratio 0 to 1.
    BOOL CalcDraggedRatio(const RECT& rect, POINT handle, SIZE offset, float& ratio) const override;
    // "ConnectType", "Direction", then the rectangle's keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    WORD m_wConnectType;
    WORD m_wDirection;
    float m_fPointRatio;
};
