#include "model/FileCompMerge.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "model/Data.h"
#include "model/DataList.h"
#include "model/FileComp.h"
#include "model/FileCompItemLists.h"
#include "model/RelationGraph.h"
#include "objects/BaseObj.h"
#include "platform/afx/MessageSink.h"
#include "view/FileMergeServices.h"

#include <map>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <utility>

namespace FileCompMerge {

namespace {

constexpr int kIoTextLimit = 50;
// Gathered files: 4 mm beside the selected file and below its top, 4 mm apart, rows 10 mm apart
// whatever the files' heights; the placement looks at nothing already standing there.
constexpr int kGatherGap = 40;
constexpr int kGatherRowStep = 100;
constexpr int kGatherColumns = 3;
// The extra value of a gathering's moves: every line end on a gathered file moves on its own.
constexpr DWORD kEndsFollowSeparately = 1;

MatchFailureProbe& Probe()
{
    static MatchFailureProbe probe;
    return probe;
}

// --- Name gathering ---------------------------------------------------------------------------

struct Gathering
{
    CFileComp* selected = nullptr;
    BOOL alreadyGathered = FALSE;
    std::vector<CFileComp*> files;
};

// Works out every gathering before anything moves: a file gathered by an earlier selected file is
// taken by no later one and gathers nothing itself. FALSE when a match test failed.
BOOL PlanGatherings(const CBaseDoc& doc, const std::vector<CFileComp*>& selected, std::vector<Gathering>& plan)
{
    std::set<const CFileComp*> gathered;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& file) {
        if (file.HasNameMatchMark())
            gathered.insert(&file);
    });
    int tests = 0;
    for (CFileComp* s : selected) {
        Gathering g;
        g.selected = s;
        g.alreadyGathered = gathered.count(s) != 0;
        if (!g.alreadyGathered) {
            BOOL failed = FALSE;
            RelationGraph::FindObjectOf<CFileComp>(doc, [&](CFileComp& file) {
                if (&file == s || gathered.count(&file))
                    return false;
                const MatchFailureProbe& probe = Probe();
                const int match = probe && probe(tests++) ? -1 : file.IsNameMatch(*s);
                if (match < 0) {
                    failed = TRUE;
                    return true;
                }
                if (match > 0) {
                    g.files.push_back(&file);
                    gathered.insert(&file);
                }
                return false;
            });
            if (failed)
                return FALSE;
        }
        plan.push_back(std::move(g));
    }
    return TRUE;
}

int ApplyGathering(CBaseDoc& doc, const Gathering& g)
{
    if (g.alreadyGathered)
        return 0;
    CFileComp& s = *g.selected;
    doc.RecordChangedOnce(&s);
    s.SetPenColor(kSelectedPen);
    doc.UpdateObjectInViews(&s);
    const CRect r = s.GetRect();
    CPoint p(r.right + kGatherGap, r.top - kGatherGap);
    int column = 0, count = 0;
    for (CFileComp* file : g.files) {
        ++count;
        ++column;
        const CRect before = file->GetRect();
        const CSize offset(p.x - before.left, p.y - before.top);
        doc.RecordChangedOnce(file);
        // Each attached line end follows its own file: an arrow to the selected file, which stays
        // where it is, must not move away from it as a whole.
        if (offset != CSize(0, 0))
            doc.MoveOrResizeObject(file, FALSE, &offset, HIT_BODY, kEndsFollowSeparately);
        file->SetNameMatchMark();
        doc.UpdateObjectInViews(file);
        if (column == kGatherColumns) {
            p = CPoint(r.right + kGatherGap, p.y - kGatherRowStep);
            column = 0;
        } else {
            p.x += file->GetRect().Width() + kGatherGap;
        }
    }
    return count;
}

int Gather(CBaseDoc& doc, const std::vector<CFileComp*>& selected)
{
    std::vector<Gathering> plan;
    if (!PlanGatherings(doc, selected, plan))
        return -1;
    int count = 0;
    for (const Gathering& g : plan)
        count += ApplyGathering(doc, g);
    if (count > 0)
        doc.UpdateAllViews(nullptr);
    return count;
}

// --- File merge -------------------------------------------------------------------------------

std::set<std::string> TopLevelNames(const CDataPtrList& group)
{
    std::set<std::string> names;
    for (POSITION pos = group.GetHeadPosition(); pos;) {
        const CData* item = group.GetNext(pos);
        if (!item->IsChildLevel())
            names.insert(item->GetName().GetString());
    }
    return names;
}

