#include "model/DataList.h"

#include "foundation/TextFunctions.h"

#include "platform/afx/Archive.h"
#include "platform/afx/MessageSink.h"
#include "platform/ui/Controls.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CDataList, CObList, 1)

namespace DataList {

BOOL IsPlaced(const CData* item)
{
    return (item->GetMarks() & CData::MARK_PLACED) != 0;
}

void MarkPlaced(CData* item)
{
    item->SetMarks(item->GetMarks() | CData::MARK_PLACED);
}

// The names of the top-level items of a list of items.
template <class List>
std::vector<CString> TopLevelNames(const List& list)
{
    std::vector<CString> names;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        const CData* item = list.GetNext(pos);
        if (!item->IsChildLevel())
            names.push_back(item->GetName());
    }
    return names;
}

bool ContainsAll(const std::vector<CString>& names, const std::vector<CString>& wanted)
{
    for (const CString& name : wanted) {
        if (std::find(names.begin(), names.end(), name) == names.end())
            return false;
    }
    return true;
}

} // namespace DataList

void CDataList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        CObList::Serialize(ar);
        return;
    }
    LoadOwnedElements(ar, *this, RUNTIME_CLASS(CData));
}

// --- Adding, inserting, moving --------------------------------------------------------------------

BOOL CDataList::AddDataDirect(CData* item)
{
    return AddOwnedTail(*this, item, "CDataList::AddDataDirect");
}

BOOL CDataList::AddDataDirectHead(CData* item)
{
    return AddOwnedHead(*this, item, "CDataList::AddDataDirect");
}

int CDataList::InsertAfterData(CData* item, int index)
{
    if (index == kInsertAtHead)
        return AddOwnedHead(*this, item, "CDataList::InsertAfterData") ? 0 : -1;
    const POSITION pos = index < 0 ? nullptr : FindIndex(index);
    if (!pos)
        return AddDataDirect(item) ? int(GetCount()) - 1 : -1;
    return InsertOwnedAfter(*this, pos, item, "CDataList::InsertAfterData") ? index + 1 : -1;
}

int CDataList::MoveDataItemPosByIndex(int from, int to)
{
    return MoveElementByIndex(*this, from, to, "CDataList::MoveDataItemPosByIndex");
}

// --- Lookups --------------------------------------------------------------------------------------

CData* CDataList::FindDataByNumber(WORD number) const
{
    const int index = FindDataIndexByNumber(number);
    return index < 0 ? nullptr : GetDataAt(index);
}

int CDataList::FindDataIndexByNumber(WORD number) const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        if (GetNext(pos)->GetDataNumber() == number)
            return index;
    }
    return -1;
}

CData* CDataList::FindDataByName(const CString& name) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (item->GetName() == name)
            return item;
    }
    return nullptr;
}

int CDataList::FindEmptyNameIndex() const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        if (GetNext(pos)->GetName().IsEmpty())
            return index;
    }
    return -1;
}

CData* CDataList::FindSameNonKeyItem(const CData& item) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* candidate = GetNext(pos);
        if (!candidate->IsKeyItem() && candidate->IsSameName(item) && candidate->GetKeyCode() == item.GetKeyCode() &&
            candidate->GetRkeyCode() == item.GetRkeyCode() &&
            candidate->GetDerivationCode() == item.GetDerivationCode())
            return candidate;
    }
    return nullptr;
}

int CDataList::FindDuplicateName(CData*& first, CData*& second) const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        CData* item = GetNext(pos);
        for (POSITION later = pos; later;) {
            CData* other = GetNext(later);
            if (other->IsSameName(*item)) {
                first = item;
                second = other;
                return index;
            }
        }
    }
    return -1;
}

CData* CDataList::FindPreviousItem(WORD number) const
{
    CData* previous = nullptr;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (item->GetDataNumber() == number)
            return previous;
        previous = item;
    }
    return nullptr;
}

