#include "model/RelArrowTool.h"

#include "document/BaseDoc.h"
#include "document/UndoStep.h"
#include "foundation/TextFunctions.h"
#include "model/FileClone.h"
#include "model/FileComp.h"
#include "model/RelLineObj.h"
#include "model/RelationRules.h"
#include "objects/DrawObjects.h"
#include "objects/ObjectServices.h"
#include "platform/afx/MessageSink.h"
#include "view/BaseView.h"

namespace RelArrowToolRules {

// What an arrow from a start to the object under the mouse would be.
enum class Verdict {
    Allowed,
    // Not on a conceptual file or clone.
    NoEnd,
    // A subtype, substructure or supertype arrow from a file to itself.
    SelfReference,
    // Between a file and its own clone, or two clones of one file.
    SelfThroughClone,
};

constexpr const char8_t* kSelfReference =
    u8"ｻﾌﾞﾀｲﾌﾟあるいはｻﾌﾞｽﾄﾗｸﾁｬ、ｽｰﾊﾟｰﾀｲﾌﾟの場合、自己回帰型の矢線接続は作成できません";
constexpr const char8_t* kSelfThroughClone = u8"概念ﾌｧｲﾙｸﾛｰﾝを介した自己回帰型の矢線接続は作成できません";
constexpr const char8_t* kSubTypeLoop = u8"ｻﾌﾞﾀｲﾌﾟ矢線あるいはｻﾌﾞｽﾄﾗｸﾁｬ矢線がﾙｰﾌﾟしてしまうので矢線は作成できません";

const CFileClone* AsClone(const CObject* object)
{
    return DYNAMIC_DOWNCAST(CFileClone, object);
}

BOOL IsArrowEnd(const CObject* object)
{
    return DYNAMIC_DOWNCAST(CFileComp, object) != nullptr || AsClone(object) != nullptr;
}

// The conceptual file an end stands for: a file itself, the file a clone stands for (0: none).
WORD ReferenceId(const CObject* end)
{
    const CFileClone* clone = AsClone(end);
    return clone ? clone->GetOriginalFileId() : DrawObjects::GetObjectId(end);
}

CString EndName(const CObject* end)
{
    const auto* file = DYNAMIC_DOWNCAST(CFileComp, end);
    return ConvertCrLfToLf(file ? file->GetFileName() : AsClone(end)->GetText());
}

Verdict Judge(const CObject* start, const CObject* end, WORD kind)
{
    if (!IsArrowEnd(end))
        return Verdict::NoEnd;
    // Only a 1:N arrow may lead from a file back to itself.
    if (kind != CRelLineObj::KIND_ONE_TO_MANY && DrawObjects::GetObjectId(end) == DrawObjects::GetObjectId(start))
        return Verdict::SelfReference;
    const WORD startFile = ReferenceId(start);
    if ((AsClone(start) || AsClone(end)) && startFile != 0 && startFile == ReferenceId(end))
        return Verdict::SelfThroughClone;
    return Verdict::Allowed;
}

void DropSelection(CBaseView& view)
{
    view.InvalidateSelection();
    view.ClearSelection();
}

// A refused arrow: no selection, the reason in the status bar and in a box.
void Refuse(CBaseView& view, const char8_t* reason)
{
    DropSelection(view);
    view.ShowStatusText(CString(reason));
    AfxMessageBox(CString(reason) + CString(u8"。"), MB_OK);
}

// The arrow of the kind from the start to the end of the drag; TRUE when it was added.
BOOL CreateRelArrow(CBaseView& view, CObject* start, CObject* end, WORD kind)
{
    CBaseDoc* doc = view.GetDocument();
    const WORD id = doc->NewObjectId();
    if (id == 0)
        return FALSE;
    const WORD startId = DrawObjects::GetObjectId(start), endId = DrawObjects::GetObjectId(end);
    const BOOL self = startId == endId;
    // The file whose item tells subtypes apart: the start file, or the file its clone stands for;
    // none when the arrow ends on a clone that stands for no file.
    WORD discriminatorFile = AsClone(start) ? ReferenceId(start) : startId;
    if (const CFileClone* clone = AsClone(end); clone && !clone->HasOriginalFile())
        discriminatorFile = 0;
    CPoint first, last;
    DrawObjects::AsBoxObject(start)->GetRelArrowStartPoint(first, view.GetDragAnchor(), view.GetDragCurrent(), kind,
                                                           self);
    DrawObjects::AsBoxObject(end)->GetRelArrowEndPoint(last, view.GetDragAnchor(), view.GetDragCurrent(), kind, self);
    auto* arrow = new CRelLineObj(id, first, last, kind, startId, endId, discriminatorFile);
    ObjectServices* services = GetObjectServices();
    if (const CPolyObj* prototype =
            services ? DrawObjects::AsLineObject(services->FindDefaultPrototype(arrow)) : nullptr)
        arrow->CopyAttributes(*prototype);
    CUndoStep step(doc);
    if (!step.IsOpen()) {
        DrawObjects::Destroy(arrow);
        return FALSE;
    }
    if (!view.AddCreatedObject(arrow))
        return FALSE;
    RelationRules::ApplyRelLineConnectRules(*doc, *arrow);
    return TRUE;
}

} // namespace RelArrowToolRules