// The key group of the file whose top-level names are those of the group: its key items appended
// to out, or FALSE when it has none (or collecting failed).
BOOL FindMatchingKeyGroup(const CFileComp& file, const CDataPtrList& group, CDataPtrList& out)
{
    const std::set<std::string> names = TopLevelNames(group);
    for (WORD g = 1; g != 0; ++g) {
        CDataPtrList candidate;
        if (file.CollectKeyGroup(g, candidate) <= 0)
            return FALSE;
        if (TopLevelNames(candidate) == names) {
            out.AddTail(&candidate);
            return TRUE;
        }
    }
    return FALSE;
}

// The item of the list with the name at the same level; null when there is none.
CData* FindSameNameAtLevel(const CDataPtrList& list, const CData& item)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CData* candidate = list.GetNext(pos);
        if (candidate->IsSameName(item) && !candidate->IsChildLevel() == !item.IsChildLevel())
            return candidate;
    }
    return nullptr;
}

CData* NewCopy(const CData& item)
{
    try {
        auto* copy = new CData(item);
        copy->SetUpdateMarks(copy->GetUpdateMarks() | CData::UPDATE_MERGED);
        copy->SetDataNumber(0);
        return copy;
    } catch (const std::bad_alloc&) {
        AfxMessageBox(CString(u8"所属ﾃﾞｰﾀ項目ｵﾌﾞｼﾞｪｸﾄの作成時にｴﾗｰが発生したため所属ﾃﾞｰﾀ項目をﾏｰｼﾞできません。"),
                      MB_ICONEXCLAMATION);
        return nullptr;
    }
}

int IndexOf(const CDataList& list, const CData* item)
{
    int index = 0;
    for (POSITION pos = list.GetHeadPosition(); pos; ++index) {
        if (list.GetNext(pos) == item)
            return index;
    }
    return -1;
}

// The target's working list and, for each item of the merged file, the item of that list that
// stands for it afterwards: its copy, or the target's own item that the matching found the same.
class MergePlan
{
public:
    MergePlan(const CFileComp& target, const CFileComp& merged) : m_target(target), m_merged(merged) {}

    BOOL Build()
    {
        return m_working.CopyDataFrom(m_target.GetDataList()) >= 0 && MergeKeyGroups() && MergeNonKeyItems();
    }

    // Cuts the merged copies loose from the merged file: sources that use it go, references into
    // it are noted for afterwards and cleared, and a child copy takes the last top-level item
    // before it as its parent.
    void DetachCopies()
    {
        const WORD mergedId = m_merged.GetObjectId();
        WORD position = 0, lastTop = 0;
        for (POSITION pos = m_working.GetHeadPosition(); pos;) {
            CData* item = m_working.GetNext(pos);
            ++position;
            if (!item->IsChildLevel())
                lastTop = position;
            if (!(item->GetUpdateMarks() & CData::UPDATE_MERGED))
                continue;
            if (item->GetRefForm() == CData::REF_BY_IDS && item->GetRefFile() == mergedId && item->GetRefItem() != 0)
                m_ownReferences.emplace_back(position, item->GetRefItem());
            item->DetachFromFile(mergedId, mergedId);
            if (item->IsChildLevel()) {
                item->SetParentItem(lastTop);
                item->SetUpdateMarks(item->GetUpdateMarks() | CData::UPDATE_PARENT_DONE);
            }
        }
    }

    const CDataList& Working() const { return m_working; }

    // The number and name in the installed target of the item that stands for the merged file's
    // item of that number: FALSE when none does.
    BOOL FindCounterpart(WORD mergedNumber, WORD& number, CString& name) const
    {
        const auto found = m_counterparts.find(mergedNumber);
        if (found == m_counterparts.end())
            return FALSE;
        const int index = IndexOf(m_working, found->second);
        if (index < 0)
            return FALSE;
        number = WORD(index + 1);
        name = found->second->GetName();
        return TRUE;
    }
    // Merged copies (by their number in the installed target) that referred into the merged file.
    const std::vector<std::pair<WORD, WORD>>& OwnReferences() const { return m_ownReferences; }

private:
    BOOL MergeKeyGroups()
    {
        for (WORD g = 1; g != 0; ++g) {
            CDataPtrList group;
            const int count = m_merged.CollectKeyGroup(g, group);
            if (count < 0)
                return FALSE;
            if (count == 0)
                return TRUE;
            const int match = m_target.HasMatchingKeyGroup(group);
            if (match < 0)
                return FALSE;
            if (match > 0 ? !MapMatchingGroup(group) : !AppendGroup(group))
                return FALSE;
        }
        return TRUE;
    }

