// FileCompTool: the conceptual-file tool. A new file has the update right when the document is in
// update-right mode, whatever its prototype says.
#pragma once

#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class FileCompTool : public ModelBoxTool
{
public:
    FileCompTool() : ModelBoxTool(TRACK_FILE) {}

protected:
    CBaseObj* Build(WORD id, const CRect& rect) const override;
    void ApplyToolSetting(CBaseView& view, CBaseObj* object) const override;
};
