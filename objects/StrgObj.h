// CStrgObj: the text object. A box object that carries a string, a font, a placement inside its
// rectangle, a text colour and three text effects (character spacing, a stepped text shadow and an
// outline about every character). It is also the base of the balloon and the circular connector,
// which draw their own outline and reuse the text passes, the editor and the record.
//
// The font height is negative: the character height in 96-dpi pixels at zoom 100.
#pragma once

#include "objects/BaseObj.h"

class CStrgObj : public CBaseObj
{
    DECLARE_SERIAL(CStrgObj)
public:
    CStrgObj();
    CStrgObj(WORD objectId, const CRect& rect);
    CStrgObj(WORD objectId, const CRect& rect, const CString& text);
    CStrgObj(const CStrgObj& other);
    ~CStrgObj() override = default;

    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // --- Drawing, trackers and hit tests ------------------------------------------------------
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // The whole rectangle counts, filled or not.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    void GetVisibleRect(CRect& rect, BOOL printMode) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    BOOL IsInsideRect(const CRect& rect, BOOL printMode) const override;
    CPoint& GetConnectionPoint(CPoint& out, POINT point) const override;

    // --- Menu and commands --------------------------------------------------------------------
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // --- Attribute copies and class defaults --------------------------------------------------
    // Font, placement, colour, frame, rounding and the effects, then the box attributes; never
    // the text.
    void CopyAttributes(const CBaseObj& other) override;

    // --- In-place editing, search and export --------------------------------------------------
    // Opens the editor over the object at zooms of 50 and more.
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    // Takes the editor's text when it was modified (TRUE) and closes the editor.
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;
    BOOL FindObjectText(const CString& findText, BOOL matchCase) const override;
    BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase) override;
    // The text sheet of the spreadsheet export takes text objects with a text; the row itself
    // comes with the export.
    BOOL IsExportKind(DWORD exportOptions) const override;
    BOOL HasText() const override;
    BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                        CObject* rowContext) override;

    // --- Plain members ------------------------------------------------------------------------
    // Every default of the text attributes, the white fill included.
    void InitTextDefaults();
    void SetAlignLeft();
    void SetAlignCenter();
    void SetAlignRight();
    void SetAlignTop();
    void SetAlignVCenter();
    void SetAlignBottom();
    BOOL HasVertAlign() const;
    // Copies the name into the face field, cut on a character boundary where it does not fit.
    const char* SetFaceName(const CString& faceName);
    void SetLogFont(const LOGFONT& font);
    void SetFontHeight(int height) { m_lfFont.lfHeight = height; }
    // The whole font and the text colour of the other object (command 21242).
    BOOL CopyFontFrom(const CStrgObj& other);
    // The font dialog on the object's font and text colour; TRUE (and both taken) on OK.
    BOOL ChooseFontDialog();
    const CString& GetText() const { return m_strText; }
    void SetText(const CString& text) { m_strText = text; }
    void SetDrawFrame(BOOL frame) { m_bDrawFrame = frame; }

    const LOGFONT& GetLogFont() const { return m_lfFont; }
    DWORD GetFormat() const { return m_dwFormat; }
    // The DrawText placement and flags all at once.
    void SetFormat(DWORD format) { m_dwFormat = format; }
    COLORREF GetTextColor() const { return m_crText; }
    void SetTextColor(COLORREF color) { m_crText = color; }
    BOOL GetDrawFrame() const { return m_bDrawFrame; }
    BOOL GetRound() const { return m_bRound; }
    void SetRound(BOOL round) { m_bRound = round; }
    WORD GetCharExtra() const { return m_wCharExtra; }
    void SetCharExtra(WORD extra) { m_wCharExtra = extra; }
    WORD GetTextShadow() const { return m_wTextShadow; }
    void SetTextShadow(WORD size) { m_wTextShadow = size; }
    COLORREF GetTextShadowColor() const { return m_crTextShadow; }
    WORD GetFraming() const { return m_wFraming; }
    void SetFraming(WORD size) { m_wFraming = size; }
    COLORREF GetFramingColor() const { return m_crFraming; }

protected:
    // For the classes built on the text object, each with its own kind.
    CStrgObj(WORD kind, WORD objectId, const CRect& rect, const CString& text);

    // The text keys, then the box keys, all in the class's own section.
    void VisitDefaultKeys(DefaultKeys& keys) override;

    // The inner margin between the rectangle and the text at zoom 100.
    int GetTextMargin() const;
    // Shadow, text shadow passes, outline passes and the text itself inside the zoomed text
    // rectangle; FALSE when the font cannot be made.
    BOOL DrawTextPasses(CDC* pDC, int zoom, const CRect& textRect, DWORD displayOptions) const;
    // Pieces of the right-click menus in menu order: a separator, the font switches, the text
    // colour and the font dialog; "文字配置" (all six placements, or only the three horizontal
    // ones) and "文字間隔"; "文字影の描画" and "文字輪郭の描画".
    void AppendFontMenus(CMenu& menu) const;
    void AppendPlacementMenus(CMenu& menu, BOOL horizontalOnly) const;
    void AppendTextEffectMenus(CMenu& menu) const;
    // The zoomed outline (plain or rounded), through the selected pen and brush.
    void DrawBody(CDC* pDC, const CRect& rect) const;
    // Opens the editor on the object's device rectangle (without anything drawn outside it) with the alignment of the format and the
    // object's font at the zoom; FALSE (and no editor) when it cannot.
    BOOL OpenEditor(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, BOOL multiLine) const;
    // The editor at zooms of 50 and more.
    BOOL BeginTextEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, BOOL multiLine) const;

    CString m_strText;
    LOGFONT m_lfFont;
    DWORD m_dwFormat;
    COLORREF m_crText;
    BOOL m_bDrawFrame;
    BOOL m_bRound;
    WORD m_wCharExtra;
    WORD m_wTextShadow;
    COLORREF m_crTextShadow;
    WORD m_wFraming;
    COLORREF m_crFraming;

private:
    void SerializeFont(CArchive& ar);
    // Records older than version 2 hold the height in 0.1 mm.
    void ConvertOldFontHeight();
    void DrawTrackerOutline(CDC* pDC, const CRect& rect) const;
    // The text, text shadow and outline colour menus; FALSE for other ids and an unchanged colour.
    BOOL ApplyTextColorCommand(UINT commandId, CObject* argument);
    // Placement, spacing, shadow and outline sizes; FALSE for other ids and no change.
    BOOL ApplyLayoutCommand(UINT commandId);
    BOOL UpdateLayoutCommandUI(CCmdUI* cmdUI) const;
};
