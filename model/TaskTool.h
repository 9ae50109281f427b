// TaskTool: the task tool, which builds a task box over the dragged rectangle.
#pragma once

#include "model/Kadai.h"
#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class TaskTool : public ModelObjectTool<CKadai>
{
public:
    TaskTool() : ModelObjectTool(TRACK_TASK) {}
};