BOOL CDataList::HasAnyNumberText() const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        if (!GetNext(pos)->GetNumberText().IsEmpty())
            return TRUE;
    }
    return FALSE;
}

BOOL CDataList::ClearNumberTexts()
{
    BOOL cleared = FALSE;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (!item->GetNumberText().IsEmpty()) {
            item->SetNumberText(CString());
            cleared = TRUE;
        }
    }
    return cleared;
}

int CDataList::CountChildrenOf(WORD number) const
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        count += GetNext(pos)->IsChildOf(number) ? 1 : 0;
    return count;
}

// --- Copying --------------------------------------------------------------------------------------

BOOL CDataList::AppendCopyOf(const CData& item)
{
    CData* copy = NewElementCopy(item, "CDataList::AddDataDirect");
    return copy && AddDataDirect(copy);
}

int CDataList::CopyDataFrom(const CDataList& other)
{
    return AppendOwnedCopies(*this, other, "CDataList::AddDataDirect");
}

int CDataList::AssignDataFrom(const CDataList& other)
{
    DeleteAll();
    return CopyDataFrom(other);
}

// --- Key groups -----------------------------------------------------------------------------------

WORD CDataList::GetMaxKeyGroup() const
{
    WORD group = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->IsKeyItem() && item->GetKeyGroup() > group)
            group = item->GetKeyGroup();
    }
    return group;
}

WORD CDataList::GetPrimaryKeyGroup() const
{
    // Starting from "none" rather than from a large group number keeps every real group, 32767
    // and above included.
    bool found = false;
    WORD group = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->IsKeyItem() && (!found || item->GetKeyGroup() < group)) {
            group = item->GetKeyGroup();
            found = true;
        }
    }
    return group;
}

WORD CDataList::GetKeyGroupAbove(WORD number) const
{
    WORD group = 1;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->GetDataNumber() == number)
            return group;
        if (item->IsKeyItem())
            group = item->GetKeyGroup();
    }
    return 1;
}

int CDataList::CountKeyItems(WORD group, WORD level, WORD parent) const
{
    const bool childLevel = level > 1;
    if (childLevel && parent == 0)
        return 0;
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (!item->IsKeyItem() || item->GetKeyGroup() != group || bool(item->IsChildLevel()) != childLevel)
            continue;
        if (!childLevel || item->GetParentItem() == parent)
            ++count;
    }
    return count;
}

int CDataList::CollectKeyGroup(WORD group, CDataPtrList& out) const
{
    int count = 0;
    try {
        for (POSITION pos = GetHeadPosition(); pos;) {
            CData* item = GetNext(pos);
            if (item->IsKeyItem() && item->GetKeyGroup() == group) {
                out.AddTail(item);
                ++count;
            }
        }
    } catch (...) {
        out.RemoveAll();
        return -1;
    }
    return count;
}

int CDataList::HasMatchingKeyGroup(const CDataPtrList& other) const
{
    const std::vector<CString> otherNames = DataList::TopLevelNames(other);
    for (WORD group = 1;; ++group) {
        CDataPtrList members;
        const int count = CollectKeyGroup(group, members);
        if (count <= 0)
            return count;
        const std::vector<CString> names = DataList::TopLevelNames(members);
        if (DataList::ContainsAll(otherNames, names) && DataList::ContainsAll(names, otherNames))
            return 1;
        if (group == 0xFFFF)
            return 0;
    }
}

BOOL CDataList::HasNonRkeyKeyItem() const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->IsKeyItem() && !item->IsRkeyItem())
            return TRUE;
    }
    return FALSE;
}

BOOL CDataList::HasRkeyInGroupOne() const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->IsKeyItem() && item->GetKeyGroup() == 1 && item->IsRkeyItem())
            return TRUE;
    }
    return FALSE;
}

int CDataList::ClearKeyPhysicalTargets()
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (item->IsKeyItem()) {
            item->SetPhysicalTarget(0);
            ++count;
        }
    }
    return count;
}

