// CMediaComp: what the data symbol and the process symbol share. A box of at least 40 x 40 that
// shows the pictogram of its media kind with a name in a band and a text below it (in define mode
// the caption-style labelled box instead), whose name is its identifying text. The process symbol
// adds a supplement text; the data symbol has none and never stores one.
#pragma once

#include "model/ModelObjectMenus.h"
#include "objects/RectObj.h"

class CMediaComp : public CRectObj
{
    DECLARE_DYNAMIC(CMediaComp)
public:
    // Part flags of the text areas (with HIT_BODY and HIT_SHAPE_HANDLE): the top band, the middle
    // and the process symbol's bottom band.
    static constexpr DWORD PART_TOP_BAND = 0x100000;
    static constexpr DWORD PART_MIDDLE = 0x800000;
    static constexpr DWORD PART_BOTTOM_BAND = 0x1000000;
    static constexpr int MIN_SIZE = 40;
    // Height of a text band (0.1 mm).
    static constexpr int BAND = 40;
    static constexpr WORD DEFAULT_MEDIA = 3;

    CMediaComp(const CMediaComp& other);

    void Serialize(CArchive& ar) override;

    // In print mode the pictogram, in define mode the caption-style box active while selected.
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    // Anywhere inside the rectangle grown by the tolerance.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The text areas, then the box object's handles.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    // The box object's resize, then at least 40 x 40.
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    void GetMinimumSize(CSize& size) const override;
    // 240 x 160 with the top-left corner kept; always reports a change.
    BOOL ResetToStandardSize() override;

    void GetNumber(CString& number) const override;
    BOOL HasText() const override;
    BOOL FindObjectText(const CString& findText, BOOL matchCase) const override;
    BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase) override;

    // --- Commands --------------------------------------------------------------------------------
    // The symbol's own media commands and the standard size are enabled unchecked; the text colour
    // is checked; everything else as the box object.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // The text colour (palette, dialog, another symbol of the class) and the media kind (always a
    // change); everything else as the box object.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // --- In-place editing ----------------------------------------------------------------------
    // The hit names a text area.
    BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // A modified text goes into the field of the edited area, as typed. TRUE when modified.
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;

    // The media kind and text colour of a symbol of the same class, then the rectangle's attributes.
    void CopyAttributes(const CBaseObj& other) override;

    const CString& GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    const CString& GetText() const { return m_strText; }
    void SetText(const CString& text) { m_strText = text; }
    WORD GetMediaId() const { return m_wMediaId; }
    void SetMediaId(WORD kind) { m_wMediaId = kind; }
    COLORREF GetFontColor() const { return m_crFont; }
    void SetFontColor(COLORREF color) { m_crFont = color; }

protected:
    CMediaComp(WORD kind, WORD objectId, const CRect& rect);

    void VisitDefaultKeys(DefaultKeys& keys) override;
    // A narrower or lower rectangle grows to the right and downwards.
    void EnforceMinimumSize();

    // Whether the record and the texts include the supplement.
    virtual BOOL HasSupplement() const = 0;
    // The pictogram of the media kind with the texts, through the symbol library.
    virtual void DrawPictogram(CDC* pDC, int zoom, const LOGFONT& font, DWORD displayOptions) const = 0;
    // The part flag of the text area holding the point, 0 for none; box and band at the zoom.
    virtual DWORD FindTextPart(const CRect& box, int band, POINT point) const = 0;
    // The first media command of the class and the highest media kind.
    virtual UINT GetMediaCommandBase() const = 0;
    virtual WORD GetLastMediaKind() const = 0;
    // The text that the area of the part flag edits; null for none.
    virtual CString* GetPartText(DWORD part) = 0;

    // Sizes at the zoom that place the editors: the box, the band height and the margins (15 across,
    // 5 down), and the depth an editor reaches below a band (three margins below zoom 150, else two).
    struct EditMetrics
    {
        CRect box;
        int band;
        int mx;
        int my;
        int below;
    };
    EditMetrics GetEditMetrics(int zoom) const;
    // Opens the editor over the area with the text of the part named by the hit code and records the
    // hit code as the edited part; the caller has checked the hit and the zoom.
    BOOL OpenPartEditor(CDC* pDC, int zoom, const modelobjects::EditArea& area, CFloatEdit*& editor, CWnd* parent,
                        UINT controlId, DWORD hitCode, const LOGFONT* font);

    CString m_strName;
    CString m_strText;
    CString m_strSupplement;
    WORD m_wMediaId;
    COLORREF m_crFont;
    // The part flags of the edit in progress.
    DWORD m_dwEditedPart = 0;
};
