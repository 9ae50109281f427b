// DataSymbolTool: the data-symbol tool; the media pictogram comes with the prototype's
// attributes.
#pragma once

#include "model/DataComp.h"
#include "model/ModelBoxTool.h"
#include "view/TrackModes.h"

class DataSymbolTool : public ModelObjectTool<CDataComp>
{
public:
    DataSymbolTool() : ModelObjectTool(TRACK_DATA) {}
};
