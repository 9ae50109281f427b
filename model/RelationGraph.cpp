#include "model/RelationGraph.h"

#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/FileImplObj.h"
#include "model/RelLineObj.h"
#include "platform/ui/Controls.h"

#include <algorithm>
#include <vector>

namespace RelationGraph {

namespace {

// The ids that stand for the file as an arrow end: its own and those of its clones. Collected once
// per query, so that the walk over the arrows needs no lookup of their end objects.
std::vector<WORD> FileEndIds(const CBaseDoc& doc, WORD fileId)
{
    std::vector<WORD> ids{fileId};
    ForEachObjectOf<CFileClone>(doc, [&](const CFileClone& clone) {
        if (clone.IsCloneOf(fileId))
            ids.push_back(clone.GetObjectId());
    });
    return ids;
}

BOOL KindMatches(const CRelLineObj& arrow, WORD kind)
{
    return kind == 0 || arrow.GetKind() == kind;
}

// The start test of the resolved-start queries: the start exists and is not a clone without an
// original.
BOOL HasResolvableStart(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    const CObject* start = FindObject(doc, arrow.GetStartObjectId());
    const auto* clone = DYNAMIC_DOWNCAST(CFileClone, start);
    return start && (!clone || clone->HasOriginalFile());
}

template <class IsKind>
BOOL IsKindChildFile(const CBaseDoc& doc, WORD fileId, BOOL withClones, IsKind isKind)
{
    return FindRelLineEndingAtIf(doc, fileId, 0, [&](const CRelLineObj& arrow, BOOL direct) {
               return isKind(arrow) && (withClones ? HasResolvableStart(doc, arrow) : direct);
           }) != nullptr;
}

// The parents of the file upward, ending before the first file that the chain already holds (the
// file itself is not in it at first, so a loop through the file ends with the file).
std::vector<CFileComp*> ParentChain(const CBaseDoc& doc, const CFileComp& file)
{
    std::vector<CFileComp*> chain;
    for (CFileComp* parent = GetParentFileComp(doc, file.GetObjectId());
         parent && std::ranges::find(chain, parent) == chain.end();
         parent = GetParentFileComp(doc, parent->GetObjectId()))
        chain.push_back(parent);
    return chain;
}

} // namespace

CObject* FindObject(const CBaseDoc& doc, WORD objectId)
{
    CObject* object = nullptr;
    doc.FindObjectById(objectId, object);
    return object;
}

CFileComp* ResolveFileComp(const CBaseDoc& doc, CObject* object)
{
    return ResolveFileComp(object, [&](WORD objectId) { return FindObject(doc, objectId); });
}

CFileComp* ResolveFileComp(CObject* object, const std::function<CObject*(WORD objectId)>& findObject)
{
    if (auto* clone = DYNAMIC_DOWNCAST(CFileClone, object))
        object = clone->HasOriginalFile() ? findObject(clone->GetOriginalFileId()) : nullptr;
    return DYNAMIC_DOWNCAST(CFileComp, object);
}

WORD ResolveFileId(const CObject* object)
{
    if (const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object))
        return clone->GetOriginalFileId();
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, object);
    return file ? file->GetObjectId() : 0;
}

CRelLineObj* FindRelLineEndingAtIf(const CBaseDoc& doc, WORD fileId, WORD skipId, const RelLineTest& test)
{
    if (fileId == 0)
        return nullptr;
    const std::vector<WORD> ends = FileEndIds(doc, fileId);
    return FindObjectOf<CRelLineObj>(doc, [&](CRelLineObj& arrow) {
        const WORD endId = arrow.GetEndObjectId();
        return arrow.GetObjectId() != skipId && std::ranges::find(ends, endId) != ends.end() &&
               test(arrow, endId == fileId);
    });
}

BOOL StandsForFile(const CObject* object)
{
    const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object);
    return clone ? clone->HasOriginalFile() : DYNAMIC_DOWNCAST(CFileComp, object) != nullptr;
}