int CDataList::SetPrimaryPhysicalTargets()
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (item->IsKeyItem() && item->GetKeyGroup() == 1 && !item->IsChildLevel()) {
            item->SetPhysicalTarget(1);
            ++count;
        }
    }
    return count;
}

int CDataList::ResetPhysicalTargetsByLevel()
{
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        const DWORD flag = item->IsChildLevel() ? 0 : 1;
        if (item->GetPhysicalTarget() != flag) {
            item->SetPhysicalTarget(flag);
            ++changed;
        }
    }
    return changed;
}

// --- Standard order and key codes -----------------------------------------------------------------

void CDataList::PlaceWithChildren(CData* item, CDataPtrList& out)
{
    out.AddTail(item);
    DataList::MarkPlaced(item);
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* child = GetNext(pos);
        if (!DataList::IsPlaced(child) && child->IsChildOf(item->GetDataNumber())) {
            out.AddTail(child);
            DataList::MarkPlaced(child);
        }
    }
}

BOOL CDataList::BuildStandardOrder(CDataPtrList& out)
{
    using DataList::IsPlaced;
    ClearTransientAll();
    BOOL built = TRUE;
    try {
        // Each step visits the unplaced items in list order and places those it takes.
        const auto place = [&](auto takes, bool withChildren) {
            for (POSITION pos = GetHeadPosition(); pos;) {
                CData* item = GetNext(pos);
                if (IsPlaced(item) || !takes(item))
                    continue;
                if (withChildren) {
                    PlaceWithChildren(item, out);
                } else {
                    out.AddTail(item);
                    DataList::MarkPlaced(item);
                }
            }
        };
        const WORD maxGroup = GetMaxKeyGroup();
        for (DWORD group = 1; group <= maxGroup; ++group) {
            const auto inGroup = [group](const CData* item) {
                return item->IsKeyItem() && item->GetKeyGroup() == group;
            };
            place([&](const CData* item) { return inGroup(item) && !item->IsChildLevel(); }, true);
            place(inGroup, false);
        }
        place([](const CData* item) { return !item->IsKeyItem() && !item->IsChildLevel(); }, true);
        place([](const CData* item) { return !item->IsKeyItem(); }, false);
    } catch (...) {
        out.RemoveAll();
        built = FALSE;
    }
    ClearTransientAll();
    return built;
}

BOOL CDataList::IsOrderChanged()
{
    CDataPtrList order;
    if (!BuildStandardOrder(order))
        return FALSE;
    for (POSITION a = GetHeadPosition(), b = order.GetHeadPosition(); a && b;) {
        if (GetNext(a)->GetDataNumber() != order.GetNext(b)->GetDataNumber())
            return TRUE;
    }
    return FALSE;
}

BOOL CDataList::SortToStandardOrder()
{
    // The new order is built aside; the list's own nodes then take the same items in that order,
    // so nothing can fail once the list is being changed and no item is ever lost.
    CDataPtrList order;
    if (!BuildStandardOrder(order) || order.GetCount() != GetCount())
        return FALSE;
    for (POSITION pos = GetHeadPosition(), from = order.GetHeadPosition(); pos && from;) {
        SetAt(pos, order.GetNext(from));
        GetNext(pos);
    }
    return TRUE;
}

int CDataList::MakeChildrenKeys(WORD number)
{
    const CData* parent = FindDataByNumber(number);
    if (!parent)
        return -1;
    const int children = CountChildrenOf(number);
    for (POSITION pos = GetTailPosition(); pos;) {
        CData* child = GetPrev(pos);
        if (!child->IsChildOf(number))
            continue;
        child->SetKeyGroup(parent->GetKeyGroup());
        const CString code = CData::MakeKeyCode(TRUE, children > 1, child->IsRkeyItem());
        if (child->GetKeyCode() != code) {
            child->SetKeyCode(code);
            child->SetNullOption(CData::NULL_NOT_NULL);
        }
    }
    return children;
}

