#include "model/DataItemRules.h"

#include "model/Data.h"
#include "model/DataGenSrc.h"
#include "model/DataGenSrcList.h"
#include "model/DataList.h"

#include <new>

namespace DataItemRulesImpl {

const char8_t* const kColumnTitles[DataItemRules::kColumnCount] = {u8"ﾃﾞｰﾀ項目名", u8"ｷｰ",   u8"ｷｰG",  u8"Rｷｰ",
                                                                   u8"加工",       u8"ﾚﾍﾞﾙ", u8"物理", u8"ｶﾗﾑ名",
                                                                   u8"ﾃﾞｰﾀﾀｲﾌﾟ",   u8"NULL", u8"並順"};
// Shares of the list's width in 22nds for all columns but the last.
constexpr int kColumnShares[DataItemRules::kColumnCount - 1] = {5, 1, 1, 1, 1, 1, 1, 5, 3, 2};
const char8_t* const kContradiction = u8"定義が矛盾していますので確認してください。";

CString NumberOrEmpty(unsigned value)
{
    CString text;
    if (value != 0)
        text.Format("%u", value);
    return text;
}

} // namespace DataItemRulesImpl

DataItemRules::DataItemRules(CDataList& working, WORD ownFileId, BOOL keyStaysOffPhysical, ItemNameLookup otherFiles)
    : m_list(working),
      m_wOwnFileId(ownFileId),
      m_bKeyStaysOffPhysical(keyStaysOffPhysical),
      m_otherFiles(std::move(otherFiles)),
      m_nInitialCount(static_cast<int>(working.GetCount()))
{
}

CString DataItemRules::ColumnTitle(int column)
{
    return column >= 0 && column < kColumnCount ? CString(DataItemRulesImpl::kColumnTitles[column]) : CString();
}

int DataItemRules::ColumnWidth(int column, int listWidth)
{
    using namespace DataItemRulesImpl;
    if (column < 0 || column >= kColumnCount)
        return 0;
    if (column < kColumnCount - 1)
        return listWidth * kColumnShares[column] / 22;
    int used = 0;
    for (int share : kColumnShares)
        used += listWidth * share / 22;
    return listWidth - used - 4;
}

CString DataItemRules::CellText(const CData& item, int row, int column, BOOL singleRow)
{
    using namespace DataItemRulesImpl;
    // A code and a "*" when its mark applies; "N" shows as nothing.
    const auto codeWithMark = [](const CString& code, bool marked) {
        CString text = code == "N" ? CString() : code;
        if (marked)
            text += "*";
        return text;
    };
    switch (column) {
    case 0: return singleRow && item.GetName().IsEmpty() ? CString(u8"未指定") : item.GetName();
    case 1: return codeWithMark(item.GetKeyCode(), false);
    case 2: return NumberOrEmpty(item.GetKeyGroup());
    case 3: return codeWithMark(item.GetRkeyCode(), item.HasReferencedItem());
    case 4: return codeWithMark(item.GetDerivationCode(), item.HasSources());
    case 5: return NumberOrEmpty(item.GetLevel());
    case 6: return CString(item.GetPhysicalTarget() ? "Y" : "N");
    case 7: return item.GetColumnName();
    case 8: return item.GetTypeText();
    case 9:
        if (item.GetNullOption() == CData::NULL_NOT_NULL)
            return CString("NOT NULL");
        return item.GetNullOption() == CData::NULL_NULL ? CString("NULL") : CString(u8"なし");
    case 10: {
        CString text;
        text.Format("%d", row + 1);
        return text;
    }
    default: return CString();
    }
}

WORD DataItemRules::ScopeOf(const CData& item)
{
    return item.IsChildLevel() ? item.GetParentItem() : item.GetDataNumber();
}

void DataItemRules::ClearChildKeys(WORD number)
{
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        CData* child = m_list.GetNext(pos);
        if (!child->IsChildOf(number))
            continue;
        child->SetKeyGroup(0);
        const CString code = CData::MakeKeyCode(FALSE, FALSE, child->IsRkeyItem());
        if (child->GetKeyCode() != code) {
            child->SetKeyCode(code);
            child->SetNullOption(CData::NULL_NULL);
        }
    }
}

