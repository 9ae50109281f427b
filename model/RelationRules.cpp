#include "model/RelationRules.h"

#include "document/BaseDoc.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/ModelEdits.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"

#include <unordered_set>
#include <vector>

namespace RelationRules {

namespace {

using RelationGraph::FindObject;

BOOL IsCloneWithoutOriginal(const CObject* object)
{
    const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object);
    return clone && !clone->HasOriginalFile();
}

BOOL ConnectSubTypeArrow(CBaseDoc& doc, CRelLineObj& arrow)
{
    const CObject* end = FindObject(doc, arrow.GetEndObjectId());
    if (IsCloneWithoutOriginal(end)) {
        arrow.SetMainArrow(FALSE);
        return TRUE;
    }
    const auto* endClone = DYNAMIC_DOWNCAST(CFileClone, end);
    const WORD fileId = endClone ? endClone->GetOriginalFileId() : arrow.GetEndObjectId();
    if (RelationGraph::FindMainSubTypeRelLine(doc, fileId, arrow.GetObjectId())) {
        arrow.SetMainArrow(FALSE);
        return TRUE;
    }
    const CObject* start = FindObject(doc, arrow.GetStartObjectId());
    if (!start)
        return FALSE;
    arrow.SetMainArrow(!IsCloneWithoutOriginal(start));
    auto* file = DYNAMIC_DOWNCAST(CFileComp, FindObject(doc, fileId));
    if (arrow.IsMainArrow() && file && !file->GetMergedIntoParent())
        ChangeRecorded(doc, *file, [](CFileComp& endFile) { endFile.SetMergedIntoParent(TRUE); });
    return TRUE;
}

BOOL ConnectSuperTypeArrow(CBaseDoc& doc, const CRelLineObj& arrow)
{
    CObject* end = FindObject(doc, arrow.GetEndObjectId());
    if (IsCloneWithoutOriginal(end))
        return TRUE;
    auto* file = RelationGraph::ResolveFileComp(doc, end);
    if (!file)
        return FALSE;
    if (RelationGraph::IsSuperTypeFile(doc, file->GetObjectId(), TRUE) &&
        (file->IsPhysicalTarget() || file->GetMergedIntoParent()))
        ChangeRecorded(doc, *file, [](CFileComp& endFile) {
            endFile.SetPhysicalTarget(FALSE);
            endFile.SetMergedIntoParent(FALSE);
        });
    return TRUE;
}

} // namespace

BOOL IsSubTypeAncestor(const CBaseDoc& doc, const CFileComp& file, WORD ancestorId)
{
    std::vector<WORD> pending{file.GetObjectId()};
    std::unordered_set<WORD> followed{file.GetObjectId()};
    while (!pending.empty()) {
        const WORD childId = pending.back();
        pending.pop_back();
        const auto reachesAncestor = [&](const CRelLineObj& arrow, BOOL) {
            const CObject* start = FindObject(doc, arrow.GetStartObjectId());
            if (!arrow.IsSubTypeKind() || !RelationGraph::StandsForFile(start))
                return false;
            const WORD startId = RelationGraph::ResolveFileId(start);
            if (followed.insert(startId).second)
                pending.push_back(startId);
            return startId == ancestorId;
        };
        if (RelationGraph::FindRelLineEndingAtIf(doc, childId, 0, reachesAncestor))
            return TRUE;
    }
    return FALSE;
}

BOOL WouldCreateSubTypeLoop(const CBaseDoc& doc, CObject* start, CObject* end)
{
    const CFileComp* startFile = RelationGraph::ResolveFileComp(doc, start);
    const CFileComp* endFile = RelationGraph::ResolveFileComp(doc, end);
    return startFile && endFile && IsSubTypeAncestor(doc, *startFile, endFile->GetObjectId());
}

BOOL HasSubTypeLoop(const CBaseDoc& doc)
{
    return RelationGraph::FindObjectOf<CRelLineObj>(doc, [&](const CRelLineObj& arrow) {
               if (!arrow.IsSubTypeKind())
                   return false;
               const CFileComp* file = RelationGraph::ResolveFileComp(doc, FindObject(doc, arrow.GetEndObjectId()));
               return file && RelationGraph::IsAncestorFileComp(doc, file->GetObjectId(), *file);
           }) != nullptr;
}

BOOL ApplyRelLineConnectRules(CBaseDoc& doc, CRelLineObj& arrow)
{
    if (arrow.IsSubTypeKind())
        return ConnectSubTypeArrow(doc, arrow);
    if (arrow.IsSuperTypeKind())
        return ConnectSuperTypeArrow(doc, arrow);
    return TRUE;
}

} // namespace RelationRules
