// CDataComp: the data symbol of the system-flow side of a diagram, a data store or medium
// (database, file, form, screen, input device ...) shown by the pictogram of its media kind
// 0 to 51, with its name in the top band and its text below.
#pragma once

#include "model/MediaComp.h"

class CDataComp : public CMediaComp
{
    DECLARE_SERIAL(CDataComp)
public:
    CDataComp();
    CDataComp(WORD objectId, const CRect& rect);
    CDataComp(const CDataComp& other);

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // The midpoint of the side that faces the point.
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;
    // The spreadsheet export takes data symbols with option bit 2.
    BOOL IsExportKind(DWORD exportOptions) const override;

    // The colours, the media groups, the defaults and the shape operations; none for a symbol hidden in
    // define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // From zoom 50, the text of the hit area: the name on one line, the text on several (left-aligned for
    // the media 48 and 49, else centred).
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;

protected:
    BOOL HasSupplement() const override { return FALSE; }
    void DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const override;
    // The name band and the text area, each between the side columns of the band's width.
    DWORD FindTextPart(const CRect& box, int band, POINT point) const override;
    UINT GetMediaCommandBase() const override;
    WORD GetLastMediaKind() const override;
    CString* GetPartText(DWORD part) override;
};