void RelArrowTool::Press(CBaseView& view, const ToolEvent& event) const
{
    using namespace RelArrowToolRules;
    view.BeginShapeTracking(event, TRACK_RELARROW);
    CObject* start = view.FindObjectAt(view.GetDragAnchor());
    if (!IsArrowEnd(start)) {
        // No drag: the release goes the way of a press that started none.
        view.EndTrackMode();
        view.ShowStatusText(CString(u8"矢線接続元のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄを選択してください"));
        return;
    }
    view.AddToSelection(start);
    view.DrawSelectionHandles(event.dc);
    CBaseView::DescribeObjectForStatus(view.GetDocument(), start, DESCRIBE_SELECTED);
    view.ShowDragFeedback(event.dc);
}

void RelArrowTool::Hover(CBaseView& view, const ToolEvent& event) const
{
    view.OnToolHover(event);
}

void RelArrowTool::Track(CBaseView& view, const ToolEvent& event) const
{
    using namespace RelArrowToolRules;
    CObject* start = view.GetLastSelected();
    if (!view.TrackRelArrow(event) || !start)
        return;
    CObject* end = view.FindObjectAt(view.GetDragCurrent());
    switch (Judge(start, end, view.GetCurrentArrowKind())) {
    case Verdict::NoEnd: view.ShowStatusText(CString(u8"矢線接続先のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄを選択してください")); break;
    case Verdict::SelfReference: view.ShowStatusText(CString(kSelfReference)); break;
    case Verdict::SelfThroughClone: view.ShowStatusText(CString(kSelfThroughClone)); break;
    case Verdict::Allowed:
        view.ShowStatusText(CString(u8"矢線作成可能 : ") + EndName(start) + CString(" -> ") + EndName(end));
        break;
    }
}

void RelArrowTool::Release(CBaseView& view, const ToolEvent& event) const
{
    using namespace RelArrowToolRules;
    if (!view.EndLineTracking(event)) {
        DropSelection(view);
        return;
    }
    CObject* start = view.GetLastSelected();
    if (!IsArrowEnd(start)) {
        DropSelection(view);
        return;
    }
    const WORD kind = view.GetCurrentArrowKind();
    CObject* end = view.FindObjectAt(view.GetDragCurrent());
    switch (Judge(start, end, kind)) {
    case Verdict::NoEnd:
        DropSelection(view);
        view.ShowStatusText(CString(u8"矢線接続先のﾌｧｲﾙ ｵﾌﾞｼﾞｪｸﾄの上でﾏｳｽをﾘﾘｰｽしてください"));
        return;
    case Verdict::SelfReference: Refuse(view, kSelfReference); return;
    case Verdict::SelfThroughClone: Refuse(view, kSelfThroughClone); return;
    case Verdict::Allowed: break;
    }
    if (CRelLineObj::IsSubTypeKindCode(kind) &&
        RelationRules::WouldCreateSubTypeLoop(*view.GetDocument(), start, end)) {
        Refuse(view, kSubTypeLoop);
        return;
    }
    view.AddToSelection(end);
    view.InvalidateObject(end);
    if (!CreateRelArrow(view, start, end, kind))
        return;
    view.InvalidateSelection();
    view.UpdateAllViewsForSelection();
}

void RelArrowTool::ReleaseWithoutDrag(CBaseView& view, const ToolEvent& event) const
{
    view.EndShapeTracking(event);
}

void RelArrowTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    view.DrawLineRubberBand(dc);
}
