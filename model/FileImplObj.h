// CFileImplObj: an implementation group, a closed outline that belongs to one conceptual file. It
// carries that file's id and shows the physical file name in a label just above its top edge; the
// document moves it with its file, removes it with its file and renames its label with the file.
//
// The label is a part of the group: hit codes with bit 28 (HIT_IMPL_LABEL) name it.
#pragma once

#include "model/ModelStatusText.h"
#include "objects/PolyObj.h"
#include "objects/StrgObj.h"

#include <vector>

class CFileImplObj : public CPolyObj, public ModelStatusText
{
    DECLARE_SERIAL(CFileImplObj)
public:
    // The hit code of the label, and the part bit that names it in move and resize flags.
    static constexpr DWORD HIT_IMPL_LABEL = 0x10000000;

    CFileImplObj();
    explicit CFileImplObj(WORD objectId);
    CFileImplObj(const CFileImplObj& other);
    ~CFileImplObj() override = default;

    // The line record, then the implemented file's id, the label switch and the label's record.
    // A line part of version 16 makes the object an implementation group whatever kind it stored.
    void Serialize(CArchive& ar) override;

    CString& GetTypeName(CString& name) const override;
    CString& GetProfileSection(CString& section) const override;
    // The type name and the label's text.
    CString GetStatusText(const CBaseDoc& document) const override;

    // --- Drawing, trackers and hit tests ------------------------------------------------------
    // A rectangular outline is drawn as one rectangle with a frame pen; any other as the line.
    void Draw(CDC* pDC, int zoom, BOOL withHandles, BOOL printMode, const LOGFONT* font, DWORD displayOptions,
              CBaseDoc* document) override;
    void DrawMoveTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitFlags, BOOL printMode) override;
    void DrawResizeTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, BOOL printMode) override;
    // The outline as the point drag would leave it, closure included; the label's outline when
    // the label's handle is dragged.
    void DrawHandleDragTracker(CDC* pDC, int zoom, SIZE offset, DWORD hitCode, DWORD index, BOOL printMode) override;
    void DrawHandles(CDC* pDC, int zoom, BOOL printMode) override;
    // The shown label, else the outline (and the area only when filled).
    BOOL HitTest(POINT point, int tolerance, BOOL printMode, BOOL outlineOnly) const override;
    // Any hit on the shown label is the label handle (HIT_IMPL_LABEL | HIT_SHAPE_HANDLE).
    BOOL HitTestHandles(int zoom, POINT point, UINT keyFlags, int tolerance, DWORD& hitCode, DWORD& index,
                        CPoint& handlePoint, BOOL printMode) const override;
    void GetRedrawRect(CRect& rect, int zoom, BOOL printMode) const override;
    void GetFullRedrawRect(CRect& rect, int zoom) const override;

    // --- Moving and point editing -------------------------------------------------------------
    // The label part moves the label (when it has a rectangle).
    void MoveParts(SIZE offset, DWORD flags) override;
    // The label part resizes the label, anything else the outline.
    void ResizeByHandle(SIZE offset, DWORD hitCode) override;
    // Moves the point keeping the segments upright, then keeps the outline closed: dragging the
    // first point drags the last one with it, dragging the last ones drags the first. The label's
    // handle moves the label.
    void MovePointByHandle(SIZE offset, DWORD hitCode, DWORD index) override;

    // The label part: its visible rectangle; empty for any other part.
    void GetPartRect(CRect& rect, BOOL printMode, DWORD partFlags) const override;

    // --- Commands ----------------------------------------------------------------------------
    // The label switch and fill, the defaults, the operations and the pen and fill under "その他";
    // none for a group hidden in define mode.
    void ObjectContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode,
                           BOOL severalSelected) override;
    // A right click on the label offers the group's menu: its entries are the label's.
    void PartContextMenu(CPoint screenPoint, CWnd* view, DWORD hitCode, BOOL printMode, BOOL severalSelected) override;
    // The label switch is always offered; the label's fill is offered while the label is shown.
    BOOL UpdateCommandUI(CCmdUI* cmdUI, CBaseDoc* document, DWORD hitCode, BOOL printMode,
                         BOOL severalSelected) override;
    // Switching the label on places it first when it has no rectangle yet.
    BOOL ApplyAttributeCommand(UINT commandId, CObject* argument, DWORD hitCode) override;

    // --- In-place editing of the label -------------------------------------------------------------
    BOOL CanEditText(CBaseDoc* document, DWORD hitCode, DWORD displayOptions) const override;
    // From zoom 50, a hit on the label opens the label's editor.
    BOOL BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                   const LOGFONT* font, DWORD editFlags) override;
    BOOL EndEdit(CFloatEdit*& editor, DWORD editFlags) override;

    // --- Attributes ---------------------------------------------------------------------------
    // The label switch and the label's text colour of another group, then the line's attributes.
    void CopyAttributes(const CPolyLine& other) override;

    // --- The implemented conceptual file --------------------------------------------------------
    WORD GetImplementedFileId() const { return m_wImplFileId; }
    void SetImplementedFileId(WORD fileId) { m_wImplFileId = fileId; }
    BOOL ImplementsFile(WORD fileId) const { return fileId != 0 && m_wImplFileId == fileId; }
    // The group moves along with its file.
    WORD GetFollowedObjectId() const override { return m_wImplFileId; }

    // --- The name label ---------------------------------------------------------------------------
    BOOL GetShowNameFileRep() const { return m_bShowNameFileRep; }
    void SetShowNameFileRep(BOOL show) { m_bShowNameFileRep = show; }
    const CStrgObj& GetLabel() const { return m_label; }
    CStrgObj& GetLabel() { return m_label; }
    const CString& GetLabelText() const { return m_label.GetText(); }
    void SetLabelText(const CString& text) { m_label.SetText(text); }
    // The switch is on and the label has a rectangle (an all-zero one counts as none).
    BOOL IsLabelShown() const;
    // Gives a label without a rectangle the band 10 to 60 units above the outline's top edge (never
    // above y = -10); FALSE when it has a rectangle already or the outline has no top edge.
    BOOL PlaceLabel();

protected:
    // "ShowNameFileRep" and "FontColor" (the label's text colour), then the line's keys.
    void VisitDefaultKeys(DefaultKeys& keys) override;

private:
    // The stored pen scaled by the zoom, wide pens inside the frame, for the rectangular outline.
    void DrawRectangleOutline(CDC* pDC, int zoom) const;
    // The points of the copy that takes the point drag, at the zoom.
    std::vector<CPoint> GetDraggedPoints(int zoom, SIZE offset, DWORD hitCode, DWORD index) const;
    // The repaint areas of the outline (as given) and of the shown label united.
    void AddLabelRedrawRect(CRect& rect, int zoom, BOOL printMode) const;

    WORD m_wImplFileId;
    BOOL m_bShowNameFileRep;
    CStrgObj m_label;
    // The part flags of the edit in progress.
    DWORD m_dwEditedPart = 0;
};