    // The target has the group: each key item stands for the one of the same name and level.
    BOOL MapMatchingGroup(const CDataPtrList& group)
    {
        CDataPtrList own;
        if (!FindMatchingKeyGroup(m_target, group, own))
            return TRUE;
        for (POSITION pos = group.GetHeadPosition(); pos;) {
            const CData* item = group.GetNext(pos);
            if (const CData* same = FindSameNameAtLevel(own, *item))
                MapToTargetItem(*item, *same);
        }
        return TRUE;
    }

    BOOL AppendGroup(const CDataPtrList& group)
    {
        CDataList copies;
        for (POSITION pos = group.GetHeadPosition(); pos;) {
            if (!copies.AppendCopyOf(*group.GetNext(pos)))
                return FALSE;
        }
        const WORD newGroup = WORD(m_working.GetMaxKeyGroup() + 1);
        if (m_working.MergeAsKeyGroup(copies) < 0)
            return FALSE;
        // The inserted copies stand in the group's order.
        POSITION source = group.GetHeadPosition();
        for (POSITION pos = m_working.GetHeadPosition(); pos && source;) {
            CData* item = m_working.GetNext(pos);
            if (item->GetKeyGroup() == newGroup && (item->GetUpdateMarks() & CData::UPDATE_MERGED))
                m_counterparts[group.GetNext(source)->GetDataNumber()] = item;
        }
        return TRUE;
    }

    BOOL MergeNonKeyItems()
    {
        enum class Top { None, Copied, Existing };
        Top top = Top::None;
        CData* existingTop = nullptr;
        CData* insertAfter = nullptr;
        BOOL childrenWanted = FALSE;
        const CDataList& items = m_merged.GetDataList();
        for (POSITION pos = items.GetHeadPosition(); pos;) {
            const CData* item = items.GetNext(pos);
            if (item->IsKeyItem())
                continue;
            if (!item->IsChildLevel()) {
                if (const CData* same = m_target.FindSameNonKeyItem(*item)) {
                    top = Top::Existing;
                    existingTop = m_working.FindDataByNumber(same->GetDataNumber());
                    insertAfter = existingTop;
                    childrenWanted = existingTop && !m_working.HasChildOf(existingTop->GetDataNumber());
                    if (existingTop)
                        m_counterparts[item->GetDataNumber()] = existingTop;
                    continue;
                }
                top = Top::Copied;
                if (!Append(*item))
                    return FALSE;
                continue;
            }
            if (top == Top::Copied) {
                if (!Append(*item))
                    return FALSE;
            } else if (top == Top::Existing && childrenWanted) {
                CData* copy = NewCopy(*item);
                if (!copy || m_working.InsertAfterData(copy, IndexOf(m_working, insertAfter)) < 0)
                    return FALSE;
                m_counterparts[item->GetDataNumber()] = copy;
                insertAfter = copy;
            } else if (top == Top::Existing && existingTop) {
                // Dropped: the target's child of the same name under that item stands for it.
                for (POSITION at = m_working.GetHeadPosition(); at;) {
                    CData* own = m_working.GetNext(at);
                    if (own->IsChildOf(existingTop->GetDataNumber()) && own->IsSameName(*item) &&
                        !(own->GetUpdateMarks() & CData::UPDATE_MERGED)) {
                        m_counterparts[item->GetDataNumber()] = own;
                        break;
                    }
                }
            }
        }
        return TRUE;
    }

    BOOL Append(const CData& item)
    {
        CData* copy = NewCopy(item);
        if (!copy || !m_working.AddDataDirect(copy))
            return FALSE;
        m_counterparts[item.GetDataNumber()] = copy;
        return TRUE;
    }

    void MapToTargetItem(const CData& item, const CData& own)
    {
        if (CData* working = m_working.FindDataByNumber(own.GetDataNumber()))
            m_counterparts[item.GetDataNumber()] = working;
    }

    const CFileComp& m_target;
    const CFileComp& m_merged;
    CDataList m_working;
    std::map<WORD, CData*> m_counterparts;
    std::vector<std::pair<WORD, WORD>> m_ownReferences;
};

void PointAt(CData& item, WORD fileId, WORD number, const CString& name)
{
    item.SetRefFile(fileId);
    item.SetRefItem(number);
    item.SetRefItemName(name);
}