BOOL DataItemRules::SetKey(CData& item, BOOL on)
{
    if (bool(item.IsKeyItem()) == bool(on))
        return FALSE;
    const WORD level = item.GetLevel();
    if (!on) {
        const WORD oldGroup = item.GetKeyGroup();
        item.SetKeyGroup(0);
        const CString code = CData::MakeKeyCode(FALSE, FALSE, item.IsRkeyItem());
        if (item.GetKeyCode() != code) {
            item.SetKeyCode(code);
            item.SetNullOption(CData::NULL_NULL);
        }
        if (oldGroup != 0)
            m_list.UpdateGroupKeyCodes(oldGroup, level, ScopeOf(item));
        ClearChildKeys(item.GetDataNumber());
        return TRUE;
    }
    if (item.GetKeyGroup() == 0)
        item.SetKeyGroup(m_list.GetKeyGroupAbove(item.GetDataNumber()));
    const WORD group = item.GetKeyGroup();
    const int others = m_list.CountKeyItems(group, level, item.IsChildLevel() ? item.GetParentItem() : 0);
    const CString code = CData::MakeKeyCode(TRUE, others > 0, item.IsRkeyItem());
    if (item.GetKeyCode() != code) {
        item.SetKeyCode(code);
        item.SetNullOption(CData::NULL_NOT_NULL);
    }
    m_list.UpdateGroupKeyCodes(group, level, ScopeOf(item));
    m_list.MakeChildrenKeys(item.GetDataNumber());
    return TRUE;
}

BOOL DataItemRules::SetKeyGroup(CData& item, int group)
{
    if (group <= 0 || group > 0xFFFF || !item.IsKeyItem() || group == item.GetKeyGroup())
        return FALSE;
    const WORD oldGroup = item.GetKeyGroup();
    const WORD newGroup = static_cast<WORD>(group);
    item.SetKeyGroup(newGroup);
    const WORD level = item.GetLevel();
    const int count = m_list.CountKeyItems(newGroup, level, item.IsChildLevel() ? item.GetParentItem() : 0);
    item.SetKeyCode(CData::MakeKeyCode(TRUE, count > 1, item.IsRkeyItem()));
    m_list.UpdateGroupKeyCodes(newGroup, level, ScopeOf(item));
    m_list.UpdateGroupKeyCodes(oldGroup, level, ScopeOf(item));
    m_list.MakeChildrenKeys(item.GetDataNumber());
    return TRUE;
}

BOOL DataItemRules::SetRkey(CData& item, BOOL on)
{
    const CString code = CData::MakeRkeyCode(on);
    if (item.GetRkeyCode() == code)
        return FALSE;
    item.SetRkeyCode(code);
    if (!on)
        item.ClearReference();
    if (item.IsKeyItem()) {
        const int count =
            m_list.CountKeyItems(item.GetKeyGroup(), item.GetLevel(), item.IsChildLevel() ? item.GetParentItem() : 0);
        item.SetKeyCode(CData::MakeKeyCode(TRUE, count > 1, on));
    }
    return TRUE;
}

BOOL DataItemRules::SetChildLevel(CData& item, BOOL on)
{
    if (bool(item.IsChildLevel()) == bool(on))
        return FALSE;
    const WORD oldLevel = item.GetLevel();
    const WORD oldScope = ScopeOf(item);
    if (on) {
        item.SetChildLevel();
        item.SetPhysicalTarget(0);
    } else {
        item.SetTopLevel();
        item.SetParentItem(0);
        if (!item.GetPhysicalTarget() && !(item.IsKeyItem() && m_bKeyStaysOffPhysical))
            item.SetPhysicalTarget(1);
    }
    if (item.IsKeyItem()) {
        const WORD group = item.GetKeyGroup();
        const int count = m_list.CountKeyItems(group, item.GetLevel(), item.IsChildLevel() ? item.GetParentItem() : 0);
        item.SetKeyCode(CData::MakeKeyCode(TRUE, count > 1, item.IsRkeyItem()));
        m_list.UpdateGroupKeyCodes(group, item.GetLevel(), ScopeOf(item));
        m_list.UpdateGroupKeyCodes(group, oldLevel, oldScope);
    }
    return TRUE;
}

