// CFlowComp: the process symbol of the system-flow side of a diagram. Its flow-media kind 0 to 9
// picks a box, a rounded box or an ellipse, plain or with a supplement band at the top or the
// bottom; the name takes the other band and the text the middle.
#pragma once

#include "model/MediaComp.h"

class CFlowComp : public CMediaComp
{
    DECLARE_SERIAL(CFlowComp)
public:
    CFlowComp();
    CFlowComp(WORD objectId, const CRect& rect);
    CFlowComp(const CFlowComp& other);

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // Kinds 2, 3, 5, 6, 8 and 9 have a supplement band (at the top for 2, 5 and 8).
    static BOOL HasSupplementBand(WORD kind);

    // The shadow shows in print mode whenever it has a depth, filled or not.
    BOOL HasShadow(BOOL printMode) const override;
    // The circle and ellipse kinds (7 to 9) connect at the middle of the facing side, the others
    // where the point meets the facing side.
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;
    // The spreadsheet export takes process symbols with option bit 4.
    BOOL IsExportKind(DWORD exportOptions) const override;

    // The colours, the process kinds, the shadow, the defaults and the shape operations; none for a symbol hidden in
    // define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // The shadow depth (always enabled) and colour checks, then the symbol's.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // From zoom 50, the text of the hit area: the bands on one line, the text on several, centred.
    // The supplement kinds put the supplement in the top band (2, 5, 8) or the bottom band (3, 6, 9).
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;

    const CString& GetSupplement() const { return m_strSupplement; }
    void SetSupplement(const CString& text) { m_strSupplement = text; }

protected:
    BOOL HasSupplement() const override { return TRUE; }
    void DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const override;
    // The top band, the bottom band of the supplement kinds and the middle, each shrunk by 7.
    DWORD FindTextPart(const CRect& box, int band, POINT point) const override;
    UINT GetMediaCommandBase() const override;
    WORD GetLastMediaKind() const override;
    CString* GetPartText(DWORD part) override;
};
