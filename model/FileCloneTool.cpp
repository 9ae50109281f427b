#include "model/FileCloneTool.h"

#include "view/BaseView.h"

void FileCloneTool::AfterCreate(CBaseView& view, const ToolEvent& event) const
{
    view.OpenInPlaceEditor(event.dc, view.GetCurrentObject());
}
