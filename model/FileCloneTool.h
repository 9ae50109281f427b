// FileCloneTool: the conceptual-file clone tool. The new clone stands for no file yet;
// its in-place editor opens at once, so the user types the name of the file it is to stand for.
#pragma once

#include "model/FileClone.h"
#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class FileCloneTool : public ModelObjectTool<CFileClone>
{
public:
    FileCloneTool() : ModelObjectTool(TRACK_CLONE) {}

protected:
    void AfterCreate(CBaseView& view, const ToolEvent& event) const override;
};
