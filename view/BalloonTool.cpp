#include "view/BalloonTool.h"

#include "foundation/Trackers.h"
#include "objects/NoteObj.h"
#include "view/BaseView.h"

void BalloonTool::DrawFeedback(CBaseView& view, CDC* dc) const
{
    const CRect rect = view.GetTrackedRect();
    NoteTail tail;
    if (!CalcDefaultNoteTail(rect, tail))
        return;
    const NoteOutline outline = BuildNoteOutline(rect, tail);
    DrawTrackerPolygonColor(dc, outline.data(), NOTE_OUTLINE_POINTS, kOutlineColor);
}

BOOL BalloonTool::Create(CBaseView& view) const
{
    const WORD id = NewObjectId(view);
    return id != 0 && AddWithDefaults(view, new CNoteObj(id, view.GetDraggedRect()));
}