BOOL GetRelLineEndFiles(const CBaseDoc& doc, const CRelLineObj& arrow, CObject*& start, CObject*& end)
{
    const auto resolve = [&](WORD objectId) {
        CObject* object = FindObject(doc, objectId);
        const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object);
        return clone && clone->HasOriginalFile() ? FindObject(doc, clone->GetOriginalFileId()) : object;
    };
    start = end = nullptr;
    CObject* resolvedStart = resolve(arrow.GetStartObjectId());
    CObject* resolvedEnd = resolve(arrow.GetEndObjectId());
    if (!resolvedStart || !resolvedEnd)
        return FALSE;
    start = resolvedStart;
    end = resolvedEnd;
    return TRUE;
}

BOOL IsRelLineStartFile(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    return StandsForFile(FindObject(doc, arrow.GetStartObjectId()));
}

BOOL IsRelLineEndFile(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    return StandsForFile(FindObject(doc, arrow.GetEndObjectId()));
}

BOOL IsRelLineBetweenFiles(const CBaseDoc& doc, const CRelLineObj& arrow)
{
    return IsRelLineStartFile(doc, arrow) && IsRelLineEndFile(doc, arrow);
}

BOOL IsMainSubTypeRelLine(const CRelLineObj& arrow)
{
    return arrow.IsSubTypeKind() && arrow.IsMainArrow();
}

CRelLineObj* FindMainSubTypeRelLine(const CBaseDoc& doc, WORD fileId, WORD skipId)
{
    return FindRelLineEndingAtIf(doc, fileId, skipId,
                                 [](const CRelLineObj& arrow, BOOL) { return IsMainSubTypeRelLine(arrow); });
}

CRelLineObj* FindMainSubTypeRelLineAtEndOf(const CBaseDoc& doc, const CRelLineObj& arrow, WORD skipId)
{
    return FindMainSubTypeRelLine(doc, arrow.GetEndObjectId(), skipId);
}

CRelLineObj* FindRelLineEndingAt(const CBaseDoc& doc, WORD fileId, WORD kind, WORD skipId, BOOL resolvedStart)
{
    return FindRelLineEndingAtIf(doc, fileId, skipId, [&](const CRelLineObj& arrow, BOOL direct) {
        return KindMatches(arrow, kind) && (!resolvedStart || !direct || HasResolvableStart(doc, arrow));
    });
}

int CountRelLinesEndingAt(const CBaseDoc& doc, WORD fileId, WORD kind, WORD skipId, BOOL resolvedStart)
{
    int count = 0;
    FindRelLineEndingAtIf(doc, fileId, skipId, [&](const CRelLineObj& arrow, BOOL direct) {
        count += KindMatches(arrow, kind) && (!resolvedStart || !direct || HasResolvableStart(doc, arrow)) ? 1 : 0;
        return false;
    });
    return count;
}

int CountNonOneToManyRelLinesAt(const CBaseDoc& doc, WORD objectId)
{
    int count = 0;
    ForEachObjectOf<CRelLineObj>(doc, [&](const CRelLineObj& arrow) {
        count += !arrow.IsOneToManyKind() && arrow.IsConnectedTo(objectId) ? 1 : 0;
    });
    return count;
}

BOOL IsSubTypeChildFile(const CBaseDoc& doc, WORD fileId, BOOL withClones)
{
    return IsKindChildFile(doc, fileId, withClones, [](const CRelLineObj& arrow) { return arrow.IsSubTypeKind(); });
}

BOOL IsSuperTypeFile(const CBaseDoc& doc, WORD fileId, BOOL withClones)
{
    return IsKindChildFile(doc, fileId, withClones, [](const CRelLineObj& arrow) { return arrow.IsSuperTypeKind(); });
}

