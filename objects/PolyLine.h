// CPolyLine: a line as a list of vertices (CPointObj, owned, head = start point) with its pen, its
// two line-end marks, its mark-style and shape flags, its fill and the ids of the objects its ends
// are connected to. It holds the record, drawing, geometry and point editing that every line
// class shares; CPolyObj adds what a document object carries.
//
// Coordinates are 0.1 mm with y up. "Zoomed" arguments are in 0.1 mm x zoom / 100.
#pragma once

#include "objects/PointObj.h"
#include "platform/afx/List.h"
#include "platform/afx/Rect.h"
#include "platform/afx/String.h"
#include "platform/gdi/GdiTypes.h"

#include <memory>
#include <vector>

class CArchive;
class CBaseDoc;
class CCmdUI;
class CDC;
class CFloatEdit;
class CWnd;
class CRegItemObj;
class DefaultKeys;

// Flag bits: the style of each end's mark (exactly one of the pair is set by the commands) and
// the shape.
constexpr DWORD LINE_START_LINE_MARK = 0x1;
constexpr DWORD LINE_START_FILLED_MARK = 0x2;
constexpr DWORD LINE_END_LINE_MARK = 0x4;
constexpr DWORD LINE_END_FILLED_MARK = 0x8;
constexpr DWORD LINE_CLOSED = 0x10;
constexpr DWORD LINE_FILLED = 0x20;
// In force only while the point count is 3n + 1.
constexpr DWORD LINE_BEZIER = 0x40;
constexpr DWORD LINE_DEFAULT_FLAGS = LINE_START_LINE_MARK | LINE_END_LINE_MARK;

// Line-end mark codes; the same codes serve both ends.
enum LineMark : WORD {
    MARK_NONE = 0,
    MARK_ARROW = 1,
    MARK_DOUBLE_ARROW = 2,
    MARK_DOT = 3,
    MARK_CIRCLE = 4,
    MARK_SMALL_ARROW = 5,
    MARK_SMALL_DOUBLE_ARROW = 6,
    MARK_SMALL_ARROW_CIRCLE = 7,
    MARK_SMALL_DOUBLE_ARROW_CIRCLE = 8,
    MARK_BAR = 9,
    MARK_THREE_LEGS = 10,
    MARK_BAR_CIRCLE = 11,
    MARK_THREE_LEGS_CIRCLE = 12,
    MARK_DIAMOND = 13,
    MARK_CIRCLE_BAR = 14,
    MARK_CIRCLE_DOUBLE_BAR = 15,
};

// Which end of a line; the values are the end bits of the line-end constructions.
enum LineEnd : int {
    LINEEND_START = 1,
    LINEEND_END = 2,
};

// Hit-code bits of a line beside HIT_BODY and the bounding-rectangle handle codes of the box
// objects: a point or midpoint handle is HIT_SHAPE_HANDLE with one of the three bits below.
constexpr DWORD HIT_LINE_FIRST_POINT = 0x100;
constexpr DWORD HIT_LINE_MIDPOINT = 0x200;
constexpr DWORD HIT_LINE_POINT = 0x400;
// Control was down: the drag inserts points.
constexpr DWORD HIT_LINE_INSERT = 0x1000;
// Shift was down on a point of a line of more than two points: the press removes the point.
constexpr DWORD HIT_LINE_DELETE = 0x2000;
// Set by the caller: the neighbours of a moved point follow so that the segments stay upright.
constexpr DWORD HIT_LINE_ORTHOGONAL = 0x40000;

// Two points whose x (y) differ by less than 6 units.
BOOL IsNearlyVertical(POINT a, POINT b);
BOOL IsNearlyHorizontal(POINT a, POINT b);
// Moves the end point a by the offset and its neighbour b along one axis only, so that the
// segments at the end keep their directions; c is the next point, d the one after it or null.
void ShiftLineEndWithNeighbour(CPoint& a, CPoint& b, const CPoint& c, const CPoint* d, SIZE offset);

class CPolyLine : public CObList
{
    DECLARE_SERIAL(CPolyLine)
public:
    CPolyLine();
    // Every attribute and the connections, and a copy of each point. All or nothing: when a point
    // cannot be copied the exception passes and nothing is left half-built.
    CPolyLine(const CPolyLine& other);
    CPolyLine& operator=(const CPolyLine&) = delete;
    ~CPolyLine() override;

    // The point list (only CPointObj objects are read), then the attributes. Fields newer than the
    // version of the document being read (the application's loaded-document version) take their
    // defaults; the flags of files before version 6 are converted.
    void Serialize(CArchive& ar) override;

    virtual CString& GetTypeName(CString& name) const;
    virtual CString& GetProfileSection(CString& section) const;

