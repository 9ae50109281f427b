// ProcessSymbolTool: the process-symbol tool; the media pictogram comes with the
// prototype's attributes.
#pragma once

#include "model/FlowComp.h"
#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class ProcessSymbolTool : public ModelObjectTool<CFlowComp>
{
public:
    ProcessSymbolTool() : ModelObjectTool(TRACK_PROCESS) {}
};