int CDataList::UpdateGroupKeyCodes(WORD group, WORD level, WORD parent)
{
    const bool childLevel = level > 1;
    const BOOL several = CountKeyItems(group, level, parent) > 1;
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (!item->IsKeyItem() || item->GetKeyGroup() != group || bool(item->IsChildLevel()) != childLevel)
            continue;
        if (childLevel ? item->GetParentItem() != parent : item->GetDataNumber() == parent)
            continue;
        const CString wanted = CData::MakeKeyCode(TRUE, several, item->IsRkeyItem());
        if (item->GetKeyCode() != wanted) {
            item->SetKeyCode(wanted);
            ++changed;
        }
    }
    return changed;
}

BOOL CDataList::RecomputeKeyCodes()
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (!item->IsKeyItem())
            continue;
        const WORD parent = item->IsChildLevel() ? item->GetParentItem() : item->GetDataNumber();
        const int count = CountKeyItems(item->GetKeyGroup(), item->GetLevel(), parent);
        item->SetKeyCode(CData::MakeKeyCode(TRUE, count >= 2, item->IsRkeyItem()));
    }
    return TRUE;
}

// --- Checks ---------------------------------------------------------------------------------------

int CDataList::CheckParentRules(CString& message) const
{
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        const CData* item = GetNext(pos);
        const CData* parent = nullptr;
        if (item->GetParentItem() != 0) {
            parent = FindDataByNumber(item->GetParentItem());
            if (!parent) {
                message = CString(u8"親概念ﾃﾞｰﾀ項目で指定されているﾃﾞｰﾀ項目位置にﾃﾞｰﾀ項目が見つかりません。");
                return index;
            }
        }
        if (item->CheckParentRule(parent, message))
            return index;
    }
    return -1;
}

int CDataList::FindSelfReference(WORD ownFileId, DWORD& bits, int& sourceIndex) const
{
    sourceIndex = -1;
    int index = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++index) {
        const CData* item = GetNext(pos);
        const WORD number = item->GetDataNumber();
        if (number == 0)
            continue; // an item not numbered yet cannot be pointed at
        DWORD found = 0;
        if (item->GetParentItem() == number)
            found |= CData::DIFF_PARENT;
        if (item->GetRefForm() == CData::REF_BY_IDS && item->GetRefFile() == ownFileId && item->GetRefItem() == number)
            found |= CData::DIFF_REF_ITEM;
        item->GetSources().FindSourceReferringTo(ownFileId, number, found, sourceIndex);
        if (found) {
            bits |= found;
            return index;
        }
    }
    return -1;
}

BOOL CDataList::AnyItemRefersToFile(WORD ownFileId, WORD fileId) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        const CData* item = GetNext(pos);
        if (item->GetSources().AnyUsesFile(fileId))
            return TRUE;
        const DWORD marks = item->GetUpdateMarks();
        if (item->GetParentItem() != 0 && fileId == ownFileId && !(marks & CData::UPDATE_PARENT_DONE))
            return TRUE;
        if (item->GetRefForm() == CData::REF_BY_IDS && item->GetRefFile() == fileId &&
            !(marks & CData::UPDATE_REF_FROZEN))
            return TRUE;
    }
    return FALSE;
}

// --- RKEY candidates ------------------------------------------------------------------------------

BOOL CDataList::AnyRkeyCandidate(const CData& keyItem, BOOL overwrite) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        if (GetNext(pos)->CanSetRkeyReference(keyItem, overwrite))
            return TRUE;
    }
    return FALSE;
}

int CDataList::SetRkeyReferences(WORD fileId, const CData& keyItem, BOOL overwrite)
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        count += GetNext(pos)->SetRkeyReference(fileId, keyItem, overwrite) ? 1 : 0;
    return count;
}