    // --- Drawing and tracking outlines (zoomed device coordinates) ------------------------
    virtual void Draw(CDC* pDC, int zoom, BOOL withHandles);
    virtual void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset);
    virtual void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode);
    virtual void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index);
    virtual void DrawHandles(CDC* pDC, int zoom);

    // --- Hit tests and rectangles ----------------------------------------------------------
    // Point and tolerance in 0.1 mm. An unfilled line is still hit inside the polygon of its
    // points unless only the outline is asked for.
    virtual BOOL HitTest(POINT point, int tolerance, BOOL outlineOnly) const;
    // Zoomed point; the hit code (HIT_LINE_* or the bounding-rectangle handles), the handle index
    // and the zoomed handle point. Key flags: MK_CONTROL inserts, MK_SHIFT deletes a point.
    virtual BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                                CPoint& handlePoint) const;
    // The bounding rectangle of the points, never empty (a flat side is made 1 unit thick).
    virtual void GetRect(CRect& rect) const;
    virtual void GetRedrawRect(CRect& rect, int zoom) const;
    virtual BOOL IsInsideRect(const CRect& rect) const;
    // The rectangle of the label part named by part bits 28 to 31; empty for a plain line.
    virtual void GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const;

    // --- Moving, resizing and point editing ------------------------------------------------
    // Flags with any of bits 28 to 31 move only the named label parts (subclasses).
    virtual void MoveBy(SIZE offset, DWORD flags);
    virtual void MoveParts(SIZE offset, DWORD flags);
    virtual void ResizeByHandle(SIZE offset, DWORD hitCode);
    virtual void MapToRect(const CRect& oldFrame, const CRect& newFrame);
    // Moves, inserts (HIT_LINE_INSERT) or removes (HIT_LINE_DELETE) points by a point or midpoint
    // handle. Inserting is all or nothing: when a point cannot be added nothing moves.
    virtual void MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index);
    // The end moves with the object it is connected to; the neighbour keeps the end's direction.
    virtual void MoveStartPoint(SIZE offset);
    virtual void MoveEndPoint(SIZE offset);

    // --- Lifetime and attributes -----------------------------------------------------------
    virtual void DestroyObject();
    // Pen, marks, all flags and fill; not the points or the connections.
    virtual void CopyAttributes(const CPolyLine& other);
    virtual void LoadDefaultAttributes(CRegItemObj& carrier);
    virtual void SaveDefaultAttributes(CRegItemObj& carrier);
    virtual int SetPenStyle(int style);
    virtual COLORREF SetPenColor(COLORREF color);
    virtual int SetPenWidth(int width);
    virtual WORD SetStartObjectId(WORD objectId);
    virtual WORD SetEndObjectId(WORD objectId);

    // --- Commands ----------------------------------------------------------------------------
    // The right-click menu at the screen point, owned by the main window.
    virtual void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected);
    // The menu of the label part the hit flags name; a plain line has none.
    virtual void PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected);
    // The check and enable state of a line command; FALSE (left alone) for any other id.
    virtual BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                                 BOOL severalSelected);
    // Pen, colours, marks, mark style, fill and shape switches; TRUE when the line changed. The
    // argument is the object whose colour (21017, 21037) or attributes (21251) are taken.
    virtual BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode);
    // Reshapes the points or sets an end's connection (B the picked object id; (A, B) the offset
    // of 22008); TRUE when the line changed. A reshaping that cannot add its points leaves the line
    // as it was.
    virtual BOOL ApplyShapeOperation(UINT commandId, DWORD argumentA, UINT_PTR argumentB);

    // --- In-place text editing and text search ---------------------------------------------
    // A plain line refuses no hit part but has no text of its own to edit or search: BeginEdit
    // starts nothing and EndEdit changes nothing. Lines with labels edit and search those.
    virtual BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const;
    // The command a double click sends when the hit part is not edited in place; 0 for none.
    virtual UINT GetEditCommand(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const;
    virtual BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                           const LOGFONT* font, DWORD editFlags);
    virtual BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags);
    // The find text comes upper-cased when the case does not matter.
    virtual BOOL FindObjectText(const CString& findText, BOOL matchCase) const;
    virtual BOOL ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase);

    // --- Points ------------------------------------------------------------------------------
    // Appends a point; on failure the user is told and FALSE returned.
    BOOL AddPoint(POINT point);
    void RemoveAllPoints();
    // Removes the point at a 0-based index; FALSE when there is none.
    BOOL RemovePointAt(INT_PTR index);
    // Removes the point a handle names (HIT_LINE_DELETE only).
    BOOL RemovePointByHandle(DWORD hitCode, DWORD index);
    // On a line of four or more points, removes both points of the first pair of neighbours that
    // lie on top of each other (nearly level and nearly upright); TRUE when there was one.
    BOOL RemoveZeroLengthSegment();
    std::vector<CPoint> GetPointArray() const;
    // The point objects are null, the point copies (0, 0), when the line has too few points.
    CPointObj* GetStartPointObj() const;
    CPointObj* GetSecondPointObj() const;
    CPointObj* GetThirdPointObj() const;
    CPointObj* GetEndPointObj() const;
    CPointObj* GetSecondLastPointObj() const;
    CPoint GetStartPoint() const;
    CPoint GetSecondPoint() const;
    CPoint GetThirdPoint() const;
    CPoint GetEndPoint() const;
    CPoint GetSecondLastPoint() const;
    // Move the first or last point there; (0, 0) and an empty line are refused.
    BOOL SetStartPoint(POINT point);
    BOOL SetEndPoint(POINT point);

    // --- Connections -------------------------------------------------------------------------
    WORD GetStartObjectId() const { return m_wStartObjectId; }
    WORD GetEndObjectId() const { return m_wEndObjectId; }
    BOOL IsStartObject(WORD objectId) const { return m_wStartObjectId == objectId; }
    BOOL IsEndObject(WORD objectId) const { return m_wEndObjectId == objectId; }
    BOOL IsConnectedTo(WORD objectId) const { return IsStartObject(objectId) || IsEndObject(objectId); }
    void ClearConnections() { m_wStartObjectId = m_wEndObjectId = 0; }

    // --- Attributes and flags ----------------------------------------------------------------
    int GetPenStyle() const { return m_nPenStyle; }
    COLORREF GetPenColor() const { return m_crPen; }
    int GetPenWidth() const { return m_nPenWidth; }
    WORD GetMark(LineEnd end) const { return end == LINEEND_START ? m_wStartMark : m_wEndMark; }
    void SetMark(LineEnd end, WORD mark) { (end == LINEEND_START ? m_wStartMark : m_wEndMark) = mark; }
    DWORD GetFlags() const { return m_dwFlags; }
    COLORREF GetFillColor() const { return m_crFill; }
    void SetFillColor(COLORREF color) { m_crFill = color; }
    int GetFillMode() const { return m_nFillMode; }
    void SetFillMode(int mode) { m_nFillMode = mode; }
    BOOL IsLineMark(LineEnd end) const;
    BOOL IsFilledMark(LineEnd end) const;
    void SetLineMark(LineEnd end);
    void SetFilledMark(LineEnd end);
    BOOL IsClosed() const { return (m_dwFlags & LINE_CLOSED) != 0; }
    BOOL IsFilled() const { return (m_dwFlags & LINE_FILLED) != 0; }
    BOOL IsBezier() const { return (m_dwFlags & LINE_BEZIER) != 0; }
    void SetClosed(BOOL closed) { SetFlag(LINE_CLOSED, closed); }
    void SetFilled(BOOL filled) { SetFlag(LINE_FILLED, filled); }
    void SetBezier(BOOL bezier) { SetFlag(LINE_BEZIER, bezier); }
    // The Bézier bit and a point count of 3n + 1: only then is the line a spline.
    BOOL IsValidBezier() const { return IsBezier() && GetCount() % 3 == 1; }

    // --- Mark predicates of one end ----------------------------------------------------------
    BOOL HasMark(LineEnd end) const { return GetMark(end) != MARK_NONE; }
    BOOL IsArrowMark(LineEnd end) const;
    BOOL IsSmallArrowMark(LineEnd end) const;
    BOOL IsDoubleArrowMark(LineEnd end) const;
    BOOL IsDotMark(LineEnd end) const { return GetMark(end) == MARK_DOT; }
    BOOL IsCircleMark(LineEnd end) const { return GetMark(end) == MARK_CIRCLE; }
    BOOL IsDiamondMark(LineEnd end) const { return GetMark(end) == MARK_DIAMOND; }
    // A mark the line stops at instead of running through it.
    BOOL IsSolidMark(LineEnd end) const;

    // --- Orientation helpers of the orthogonal lines -----------------------------------------
    // The flags of segment n (points n and n + 1, from 1); both FALSE when there is none.
    void GetSegmentDirection(int segment, BOOL& vertical, BOOL& horizontal) const;
    // 4 points, or 5 with the last exactly on the first, whose sides alternate between nearly
    // horizontal and nearly vertical, the first side deciding which comes first.
    BOOL IsRectangleShape() const;
    // The leftmost and rightmost point of the highest run of points nearly level with each other;
    // FALSE when there is none (no points, or the top is a single point).
    BOOL GetTopEdge(CPoint& left, CPoint& right) const;

    // --- Mark constructions (zoomed points) --------------------------------------------------
    // The segment at an end, P to Q in 0.1 mm: the first two points at the start, the last two at
    // the end. The end point E is P at the start and Q at the end.
    void GetEndSegment(LineEnd end, CPoint& p, CPoint& q) const;
    // One or two three-point heads (barb, tip, barb); the count of heads.
    int CalcArrowHeads(LineEnd end, int zoom, POINT heads[2][3]) const;
    void CalcDiamondPoints(LineEnd end, int zoom, POINT points[4]) const;
    // The offset that shortens the line at a solid mark; FALSE when the end has none.
    BOOL CalcMarkInset(LineEnd end, int zoom, CSize& inset) const;
    // The centre of the end's circle or dot; (0, 0) for a mark without one.
    CPoint CalcMarkCircleCenter(LineEnd end, int zoom) const;
    // The circle or dot around that centre: radius 6 for the dot, 10 for codes 4, 14 and 15, else 8.
    CRect CalcMarkCircleRect(LineEnd end, int zoom) const;
    // The bar across the line at 10 (at 30 for codes 14 and 15), and the second bar at 38.
    void CalcBarPoints(LineEnd end, int zoom, POINT bar[2]) const;
    void CalcSecondBarPoints(LineEnd end, int zoom, POINT bar[2]) const;
    // The side points (0, 10) and (0, -10) and the inner point 10 inward.
    void CalcThreeLegPoints(LineEnd end, int zoom, POINT legs[3]) const;

