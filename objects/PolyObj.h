// CPolyObj: the line as the document holds it: a CPolyLine with the kind, the object id and the
// HideDefine and CanDelete flags of every document object. Lines and polylines of the drawing
// tools are CPolyObj objects of kind 4; the relation arrows and implementation-group outlines of
// the data model derive from it.
//
// The view-facing operations take the view's print-mode flag (1 print mode, 0 define mode): a line
// whose HideDefine is set is absent in define mode.
#pragma once

#include "objects/PolyLine.h"

class CBaseDoc;
class CCmdUI;

class CPolyObj : public CPolyLine
{
    DECLARE_SERIAL(CPolyObj)
public:
    CPolyObj();
    explicit CPolyObj(WORD objectId);
    CPolyObj(WORD objectId, POINT start, POINT end);
    CPolyObj(const CPolyObj& other);

    // The line record, then version, kind, object id, HideDefine and CanDelete (a word each).
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;

    using CPolyLine::Draw;
    using CPolyLine::DrawHandleDragTracker;
    using CPolyLine::DrawHandles;
    using CPolyLine::DrawMoveTracker;
    using CPolyLine::DrawResizeTracker;
    using CPolyLine::GetRedrawRect;
    using CPolyLine::HitTest;
    using CPolyLine::HitTestHandles;
    using CPolyLine::IsInsideRect;

    // --- The view's operations with the print-mode check -------------------------------------
    // The font, display options and document serve the labels of the subclasses.
    virtual void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
                      CBaseDoc* document);
    virtual void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode);
    virtual void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode);
    virtual void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode);
    virtual void DrawHandles(CDC* pDC, int zoom, BOOL printMode);
    virtual BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const;
    // When hidden the out values are left alone.
    virtual BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                                CPoint& handlePoint, BOOL printMode) const;
    virtual void GetVisibleRect(CRect& rect, BOOL printMode) const;
    virtual void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const;
    // The repaint area whatever the mode (a line that has just been hidden must still go).
    virtual void GetFullRedrawRect(CRect& rect, int zoom) const;
    virtual BOOL IsInsideRect(const CRect& rect, BOOL printMode) const;

    // --- Commands ----------------------------------------------------------------------------
    // Command 20017 shows HideDefine as its check mark, the rest are the line's.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // Command 20017 toggles HideDefine, the rest are the line's; TRUE when the line changed.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;
    // The command a key sends to the single selected line; 0 for none.
    virtual UINT GetKeyCommand(UINT key, UINT repeatCount, UINT keyFlags);

    // --- Attributes --------------------------------------------------------------------------
    // HideDefine and CanDelete, then the line's attributes.
    void CopyAttributes(const CPolyLine& other) override;
    // A line is never connected to itself: its own id is stored as 0.
    WORD SetStartObjectId(WORD objectId) override;
    WORD SetEndObjectId(WORD objectId) override;
    virtual BOOL SetHideDefine(BOOL hide);
    virtual BOOL ToggleHideDefine();
    virtual BOOL SetCanDelete(BOOL canDelete);
    virtual BOOL ToggleCanDelete();

    // --- Following the objects it is attached to ----------------------------------------------
    // How the line follows when an object at one of its ends moves or is resized.
    // FOLLOW_KEEPS_SIDE_CROSSING: an end on a side of a resized box keeps its place on that side
    // while it still fits. FOLLOW_START_LEVEL_WITH_END: while the start is level with the end, a
    // moved end takes the start up or down with it within the start object. FOLLOW_SELF_REFERENCE:
    // both ends on one box follow its resize together.
    static constexpr DWORD FOLLOW_KEEPS_SIDE_CROSSING = 0x1;
    static constexpr DWORD FOLLOW_START_LEVEL_WITH_END = 0x2;
    static constexpr DWORD FOLLOW_SELF_REFERENCE = 0x4;
    virtual DWORD GetFollowRules() const { return 0; }
    // The object this line stands for and moves along with; 0 for none.
    virtual WORD GetFollowedObjectId() const { return 0; }
    // Moves the ends of a line whose two ends sit on one box: the start side by startOffset, the
    // end side by endOffset.
    virtual void MoveSelfReferenceEnds(SIZE startOffset, SIZE endOffset);

    // What tells apart the default-attribute prototypes of lines of one kind; 0 for a plain line.
    virtual DWORD GetPrototypeSubKey() const { return 0; }

    WORD GetVersion() const { return m_wVersion; }
    WORD GetKind() const { return m_wKind; }
    WORD GetObjectId() const { return m_wObjectId; }
    void SetObjectId(WORD objectId) { m_wObjectId = objectId; }
    BOOL GetHideDefine() const { return m_bHideDefine; }
    BOOL GetCanDelete() const { return m_bCanDelete; }

protected:
    CPolyObj(WORD kind, WORD objectId);
    // "HideDefine" and "CanDelete" before the line's keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;
    // True when the line counts as absent in this mode (define mode and HideDefine).
    BOOL IsHiddenIn(BOOL printMode) const { return !printMode && m_bHideDefine; }

    WORD m_wVersion;
    WORD m_wKind;
    WORD m_wObjectId;
    BOOL m_bHideDefine;
    BOOL m_bCanDelete;
};
