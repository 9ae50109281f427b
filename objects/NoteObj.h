// CNoteObj: the balloon, a text object whose outline is its rectangle with a triangular tail. The
// tail has its tip outside the rectangle and its two base points on one side; the outline runs from
// the tip to the first base point, around the rectangle, and back from the second base point to the
// tip. The tip can be dragged around the rectangle (the base follows it to the side it faces) and
// the base points slide along their side.
//
// The balloon's own fill and frame flags stand in for the box fill and the text frame, which stay
// off so that the text pass draws only the text.
#pragma once

#include "objects/StrgObj.h"

#include <array>

// The side that holds the tail's base points (0 for none).
constexpr DWORD NOTE_TAIL_TOP = 0x10;
constexpr DWORD NOTE_TAIL_BOTTOM = 0x20;
constexpr DWORD NOTE_TAIL_RIGHT = 0x40;
constexpr DWORD NOTE_TAIL_LEFT = 0x80;

// Hit codes of the tail's handles.
constexpr DWORD HIT_NOTE_BASE1 = 0x104;
constexpr DWORD HIT_NOTE_TIP = 0x204;
constexpr DWORD HIT_NOTE_BASE2 = 0x404;

// The tip, the first base point, four corners and the second base point.
constexpr int NOTE_OUTLINE_POINTS = 7;
using NoteOutline = std::array<CPoint, NOTE_OUTLINE_POINTS>;

// The tail's three points.
struct NoteTail
{
    CPoint tip;
    CPoint base1;
    CPoint base2;
};

// On a rectangle with top >= bottom. The default tail hangs from the left part of the bottom side,
// its tip 40 units below; FALSE (and nothing set) for the all-zero rectangle.
BOOL CalcDefaultNoteTail(const RECT& rect, NoteTail& tail);
// The region 1 to 8 of the point around the rectangle, cut by the diagonals and the centre lines:
// 1 and 8 the bottom side's left and right half, 2 and 3 the left side's lower and upper half, 4
// and 5 the top side's left and right half, 6 and 7 the right side's upper and lower half.
int CalcNoteTailRegion(const RECT& rect, POINT point);
// The base points for a tip in the region; a region outside 1 to 8 leaves them alone.
void CalcNoteTailBase(const RECT& rect, int region, NoteTail& tail);
// The side both base points lie on (bottom, left, top, right tested in that order), else 0.
DWORD CalcNoteTailSide(const RECT& rect, POINT base1, POINT base2);
NoteOutline BuildNoteOutline(const RECT& rect, const NoteTail& tail);
// The tail after one of its handles (HIT_NOTE_*) moved by the offset: the tip takes the base to a
// new region, a base point slides along its side and keeps minGap from the other and the corners.
void DragNoteTailHandle(const RECT& rect, NoteTail& tail, SIZE offset, DWORD hitCode, int minGap);
// The tail after the rectangle changed from oldRect to newRect: the tip stays, the base points
// follow their edge, or move to the tip's new region when the resize changed it.
void FitNoteTailToRect(const RECT& oldRect, const RECT& newRect, NoteTail& tail);

class CNoteObj : public CStrgObj
{
    DECLARE_SERIAL(CNoteObj)
public:
    // No tail until a record is read.
    CNoteObj();
    // With the default tail.
    CNoteObj(WORD objectId, const CRect& rect);
    CNoteObj(const CNoteObj& other);

    // The text record, the two flags and the three tail points.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    // --- Drawing, trackers and hit tests ------------------------------------------------------
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD partWord, BOOL printMode) override;
    // The rectangle's handles, then the tip and the two base points.
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // Near the outline; inside it unless an unfilled balloon is asked for outline-only hits.
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // The tail's handles first, then those of the rectangle.
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& partWord,
                        CPoint& handlePoint, BOOL printMode) const override;
    // The rectangle grown to take in the tip.
    void GetVisibleRect(CRect& rect, BOOL printMode) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    // Whether the rectangle without the tail lies inside.
    BOOL IsInsideRect(const CRect& rect, BOOL printMode) const override;

    // --- Moving and resizing ------------------------------------------------------------------
    // A move of the whole object takes the tail along.
    void MoveBy(SIZE offset, DWORD flags) override;
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    void ApplyHandleDrag(SIZE offset, DWORD hitCode, DWORD word) override;

    // --- Menu and commands --------------------------------------------------------------------
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // The two flags, then the text attributes; not the tail.
    void CopyAttributes(const CBaseObj& other) override;

    // --- Plain members ------------------------------------------------------------------------
    // The text defaults, the box fill and text frame off, the balloon's own flags on, no tail.
    void InitNoteDefaults();
    // The default tail of the rectangle; none for an empty one.
    void SetDefaultTail();
    void ClearTail() { m_tail = NoteTail{}; }
    NoteOutline GetOutline() const { return BuildNoteOutline(m_rect, m_tail); }
    DWORD GetTailSide() const { return CalcNoteTailSide(m_rect, m_tail.base1, m_tail.base2); }
    // In print mode, filled and with a shadow depth.
    BOOL HasBalloonShadow(BOOL printMode) const;

    const NoteTail& GetTail() const { return m_tail; }
    BOOL GetNoteFill() const { return m_bFillNote; }
    BOOL GetNoteFrame() const { return m_bDrawFrameNote; }

protected:
    // "FillNote", "DrawFrameNote", then the text keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    // A tip at (0, 0) stands for no tail.
    BOOL HasTail() const { return m_tail.tip != CPoint(0, 0); }
    NoteTail GetScaledTail(int zoom) const;
    CRect GetScaledRect(int zoom) const;

    BOOL m_bFillNote;
    BOOL m_bDrawFrameNote;
    NoteTail m_tail;
};