protected:
    void SetFlag(DWORD flag, BOOL on);
    // The profile keys of the class defaults in their order, each with its field.
    virtual void VisitDefaultKeys(DefaultKeys& keys);
    // "PenStyle", "PenColor" and "PenWidth"; the mark drawing flags as "ArrowStyle".
    void VisitPenKeys(DefaultKeys& keys);
    void VisitMarkStyleKey(DefaultKeys& keys);
    // The point at a 0-based index, or null.
    CPointObj* GetPointObjAt(INT_PTR index) const;
    // Every point the line adds is made here, so that a failing allocation can be simulated.
    virtual std::unique_ptr<CPointObj> NewPointObj(POINT point) const;

    int m_nPenStyle;
    COLORREF m_crPen;
    int m_nPenWidth;
    WORD m_wStartMark;
    WORD m_wEndMark;
    DWORD m_dwFlags;
    COLORREF m_crFill;
    int m_nFillMode;
    WORD m_wStartObjectId;
    WORD m_wEndObjectId;

private:
    // The points of a rebuilt line between its first and last point; FALSE when the operation
    // does not rebuild or leaves the line as it is.
    BOOL CalcRebuiltPoints(UINT commandId, std::vector<CPoint>& points) const;
    // Replaces every point by the new ones; all or nothing (reported on failure).
    BOOL ReplacePoints(const std::vector<CPoint>& points);
    BOOL AdjustPoints();
    BOOL SmoothLine();
    BOOL SetConnection(UINT commandId, WORD objectId);
    BOOL ApplyPenCommand(UINT commandId);
    BOOL ApplyMarkCommand(UINT commandId);
    BOOL ApplyColorCommand(UINT commandId, CObject* argument);
    BOOL UpdateBezierRuledCommandUI(CCmdUI* cmdUI) const;
    BOOL UpdateOperationCommandUI(CCmdUI* cmdUI) const;
    // Loads or saves the keys under the carrier's section, this class's profile section when it
    // has none yet.
    void TransferDefaultAttributes(CRegItemObj& carrier, BOOL load);
    BOOL IsPointInArea(POINT point) const;
    void DrawShape(CDC* pDC, const std::vector<CPoint>& points, int zoomedWidth) const;
    // The mark of an end with the drawing function of its code; code 0 and codes above 15 draw
    // nothing.
    void DrawMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const;
    void DrawArrowMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const;
    // Filled in the pen colour only for a filled mark that is not drawn hollow.
    void DrawMarkCircle(CDC* pDC, LineEnd end, int zoom, int zoomedWidth, BOOL hollow) const;
    void DrawBar(CDC* pDC, const POINT bar[2], int zoomedWidth) const;
    void DrawThreeLegMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const;
    void DrawDiamondMark(CDC* pDC, LineEnd end, int zoom, int zoomedWidth) const;
    // The dotted outline through the points; closed and with the spline too, when asked for and
    // the line is so.
    void DrawTrackerShape(CDC* pDC, const std::vector<CPoint>& points, BOOL close, BOOL spline) const;
    // Inserts the new points of an insert-mode drag before any point moves; FALSE (reported)
    // when one cannot be added, and then the line is as it was.
    BOOL InsertPoints(const std::vector<INT_PTR>& positions, const std::vector<CPoint>& points);
};
