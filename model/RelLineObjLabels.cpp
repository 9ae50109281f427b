// CRelLineObj: the three labels: where they first stand, showing and hiding them, how they follow
// the ends of the line, their rectangles and their in-place editing.
#include "model/RelLineObj.h"

#include "foundation/CommandIds.h"
#include "platform/ui/VirtualKeys.h"

#include <algorithm>
#include <utility>

namespace rellinelabels {

// A label first placed near the paper's top edge keeps 10 below it.
int HoldBelowPaperTop(int top)
{
    return std::min(top, -10);
}

CRect LabelRect(int left, int top, int width)
{
    return CRect(left, top, left + width, top - 40);
}

} // namespace rellinelabels

CStrgObj* CRelLineObj::GetLabel(DWORD part)
{
    return const_cast<CStrgObj*>(std::as_const(*this).GetLabel(part));
}

const CStrgObj* CRelLineObj::GetLabel(DWORD part) const
{
    if (part & PART_MEMO)
        return &m_memo;
    if (part & PART_ITEM_NAME)
        return &m_itemName;
    if (part & PART_ITEM_VALUE)
        return &m_itemValue;
    return nullptr;
}

BOOL CRelLineObj::IsLabelShown(DWORD part) const
{
    if (part & PART_MEMO)
        return m_bShowMemo;
    if (part & PART_ITEM_NAME)
        return m_bShowItemName;
    if (part & PART_ITEM_VALUE)
        return m_bShowItemValue;
    return FALSE;
}

BOOL CRelLineObj::IsLabelPlaced(DWORD part) const
{
    const CStrgObj* label = GetLabel(part);
    if (!label)
        return FALSE;
    const CRect& r = label->GetRect();
    return !r.IsRectNull() && !(r.right < 0 && r.bottom >= 1);
}

BOOL CRelLineObj::GetDefaultLabelRect(DWORD part, CRect& rect) const
{
    using rellinelabels::HoldBelowPaperTop;
    using rellinelabels::LabelRect;
    const CPoint s = GetStartPoint(), p2 = GetSecondPoint(), e = GetEndPoint(), q = GetSecondLastPoint();
    if (part & PART_MEMO) {
        if (IsSelfReference())
            rect = LabelRect(p2.x - 60, GetThirdPoint().y - 20, 120);
        else if (AbsInt(e.x - q.x) > 5)
            rect = LabelRect((e.x + q.x) / 2 - 60, AbsInt(e.y - q.y) > 5 ? (e.y + q.y) / 2 + 20 : e.y + 20, 120);
        else
            rect = LabelRect(e.x - 60, HoldBelowPaperTop(std::min(e.y, q.y) + 80), 120);
        return TRUE;
    }
    if (part & PART_ITEM_NAME) {
        rect = LabelRect(s.x > p2.x ? s.x - 200 : s.x + 40, HoldBelowPaperTop(s.y + 60), 160);
        return TRUE;
    }
    if (!(part & PART_ITEM_VALUE))
        return FALSE;
    const int top = HoldBelowPaperTop(e.y + 60);
    switch (m_wRelKind) {
    case KIND_SUBTYPE: rect = LabelRect(e.x - 80, top, 160); return TRUE;
    case KIND_SUBSTRUCTURE: rect = LabelRect(s.x > e.x ? e.x - 160 : e.x, top, 160); return TRUE;
    default: return FALSE;
    }
}

void CRelLineObj::ShowLabel(DWORD part, BOOL show)
{
    CStrgObj* label = GetLabel(part);
    if (!label)
        return;
    BOOL& shown = part & PART_MEMO ? m_bShowMemo : part & PART_ITEM_NAME ? m_bShowItemName : m_bShowItemValue;
    if (show && !shown) {
        CRect rect;
        // The memo starts afresh each time it is shown; the item labels keep a place they had.
        const BOOL memo = label == &m_memo;
        if ((memo || !IsLabelPlaced(part)) && GetDefaultLabelRect(part, rect))
            label->NormalizeRect(rect);
        if (memo && label->GetText().IsEmpty())
            label->SetText(CString(u8"×N"));
    }
    shown = show;
}

void CRelLineObj::RepositionLabels(CPoint oldStart, CPoint oldEnd)
{
    const CSize startMove = GetStartPoint() - oldStart;
    const CSize endMove = GetEndPoint() - oldEnd;
    auto follow = [](CStrgObj& label, BOOL shown, CSize move) {
        if (shown && move != CSize(0, 0) && !label.GetRect().IsRectNull())
            label.MoveBy(move, 0);
    };
    follow(m_memo, m_bShowMemo, endMove);
    follow(m_itemName, m_bShowItemName, startMove);
    follow(m_itemValue, m_bShowItemValue, endMove);
}

void CRelLineObj::GetPartRect(CRect& rect, BOOL, DWORD partFlags) const
{
    if (const CStrgObj* label = GetLabel(partFlags & HIT_PARTS))
        rect = label->GetRect();
    else
        rect.SetRectEmpty();
}

void CRelLineObj::MoveParts(SIZE offset, DWORD flags)
{
    for (const DWORD part : {PART_MEMO, PART_ITEM_NAME, PART_ITEM_VALUE}) {
        CStrgObj* label = GetLabel(part);
        if ((flags & part) && !label->GetRect().IsRectNull())
            label->MoveBy(offset, 0);
    }
}

// --- In-place editing ---------------------------------------------------------------------------

BOOL CRelLineObj::CanEditText(CBaseDoc*, DWORD hitCode, DWORD) const
{
    return (hitCode & HIT_SHAPE_HANDLE) && (hitCode & (PART_MEMO | PART_ITEM_VALUE));
}

BOOL CRelLineObj::BeginEdit(CDC* pDC, int zoom, CFloatEdit*& editor, CWnd* parent, UINT controlId, DWORD hitCode,
                            const LOGFONT* font, DWORD editFlags)
{
    m_dwEditedPart = 0;
    if (zoom < 50 || !CanEditText(nullptr, hitCode, 0))
        return FALSE;
    m_dwEditedPart = hitCode & (PART_MEMO | PART_ITEM_VALUE);
    return GetLabel(m_dwEditedPart)->BeginEdit(pDC, zoom, editor, parent, controlId, HIT_BODY, font, editFlags);
}

BOOL CRelLineObj::EndEdit(CFloatEdit*& editor, DWORD editFlags)
{
    CStrgObj* label = GetLabel(m_dwEditedPart);
    return label && label->EndEdit(editor, editFlags);
}

UINT CRelLineObj::GetEditCommand(CBaseDoc*, DWORD, DWORD) const
{
    if (IsOneToManyKind())
        return ID_OBJ_ONE_TO_MANY_DIALOG;
    return IsSubTypeKind() ? ID_OBJ_SUBTYPE_DIALOG : 0;
}

UINT CRelLineObj::GetKeyCommand(UINT key, UINT, UINT)
{
    return key == VK_RETURN ? GetEditCommand(nullptr, 0, 0) : 0;
}

// --- Find and replace ---------------------------------------------------------------------------

BOOL CRelLineObj::FindObjectText(const CString& findText, BOOL matchCase) const
{
    return m_memo.FindObjectText(findText, matchCase) || m_itemValue.FindObjectText(findText, matchCase);
}

BOOL CRelLineObj::ReplaceObjectText(const CString& findText, const CString& replacement, BOOL matchCase)
{
    const BOOL memo = m_memo.ReplaceObjectText(findText, replacement, matchCase);
    const BOOL itemValue = m_itemValue.ReplaceObjectText(findText, replacement, matchCase);
    return memo || itemValue;
}
