// CEcntsObj: the circular connector, a small circle with a short text inside. Connectors are made in
// pairs that share a pair number (the object id of the first of the pair); the first can be marked
// the start ("S") and the second the end ("E") of the connection. The document keeps the two of a
// pair consistent: their roles are opposite and an edited text goes to the partner.
//
// The connector's own fill and frame flags stand in for the box fill and the text frame, which stay
// off so that the text pass draws only the text.
#pragma once

#include "objects/StrgObj.h"

class CEcntsObj : public CStrgObj
{
    DECLARE_SERIAL(CEcntsObj)
public:
    // The standard size, no pair.
    CEcntsObj();
    // The rectangle takes the default size, keeping its top-left corner.
    CEcntsObj(WORD objectId, WORD pairNumber, const CRect& rect, BOOL firstOfPair);
    CEcntsObj(const CEcntsObj& other);

    // The text record, then the pair number and the five flags as words.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // --- Drawing, trackers and hit tests ------------------------------------------------------
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    // Inside the circle; an unfilled one asked for outline-only hits only near it. A flat
    // rectangle is hit as a box.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    // A line attaches only at the centre of a side.
    void GetConnectSideSpan(DWORD sideFlags, POINT point, CRect& span) const override;

    // --- Menu and commands --------------------------------------------------------------------
    // Start and end (greyed on a multiple selection), pen, fill, font and text effects, defaults.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // --- Attribute copies and class defaults --------------------------------------------------
    // The fill and frame flags, then the text attributes; never the pair or the roles.
    void CopyAttributes(const CBaseObj& other) override;
    // The flags and the text keys, and the prototype's size so that it comes back.
    void SaveDefaultAttributes(CRegItemObj& carrier) override;
    // 80 by 80 units.
    void GetStandardSize(CSize& size) const override;

    // Connectors stay out of the spreadsheet export, text or not.
    BOOL IsExportKind(DWORD exportOptions) const override;
    BOOL HasText() const override;

    // A one-line editor.
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;

    // --- Plain members ------------------------------------------------------------------------
    // The text defaults with a centred one-line text of height 16, the box fill and text frame
    // off, the connector's own fill and frame on, no role.
    void InitEcntsDefaults();
    // Setting a role writes its letter and clears the other role; clearing leaves the text.
    void SetStart(BOOL start);
    void SetEnd(BOOL end);
    void ToggleStart() { SetStart(!m_bStart); }
    void ToggleEnd() { SetEnd(!m_bEnd); }
    // In print mode, filled and with a shadow depth.
    BOOL HasConnectorShadow(BOOL printMode) const;

    WORD GetPairNumber() const { return m_wPairNumber; }
    BOOL IsFirstOfPair() const { return m_bFirstOfPair; }
    BOOL IsStart() const { return m_bStart; }
    BOOL IsEnd() const { return m_bEnd; }
    BOOL GetConnectorFill() const { return m_bFillEcnts; }
    BOOL GetConnectorFrame() const { return m_bDrawFrameEcnts; }

protected:
    // "FillEcnts", "DrawFrameEcnts", then the text keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    WORD m_wPairNumber;
    BOOL m_bFillEcnts;
    BOOL m_bDrawFrameEcnts;
    BOOL m_bFirstOfPair;
    BOOL m_bStart;
    BOOL m_bEnd;
};
