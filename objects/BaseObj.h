// CBaseObj: the base of every drawing object whose geometry is one rectangle. It holds the shared
// attributes, reads and writes them in the document archive, loads and saves the class defaults in
// the profile, and declares the virtual interface through which the document, the view, the
// containers and the export handle any box object without knowing its class.
//
// Coordinates are 0.1 mm with y up (top >= bottom). "Zoomed" arguments are in 0.1 mm x zoom / 100.
// The print-mode flag is the view's mode: 1 print mode (normal), 0 define mode, in which an object
// whose HideDefine is set counts as absent in the classes that test it.
#pragma once

#include "foundation/Geometry.h"
#include "foundation/PopupMenu.h"
#include "platform/afx/Object.h"
#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <functional>
#include <span>

class CArchive;
class CMenu;
class CDC;
class CRgn;
class CWnd;
class CCmdUI;
class CRegItemObj;
class CBaseDoc;
class CFloatEdit;
class CExcelDispatch;
class DefaultKeys;

// Object kinds (16-bit code of every object).
enum ObjectKind : WORD {
    OBJKIND_LINE = 4,
    OBJKIND_RECT = 5,
    OBJKIND_ELLIPSE = 7,
    OBJKIND_TEXT = 8,
    OBJKIND_GROUP = 9,
    OBJKIND_ARC = 10,
    OBJKIND_FREEARC = 11,
    OBJKIND_CONNECTOR = 12,
    OBJKIND_DIAMOND = 13,
    OBJKIND_POLYGON = 14,
    OBJKIND_DATACOMP = 27,
    OBJKIND_FLOWCOMP = 28,
    OBJKIND_FILECOMP = 29,
    OBJKIND_RELLINE = 30,
    OBJKIND_KADAI = 31,
    OBJKIND_FILECLONE = 32,
    OBJKIND_OLE = 33,
    OBJKIND_FILEIMPL = 42,
    OBJKIND_NOTE = 43,
    OBJKIND_ECNTS = 44,
};

// Hit codes: 1 body; 2 a resize handle with its side bits; 4 a shape-specific handle with the bit
// that names it; bits 28 to 31 name sub-parts (labels).
constexpr DWORD HIT_BODY = 0x1;
constexpr DWORD HIT_HANDLE = 0x2;
constexpr DWORD HIT_SHAPE_HANDLE = 0x4;
constexpr DWORD HIT_SIDE_TOP = 0x10;
constexpr DWORD HIT_SIDE_BOTTOM = 0x20;
constexpr DWORD HIT_SIDE_RIGHT = 0x40;
constexpr DWORD HIT_SIDE_LEFT = 0x80;
constexpr DWORD HIT_PARTS = 0xF0000000;

// Connection sides: the edge codes of HitTestRectEdge.
constexpr DWORD SIDE_TOP = RECT_EDGE_TOP;
constexpr DWORD SIDE_BOTTOM = RECT_EDGE_BOTTOM;
constexpr DWORD SIDE_LEFT = RECT_EDGE_LEFT;
constexpr DWORD SIDE_RIGHT = RECT_EDGE_RIGHT;

// The version word every record writes today.
constexpr WORD OBJECT_RECORD_VERSION = 1001;

// Coordinates read from a file or sizes read from the profile are held to +-10 km (in 0.1 mm):
// at the largest zoom (400 %) a rectangle's width and the sum of two of its coordinates then
// still fit in 32 bits. Real drawings stay far inside this.
constexpr int OBJECT_COORDINATE_LIMIT = 100000000;

// A copy of the rectangle with left <= right and top >= bottom.
CRect GetNormalizedRect(const RECT& rect);
// Absolute value of a signed 32-bit integer (INT_MAX for INT_MIN).
int AbsInt(int value);
// Moves the sides that a resize-handle hit code names by the offset (corners move two sides);
// any other combination of side bits leaves the rectangle alone. Not normalised.
void ApplyResizeHandleOffset(CRect& rect, SIZE offset, DWORD hitCode);

class CBaseObj : public CObject
{
    DECLARE_SERIAL(CBaseObj)
public:
    CBaseObj();
    explicit CBaseObj(WORD kind);
    CBaseObj(WORD kind, WORD objectId);
    CBaseObj(WORD kind, WORD objectId, const CRect& rect);
    CBaseObj(const CBaseObj& other);
    CBaseObj& operator=(const CBaseObj&) = delete;
    ~CBaseObj() override = default;

    void Serialize(CArchive& ar) override;

