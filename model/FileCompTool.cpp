#include "model/FileCompTool.h"

#include "document/BaseDoc.h"
#include "model/FileComp.h"
#include "view/BaseView.h"

CBaseObj* FileCompTool::Build(WORD id, const CRect& rect) const
{
    return new CFileComp(id, rect);
}

void FileCompTool::ApplyToolSetting(CBaseView& view, CBaseObj* object) const
{
    static_cast<CFileComp*>(object)->SetUpdateRight(view.GetDocument()->IsUpdateRightMode() ? 1 : 0);
}
