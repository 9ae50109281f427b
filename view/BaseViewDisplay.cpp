// The display commands of CBaseView: grid, guides, snapping, the automatic connection and shaping
// of new lines, print and define mode, and the data model's display modes in the display word.
// Each changes only the view it runs in; the display word is also kept in the document.
#include "view/BaseView.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/ui/CmdUI.h"
#include "view/DisplayOptions.h"
#include "view/FrameServices.h"

#include <algorithm>
#include <iterator>

namespace BaseViewDisplay {

using namespace DisplayOption;

// The display modes that simply switch one bit.
constexpr struct
{
    UINT id;
    DWORD bit;
} kToggles[] = {
    {ID_MODEL_SHOW_DATA_TYPES, kDataTypes},
    {ID_MODEL_SHORT_DATA_TYPES, kShortTypeNames},
    {ID_MODEL_SHOW_MERGE_MARKS, kPhysicalMarks},
    {ID_MODEL_SHOW_NULL_OPTIONS, kNullOption},
    {ID_MODEL_SHOW_FOREIGN_KEYS, kForeignKeys},
    {ID_MODEL_SHOW_IMPLEMENTED_ONLY, kPhysicalItemsOnly},
    {ID_MODEL_SHOW_PHYSICAL_ITEMS, kPhysicalAddItems},
    {ID_MODEL_SHOW_ALTERNATE_NAMES, kSubstituteNames},
    {ID_MODEL_IDEF_NOTATION, kIdefNotation},
    {ID_MODEL_SHOW_CARDINALITY, kCardinality},
};

// The value of the automatic shaping of new lines that each shaping command chooses.
constexpr struct
{
    UINT id;
    DWORD method;
} kLineShapes[] = {
    {ID_LINE_NO_AUTO_SHAPE, 0},
    {ID_LINE_VERTICAL_CRANK, 22001},
    {ID_LINE_HORIZONTAL_CRANK, 22002},
    {ID_LINE_RIGHT_ANGLE, 22024},
};

BOOL IsNormal(DWORD word)
{
    return (word & kNormalMask) == kConceptualNames;
}

// The word after a display-mode command; the same word when the command changes nothing.
DWORD NextDrawOpt(UINT id, DWORD word)
{
    for (const auto& toggle : kToggles)
        if (toggle.id == id)
            return word ^ toggle.bit;
    switch (id) {
    case ID_MODEL_NORMAL_DISPLAY: return IsNormal(word) ? word : (word & ~kNormalMask) | kConceptualNames;
    case ID_MODEL_SHOW_NAMES: return word & kConceptualNames ? word : (word & ~kTableNames) | kConceptualNames;
    case ID_MODEL_SHOW_TABLE_NAMES: return word & kTableNames ? word : (word & ~kConceptualNames) | kTableNames;
    case ID_MODEL_XJ_NOTATION: return word & ~kIdefNotation;
    default: return word;
    }
}

// The check mark and enable state of a display-mode command in the word.
void GetDrawOptState(UINT id, DWORD word, BOOL& checked, BOOL& enabled)
{
    const BOOL idef = (word & kIdefNotation) != 0;
    enabled = TRUE;
    switch (id) {
    case ID_MODEL_NORMAL_DISPLAY:
        checked = IsNormal(word);
        enabled = !checked;
        return;
    case ID_MODEL_SHOW_NAMES: checked = (word & kConceptualNames) != 0; return;
    case ID_MODEL_SHOW_TABLE_NAMES: checked = (word & kTableNames) != 0; return;
    case ID_MODEL_XJ_NOTATION:
        checked = !idef;
        enabled = idef;
        return;
    case ID_MODEL_IDEF_NOTATION:
        checked = idef;
        enabled = !idef;
        return;
    case ID_MODEL_SHORT_DATA_TYPES: enabled = (word & kDataTypes) != 0; break;
    case ID_MODEL_SHOW_FOREIGN_KEYS: enabled = !IsNormal(word); break;
    case ID_MODEL_SHOW_ALTERNATE_NAMES: enabled = (word & kTableNames) != 0; break;
    case ID_MODEL_SHOW_CARDINALITY: enabled = idef; break;
    default: break;
    }
    // A switch is checked while its bit is set.
    checked = (word ^ NextDrawOpt(id, word)) & word ? TRUE : FALSE;
}

} // namespace BaseViewDisplay

// --- Switches of the view -----------------------------------------------------------------------

BOOL* CBaseView::FindSwitch(UINT id)
{
    switch (id) {
    case ID_VIEW_GRID: return &DrawGrid;
    case ID_VIEW_GUIDE: return &DrawGuide;
    case ID_ARRANGE_SNAP_TO_GRID: return &AdjustGrid;
    case ID_AUTO_CONNECT_LINES: return &AutoConnect;
    case ID_CONNECT_ON_FRAME: return &AutoConnectFrame;
    case ID_LINE_AUTO_ADJUST_POINTS: return &AutoPolyInOrder;
    default: return nullptr;
    }
}

