// CKadai: a task of the business analysis. A (by default rounded) box whose top row holds a number
// cell and a name cell, with the task's contents below; two extra handles size the number cell and
// the name row.
#pragma once

#include "model/ModelStatusText.h"
#include "objects/RectObj.h"

class CKadai : public CRectObj, public ModelStatusText
{
    DECLARE_SERIAL(CKadai)
public:
    // Hit codes of the two extra handles (with HIT_SHAPE_HANDLE and EXTRA_HANDLE) and the part
    // flags of the three texts (with HIT_BODY and HIT_SHAPE_HANDLE).
    static constexpr DWORD EXTRA_HANDLE = 0x800;
    static constexpr DWORD NUMBER_HANDLE = 0x4000;
    static constexpr DWORD NAME_HANDLE = 0x20000;
    static constexpr DWORD PART_NUMBER = 0x100000;
    static constexpr DWORD PART_NAME = 0x800000;
    static constexpr DWORD PART_CONTENTS = 0x1000000;
    // The name row is never shallower than this (0.1 mm).
    static constexpr int MIN_NAME_ROW = 40;

    CKadai();
    CKadai(WORD objectId, const CRect& rect);
    CKadai(const CKadai& other);

    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;
    // The type name, the number and the name.
    CString GetStatusText(const CBaseDoc& document) const override;

    // --- Drawing, handles and hit tests ----------------------------------------------------------
    // The rectangle, the two dividers and the three texts (above zoom 25).
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    // The rectangle's handles and the two extra ones.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // The extra handles, the rounding handle, then the three texts' cells; else the box object's.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    // The number cell's width stays within the box, the name row between 40 and the box's height.
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;
    void GetMinimumSize(CSize& size) const override;

    // --- Menu and commands -----------------------------------------------------------------------
    // The defaults, the operations (grid, link) and the pen, text colour and shadow under "その他".
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // Shadow depth (always enabled), shadow colour and text colour checks; else the rectangle's.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The text colour (from the palette, the dialog or another task); else the rectangle's.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // --- In-place editing ------------------------------------------------------------------------
    // The hit names one of the three cells.
    BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // From zoom 50: the number on one line, the name and the contents on several, wrapped to the
    // editor when the edit flags ask (16 name, 32 contents).
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    // A modified text goes into its cell; the name and the contents lose their line breaks under
    // the same flags. TRUE when the text was modified.
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;

    // --- Texts -----------------------------------------------------------------------------------
    // Empties the number: TRUE when it was not empty.
    BOOL ClearNumber(DWORD flag) override;
    BOOL HasText() const override;
    BOOL FindObjectText(const CString& findText, BOOL matchCase) const override;
    BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase) override;
    // The task sheet of the spreadsheet export takes tasks (option bit 16).
    BOOL IsExportKind(DWORD exportOptions) const override;
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;
    // The task's row of the task sheet (needs the task bit): A empty, B number, C name, D contents.
    BOOL ExportTaskSheetRow(CExcelDispatch* sheet, long& firstCounter, long& secondCounter, DWORD exportOptions,
                            CObject* rowContext);

    // The number-cell width and name-row depth, then the rectangle's attributes.
    void CopyAttributes(const CBaseObj& other) override;

    const CString& GetNumberText() const { return m_strNumber; }
    void SetNumberText(const CString& number) { m_strNumber = number; }
    const CString& GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    const CString& GetContents() const { return m_strContents; }
    void SetContents(const CString& contents) { m_strContents = contents; }
    int GetNumCx() const { return m_nNumCx; }
    int GetNameCy() const { return m_nNameCy; }
    COLORREF GetFontColor() const { return m_crFont; }
    void SetFontColor(COLORREF color) { m_crFont = color; }

protected:
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    struct Cells;
    // The cells at the zoom (100: unscaled).
    Cells GetCells(int zoom) const;
    // The row divider at the zoom: on a rounded box it ends at the rounded outline.
    void GetRowDivider(int zoom, CPoint& leftPoint, CPoint& rightPoint) const;
    CPoint GetNameHandle(int zoom) const;
    // The cell of the part flag at the zoom: number, name or contents; empty for any other.
    CRect GetPartCell(int zoom, DWORD part) const;
    void DrawDividers(CDC* pDC, const Cells& cells, int zoom) const;
    // The document's font, its height at the zoom (0.1 mm) and the display options word.
    struct TextStyle
    {
        const LOGFONT& font;
        int lineHeight;
        DWORD displayOptions;
    };
    void DrawTexts(CDC* pDC, const Cells& cells, int zoom, const TextStyle& style) const;
    // A task is at least 80 wide and 40 high; the number cell is no wider than the box.
    void EnforceMinimumSize();

    CString m_strNumber;
    CString m_strName;
    CString m_strContents;
    int m_nNumCx;
    int m_nNameCy;
    COLORREF m_crFont;
    // The part flags of the edit in progress; not stored, not copied.
    DWORD m_dwEditedPart = 0;
};
