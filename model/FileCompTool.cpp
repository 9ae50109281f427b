#include "model/FileCompTool.h"

#include "document/BaseDoc.h"
#include "view/BaseView.h"

void FileCompTool::ApplyToolSetting(CBaseView& view, CBaseObj* object) const
{
    static_cast<CFileComp*>(object)->SetUpdateRight(view.GetDocument()->IsUpdateRightMode() ? 1 : 0);
}