    // --- Names -----------------------------------------------------------------------------
    virtual CString& GetDisplayName(CString& name) const;
    virtual CString& GetTypeName(CString& name) const;
    // The profile section of the class's default attributes.
    virtual CString& GetProfileSection(CString& section) const;

    // --- Drawing and tracking outlines -----------------------------------------------------
    virtual void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                      CBaseDoc* document);
    virtual void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode);
    virtual void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode);
    virtual void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode);
    virtual void DrawHandles(CDC* pDC, int zoom, BOOL printMode);

    // --- Hit tests and rectangles ----------------------------------------------------------
    // Point and tolerance in 0.1 mm.
    virtual BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const;
    // Zoomed point; fills the hit code, part word and zoomed handle centre.
    virtual BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                                CPoint& handlePoint, BOOL printMode) const;
    virtual void GetVisibleRect(CRect& rect, BOOL printMode) const;
    virtual void GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const;
    // The area to repaint, in 0.1 mm, handles and shadow included.
    virtual void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const;
    virtual void GetFullRedrawRect(CRect& rect, int zoom, BOOL printMode) const;
    virtual BOOL IsInsideRect(const CRect& rect, BOOL printMode) const;

    // --- Moving and resizing ---------------------------------------------------------------
    // Flags below 0x10000000 move the body with every sub-part; above, only the named sub-parts.
    virtual void MoveBy(SIZE offset, DWORD flags);
    virtual void MoveParts(SIZE offset, DWORD flags);
    virtual void MoveAll(SIZE offset);
    virtual void MoveAllParts(SIZE offset);
    virtual void ResizeByHandle(SIZE offset, DWORD hitCode);
    virtual void GetMinimumSize(CSize& size) const;
    // Carries the object from an old group frame into a new one (not normalised).
    virtual void MapToRect(const CRect& oldFrame, const CRect& newFrame);
    virtual void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word);

    // --- Right-click menu and commands ------------------------------------------------------
    // The base menu: hiding, pen, fill, shadow, the defaults and the shape operations, tracked at
    // the screen point with the main window as owner.
    virtual void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected);
    virtual void PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected);
    virtual BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                 BOOL severalSelected);
    virtual UINT GetKeyCommand(UINT key, UINT repeatCount, UINT keyFlags);
    // Returns TRUE when the object changed. The argument is the object whose colour (base + 17)
    // or attributes (21251, the prototype) are taken over.
    virtual BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode);
    // Returns TRUE when the object changed. Moving onto the grid takes the offset as (hit code,
    // argument); linking takes the picked object's id as the argument.
    virtual BOOL ApplyShapeOperation(UINT commandId, DWORD hitCode, UINT_PTR operationArgument);

    // --- Lifetime and attribute copies -----------------------------------------------------
    virtual void DestroyObject();
    // Width and height of the other object; the top-left corner stays.
    virtual void CopySizeFrom(const CBaseObj& other);
    // Pen, fill, the two flags and the shadow; not kind, id, rectangle, version or link.
    virtual void CopyAttributes(const CBaseObj& other);
    virtual void LoadDefaultAttributes(CRegItemObj& carrier);
    virtual void SaveDefaultAttributes(CRegItemObj& carrier);
    virtual BOOL ClearNumber(DWORD flag);

    // --- Attribute setters (each returns the value stored) ---------------------------------
    virtual int SetPenStyle(int style);
    virtual COLORREF SetPenColor(COLORREF color);
    virtual int SetPenWidth(int width);
    virtual BOOL SetFill(BOOL fill);
    virtual BOOL ToggleFill();
    virtual COLORREF SetFillColor(COLORREF color);
    virtual BOOL SetHideDefine(BOOL hide);
    virtual BOOL ToggleHideDefine();
    virtual BOOL SetCanDelete(BOOL canDelete);
    virtual BOOL ToggleCanDelete();
    virtual WORD SetShadowDepth(WORD depth);
    virtual COLORREF SetShadowColor(COLORREF color);
    virtual void SetLinkObjectId(WORD objectId);

    // --- Shadow, number and sizes ----------------------------------------------------------
    virtual void GetShadowOffset(CSize& offset) const;
    virtual void GetMaxShadowOffset(CSize& offset) const;
    virtual BOOL HasShadow(BOOL printMode) const;
    virtual void GetNumber(CString& number) const;
    virtual BOOL ResetToStandardSize();
    virtual void GetStandardSize(CSize& size) const;
    virtual BOOL ResetToDefaultSize();
    // The size of the prototype of this object's kind; an object without one keeps its own size.
    virtual void GetDefaultSize(CSize& size) const;

    // --- In-place text editing -------------------------------------------------------------
    virtual BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const;
    virtual UINT GetEditCommand(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const;
    virtual BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                           const LOGFONT* font, DWORD editFlags);
    virtual BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags);

    // --- Spreadsheet export ----------------------------------------------------------------
    virtual BOOL IsExportKind(DWORD exportOptions) const;
    virtual BOOL HasText() const;
    virtual BOOL ExportExcelRow(CExcelDispatch* sheet, long& column, long& row, DWORD exportOptions,
                                CObject* rowContext);
    virtual BOOL HasInterfaceData() const;
    virtual BOOL ExportInterfaceRows(CExcelDispatch* sheet1, CExcelDispatch* sheet2, long& firstCounter,
                                     long& secondCounter, DWORD exportOptions, CObject* rowContext);

    // --- Connection points, text search and line geometry ----------------------------------
    // Where a line from the point attaches: the centre of the side whose diagonal quarter holds it.
    virtual CPoint& GetConnectionPoint(CPoint& out, POINT point) const;
    virtual BOOL FindObjectText(const CString& findText, BOOL matchCase) const;
    virtual BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL flag);
    // The line across the object at a depth (<= 0) below the top.
    virtual BOOL GetHorzLineAtDepth(int depth, CPoint& leftPoint, CPoint& rightPoint) const;
    virtual void GetConnectSideSpan(DWORD sideFlags, POINT point, CRect& span) const;
    virtual void GetRelArrowStartPoint(CPoint& out, POINT from, POINT to, int arrowKind, BOOL flag) const;
    virtual void GetRelArrowEndPoint(CPoint& out, POINT from, POINT to, int arrowKind, BOOL flag) const;
    virtual void GetTopCenter(CPoint& out) const;
    virtual void GetBottomCenter(CPoint& out) const;
    virtual void GetRightCenter(CPoint& out) const;
    virtual void GetLeftCenter(CPoint& out) const;
    virtual void GetSideCenterToward(CPoint& out, POINT first, POINT second) const;
    virtual void GetSideCenterAway(CPoint& out, POINT first, POINT second) const;
    virtual void GetStartConnectionPoint(CPoint& out, POINT first, POINT second, DWORD sideFlags) const;
    virtual void GetEndConnectionPoint(CPoint& out, POINT first, POINT second, DWORD sideFlags) const;
    virtual BOOL IsInRegion(const CRgn& region) const;

    // --- Plain members ---------------------------------------------------------------------
    const CRect& GetRect() const { return m_rect; }
    CPoint GetTopLeft() const { return m_rect.TopLeft(); }
    // Width and height; the height is negative.
    CSize GetSize() const { return m_rect.Size(); }
    CPoint GetCenter() const { return m_rect.CenterPoint(); }
    WORD GetKind() const { return m_wKind; }
    WORD GetObjectId() const { return m_wObjectId; }
    void SetObjectId(WORD objectId) { m_wObjectId = objectId; }
    BOOL GetHideDefine() const { return m_bHideDefine; }
    BOOL IsLinkedTo(WORD objectId) const { return m_wLinkObjectId == objectId; }

    WORD GetVersion() const { return m_wVersion; }
    int GetPenStyle() const { return m_nPenStyle; }
    COLORREF GetPenColor() const { return m_crPen; }
    int GetPenWidth() const { return m_nPenWidth; }
    BOOL GetFill() const { return m_bFill; }
    COLORREF GetFillColor() const { return m_crFill; }
    BOOL GetCanDelete() const { return m_bCanDelete; }
    WORD GetShadowDepth() const { return m_wShadowDepth; }
    COLORREF GetShadowColor() const { return m_crShadow; }
    WORD GetLinkObjectId() const { return m_wLinkObjectId; }

    // Stores the rectangle with left <= right and top >= bottom.
    void NormalizeRect(const RECT& rect);
    // Stores (left, top, left + cx, top + cy) normalised: the top-left corner stays.
    void SetSizeFromTopLeft(SIZE size);
    // The sides (SIDE_*) the point lies near; 0 outside the rectangle grown by the tolerance.
    DWORD HitTestSides(POINT point, int tolerance) const;
    // The span along which the end of a relation arrow of that kind may slide.
    void GetArrowEndRange(int arrowKind, BOOL firstFlag, POINT point, CRect& range, BOOL secondFlag) const;

