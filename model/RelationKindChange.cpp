// The relation rules behind an arrow's kind and main-arrow commands.
#include "model/RelationRules.h"

#include "document/BaseDoc.h"
#include "foundation/CommandIds.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/MainArrowUpkeep.h"
#include "model/ModelEdits.h"
#include "model/RelLineObj.h"
#include "model/RelationGraph.h"
#include "objects/BaseObj.h"
#include "objects/DrawObjects.h"
#include "platform/afx/MessageSink.h"

namespace RelationRules {

namespace {

using RelationGraph::FindObject;

// How near a side an arrow end must lie to count as connected there.
constexpr int KIND_CHANGE_SIDE_TOLERANCE = 7;
constexpr DWORD SIDES_LEFT_OR_RIGHT = SIDE_LEFT | SIDE_RIGHT;

DWORD RequiredStartSides(WORD kind, BOOL selfReference)
{
    switch (kind) {
    case CRelLineObj::KIND_ONE_TO_MANY: return selfReference ? SIDES_LEFT_OR_RIGHT : SIDE_BOTTOM;
    case CRelLineObj::KIND_SUBTYPE:
    case CRelLineObj::KIND_SUBSTRUCTURE: return SIDES_LEFT_OR_RIGHT;
    default: return SIDE_BOTTOM;
    }
}

DWORD RequiredEndSides(WORD kind)
{
    return kind == CRelLineObj::KIND_ONE_TO_MANY || kind == CRelLineObj::KIND_SUBTYPE ? SIDE_TOP : SIDES_LEFT_OR_RIGHT;
}

// The ends move onto the sides the new kind connects at: the start unless it lies on one of them
// already; the end likewise, except that a substructure arrow always meets the end object's edge
// that faces its start.
void ReconnectForKind(CRelLineObj& arrow, WORD kind, const CBaseObj& start, const CBaseObj& end)
{
    const DWORD startSides = RequiredStartSides(kind, arrow.IsSelfReference());
    if (!(start.HitTestSides(arrow.GetStartPoint(), KIND_CHANGE_SIDE_TOLERANCE) & startSides)) {
        CPoint target;
        start.GetStartConnectionPoint(target, arrow.GetStartPoint(), arrow.GetEndPoint(), startSides);
        arrow.MoveStartPoint(target - arrow.GetStartPoint());
    }
    const DWORD endSides = RequiredEndSides(kind);
    if (kind == CRelLineObj::KIND_SUBSTRUCTURE) {
        CPoint target;
        end.GetEndConnectionPoint(target, arrow.GetStartPoint(), arrow.GetEndPoint(), endSides);
        target.x = arrow.GetEndPoint().x < arrow.GetStartPoint().x ? end.GetRect().right : end.GetRect().left;
        arrow.MoveEndPoint(target - arrow.GetEndPoint());
    } else if (!(end.HitTestSides(arrow.GetEndPoint(), KIND_CHANGE_SIDE_TOLERANCE) & endSides)) {
        CPoint target;
        end.GetEndConnectionPoint(target, arrow.GetStartPoint(), arrow.GetEndPoint(), endSides);
        arrow.MoveEndPoint(target - arrow.GetEndPoint());
    }
}

// The end file's flags after its arrows changed: without a supertype arrow it is a physical target
// and merged into its parent exactly when it has one; with one it is neither.
void UpdateEndFileFlags(CBaseDoc& doc, CFileComp& file)
{
    if (RelationGraph::IsSuperTypeFile(doc, file.GetObjectId(), TRUE)) {
        if (file.IsPhysicalTarget() || file.GetMergedIntoParent())
            ChangeRecorded(doc, file, [](CFileComp& changed) {
                changed.SetPhysicalTarget(FALSE);
                changed.SetMergedIntoParent(FALSE);
            });
        return;
    }
    if (!file.IsPhysicalTarget())
        ChangeRecorded(doc, file, [](CFileComp& changed) { changed.SetPhysicalTarget(TRUE); });
    const BOOL hasParent = file.HasParentFileComp(doc);
    if (!file.GetMergedIntoParent() != !hasParent)
        ChangeRecorded(doc, file, [&](CFileComp& changed) { changed.SetMergedIntoParent(hasParent); });
}

// The refusal of the main-arrow command at an end clone without an original; which end is named by
// the word for it ("接続先" the end, "接続元" the start).
void ReportCloneWithoutOriginal(const char8_t* end)
{
    AfxMessageBox(CString(u8"ﾒｲﾝ矢線にしようとした矢線の") + CString(end) + CString(u8"の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄは") +
                      CString(u8"元概念ﾌｧｲﾙが指定されていないでの、ﾒｲﾝ矢線にすることはできません。\n") +
                      CString(u8"先に") + CString(end) +
                      CString(u8"の概念ﾌｧｲﾙ ｸﾛｰﾝ ｵﾌﾞｼﾞｪｸﾄの元概念ﾌｧｲﾙを指定してください。"),
                  MB_OK);
}

BOOL IsCloneLackingOriginal(const CObject* object)
{
    const auto* clone = DYNAMIC_DOWNCAST(CFileClone, object);
    return clone && !clone->HasOriginalFile();
}

} // namespace

BOOL ChangeRelLineKind(CBaseDoc& doc, CRelLineObj& arrow, UINT commandId)
{
    if (commandId < ID_REL_KIND_ONE_TO_MANY || commandId > ID_REL_KIND_SUPERTYPE)
        return FALSE;
    const WORD newKind = WORD(commandId - (ID_REL_KIND_ONE_TO_MANY - 1));
    const WORD oldKind = arrow.GetKind();
    if (newKind == oldKind)
        return FALSE;
    CObject* startObject = FindObject(doc, arrow.GetStartObjectId());
    CObject* endObject = FindObject(doc, arrow.GetEndObjectId());
    const CBaseObj* start = DrawObjects::AsBoxObject(startObject);
    const CBaseObj* end = DrawObjects::AsBoxObject(endObject);
    if (!start || !end)
        return FALSE;
    // What the arrow's own reshaping would refuse is refused before anything changes.
    if (arrow.GetCount() < 2 || (newKind != CRelLineObj::KIND_ONE_TO_MANY && arrow.IsSelfReference()))
        return FALSE;
    const BOOL toSubType = CRelLineObj::IsSubTypeKindCode(newKind);
    if (toSubType && WouldCreateSubTypeLoop(doc, startObject, endObject)) {
        AfxMessageBox(CString(u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので、矢線種別は変更できません。"),
                      MB_OK);
        return FALSE;
    }

    doc.UpdateObjectInViews(&arrow);
    ReconnectForKind(arrow, newKind, *start, *end);

    // The end file: a conceptual file, or a clone's original (0 when the clone has none).
    const WORD endFileId = RelationGraph::ResolveFileId(endObject);
    const BOOL fromSubType = CRelLineObj::IsSubTypeKindCode(oldKind);
    if (endFileId != 0) {
        if (fromSubType && !toSubType && arrow.IsMainArrow()) {
            arrow.SetMainArrow(FALSE);
            // A file with a subtype arrow left keeps a main arrow, and so its parent.
            MainArrowUpkeep::HandOverMainSubTypeArrow(doc, endFileId, oldKind, arrow.GetObjectId());
        } else if (!fromSubType && toSubType &&
                   !RelationGraph::FindMainSubTypeRelLine(doc, endFileId, arrow.GetObjectId()) &&
                   RelationGraph::IsRelLineBetweenFiles(doc, arrow)) {
            arrow.DefaultDiscriminatorFile(RelationGraph::ResolveFileId(startObject));
            arrow.SetMainArrow(TRUE);
        }
    }

    arrow.SetKind(newKind);
    arrow.ChangeArrowKind(&doc);
    doc.UpdateObjectInViews(&arrow);

    if (auto* endFile = DYNAMIC_DOWNCAST(CFileComp, FindObject(doc, endFileId)))
        UpdateEndFileFlags(doc, *endFile);
    return TRUE;
}

BOOL MakeMainRelLine(CBaseDoc& doc, CRelLineObj& arrow)
{
    if (!arrow.IsSubTypeKind())
        return FALSE;
    CObject* end = FindObject(doc, arrow.GetEndObjectId());
    if (IsCloneLackingOriginal(end)) {
        ReportCloneWithoutOriginal(u8"接続先");
        return FALSE;
    }
    const auto* endClone = DYNAMIC_DOWNCAST(CFileClone, end);
    const WORD endFileId = endClone ? endClone->GetOriginalFileId() : arrow.GetEndObjectId();
    CObject* start = FindObject(doc, arrow.GetStartObjectId());
    if (!start)
        return FALSE;
    if (IsCloneLackingOriginal(start)) {
        ReportCloneWithoutOriginal(u8"接続元");
        return FALSE;
    }
    const auto* startClone = DYNAMIC_DOWNCAST(CFileClone, start);
    const WORD startFileId = startClone ? startClone->GetOriginalFileId() : arrow.GetStartObjectId();

    BOOL changed = FALSE;
    if (CRelLineObj* current = RelationGraph::FindMainSubTypeRelLine(doc, endFileId, arrow.GetObjectId())) {
        ChangeRecorded(doc, *current, [](CRelLineObj& other) { other.SetMainArrow(FALSE); });
        changed = TRUE;
    }
    const WORD discriminatorFile = arrow.GetDiscriminatorFile();
    arrow.DefaultDiscriminatorFile(startFileId);
    changed |= arrow.GetDiscriminatorFile() != discriminatorFile || !arrow.IsMainArrow();
    arrow.SetMainArrow(TRUE);
    auto* endFile = DYNAMIC_DOWNCAST(CFileComp, FindObject(doc, endFileId));
    if (endFile && !endFile->GetMergedIntoParent()) {
        ChangeRecorded(doc, *endFile, [](CFileComp& file) { file.SetMergedIntoParent(TRUE); });
        changed = TRUE;
    }
    if (changed)
        doc.UpdateObjectInViews(&arrow);
    return changed;
}

} // namespace RelationRules
