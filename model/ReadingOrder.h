// Reading order of objects on the page: top to bottom, then left to right, by each box object's
// top-left corner (y grows upward, so higher means a larger y).
#pragma once

#include "platform/afx/String.h"

class CObList;

// Fills the output (emptied first) with the input's box objects in reading order; objects with the
// same top-left corner keep their input order, other objects are left out. FALSE, with the output
// empty, after telling the user when the sort failed.
BOOL SortObjectsByPosition(const CObList& input, CObList& output);