// Every reference into the merged file whose item has a counterpart in the target points at the
// counterpart; those without one are left to the merged file's removal, which clears them. So is
// one whose counterpart is the referring item itself.
void RedirectReferences(CBaseDoc& doc, const MergePlan& plan, CFileComp& target, const CFileComp& merged)
{
    const WORD targetId = target.GetObjectId(), mergedId = merged.GetObjectId();
    WORD number = 0;
    CString name;
    RelationGraph::ForEachObjectOf<CFileComp>(doc, [&](CFileComp& file) {
        if (&file == &merged)
            return;
        BOOL changed = FALSE;
        CDataList& items = file.GetDataList();
        for (POSITION pos = items.GetHeadPosition(); pos;) {
            CData* item = items.GetNext(pos);
            if (item->GetRefForm() != CData::REF_BY_IDS || item->GetRefFile() != mergedId || item->GetRefItem() == 0)
                continue;
            if (!plan.FindCounterpart(item->GetRefItem(), number, name))
                continue;
            if (&file == &target && item->GetDataNumber() == number)
                continue;
            if (!changed)
                doc.RecordChangedOnce(&file);
            PointAt(*item, targetId, number, name);
            changed = TRUE;
        }
        if (changed)
            doc.UpdateObjectInViews(&file);
    });
    // The merged copies' references into their old file now point into the target.
    for (const auto& [position, mergedNumber] : plan.OwnReferences()) {
        CData* item = target.FindDataByNumber(position);
        if (!item || !plan.FindCounterpart(mergedNumber, number, name) || number == position)
            continue;
        doc.RecordChangedOnce(&target);
        PointAt(*item, targetId, number, name);
    }
}

class MergeServicesImpl : public FileMergeServices
{
public:
    int CollectSameNameFileComps(CBaseDoc& doc, const CObList& selectedFiles) override
    {
        std::vector<CFileComp*> files;
        for (POSITION pos = selectedFiles.GetHeadPosition(); pos;) {
            if (auto* file = DYNAMIC_DOWNCAST(CFileComp, selectedFiles.GetNext(pos)))
                files.push_back(file);
        }
        return CollectSameNameFileCompsForAll(doc, files);
    }
    BOOL MergeFileCompInto(CBaseDoc& doc, CObject* target, CObject* merged) override
    {
        auto* into = DYNAMIC_DOWNCAST(CFileComp, target);
        auto* from = DYNAMIC_DOWNCAST(CFileComp, merged);
        return into && from && FileCompMerge::MergeFileCompInto(doc, *into, *from);
    }
};

} // namespace

int CollectSameNameFileComps(CBaseDoc& doc, CFileComp& selected)
{
    return Gather(doc, {&selected});
}

int CollectSameNameFileCompsForAll(CBaseDoc& doc, const std::vector<CFileComp*>& selected)
{
    RelationGraph::ClearNameMatchMarks(doc);
    return Gather(doc, selected);
}

CString JoinIoNumberTexts(const CString& target, const CString& merged)
{
    if (merged.IsEmpty())
        return target;
    if (target.IsEmpty())
        return merged;
    if (target.Find(merged) >= 0)
        return target;
    const CString joined = target + ", " + merged;
    if (joined.GetLength() <= kIoTextLimit)
        return joined;
    const char* bytes = joined.GetString();
    int end = 0;
    while (end < kIoTextLimit) {
        const int step = IsDBCSLeadByte(BYTE(bytes[end])) ? 2 : 1;
        if (end + step > kIoTextLimit)
            break;
        end += step;
    }
    return joined.Left(end);
}

BOOL MergeFileCompInto(CBaseDoc& doc, CFileComp& target, CFileComp& merged)
{
    if (&target == &merged || doc.IsReadOnly())
        return FALSE;
    CUndoStep step(&doc);
    if (!step.IsOpen())
        return FALSE;
    RelationGraph::ClearDataItemUpdateMarks(doc);
    MergePlan plan(target, merged);
    if (!plan.Build())
        return FALSE;
    plan.DetachCopies();
    // The target takes its new items first: should that fail, the merged file is still there.
    if (!FileCompItemLists::ReplaceFileCompDataList(doc, target, plan.Working(), TRUE, FALSE))
        return FALSE;
    const CString ioText = JoinIoNumberTexts(target.GetNumIOSourceText(), merged.GetNumIOSourceText());
    if (ioText != target.GetNumIOSourceText()) {
        doc.RecordChangedOnce(&target);
        target.SetNumIOSourceText(ioText);
        doc.SetModified(TRUE);
    }
    RedirectReferences(doc, plan, target, merged);
    doc.UpdateObjectInViews(&target);
    doc.RemoveObject(&merged);
    doc.SelectObjectInViews(&target);
    return TRUE;
}

void RegisterViewServices()
{
    static MergeServicesImpl services;
    SetFileMergeServices(&services);
}

MatchFailureProbe SetMatchFailureProbe(MatchFailureProbe probe)
{
    return std::exchange(Probe(), std::move(probe));
}

} // namespace FileCompMerge