int CDataList::SetRkeyReferencesToOtherDiagram(WORD fileId, const CString& fileName, const CData& keyItem,
                                               const CRefDoc& refDoc, BOOL overwrite)
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        count += GetNext(pos)->SetRkeyReferenceToOtherDiagram(fileId, fileName, keyItem, refDoc, overwrite) ? 1 : 0;
    return count;
}

// --- Merge, combos, names and column names --------------------------------------------------------

int CDataList::MergeAsKeyGroup(const CDataList& other)
{
    const WORD group = WORD(GetMaxKeyGroup() + 1);
    // After the leading run of key items: the last of them, or none (null) for the head.
    POSITION after = nullptr;
    for (POSITION pos = GetHeadPosition(); pos;) {
        const POSITION at = pos;
        if (!GetNext(pos)->IsKeyItem())
            break;
        after = at;
    }
    int count = 0;
    for (POSITION pos = other.GetHeadPosition(); pos;) {
        CData* copy = nullptr;
        try {
            copy = new CData(*other.GetNext(pos));
        } catch (...) {
            AfxMessageBox(CString(u8"所属ﾃﾞｰﾀ項目ｵﾌﾞｼﾞｪｸﾄの作成時にｴﾗｰが発生したため所属ﾃﾞｰﾀ項目をﾏｰｼﾞできません。"),
                          MB_ICONEXCLAMATION);
            return -1;
        }
        copy->SetUpdateMarks(copy->GetUpdateMarks() | CData::UPDATE_MERGED);
        copy->SetKeyGroup(group);
        const BOOL inserted = after ? InsertOwnedAfter(*this, after, copy, "CDataList::InsertAfterData")
                                    : AddOwnedHead(*this, copy, "CDataList::InsertAfterData");
        if (!inserted)
            return -1;
        // The next copy goes after this one.
        if (after)
            GetNext(after);
        else
            after = GetHeadPosition();
        ++count;
        copy->SetDataNumber(0);
    }
    return count;
}

int CDataList::FillDataItemCombo(CComboBox* combo, BOOL keyItemsOnly, BOOL withNone) const
{
    const CString listName(u8"ﾃﾞｰﾀ項目");
    combo->ResetContent();
    if (withNone && !AddComboDataRow(combo, CString(u8"(指定しない)"), 0, listName))
        return -1;
    int visited = 0;
    for (POSITION pos = GetHeadPosition(); pos; ++visited) {
        const CData* item = GetNext(pos);
        if (keyItemsOnly && !item->IsKeyItem())
            continue;
        if (!AddComboDataRow(combo, item->GetName(), item->GetDataNumber(), listName))
            return 0;
    }
    return visited;
}

int CDataList::CountNameMatches(const CString& text, BOOL matchCase) const
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CString name = GetNext(pos)->GetName();
        if (!matchCase)
            name.MakeUpper();
        count += name.Find(text) >= 0 ? 1 : 0;
    }
    return count;
}

int CDataList::ReplaceInDataNames(const CString& find, const CString& replacement, BOOL matchCase)
{
    int changed = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        CString replaced;
        if (ReplaceAllText(item->GetName(), find, replacement, matchCase, replaced) && replaced != item->GetName()) {
            item->SetName(replaced);
            ++changed;
        }
    }
    return changed;
}

int CDataList::CountColumnNameTargets(DWORD option) const
{
    int count = 0;
    for (POSITION pos = GetHeadPosition(); pos;)
        count += GetNext(pos)->IsColumnNameTarget(option) ? 1 : 0;
    return count;
}

int CDataList::CreateColumnNames(DWORD option, const DataTypeLookup& types)
{
    int created = 0;
    for (POSITION pos = GetHeadPosition(); pos;) {
        CData* item = GetNext(pos);
        if (item->IsColumnNameTarget(option) && item->CreateColumnName(option, types))
            ++created;
    }
    return created;
}

void CDataList::ClearTransientAll()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->ClearTransient();
}

void CDataList::ClearUpdateMarksAll()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        GetNext(pos)->ClearUpdateMarks();
}