void CBaseView::OnViewSwitch(UINT id)
{
    BOOL* value = FindSwitch(id);
    if (!value)
        return;
    // The switches of the figure menu leave an open label edit alone.
    if (id == ID_VIEW_GRID || id == ID_VIEW_GUIDE)
        EndInPlaceEditAndRefresh();
    *value = !*value;
    if (id == ID_VIEW_GRID) {
        Invalidate(TRUE);
    } else if (id == ID_VIEW_GUIDE) {
        if (DrawGuide)
            PlaceGuidesAtSelection();
        InvalidateGuides();
    } else if (id == ID_ARRANGE_SNAP_TO_GRID && AdjustGrid && DrawGuide) {
        CPoint snapped = m_ptGuide;
        if (SnapToGrid(snapped)) {
            InvalidateGuides();
            m_ptGuide = snapped;
            InvalidateGuides();
        }
    }
}

void CBaseView::OnUpdateViewSwitch(CCmdUI* cmdUI)
{
    if (const BOOL* value = FindSwitch(cmdUI->m_nID))
        cmdUI->SetCheck(*value ? 1 : 0);
}

void CBaseView::PlaceGuidesAtSelection()
{
    CRect selected;
    if (GetSelectionBounds(selected))
        m_ptGuide = selected.TopLeft();
    else if (m_ptGuide == CPoint(-1, -1))
        m_ptGuide = CPoint(ViewGeometry::kFrameInset + 10 * GridWidth, -ViewGeometry::kFrameInset - 10 * GridWidth);
}

void CBaseView::OnLineShape(UINT id)
{
    for (const auto& shape : BaseViewDisplay::kLineShapes)
        if (shape.id == id)
            AutoCmdLineMethod = shape.method;
}

void CBaseView::OnUpdateLineShape(CCmdUI* cmdUI)
{
    for (const auto& shape : BaseViewDisplay::kLineShapes)
        if (shape.id == cmdUI->m_nID)
            cmdUI->SetCheck(AutoCmdLineMethod == shape.method ? 1 : 0);
}

// --- Print and define mode ----------------------------------------------------------------------

void CBaseView::OnPrintMode()
{
    SwitchMode(TRUE);
}

void CBaseView::OnDefineMode()
{
    SwitchMode(FALSE);
}

void CBaseView::SwitchMode(BOOL printMode)
{
    EndInPlaceEditAndRefresh();
    ModePrint = printMode;
    // In define mode the objects hidden there cannot stay selected (the repaint follows).
    if (!printMode) {
        for (POSITION pos = m_selection.GetHeadPosition(); pos;) {
            const POSITION at = pos;
            const CBaseObj* box = DrawObjects::AsBoxObject(m_selection.GetNext(pos));
            if (box && box->GetHideDefine())
                m_selection.RemoveAt(at);
        }
    }
    FrameServices* frame = GetFrameServices();
    if (frame && !IsPointerOrZoomTool(frame->GetCurrentTool()))
        frame->SetCurrentTool(ID_TOOL_POINTER);
    Invalidate(TRUE);
}

void CBaseView::OnUpdatePrintMode(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(ModePrint ? 1 : 0);
}

void CBaseView::OnUpdateDefineMode(CCmdUI* cmdUI)
{
    cmdUI->SetCheck(ModePrint ? 0 : 1);
}

// --- The display word ---------------------------------------------------------------------------

void CBaseView::OnDisplayBit0()
{
    EndInPlaceEditAndRefresh();
    // This bit stays in the view: the document's word is left alone.
    DrawOpt = DrawOpt & BaseViewDisplay::kBit0 ? 0 : DrawOpt | BaseViewDisplay::kBit0;
    Invalidate(TRUE);
}

void CBaseView::OnUpdateDisplayBit0(CCmdUI* cmdUI)
{
    cmdUI->Enable(!ModePrint);
    cmdUI->SetCheck(DrawOpt & BaseViewDisplay::kBit0 ? 1 : 0);
}

void CBaseView::OnDisplayMode(UINT id)
{
    EndInPlaceEditAndRefresh();
    const DWORD word = BaseViewDisplay::NextDrawOpt(id, DrawOpt);
    if (word == DrawOpt)
        return;
    DrawOpt = word;
    Invalidate(TRUE);
    GetDocument()->SetDrawOpt(DrawOpt);
}

void CBaseView::OnUpdateDisplayMode(CCmdUI* cmdUI)
{
    BOOL checked = FALSE;
    BOOL enabled = TRUE;
    BaseViewDisplay::GetDrawOptState(cmdUI->m_nID, DrawOpt, checked, enabled);
    cmdUI->SetCheck(checked ? 1 : 0);
    cmdUI->Enable(enabled);
}
