#include "model/MainArrowUpkeep.h"

#include "document/BaseDoc.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/ModelEdits.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"

#include <vector>

namespace MainArrowUpkeep {

namespace {

using RelationGraph::FindObject;

// The id of the file the object stands for as an arrow end: a clone's original (0 without one),
// otherwise the id itself.
WORD EndFileId(const CBaseDoc& doc, WORD objectId)
{
    const auto* clone = DYNAMIC_DOWNCAST(CFileClone, FindObject(doc, objectId));
    return clone ? clone->GetOriginalFileId() : objectId;
}

// The arrow lets go of what it held through the clone of the file: the main role, handed over for
// the file it ends at, and a discriminator naming the original.
void ReleaseArrowFromClone(CBaseDoc& doc, CRelLineObj& arrow, WORD handOverFileId, WORD originalId)
{
    if (arrow.IsMainArrow()) {
        ChangeRecorded(doc, arrow, [](CRelLineObj& changed) { changed.SetMainArrow(FALSE); });
        if (arrow.IsSubTypeKind() && handOverFileId != 0)
            HandOverMainSubTypeArrow(doc, handOverFileId, arrow.GetKind(), arrow.GetObjectId());
    }
    if (arrow.IsSubTypeKind() && originalId != 0 && arrow.IsDiscriminatorFile(originalId))
        ChangeRecorded(doc, arrow, [](CRelLineObj& changed) {
            changed.SetDiscriminator(changed.GetDiscriminatorForm(), 0, 0);
            changed.GetItemNameLabel().SetText(CString());
        });
}

} // namespace

BOOL HandOverMainSubTypeArrow(CBaseDoc& doc, WORD endId, WORD kind, WORD losingArrowId)
{
    if (!CRelLineObj::IsSubTypeKindCode(kind))
        return FALSE;
    const WORD fileId = EndFileId(doc, endId);
    if (fileId == 0)
        return FALSE;
    CRelLineObj* heir =
        RelationGraph::FindRelLineEndingAtIf(doc, fileId, losingArrowId, [&](const CRelLineObj& arrow, BOOL) {
            return arrow.GetKind() == kind && RelationGraph::StandsForFile(FindObject(doc, arrow.GetStartObjectId()));
        });
    auto* file = DYNAMIC_DOWNCAST(CFileComp, FindObject(doc, fileId));
    if (!heir) {
        if (file && file->GetMergedIntoParent())
            ChangeRecorded(doc, *file, [](CFileComp& changed) { changed.SetMergedIntoParent(FALSE); });
        return FALSE;
    }
    const WORD startFileId = EndFileId(doc, heir->GetStartObjectId());
    if (!heir->IsMainArrow() ||
        (heir->GetDiscriminatorFile() == 0 && heir->GetDiscriminatorForm() == CRelLineObj::DISCRIMINATOR_IN_DOCUMENT))
        ChangeRecorded(doc, *heir, [&](CRelLineObj& changed) {
            changed.DefaultDiscriminatorFile(startFileId);
            changed.SetMainArrow(TRUE);
        });
    if (file && !file->GetMergedIntoParent())
        ChangeRecorded(doc, *file, [](CFileComp& changed) { changed.SetMergedIntoParent(TRUE); });
    return TRUE;
}

BOOL SetMainSubTypeArrow(CBaseDoc& doc, WORD childId, WORD arrowId)
{
    const WORD fileId = EndFileId(doc, childId);
    auto* arrow = DYNAMIC_DOWNCAST(CRelLineObj, FindObject(doc, arrowId));
    if (fileId == 0 || !arrow || !arrow->IsSubTypeKind())
        return FALSE;
    if (CRelLineObj* current = RelationGraph::FindMainSubTypeRelLine(doc, fileId, arrowId)) {
        ChangeRecorded(doc, *current, [](CRelLineObj& changed) { changed.SetMainArrow(FALSE); });
        if (CObject* file = FindObject(doc, fileId))
            doc.UpdateObjectInViews(file);
    }
    if (!arrow->IsMainArrow())
        ChangeRecorded(doc, *arrow, [](CRelLineObj& changed) { changed.SetMainArrow(TRUE); });
    return TRUE;
}

BOOL DetachFileCloneOriginal(CBaseDoc& doc, CFileClone& clone)
{
    const WORD originalId = clone.GetOriginalFileId();
    if (originalId == 0)
        return FALSE;
    // The clone lets go first, so that the main role handed over below never comes back to one of
    // its own arrows through it.
    ChangeRecorded(doc, clone, [](CFileClone& changed) { changed.ClearOriginalFile(); });
    const WORD cloneId = clone.GetObjectId();
    std::vector<CRelLineObj*> arrows;
    RelationGraph::ForEachObjectOf<CRelLineObj>(doc, [&](CRelLineObj& arrow) {
        if (arrow.GetEndObjectId() == cloneId || arrow.GetStartObjectId() == cloneId)
            arrows.push_back(&arrow);
    });
    for (CRelLineObj* arrow : arrows)
        if (arrow->GetEndObjectId() == cloneId)
            ReleaseArrowFromClone(doc, *arrow, originalId, originalId);
    for (CRelLineObj* arrow : arrows)
        if (arrow->GetStartObjectId() == cloneId && arrow->GetEndObjectId() != cloneId)
            ReleaseArrowFromClone(doc, *arrow, arrow->GetEndObjectId(), originalId);
    return TRUE;
}

} // namespace MainArrowUpkeep
