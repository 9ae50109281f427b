// FileCompTool: the conceptual-file tool. A new file has the update right when the document is in
// update-right mode, whatever its prototype says.
#pragma once

#include "model/FileComp.h"
#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class FileCompTool : public ModelObjectTool<CFileComp>
{
public:
    FileCompTool() : ModelObjectTool(TRACK_FILE) {}

protected:
    void ApplyToolSetting(CBaseView& view, CBaseObj* object) const override;
};
