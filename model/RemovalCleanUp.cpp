#include "model/RemovalCleanUp.h"

#include "document/BaseDoc.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/MainArrowUpkeep.h"
#include "model/ModelEdits.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "model/RemovalCleanUpIndex.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"

#include <set>
#include <utility>
#include <vector>

namespace RemovalCleanUp {

namespace {

using RelationGraph::FindObject;

// The list as it stands: the clean-ups remove objects while they walk it.
std::vector<CObject*> SnapshotObjects(const CBaseDoc& doc)
{
    const CObList* objects = doc.GetObjectList();
    std::vector<CObject*> snapshot;
    snapshot.reserve(size_t(objects->GetCount()));
    for (POSITION pos = objects->GetHeadPosition(); pos;)
        snapshot.push_back(objects->GetNext(pos));
    return snapshot;
}

// Holds the index while a walk over its objects goes on, however the walk ends.
class WalkGuard
{
public:
    explicit WalkGuard(RemovalCleanUpIndex& index) : m_index(index) { m_index.BeginWalk(); }
    ~WalkGuard() { m_index.EndWalk(); }
    WalkGuard(const WalkGuard&) = delete;
    WalkGuard& operator=(const WalkGuard&) = delete;

private:
    RemovalCleanUpIndex& m_index;
};

// Visits, in drawing order, every object of a walk over the list as it stands that can have to do
// with the id: those that name it (and the merged conceptual files, when asked) at the start, and
// any object further on that a change on the way touched. Every other object of the walk would be
// passed over anyway. Without an index (no open step) the walk takes the whole list.
template <class Visit>
void VisitObjectsNaming(CBaseDoc& doc, WORD id, BOOL withMergedFiles, Visit visit)
{
    RemovalCleanUpIndex* index = RemovalCleanUpIndex::For(doc);
    if (!index) {
        for (CObject* object : SnapshotObjects(doc))
            visit(*object);
        return;
    }
    std::set<std::pair<size_t, CObject*>> pending;
    // The walk takes the objects in the list as it stands now; an object removed before stays
    // indexed but is no longer met.
    for (CObject* object : index->GetNamingObjects(id, withMergedFiles))
        if (index->InList(object))
            pending.emplace(index->GetRank(object), object);
    size_t seen = index->GetChangeCount();
    const WalkGuard walk(*index);
    while (!pending.empty()) {
        const auto [rank, object] = *pending.begin();
        pending.erase(pending.begin());
        visit(*object);
        index->ReadNewRecords();
        for (; seen < index->GetChangeCount(); ++seen) {
            CObject* changed = index->GetChange(seen);
            if (index->GetRank(changed) > rank && index->InList(changed))
                pending.emplace(index->GetRank(changed), changed);
        }
    }
}

// The object with the id in the list, through the index when there is one.
CObject* FindListedObject(CBaseDoc& doc, WORD objectId)
{
    RemovalCleanUpIndex* index = RemovalCleanUpIndex::For(doc);
    return index ? index->FindObject(objectId) : FindObject(doc, objectId);
}

void ClearLinkTo(CBaseDoc& doc, CObject* object, WORD removedId)
{
    CBaseObj* box = DrawObjects::AsBoxObject(object);
    if (box && removedId != 0 && box->IsLinkedTo(removedId))
        ChangeRecorded(doc, *box, [](CBaseObj& linked) { linked.SetLinkObjectId(0); });
}

// Removes an object that cannot stand without the removed one, unless this step removed it already.
void RemoveDependent(CBaseDoc& doc, CObject& object)
{
    if (!doc.IsDeleteRecordedForUndo(DrawObjects::GetObjectId(&object)))
        doc.RemoveObject(&object);
}

// Another conceptual file lets go of the removed one.
void ForgetRemovedFile(CBaseDoc& doc, CFileComp& file, WORD removedId)
{
    if (file.GetMergedIntoParent() && !file.HasParentFileComp(doc))
        ChangeRecorded(doc, file, [](CFileComp& changed) { changed.SetMergedIntoParent(FALSE); });
    // The marks the clearing sets are cleared again: the next clean-up of the same removal must
    // find every mark clear.
    if (file.AnyDataRefersToFile(removedId))
        ChangeRecorded(doc, file, [&](CFileComp& changed) {
            changed.ClearDataReferencesToFile(removedId);
            changed.ClearItemUpdateMarks();
        });
    if (file.UsesPhyControlFile(removedId))
        ChangeRecorded(doc, file, [&](CFileComp& changed) { changed.ClearPhyControlFileIf(removedId); });
}

} // namespace

BOOL CleanUpRemovedObject(CBaseDoc& doc, CObject& removed)
{
    if (const auto* file = DYNAMIC_DOWNCAST(CFileComp, &removed))
        return CleanUpRemovedFileComp(doc, *file);
    if (const auto* clone = DYNAMIC_DOWNCAST(CFileClone, &removed))
        return CleanUpRemovedFileClone(doc, *clone);
    if (const auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, &removed))
        return CleanUpRemovedRelLine(doc, *arrow);
    return FALSE;
}