DataItemRules::ParentChoice DataItemRules::SetParent(CData& item, WORD parent, CString& message)
{
    using namespace DataItemRulesImpl;
    message.Empty();
    if (parent == item.GetParentItem())
        return ParentChoice::Unchanged;
    if (parent != 0 && parent == item.GetDataNumber()) {
        message = CString(u8"自分自身が親概念ﾃﾞｰﾀ項目に選択されました。") + CString(kContradiction);
        return ParentChoice::Refused;
    }
    item.SetParentItem(parent);
    const CData* p = parent != 0 ? m_list.FindDataByNumber(parent) : nullptr;
    if (!p)
        return ParentChoice::Stored;
    if (p->IsChildLevel())
        message = CString(u8"子ﾚﾍﾞﾙのﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に選択されました。");
    else if (!item.IsKeyItem() && p->IsKeyItem())
        message =
            CString(u8"ｷｰ機能がないﾃﾞｰﾀ項目の親概念ﾃﾞｰﾀ項目に、") + CString(u8"ｷｰ機能があるものが選択されました。");
    else if (item.IsKeyItem() && !p->IsKeyItem())
        message =
            CString(u8"ｷｰ機能があるﾃﾞｰﾀ項目の親概念ﾃﾞｰﾀ項目に、") + CString(u8"ｷｰ機能がないものが選択されました。");
    else if (item.IsKeyItem() && p->IsKeyItem() && item.GetKeyGroup() != p->GetKeyGroup())
        message = CString(u8"ｷｰｸﾞﾙｰﾌﾟ番号が異なるﾃﾞｰﾀ項目が親概念ﾃﾞｰﾀ項目に選択されました。");
    if (message.IsEmpty())
        return ParentChoice::Stored;
    message += CString(kContradiction);
    return ParentChoice::StoredWithFinding;
}

BOOL DataItemRules::ApplyReference(CData& item, WORD fileId, WORD itemNumber, CString& message)
{
    using namespace DataItemRulesImpl;
    message.Empty();
    if (itemNumber != 0 && fileId == m_wOwnFileId && itemNumber == item.GetDataNumber()) {
        message = CString(u8"自分自身が参照先ﾃﾞｰﾀ項目に選択されました。") + CString(kContradiction);
        return FALSE;
    }
    if (fileId == item.GetRefFile() && itemNumber == item.GetRefItem())
        return TRUE;
    CString name;
    if (itemNumber != 0) {
        if (fileId == m_wOwnFileId) {
            if (const CData* target = m_list.FindDataByNumber(itemNumber))
                name = target->GetName();
        } else if (m_otherFiles) {
            name = m_otherFiles(fileId, itemNumber);
        }
    }
    item.SetRefItem(itemNumber);
    item.SetRefItemName(name);
    item.SetRefFile(fileId);
    return TRUE;
}

int DataItemRules::Insert(int currentRow)
{
    CData* item = nullptr;
    try {
        item = new CData;
    } catch (const std::bad_alloc&) {
        return -1;
    }
    ++m_nInserted;
    item->SetDataNumber(static_cast<WORD>(m_nInitialCount + m_nInserted));
    CString counter;
    counter.Format("%d", m_nInserted);
    item->SetName(CString(u8"新規追加") + counter);
    item->SetUpdateMarks(CData::UPDATE_ADDED);
    const int index = m_list.InsertAfterData(item, currentRow < 0 ? -1 : currentRow);
    if (index < 0)
        return -1;
    const CData* above = index > 0 ? m_list.GetDataAt(index - 1) : nullptr;
    if (above && above->IsKeyItem()) {
        item->SetKeyGroup(above->GetKeyGroup());
        item->SetLevel(above->GetLevel());
        if (above->IsChildLevel())
            item->SetParentItem(above->GetParentItem());
        if (above->GetKeyGroup() != 1 || above->IsChildLevel() || m_bKeyStaysOffPhysical)
            item->SetPhysicalTarget(0);
        item->SetKeyCode("K");
        item->SetNullOption(CData::NULL_NOT_NULL);
        m_list.RecomputeKeyCodes();
    } else {
        if (above) {
            item->SetLevel(above->GetLevel());
            if (above->IsChildLevel()) {
                item->SetParentItem(above->GetParentItem());
                item->SetPhysicalTarget(0);
            }
        }
        item->SetNullOption(CData::NULL_NULL);
    }
    return index;
}