protected:
    // The pieces of the box menus, appended in menu order: the pen-style and pen-colour popups;
    // a separator, fill (checked as given), fill colour and the shadow popup (greyed when not
    // filled); a separator, the two default entries, a separator and the operations popup.
    void AppendPenMenus(CMenu& menu) const;
    void AppendFillAndShadowMenus(CMenu& menu, UINT fillCheck) const;
    // The same for a class whose own fill flag decides whether the shadow applies.
    void AppendFillAndShadowMenus(CMenu& menu, UINT fillCheck, BOOL shadowEnabled) const;
    void AppendDefaultsAndOperations(CMenu& menu) const;
    // The same with the shape's own operations popup, and "ﾃﾞｨﾌｫﾙﾄ ｻｲｽﾞに変更" after the default
    // entries when asked for.
    void AppendDefaultsAndOperations(CMenu& menu, std::span<const PopupMenuItem> operations,
                                     BOOL withDefaultSize = FALSE) const;
    // Tracks an object menu with the right button; the main window (else the view's frame) owns it
    // and routes the chosen command.
    static void TrackObjectMenu(CMenu& menu, CPoint screenPoint, CWnd* view);
    // Sets the check of a colour-menu entry for the colour (the dialog entry when the palette
    // lacks it).
    static void UpdateColorCheck(CCmdUI* cmdUI, COLORREF color, UINT baseId);
    // Sets the check of the shape operations' and shadow entries; FALSE for other ids.
    BOOL UpdateShadowCommandUI(CCmdUI* cmdUI) const;
    BOOL UpdateLinkCommandUI(CCmdUI* cmdUI) const;
    // The pen, fill and shadow colour commands (palette, dialog, from the object passed); FALSE
    // for other ids and when the colour stays.
    BOOL ApplyColorCommand(UINT commandId, CObject* argument);
    // The squares of the four square operations; FALSE when already square.
    BOOL MakeSquare(UINT commandId);

    // Sets the carrier's section to this class's profile section when it has none yet.
    void PrepareDefaultsCarrier(CRegItemObj& carrier) const;
    // The size reset of the standard- and default-size commands: FALSE when the size is already so.
    BOOL ResetSizeTo(SIZE size);
    // The side of the rectangle whose diagonal quarter holds the point (SIDE_*).
    DWORD GetQuadrantSide(POINT point) const;
    // True when the object counts as absent in this mode (define mode and HideDefine).
    BOOL IsHiddenIn(BOOL printMode) const { return !printMode && m_bHideDefine; }
    // The rectangle forms of the classes whose outline is their whole rectangle: empty, or never
    // inside, when hidden in this mode.
    void GetWholeVisibleRect(CRect& rect, BOOL printMode) const;
    void GetWholeRedrawRect(CRect& rect, int zoom, BOOL printMode) const;
    BOOL IsWholeInsideRect(const CRect& rect, BOOL printMode) const;
    // The figure drawn by the function (at the offset it is given) moved by the zoomed shadow
    // offset, filled with the shadow colour and without a pen; the device keeps its pen and brush.
    void FillShadowFigure(CDC* pDC, int zoom, const std::function<void(CDC*, POINT)>& figure) const;
    // Grows a repaint area in 0.1 mm by the margin that the handles need at the zoom, and by the
    // largest shadow when asked.
    void GrowByRedrawMargins(CRect& rect, int zoom, BOOL withShadow) const;
    // The eight resize handles of the zoomed rectangle, then its body, as HitTestHandles finds them.
    static BOOL HitTestRectHandles(const CRect& zoomedRect, POINT point, DWORD& hitCode, DWORD& partWord,
                                   CPoint& handlePoint);
    // The point moved onto the side of the rectangle that faces it.
    CPoint& GetFacingSidePoint(CPoint& out, POINT point) const;
    // The profile keys of the class defaults in their order, each with its field. A class with
    // keys of its own visits them first, then its base class's.
    virtual void VisitDefaultKeys(DefaultKeys& keys);

    WORD m_wVersion;
    WORD m_wKind;
    WORD m_wObjectId;
    CRect m_rect;
    int m_nPenStyle;
    COLORREF m_crPen;
    int m_nPenWidth;
    BOOL m_bFill;
    COLORREF m_crFill;
    BOOL m_bHideDefine;
    BOOL m_bCanDelete;
    WORD m_wShadowDepth;
    COLORREF m_crShadow;
    WORD m_wLinkObjectId;
};