BOOL CleanUpRemovedFileComp(CBaseDoc& doc, const CFileComp& file)
{
    const WORD removedId = file.GetObjectId();
    if (removedId == 0)
        return TRUE;
    // Each object is looked at once, before anything below can remove it; what the removals take
    // with them is never an object further on that still needs looking at.
    VisitObjectsNaming(doc, removedId, TRUE, [&](CObject& visited) {
        CObject* object = &visited;
        if (auto* other = DYNAMIC_DOWNCAST(CFileComp, object)) {
            ForgetRemovedFile(doc, *other, removedId);
        } else if (auto* clone = DYNAMIC_DOWNCAST(CFileClone, object)) {
            if (clone->IsCloneOf(removedId))
                CleanUpCloneOfRemovedFile(doc, *clone);
        } else if (auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, object)) {
            if (arrow->GetStartObjectId() == removedId || arrow->GetEndObjectId() == removedId)
                RemoveDependent(doc, *arrow);
            else if (arrow->IsDiscriminatorFile(removedId))
                ChangeRecorded(doc, *arrow, [&](CRelLineObj& changed) {
                    changed.ClearDiscriminatorOfRemovedFile(removedId);
                    changed.ClearPassMarks();
                });
            return;
        } else if (auto* group = DYNAMIC_DOWNCAST(CFileImplObj, object)) {
            if (group->ImplementsFile(removedId))
                RemoveDependent(doc, *group);
            return;
        }
        ClearLinkTo(doc, object, removedId);
    });
    return TRUE;
}

BOOL CleanUpCloneOfRemovedFile(CBaseDoc& doc, CFileClone& clone)
{
    return MainArrowUpkeep::DetachFileCloneOriginal(doc, clone);
}

BOOL CleanUpRemovedFileClone(CBaseDoc& doc, const CFileClone& clone)
{
    const WORD cloneId = clone.GetObjectId();
    const WORD originalId = clone.GetOriginalFileId();
    VisitObjectsNaming(doc, cloneId, FALSE, [&](CObject& object) {
        auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, &object);
        if (!arrow) {
            ClearLinkTo(doc, &object, cloneId);
            return;
        }
        const BOOL fromClone = arrow->GetStartObjectId() == cloneId;
        if (!fromClone && arrow->GetEndObjectId() != cloneId)
            return;
        if (doc.IsDeleteRecordedForUndo(arrow->GetObjectId()))
            return;
        // The main role goes to another arrow of the file before this one goes: an arrow from the
        // clone hands it over at its end file, one to the clone at the clone's original.
        if (arrow->IsMainArrow() && arrow->IsSubTypeKind()) {
            const WORD endId = fromClone ? arrow->GetEndObjectId() : originalId;
            if (endId != cloneId && endId != 0)
                MainArrowUpkeep::HandOverMainSubTypeArrow(doc, endId, arrow->GetKind(), arrow->GetObjectId());
        }
        doc.RemoveObject(arrow);
    });
    return TRUE;
}

BOOL CleanUpRemovedRelLine(CBaseDoc& doc, const CRelLineObj& arrow)
{
    const WORD arrowId = arrow.GetObjectId();
    VisitObjectsNaming(doc, arrowId, FALSE, [&](CObject& object) { ClearLinkTo(doc, &object, arrowId); });
    // The end file: a conceptual file, or a clone's original. Nothing more for an end that is gone
    // (its own removal is under way) or a clone without an original.
    CObject* end = FindListedObject(doc, arrow.GetEndObjectId());
    const WORD fileId = RelationGraph::ResolveFileId(end);
    if (fileId == 0)
        return TRUE;
    if (arrow.IsMainArrow() && arrow.IsSubTypeKind())
        MainArrowUpkeep::HandOverMainSubTypeArrow(doc, fileId, arrow.GetKind(), arrowId);
    auto* file = DYNAMIC_DOWNCAST(CFileComp, FindListedObject(doc, fileId));
    if (!file)
        return TRUE;
    const RemovalCleanUpIndex* index = RemovalCleanUpIndex::For(doc);
    if (index ? index->IsSuperTypeFile(fileId) : RelationGraph::IsSuperTypeFile(doc, fileId, TRUE)) {
        if (file->IsPhysicalTarget() || file->GetMergedIntoParent())
            ChangeRecorded(doc, *file, [](CFileComp& changed) {
                changed.SetPhysicalTarget(FALSE);
                changed.SetMergedIntoParent(FALSE);
            });
    } else if (!file->IsPhysicalTarget()) {
        ChangeRecorded(doc, *file, [](CFileComp& changed) { changed.SetPhysicalTarget(TRUE); });
    }
    return TRUE;
}

} // namespace RemovalCleanUp