int DataItemRules::Delete(int row)
{
    CData* gone = m_list.GetDataAt(row);
    if (!gone)
        return -1;
    const WORD number = gone->GetDataNumber();
    const BOOL wasKey = gone->IsKeyItem();
    m_list.RemoveAt(m_list.FindIndex(row));
    delete gone;
    m_list.ClearUpdateMarksAll();
    for (POSITION pos = m_list.GetHeadPosition(); pos;) {
        CData* item = m_list.GetNext(pos);
        if (item->IsChildOf(number)) {
            item->SetParentItem(0);
            item->SetTopLevel();
        }
        if (item->GetRefForm() == CData::REF_BY_IDS && item->GetRefFile() == m_wOwnFileId &&
            item->GetRefItem() == number)
            item->ClearReference();
        CDataGenSrcList& sources = item->GetSources();
        for (int i = static_cast<int>(sources.GetCount()) - 1; i >= 0; --i) {
            DWORD bits = 0;
            if (sources.GetAt(i)->RefersToItem(m_wOwnFileId, number, bits))
                sources.DeleteAt(i);
        }
    }
    m_list.ClearUpdateMarksAll();
    if (wasKey)
        m_list.RecomputeKeyCodes();
    const int count = static_cast<int>(m_list.GetCount());
    if (count == 0)
        return -1;
    return row < count ? row : count - 1;
}

BOOL DataItemRules::Arrange()
{
    return m_list.SortToStandardOrder();
}

int DataItemRules::Move(int from, int to)
{
    return m_list.MoveDataItemPosByIndex(from, to);
}

BOOL DataItemRules::CheckForOK(Refusal& refusal)
{
    refusal = Refusal{};
    int index = m_list.FindEmptyNameIndex();
    if (index >= 0) {
        refusal = {CString(u8"ﾃﾞｰﾀ項目名が指定されていません。") + CString(u8"ﾃﾞｰﾀ項目名は必ず指定してください。"),
                   index, Focus::Name};
        return FALSE;
    }
    CData* first = nullptr;
    CData* second = nullptr;
    index = m_list.FindDuplicateName(first, second);
    if (index >= 0) {
        refusal = {CString(u8"ﾃﾞｰﾀ項目名が重複しているものがあります。"), index, Focus::Name};
        return FALSE;
    }
    CString message;
    index = m_list.CheckParentRules(message);
    if (index >= 0) {
        // The missing parent is a sentence of its own; the rule texts need the closing phrase.
        if (message != CString(u8"親概念ﾃﾞｰﾀ項目で指定されているﾃﾞｰﾀ項目位置にﾃﾞｰﾀ項目が見つかりません。"))
            message += CString(u8"ものがあります。");
        refusal = {message, index, Focus::Parent};
        return FALSE;
    }
    DWORD bits = 0;
    int sourceIndex = -1;
    index = m_list.FindSelfReference(m_wOwnFileId, bits, sourceIndex);
    if (index >= 0) {
        CString text;
        const auto add = [&text](const char8_t* part) {
            if (!text.IsEmpty())
                text += CString(u8"、");
            text += CString(part);
        };
        const BOOL byReference = (bits & CData::DIFF_REF_ITEM) != 0;
        const BOOL byParent = (bits & CData::DIFF_PARENT) != 0;
        const BOOL bySource = (bits & (CDataGenSrc::MARK_SOURCE_DONE | CDataGenSrc::MARK_REF_DONE)) != 0;
        if (byReference)
            add(u8"参照先ﾃﾞｰﾀ項目");
        if (byParent)
            add(u8"親概念ﾃﾞｰﾀ項目");
        if (bySource)
            add(u8"加工元ﾃﾞｰﾀ項目");
        refusal = {text + CString(u8"の定義が自分自身を参照しています。"), index,
                   byReference ? Focus::ReferencedItem
                   : byParent  ? Focus::Parent
                               : Focus::Sources};
        return FALSE;
    }
    if (m_list.IsOrderChanged()) {
        refusal = {CString(u8"ﾃﾞｰﾀ項目の並び順を見直す必要があります。確認してください。"), -1, Focus::None};
        return FALSE;
    }
    return m_list.RecomputeKeyCodes();
}