BOOL HasRelLineBetween(const CBaseDoc& doc, WORD startId, WORD endId, BOOL resolveClones)
{
    if (startId == 0 || endId == 0)
        return FALSE;
    const std::vector<WORD> starts = resolveClones ? FileEndIds(doc, startId) : std::vector<WORD>{startId};
    const std::vector<WORD> ends = resolveClones ? FileEndIds(doc, endId) : std::vector<WORD>{endId};
    return FindObjectOf<CRelLineObj>(doc, [&](const CRelLineObj& arrow) {
               return std::ranges::find(starts, arrow.GetStartObjectId()) != starts.end() &&
                      std::ranges::find(ends, arrow.GetEndObjectId()) != ends.end();
           }) != nullptr;
}

CFileComp* GetParentFileComp(const CBaseDoc& doc, WORD fileId)
{
    const CRelLineObj* mainArrow = FindMainSubTypeRelLine(doc, fileId, 0);
    return mainArrow ? ResolveFileComp(doc, FindObject(doc, mainArrow->GetStartObjectId())) : nullptr;
}

BOOL IsAncestorFileComp(const CBaseDoc& doc, WORD ancestorId, const CFileComp& file)
{
    const std::vector<CFileComp*> chain = ParentChain(doc, file);
    return std::ranges::any_of(chain, [&](const CFileComp* parent) { return parent->GetObjectId() == ancestorId; });
}

CFileComp* FindTopParentFileComp(const CBaseDoc& doc, const CFileComp& file, BOOL stopAtImplGroup)
{
    const std::vector<CFileComp*> chain = ParentChain(doc, file);
    if (chain.empty())
        return nullptr;
    const auto last = chain.end() - 1;
    const auto found = std::find_if(chain.begin(), last, [&](const CFileComp* parent) {
        return stopAtImplGroup && FindImplGroupForFile(doc, *parent);
    });
    return *found;
}

CFileComp* FindMergeTargetFileComp(const CBaseDoc& doc, const CFileComp& file)
{
    const std::vector<CFileComp*> chain = ParentChain(doc, file);
    if (chain.empty())
        return nullptr;
    const auto last = chain.end() - 1;
    return *std::find_if(chain.begin(), last, [](const CFileComp* parent) { return !parent->GetMergedIntoParent(); });
}

CFileImplObj* FindImplGroupForFile(const CBaseDoc& doc, const CFileComp& file)
{
    return FindObjectOf<CFileImplObj>(doc, [&](const CFileImplObj& group) {
        return group.ImplementsFile(file.GetObjectId());
    });
}

CFileComp* FindFileCompByName(const CBaseDoc& doc, const CString& name)
{
    return FindObjectOf<CFileComp>(doc, [&](const CFileComp& file) { return file.GetFileName() == name; });
}

BOOL HasFileComp(const CBaseDoc& doc)
{
    return FindObjectOf<CFileComp>(doc, [](const CFileComp&) { return true; }) != nullptr;
}

int FillDataItemCombo(const CBaseDoc& doc, WORD fileId, CComboBox* combo, BOOL keyItemsOnly, BOOL withNone)
{
    if (fileId == 0) {
        combo->ResetContent();
        return 0;
    }
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, FindObject(doc, fileId));
    return file ? file->FillDataItemCombo(combo, keyItemsOnly, withNone) : -1;
}

void ClearNameMatchMarks(const CBaseDoc& doc)
{
    ForEachObjectOf<CFileComp>(doc, [](CFileComp& file) { file.ClearMarks(); });
}

void ClearDataItemUpdateMarks(const CBaseDoc& doc)
{
    ForEachObjectOf<CFileComp>(doc, [](CFileComp& file) { file.ClearItemUpdateMarks(); });
}

void ClearRkeyPassMarks(const CBaseDoc& doc)
{
    ForEachObjectOf<CFileComp>(doc, [](CFileComp& file) { file.ClearMarksAndItems(); });
    ForEachObjectOf<CRelLineObj>(doc, [](CRelLineObj& arrow) { arrow.ClearMark(); });
}

} // namespace RelationGraph
